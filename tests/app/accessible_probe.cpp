#include "accessible_probe.h"

#include <oleacc.h>

#include "win32/utf16.h"

namespace zz::test {

namespace {

std::wstring ClassOf(HWND h) {
  wchar_t name[64] = {};
  GetClassNameW(h, name, 64);
  return name;
}

bool Is(HWND h, const wchar_t* cls) { return lstrcmpiW(ClassOf(h).c_str(), cls) == 0; }

LONG_PTR Style(HWND h) { return GetWindowLongPtrW(h, GWL_STYLE); }

std::string TextOf(HWND h) {
  wchar_t text[512] = {};
  GetWindowTextW(h, text, 512);
  std::wstring shown;
  // "&" marks the access key, "&&" stands for itself.
  for (const wchar_t* p = text; *p; ++p) {
    if (*p == L'&' && *++p == 0) break;
    shown += *p;
  }
  return Narrow(shown);
}

bool IsRadio(HWND h) {
  const LONG_PTR type = Style(h) & BS_TYPEMASK;
  return Is(h, L"BUTTON") && (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON);
}

// The rule of Active Accessibility for standard controls: a button is named by its text; any
// other control by the static text found walking back in z-order, the walk stopping at a
// control that starts a tab group.
std::string NameByRule(HWND control) {
  if (Is(control, L"BUTTON")) return TextOf(control);
  for (HWND before = GetWindow(control, GW_HWNDPREV); before; before = GetWindow(before, GW_HWNDPREV)) {
    if (Is(before, L"STATIC")) return TextOf(before);
    if ((Style(before) & (WS_GROUP | WS_TABSTOP)) == (WS_GROUP | WS_TABSTOP)) break;
  }
  return {};
}

void Collect(HWND parent, std::vector<AccessibleControl>& found) {
  for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    if (!IsWindowVisible(c) || !IsWindowEnabled(c)) continue;
    if (GetWindowLongPtrW(c, GWL_EXSTYLE) & WS_EX_CONTROLPARENT)
      Collect(c, found);  // a panel of ours: its controls are the keyboard's
    else if ((Style(c) & WS_TABSTOP) || IsRadio(c))
      found.push_back({c, Narrow(ClassOf(c)), NameByRule(c), AccessibleName(c)});
  }
}

// COM on the asking thread, for as long as the question takes.
class Apartment {
 public:
  Apartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~Apartment() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  Apartment(const Apartment&) = delete;
  Apartment& operator=(const Apartment&) = delete;

 private:
  HRESULT result_;
};

}  // namespace

std::optional<std::string> AccessibleName(HWND control) {
  const Apartment apartment;
  IAccessible* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                        reinterpret_cast<void**>(&object))))
    return std::nullopt;
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  std::optional<std::string> answer;
  if (object->get_accName(self, &name) == S_OK && name) answer = Narrow(std::wstring(name, SysStringLen(name)));
  SysFreeString(name);
  object->Release();
  return answer;
}

std::vector<AccessibleControl> FocusableControls(HWND top) {
  std::vector<AccessibleControl> found;
  Collect(top, found);
  return found;
}

}  // namespace zz::test
