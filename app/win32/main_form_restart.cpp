// The main window during a restart of the service: the progress window over it, the wait
// cursor, input held off, and messages still processed.
#include "main_form.h"

namespace zz {

void TMainForm::ShowProgress() {
  if (!formPr_) return;
  // Made when first needed: the restart is the only time it shows.
  if (!formPr_->Alive()) formPr_->CreateForm(hwnd());
  // Over the window where it stands when restored, and always on the screen.
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  RECT over{};
  if (IsIconic(hwnd()) && GetWindowPlacement(hwnd(), &placement))
    over = placement.rcNormalPosition;
  else
    GetWindowRect(hwnd(), &over);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromRect(&over, MONITOR_DEFAULTTONEAREST), &monitor);
  formPr_->ShowCentred(over, monitor.rcWork);
}

void TMainForm::CloseProgress() {
  if (formPr_) formPr_->Close();
  // The progress window had the activation: the main window and its field get it back, unless
  // the user has gone to another program meanwhile.
  HWND foreground = GetForegroundWindow();
  DWORD process = 0;
  if (foreground) GetWindowThreadProcessId(foreground, &process);
  if (!IsWindowEnabled(hwnd()) || (foreground && process != GetCurrentProcessId())) return;
  SetActiveWindow(hwnd());
  RestoreFocus();
}

void TMainForm::BeginWaitCursor() {
  waitCursor_ = true;
  savedCursor_ = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
}

void TMainForm::EndWaitCursor() {
  waitCursor_ = false;
  SetCursor(savedCursor_ ? savedCursor_ : LoadCursorW(nullptr, IDC_ARROW));
}

void TMainForm::DisableInput() {
  HWND focus = GetFocus();
  if (focus && IsChild(hwnd(), focus)) lastFocus_ = focus;
  EnableWindow(hwnd(), FALSE);
}

void TMainForm::EnableInput() { EnableWindow(hwnd(), TRUE); }

void TMainForm::ShowWatch(const std::string& text) {
  // Told after every poll: the bar is redrawn only when the text changes.
  if (status_.PartText(0) != text) status_.SetPartText(0, text);
}

void TMainForm::PumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

}  // namespace zz
