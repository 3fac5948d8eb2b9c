// The watched start of the service: after the start request (under the progress window) the
// window is the user's again and the status bar tells how the watch goes; the start is judged
// as the service control manager judges one (state_wait.h). A gateway that runs for the guard
// time marks its configuration in the history as known good; one that does not is offered the
// configuration it last ran with, written back byte for byte, and started again.
#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>

#include "config_session.h"
#include "history.h"
#include "restart_ui.h"
#include "service_api.h"
#include "state_wait.h"
#include "vlt_thread.h"

namespace zz {

// The file holds a configuration other than the last one the gateway ran with for its guard
// time, or no such configuration is known: a start now is to be watched.
bool DiffersFromKnownGood(const std::string& confPath);

class StartGuard {
 public:
  StartGuard(ServiceApi& service, RestartUi& ui, ConfigSession& session, std::chrono::milliseconds guard,
             std::chrono::milliseconds restartPause)
      : service_(service), ui_(ui), session_(session), guard_(guard), restartPause_(restartPause) {}

  // Runs `start` (true when the service accepted the start request) and watches the service.
  void Run(const std::function<bool()>& start);

 private:
  // The start under the progress window, then the watch; nothing when the start was refused.
  std::optional<GuardResult> StartAndWatch(const std::function<bool()>& start);
  // The service started again after the restore: a restart unless it is at rest stopped.
  bool StartAgain();
  // "остановилась через 3 с после запуска", for the messages.
  std::string WhatHappened(const GuardResult& watched) const;
  // The offer of `good` and, when taken, its restore and the start with it.
  void OfferKnownGood(const std::string& what, const Revision& good);

  ServiceApi& service_;
  RestartUi& ui_;
  ConfigSession& session_;
  std::chrono::milliseconds guard_;
  std::chrono::milliseconds restartPause_;
};

}  // namespace zz
