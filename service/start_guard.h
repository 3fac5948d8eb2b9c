// The start of the service with a configuration the window has just saved, guarded: with
// the progress window up, the service must come to run and keep running for the guard
// time. When it does not, the user is told that the gateway did not start with the new
// configuration and may have the previous one (the revision the save left) written back
// and the service started again, and is then told how that went.
#pragma once

#include <chrono>
#include <functional>
#include <optional>

#include "config_session.h"
#include "history.h"
#include "restart_ui.h"
#include "service_api.h"
#include "state_wait.h"
#include "vlt_thread.h"

namespace zz {

class StartGuard {
 public:
  StartGuard(ServiceApi& service, RestartUi& ui, ConfigSession& session, std::chrono::milliseconds guard,
             std::chrono::milliseconds restartPause)
      : service_(service), ui_(ui), session_(session), guard_(guard), restartPause_(restartPause) {}

  // Runs `start` (true when the service accepted the start request) with the progress window
  // up and watches the service. `previous` is what the save replaced, when it kept it.
  void Run(const std::function<bool()>& start, const std::optional<Revision>& previous);

 private:
  // The start, then the watch, under one progress window; nothing when the start was refused.
  std::optional<GuardResult> StartAndWatch(const std::function<bool()>& start);
  // The service started again after the restore: a restart unless it is at rest stopped.
  bool StartAgain();
  // "остановилась через 3 с после запуска", for the messages.
  std::string WhatHappened(const GuardResult& watched) const;

  ServiceApi& service_;
  RestartUi& ui_;
  ConfigSession& session_;
  std::chrono::milliseconds guard_;
  std::chrono::milliseconds restartPause_;
};

}  // namespace zz
