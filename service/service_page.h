// The service page of the main window, its one-second poll, the start/stop button, the
// start-type selector and the close flow with the restart question. A start or restart with
// a configuration other than the last one the gateway ran with is watched (start_guard.h).
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

#include "config_session.h"
#include "restart_ui.h"
#include "service_api.h"
#include "service_page_view.h"
#include "start_guard.h"
#include "state_wait.h"
#include "vlt_thread.h"

namespace zz {

inline constexpr std::chrono::milliseconds kServicePollInterval{1000};  // the main window's Timer

class ServicePage {
 public:
  ServicePage(ServiceApi& service, ServicePageView& view, ConfigSession& session, RestartUi& restartUi,
              std::function<void()> savePlacement, std::chrono::milliseconds restartPause = kRestartPause,
              std::chrono::milliseconds guard = kDefaultGuard);
  ServicePage(const ServicePage&) = delete;
  ServicePage& operator=(const ServicePage&) = delete;

  // A step of the main window's creation: the start-type items, the service opened, the page
  // filled and polled once.
  void Initialize();

  // The handlers of the main window.
  void TimerTimer();
  void RunButtonClick();
  void StartTypeCBClick();
  void FormCloseQuery(bool& canClose);

  bool ServiceOpened() const { return serviceOpened_; }
  std::int32_t LastServiceState() const { return lastServiceState_; }
  bool Restarting() const { return restarting_; }

 private:
  enum class PendingSave { kNone, kSaved, kFailed };
  // The save sequence when a loaded configuration has changes and its file still exists.
  PendingSave SavePendingChanges();
  // A start now is to be watched.
  bool WatchNeeded() const;
  void ApplyRunButton(const RunButtonLook& look);

  ServiceApi& service_;
  ServicePageView& view_;
  ConfigSession& session_;
  RestartUi& restartUi_;
  std::function<void()> savePlacement_;
  std::chrono::milliseconds restartPause_;
  StartGuard guard_;

  bool serviceOpened_ = false;
  std::int32_t lastServiceState_ = -1;
  bool restarting_ = false;  // set while a restart, or a guarded start, runs
};

}  // namespace zz
