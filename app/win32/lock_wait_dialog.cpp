#include "lock_wait_dialog.h"

#include "app_texts.h"
#include "report_field.h"

namespace zz {

std::unique_ptr<FileLock> TFormLockWait::Acquire(HWND owner, const std::string& target) {
  auto lock = std::make_unique<FileLock>(FileLock::LockPathOf(target), std::chrono::milliseconds(0));
  if (lock->state() != FileLock::State::kBusy) return lock;
  TFormLockWait dialog(target);
  dialog.RunModal(owner, text::kLockWaitCaption, kClientWidth, kClientHeight);
  return dialog.lock_ ? std::move(dialog.lock_) : std::move(lock);
}

void TFormLockWait::OnInit() {
  Make(L"STATIC", text::LockWaitText(target_), SS_LEFT,
       {kDialogMargin, kDialogMargin, kClientWidth - 2 * kDialogMargin,
        kClientHeight - 3 * kDialogMargin - kDialogButtonHeight},
       kText);
  HWND cancel = Make(L"BUTTON", text::kStopWaitingButton, WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON,
                     {kClientWidth - kDialogMargin - kDialogButtonWidth,
                      kClientHeight - kDialogMargin - kDialogButtonHeight, kDialogButtonWidth, kDialogButtonHeight},
                     IDCANCEL);
  end_ = std::chrono::steady_clock::now() + kFileLockWait;
  SetTimer(hwnd(), kRetryTimer, kRetryMs, nullptr);
  FocusOn(cancel);
}

INT_PTR TFormLockWait::OnMessage(UINT msg, WPARAM wp, LPARAM) {
  if (msg != WM_TIMER || wp != kRetryTimer) return FALSE;
  auto lock = std::make_unique<FileLock>(FileLock::LockPathOf(target_), std::chrono::milliseconds(0));
  if (lock->state() != FileLock::State::kBusy) {
    lock_ = std::move(lock);
    End(IDOK);
  } else if (std::chrono::steady_clock::now() >= end_) {
    End(IDCANCEL);
  }
  return TRUE;
}

}  // namespace zz
