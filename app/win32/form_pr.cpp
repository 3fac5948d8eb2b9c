#include "form_pr.h"

#include <string>

#include "placement.h"
#include "service_texts.h"
#include "ui/dialog_rules.h"
#include "ui/dpi.h"
#include "win32/utf16.h"

namespace zz {

namespace {

// The clip drawn for the nearest of 96, 144 and 192 DPI.
std::string ClipFor(int dpi) {
  if (dpi <= 120) return kProgressClipName;
  return std::string(kProgressClipName) + (dpi <= 168 ? "_144" : "_192");
}

}  // namespace

void TFormPr::CreateForm(HWND owner) {
  // A dialog border: a caption and a frame that does not resize.
  constexpr DWORD style = WS_POPUP | WS_CAPTION | DS_MODALFRAME;
  constexpr DWORD exStyle = WS_EX_TOPMOST | WS_EX_DLGMODALFRAME;
  const ui::Scale scale(ui::WindowDpi(owner));
  RECT r{0, 0, scale(kClientWidth), scale(kClientHeight)};
  AdjustWindowRectEx(&r, style, FALSE, exStyle);
  Create({L"TFormPr", kProgressCaption, style, exStyle, 0, 0, r.right - r.left, r.bottom - r.top, owner});
  fonts_ = std::make_unique<ui::FontSet>(scale.Dpi());
  animate_ = ui::Animate(ui::CreateControl(ANIMATE_CLASSW, "", WS_VISIBLE | ACS_CENTER, 0, scale(ui::Rect{46, 33, 243, 22}),
                                           hwnd(), 1, fonts_->Regular()));
  std::wstring clip = Widen(ClipFor(scale.Dpi()));
  clipOpened_ = animate_.OpenResource(ui::ModuleInstance(), clip.c_str());
  if (clipOpened_) animate_.Play(0, -1, -1);
}

void TFormPr::ShowCentred(const RECT& over, const RECT& area) {
  RECT self{};
  GetWindowRect(hwnd(), &self);
  Box at = CentreWithin({over.left, over.top, over.right - over.left, over.bottom - over.top}, self.right - self.left,
                        self.bottom - self.top, {area.left, area.top, area.right - area.left, area.bottom - area.top});
  SetWindowPos(hwnd(), HWND_TOPMOST, at.left, at.top, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
  UpdateWindow(hwnd());
}

LRESULT TFormPr::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_SETCURSOR:
      // Shown only while the service restarts: the hourglass there too.
      SetCursor(LoadCursorW(nullptr, IDC_WAIT));
      return TRUE;
    case WM_CLOSE:
      return 0;  // the restart closes it
    default:
      return ui::Window::HandleMessage(msg, wp, lp);
  }
}

}  // namespace zz
