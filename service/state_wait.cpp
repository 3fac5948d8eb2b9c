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

std::optional<GuardResult> StartJudge::Observe(const ServiceStatus& status, TimePoint now) {
  using std::chrono::milliseconds;
  const std::uint32_t state = status.state;
  if (state == service_state::kRunning) {
    if (!running_) running_ = now;
    if (now - *running_ >= guard_) return GuardResult{GuardEnd::kKeptRunning, status, Ran(now)};
    return std::nullopt;
  }
  if (state == service_state::kStopped) {
    // Before the service reports anything, the manager may still show the state it had.
    if (begun_ || running_ || status.exitCode != 0) return GuardResult{GuardEnd::kStopped, status, Ran(now)};
    if (now - start_ >= kNoStatusLimit) return GuardResult{GuardEnd::kNotRunning, status};
    return std::nullopt;
  }
  begun_ = true;
  const bool startOrStop = state == service_state::kStartPending || state == service_state::kStopPending;
  // Paused, or pausing: not running, whatever comes next.
  if (!startOrStop || (running_ && state == service_state::kStartPending))
    return GuardResult{GuardEnd::kNotRunning, status, Ran(now)};
  if (state != pendingState_ || status.checkPoint != checkPoint_) {
    pendingState_ = state;
    checkPoint_ = status.checkPoint;
    progress_ = now;
    waitHint_ = std::max(milliseconds(status.waitHintMs), kMinWaitHint);
    return std::nullopt;
  }
  if (now - progress_ > waitHint_) return GuardResult{GuardEnd::kNoProgress, status, Ran(now), waitHint_};
  return std::nullopt;
}

std::optional<std::chrono::milliseconds> StartJudge::RunningFor(TimePoint now) const {
  if (!running_) return std::nullopt;
  return std::chrono::duration_cast<std::chrono::milliseconds>(now - *running_);
}

GuardResult WatchGuard(const std::function<ServiceStatus()>& poll, std::chrono::milliseconds guard,
                       std::chrono::milliseconds slice, const StateWaitClock& clock,
                       const std::function<void(const StartJudge&, StartJudge::TimePoint)>& watching) {
  StartJudge judge(guard, clock.now());
  for (;;) {
    const ServiceStatus status = poll();
    const auto now = clock.now();
    if (std::optional<GuardResult> verdict = judge.Observe(status, now)) return *verdict;
    if (watching) watching(judge, now);
    clock.sleep(slice);
  }
}

}  // namespace zz
