// A scripted stand-in for the service controller: a service whose state the test sets,
// which settles from a pending state after a set time, and which records every request.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "service_api.h"
#include "service_rules.h"

namespace zz::test {

// One ordered record of what the service and the screen were asked to do, from any thread.
class EventLog {
 public:
  void Add(const std::string& event) {
    std::lock_guard<std::mutex> lock(mutex_);
    events_.push_back(event);
  }
  std::vector<std::string> Events() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return events_;
  }

 private:
  mutable std::mutex mutex_;
  std::vector<std::string> events_;
};

class ScriptedService final : public ServiceApi {
 public:
  using Clock = std::chrono::steady_clock;
  struct Request {
    std::string name;  // "Start", "Stop", "SetStartType 4"
    bool result;
    Clock::time_point at;
  };

  // The script: set before the page or a thread uses the service.
  bool openResult = true;
  bool queryFails = false;
  bool refuseStartTypes = false;
  std::uint32_t startType = start_type::kDemand;
  std::string path = "\"C:\\VELTO\\zidezir.exe\" -service";
  std::chrono::milliseconds pendingTime{30};
  std::function<void()> onRequest;  // runs as Start and Stop begin, e.g. to look at the files

  explicit ScriptedService(std::uint32_t state = service_state::kStopped, EventLog* log = nullptr)
      : state_(state), log_(log) {}

  void SetState(std::uint32_t state) {  // the system's state from now on
    std::lock_guard<std::mutex> lock(mutex_);
    state_ = state;
    pending_ = false;
  }
  std::string OpenedName() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return openedName_;
  }
  int StatusQueries() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return queries_;
  }
  std::vector<Request> Requests() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
  }
  std::vector<std::string> RequestNames() const {
    std::vector<std::string> names;
    for (const Request& r : Requests()) names.push_back(r.name);
    return names;
  }

  bool Open(const std::string& name) override {
    std::lock_guard<std::mutex> lock(mutex_);
    openedName_ = name;
    opened_ = openResult;
    if (opened_) reported_ = state_;
    return opened_;
  }
  std::string StateText() override {
    std::lock_guard<std::mutex> lock(mutex_);
    ++queries_;
    if (!opened_ || queryFails) return kStateUnknownText;
    Settle();
    reported_ = state_;
    return StateTextFor(reported_);
  }
  std::uint32_t CurrentState() const override {
    std::lock_guard<std::mutex> lock(mutex_);
    return reported_;
  }
  std::string ExecutablePath() const override {
    std::lock_guard<std::mutex> lock(mutex_);
    return opened_ ? path : std::string();
  }
  std::uint32_t StartType() const override {
    std::lock_guard<std::mutex> lock(mutex_);
    return opened_ ? startType : 0;
  }
  bool SetStartType(std::uint32_t type) override {
    std::lock_guard<std::mutex> lock(mutex_);
    bool ok = opened_ && !refuseStartTypes;
    if (ok) startType = type;
    Record("SetStartType " + std::to_string(type), ok);
    return ok;
  }
  bool Start() override {
    if (onRequest) onRequest();
    std::lock_guard<std::mutex> lock(mutex_);
    Settle();
    bool ok = opened_ && state_ == service_state::kStopped && startType != start_type::kDisabled;
    if (ok) BeginPending(service_state::kStartPending, service_state::kRunning);
    Record("Start", ok);
    return ok;
  }
  bool Stop() override {
    if (onRequest) onRequest();
    std::lock_guard<std::mutex> lock(mutex_);
    Settle();
    bool ok = opened_ && state_ == service_state::kRunning;
    if (ok) BeginPending(service_state::kStopPending, service_state::kStopped);
    if (opened_) reported_ = state_;  // the stop request writes the status, also when refused
    Record("Stop", ok);
    return ok;
  }

 private:
  void BeginPending(std::uint32_t pending, std::uint32_t settled) {
    state_ = pending;
    settled_ = settled;
    pending_ = true;
    pendingUntil_ = Clock::now() + pendingTime;
  }
  void Settle() {
    if (pending_ && Clock::now() >= pendingUntil_) {
      state_ = settled_;
      pending_ = false;
    }
  }
  void Record(const std::string& name, bool result) {
    requests_.push_back({name, result, Clock::now()});
    if (log_) log_->Add(name);
  }

  mutable std::mutex mutex_;
  std::uint32_t state_;
  std::uint32_t reported_ = 0;
  std::uint32_t settled_ = 0;
  bool pending_ = false;
  bool opened_ = false;
  Clock::time_point pendingUntil_{};
  EventLog* log_;
  std::string openedName_;
  std::vector<Request> requests_;
  int queries_ = 0;
};

}  // namespace zz::test
