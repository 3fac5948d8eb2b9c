#include "state_wait.h"

#include <algorithm>
#include <optional>
#include <thread>

#include "service_api.h"

namespace zz {

namespace {

std::uint32_t PendingStateOf(std::uint32_t target) {
  switch (target) {
    case service_state::kRunning: return service_state::kStartPending;
    case service_state::kStopped: return service_state::kStopPending;
    case service_state::kPaused: return service_state::kPausePending;
    default: return 0;
  }
}

bool IsAtRest(std::uint32_t state) {
  return state == service_state::kStopped || state == service_state::kRunning || state == service_state::kPaused;
}

}  // namespace

StateWaitClock SystemClock() {
  return {[] { return std::chrono::steady_clock::now(); },
          [](std::chrono::milliseconds d) { std::this_thread::sleep_for(d); }};
}

StateWaitResult WaitForServiceState(const std::function<std::uint32_t()>& poll, std::uint32_t target,
                                    std::chrono::milliseconds timeout, std::chrono::milliseconds slice,
                                    const StateWaitClock& clock) {
  const auto deadline = clock.now() + timeout;
  const std::uint32_t pending = PendingStateOf(target);
  bool sawPending = false;
  for (;;) {
    std::uint32_t state = poll();
    if (state == target) return {StateWaitEnd::kReached, state};
    sawPending = sawPending || state == pending;
    if (sawPending && IsAtRest(state)) return {StateWaitEnd::kSettledElsewhere, state};
    auto now = clock.now();
    if (now >= deadline) return {StateWaitEnd::kTimedOut, state};
    clock.sleep(std::min(slice, std::chrono::ceil<std::chrono::milliseconds>(deadline - now)));
  }
}

GuardResult WatchGuard(const std::function<std::uint32_t()>& poll, std::chrono::milliseconds guard,
                       std::chrono::milliseconds slice, const StateWaitClock& clock) {
  const auto start = clock.now(), deadline = start + guard;
  bool begun = false;
  std::optional<std::chrono::steady_clock::time_point> running;
  for (;;) {
    const std::uint32_t state = poll();
    const auto now = clock.now();
    if (state == service_state::kStopped && begun) {
      auto ran = running ? std::chrono::duration_cast<std::chrono::milliseconds>(now - *running)
                         : std::chrono::milliseconds(0);
      return {GuardEnd::kStopped, state, ran};
    }
    begun = begun || state != service_state::kStopped;
    if (state == service_state::kRunning && !running) running = now;
    if (now >= deadline)
      return {state == service_state::kRunning ? GuardEnd::kKeptRunning : GuardEnd::kNotRunning, state, {}};
    clock.sleep(std::min(slice, std::chrono::ceil<std::chrono::milliseconds>(deadline - now)));
  }
}

}  // namespace zz
