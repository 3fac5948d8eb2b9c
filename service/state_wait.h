// Waiting for the service to reach a state: the status is polled in slices until the state
// shows, the transition ends elsewhere, or the deadline passes.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>

#include "service_api.h"

namespace zz {

inline constexpr std::chrono::milliseconds kStateWaitSlice{100};

enum class StateWaitEnd {
  kReached,          // the service is in the state waited for
  kSettledElsewhere, // it passed the pending state and came to rest in another state
  kTimedOut,
};

struct StateWaitResult {
  StateWaitEnd end;
  std::uint32_t state;  // the last state polled
};

// The clock the wait runs on; tests give one of their own.
struct StateWaitClock {
  std::function<std::chrono::steady_clock::time_point()> now;
  std::function<void(std::chrono::milliseconds)> sleep;
};
StateWaitClock SystemClock();

// Polls `poll` (a fresh status query, returning the current state) at once and then after
// every slice until it returns `target`; a service that showed the pending state leading
// to `target` and then rests in another state (a start that failed, a stop that was undone)
// ends the wait early. The last poll is made at the deadline, so a timeout of 0 polls once.
StateWaitResult WaitForServiceState(const std::function<std::uint32_t()>& poll, std::uint32_t target,
                                    std::chrono::milliseconds timeout, std::chrono::milliseconds slice = kStateWaitSlice,
                                    const StateWaitClock& clock = SystemClock());

// After a start with a configuration the gateway has not run with yet, the start is judged
// as the service control manager judges one: a pending state whose checkpoint advances within
// its wait hint is still under way; the guard time counts from the moment the service runs.
inline constexpr std::chrono::seconds kDefaultGuard{20};
// A pending state that asks for no time at all still gets this long between advances.
inline constexpr std::chrono::milliseconds kMinWaitHint{2000};
// How long a started service may still show the stopped state it had before the request.
inline constexpr std::chrono::milliseconds kNoStatusLimit{30000};

enum class GuardEnd {
  kKeptRunning,  // it ran for the whole guard time
  kStopped,      // it stopped after it had begun, or stopped with an error
  kNoProgress,   // a pending state whose checkpoint did not advance within the wait hint
  kNotRunning,   // it never began, or left the running state for one other than stopping
};

struct GuardResult {
  GuardEnd end;
  ServiceStatus status;                 // the last status polled
  std::chrono::milliseconds ranFor{0};  // how long it had run at the end
  std::chrono::milliseconds waitHint{0};  // kNoProgress: the time it had asked for
};

// The judgement of one watch, fed with every status polled.
class StartJudge {
 public:
  using TimePoint = std::chrono::steady_clock::time_point;
  StartJudge(std::chrono::milliseconds guard, TimePoint start) : guard_(guard), start_(start) {}

  // The verdict, or nothing while the start is under way or the guard time runs.
  std::optional<GuardResult> Observe(const ServiceStatus& status, TimePoint now);
  // How long the service has been running, nothing before it runs.
  std::optional<std::chrono::milliseconds> RunningFor(TimePoint now) const;
  TimePoint Started() const { return start_; }

 private:
  std::chrono::milliseconds Ran(TimePoint now) const { return RunningFor(now).value_or(std::chrono::milliseconds(0)); }

  std::chrono::milliseconds guard_;
  TimePoint start_;
  bool begun_ = false;
  std::optional<TimePoint> running_;
  // The pending state last seen, its checkpoint, when that last advanced and what it asked for.
  std::uint32_t pendingState_ = 0, checkPoint_ = 0;
  TimePoint progress_{};
  std::chrono::milliseconds waitHint_{0};
};

// Polls `poll` (a fresh status query) at once and after every slice until the judge gives
// its verdict; `watching` is told after every poll that gave none.
GuardResult WatchGuard(const std::function<ServiceStatus()>& poll, std::chrono::milliseconds guard,
                       std::chrono::milliseconds slice = kStateWaitSlice, const StateWaitClock& clock = SystemClock(),
                       const std::function<void(const StartJudge&, StartJudge::TimePoint)>& watching = {});

}  // namespace zz
