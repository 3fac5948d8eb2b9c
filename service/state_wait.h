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

}  // namespace zz
