#include "accessible.h"

#include <initguid.h>
#include <oleacc.h>

#include "controls.h"
#include "win32/utf16.h"

namespace zz::ui {

HWND CreateNameLabel(HWND parent, const std::string& text) {
  // No WS_VISIBLE and no size: it neither shows nor takes clicks; SS_NOPREFIX keeps "&" as is.
  return CreateControl(L"STATIC", text, SS_LEFT | SS_NOPREFIX, 0, {0, 0, 0, 0}, parent, -1, nullptr);
}

bool Annotate(HWND control, AccessibleText what, const std::string& text) {
  // The program holds its window thread's apartment open; this one only borrows it.
  const Apartment apartment;
  IAccPropServices* services = nullptr;
  bool done = false;
  if (SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                 reinterpret_cast<void**>(&services)))) {
    const MSAAPROPID property = what == AccessibleText::kName ? PROPID_ACC_NAME : PROPID_ACC_DESCRIPTION;
    done = SUCCEEDED(services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT),
                                              static_cast<DWORD>(CHILDID_SELF), property, Widen(text).c_str()));
    services->Release();
  }
  return done;
}

}  // namespace zz::ui
