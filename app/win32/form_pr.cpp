#include "form_pr.h"

#include "service_texts.h"
#include "win32/utf16.h"

namespace zz {

void TFormPr::CreateForm(HWND owner) {
  constexpr DWORD style = WS_POPUP | WS_CAPTION | DS_MODALFRAME;
  constexpr DWORD exStyle = WS_EX_TOPMOST | WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW;
  RECT r{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&r, style, FALSE, exStyle);
  Create({L"TFormPr", kProgressCaption, style, exStyle, 0, 0, r.right - r.left, r.bottom - r.top, owner});
  font_ = ui::MakeFont(L"MS Sans Serif", -13);
  animate_ = ui::Animate(ui::CreateControl(ANIMATE_CLASSW, "", WS_VISIBLE | ACS_CENTER, 0, {46, 33, 243, 22}, hwnd(),
                                           1, font_.get()));
  std::wstring clip = Widen(kProgressClipName);
  clipOpened_ = animate_.OpenResource(ui::ModuleInstance(), clip.c_str());
  if (clipOpened_) animate_.Play(0, -1, -1);
}

void TFormPr::ShowCentred(HWND over) {
  RECT owner{}, self{};
  GetWindowRect(over, &owner);
  GetWindowRect(hwnd(), &self);
  int w = self.right - self.left, h = self.bottom - self.top;
  SetWindowPos(hwnd(), HWND_TOPMOST, owner.left + (owner.right - owner.left - w) / 2,
               owner.top + (owner.bottom - owner.top - h) / 2, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
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
