// TFormLockWait: while another program saves the configuration, the window waits for the
// file's lock with this dialog up, and the user may stop waiting; the window itself keeps
// painting and answering in the meantime.
#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "file_system.h"
#include "ui/dialog.h"

namespace zz {

class TFormLockWait : public ui::Dialog {
 public:
  enum ControlId : int { kText = 601 };
  static constexpr int kClientWidth = 480, kClientHeight = 150;
  static constexpr UINT_PTR kRetryTimer = 1;
  static constexpr UINT kRetryMs = 100;

  // The lock of `target`: at once when it is free, else after the wait shown in the dialog.
  // Its state is kBusy when the user stopped waiting or the wait ran out.
  static std::unique_ptr<FileLock> Acquire(HWND owner, const std::string& target);

 protected:
  void OnInit() override;
  INT_PTR OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  explicit TFormLockWait(std::string target) : target_(std::move(target)) {}

  std::string target_;
  std::unique_ptr<FileLock> lock_;
  std::chrono::steady_clock::time_point end_;
};

}  // namespace zz
