#include "vlt_thread.h"

namespace zz {

VLTThread::VLTThread(ServiceApi& service, std::chrono::milliseconds pause)
    : service_(service), pause_(pause), thread_(&VLTThread::Execute, this) {}

VLTThread::~VLTThread() {
  if (thread_.joinable()) thread_.join();
}

void VLTThread::Execute() {
  try {
    service_.Stop();
    std::this_thread::sleep_for(pause_);
    startAccepted_ = service_.Start();
  } catch (...) {
    // A failed request shows in the next poll like a refused one; the wait must still end.
  }
  {
    std::lock_guard<std::mutex> lock(mutex_);
    ended_ = true;
  }
  endedSignal_.notify_all();
}

bool VLTThread::WaitFor(std::chrono::milliseconds slice) {
  std::unique_lock<std::mutex> lock(mutex_);
  return endedSignal_.wait_for(lock, slice, [this] { return ended_; });
}

bool WaitForRestart(ServiceApi& service, RestartUi& ui, std::chrono::milliseconds pause) {
  VLTThread thread(service, pause);
  while (!thread.WaitFor(kRestartWaitSlice)) ui.PumpMessages();
  return thread.StartAccepted();
}

void RunRestart(ServiceApi& service, RestartUi& ui, std::chrono::milliseconds pause) {
  RestartScreen screen(ui);
  WaitForRestart(service, ui, pause);
}

}  // namespace zz
