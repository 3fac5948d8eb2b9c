// Waiting for the service to reach a state: the status is polled in slices until the state
// shows, the transition ends elsewhere, or the deadline passes.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

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

// After a start with a new configuration: the service must come to run and keep running
// until the guard time is over.
inline constexpr std::chrono::seconds kDefaultGuard{20};

enum class GuardEnd {
  kKeptRunning,  // running at the end of the guard time, and never stopped within it
  kStopped,      // it stopped after it had begun to start (or had run)
  kNotRunning,   // not running at the end: it never began, or is still pending
};

struct GuardResult {
  GuardEnd end;
  std::uint32_t state;                  // the last state polled
  std::chrono::milliseconds ranFor{0};  // how long it ran before it stopped
};

// Polls `poll` at once and after every slice until the guard time is over, or until the
// service stops after it was seen in any other state.
GuardResult WatchGuard(const std::function<std::uint32_t()>& poll, std::chrono::milliseconds guard,
                       std::chrono::milliseconds slice = kStateWaitSlice, const StateWaitClock& clock = SystemClock());

}  // namespace zz
