// The restart of the service in a thread of its own, and the wait on it that keeps the
// windows alive.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "restart_ui.h"
#include "service_api.h"

namespace zz {

inline constexpr std::chrono::milliseconds kRestartPause{2000};
inline constexpr std::chrono::milliseconds kRestartWaitSlice{100};

// Stops the service, waits the pause, starts it; running from construction. Neither
// request's result is examined by the thread: the page's poll shows the outcome, and the
// start's is kept for the watch that may follow.
class VLTThread {
 public:
  VLTThread(ServiceApi& service, std::chrono::milliseconds pause);
  ~VLTThread();  // waits for the end
  VLTThread(const VLTThread&) = delete;
  VLTThread& operator=(const VLTThread&) = delete;

  // Waits up to `slice`; true once the body has ended.
  bool WaitFor(std::chrono::milliseconds slice);
  // Once ended: the service accepted the start request.
  bool StartAccepted() const { return startAccepted_; }

 private:
  void Execute();

  ServiceApi& service_;
  const std::chrono::milliseconds pause_;
  std::mutex mutex_;
  std::condition_variable endedSignal_;
  bool ended_ = false;
  std::atomic<bool> startAccepted_{false};
  std::thread thread_;  // last, so that it starts after everything it uses exists
};

// The whole restart as the close flow runs it: progress window, hourglass and disabled
// input for its duration; the messages are pumped between wait slices.
void RunRestart(ServiceApi& service, RestartUi& ui, std::chrono::milliseconds pause = kRestartPause);

// The restart thread and the wait on it, the messages pumped between slices, under a screen
// the caller holds; true when the service accepted the start request.
bool WaitForRestart(ServiceApi& service, RestartUi& ui, std::chrono::milliseconds pause = kRestartPause);

}  // namespace zz
