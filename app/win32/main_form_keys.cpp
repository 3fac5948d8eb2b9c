// The main window's keyboard and focus: the keys the window routes before a field gets
// them, and the field that has the focus when the window is activated again.
#include "main_form.h"

namespace zz {

void TMainForm::OnActivate(bool active) {
  if (!active) {
    HWND focus = GetFocus();
    if (focus && IsChild(hwnd(), focus)) lastFocus_ = focus;
    return;
  }
  if (!IsIconic(hwnd())) RestoreFocus();
}

void TMainForm::RestoreFocus() {
  // The window itself takes no keys: the focus goes to the field that had it last, or to
  // the first field of the page on show.
  if (lastFocus_ && IsWindow(lastFocus_) && IsWindowVisible(lastFocus_) && IsWindowEnabled(lastFocus_)) {
    SetFocus(lastFocus_);
    return;
  }
  for (Page* page : Pages()) {
    if (!page->Visible()) continue;
    if (HWND first = page->FirstField()) SetFocus(first);
    return;
  }
}

bool TMainForm::PreTranslateMessage(MSG& msg) {
  if (!IsWindow(hwnd()) || (msg.hwnd != hwnd() && !IsChild(hwnd(), msg.hwnd))) return false;
  if (msg.message == WM_KEYDOWN) {
    const bool ctrl = GetKeyState(VK_CONTROL) < 0, shift = GetKeyState(VK_SHIFT) < 0;
    if (ctrl && msg.wParam == VK_TAB) {
      ShowPageAt(CurrentPage() + (shift ? -1 : 1));
      return true;
    }
    if (ctrl && msg.wParam >= '1' && msg.wParam <= '5') {
      ShowPageAt(static_cast<int>(msg.wParam - '1'));
      return true;
    }
    if (msg.wParam == VK_RETURN && !ctrl) {
      for (Page* page : Pages())
        if (page->Visible() && page->PressEnter(GetFocus())) return true;
    }
  }
  return IsDialogMessageW(hwnd(), &msg) != FALSE;
}

}  // namespace zz
