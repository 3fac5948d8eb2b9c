// The wait for a service state, on a clock of the test's own: each sleep moves it on.
#include <gtest/gtest.h>

#include <vector>

#include "service_api.h"
#include "state_wait.h"

namespace zz::test {
namespace {

using std::chrono::milliseconds;
using namespace service_state;

struct FakeTime {
  std::chrono::steady_clock::time_point now{};
  std::vector<milliseconds> sleeps;
  StateWaitClock Clock() {
    return {[this] { return now; }, [this](milliseconds d) {
              sleeps.push_back(d);
              now += d;
            }};
  }
};

TEST(StateWait, EndsAtTheStateTheDeadlineOrAnotherRestingState) {
  struct Case {
    const char* name;
    std::vector<std::uint32_t> states;  // what each poll returns; the last repeats
    std::uint32_t target;
    milliseconds timeout;
    StateWaitEnd end;
    std::uint32_t last;
    std::size_t polls;
  };
  const Case cases[] = {
      {"already there", {kRunning}, kRunning, milliseconds(1000), StateWaitEnd::kReached, kRunning, 1},
      {"through pending", {kStopped, kStartPending, kStartPending, kRunning}, kRunning, milliseconds(1000),
       StateWaitEnd::kReached, kRunning, 4},
      {"start failed", {kStartPending, kStartPending, kStopped}, kRunning, milliseconds(1000),
       StateWaitEnd::kSettledElsewhere, kStopped, 3},
      {"stop undone", {kRunning, kStopPending, kRunning}, kStopped, milliseconds(1000),
       StateWaitEnd::kSettledElsewhere, kRunning, 3},
      // Resting elsewhere before any pending state is no verdict: the request may not have
      // reached the service yet.
      {"not yet begun", {kStopped}, kRunning, milliseconds(350), StateWaitEnd::kTimedOut, kStopped, 5},
      {"slow stop", {kStopPending}, kStopped, milliseconds(250), StateWaitEnd::kTimedOut, kStopPending, 4},
      {"no wait", {kStopPending}, kStopped, milliseconds(0), StateWaitEnd::kTimedOut, kStopPending, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeTime time;
    std::size_t polls = 0;
    auto poll = [&] { return c.states[std::min(polls++, c.states.size() - 1)]; };
    StateWaitResult r = WaitForServiceState(poll, c.target, c.timeout, milliseconds(100), time.Clock());
    EXPECT_EQ(r.end, c.end);
    EXPECT_EQ(r.state, c.last);
    EXPECT_EQ(polls, c.polls);
    // Slices of 100 ms, the last cut to the deadline, never beyond it.
    milliseconds slept{0};
    for (milliseconds s : time.sleeps) {
      EXPECT_LE(s, milliseconds(100));
      slept += s;
    }
    EXPECT_LE(slept, c.timeout);
    if (c.end == StateWaitEnd::kTimedOut) {
      EXPECT_EQ(slept, c.timeout);
    }
  }
}

// The start judged as the service control manager judges one; a poll each 100 ms, a guard
// time of 1 s.
TEST(StateWait, TheGuardJudgesAStartAsTheServiceControlManagerDoes) {
  const ServiceStatus running{kRunning}, stopped{kStopped}, failed{kStopped, 0, 0, 1066};
  auto pending = [](std::uint32_t checkPoint) { return ServiceStatus{kStartPending, checkPoint, 500}; };
  // A slow start: 3 s in start-pending, its checkpoint advancing each poll, then running.
  std::vector<ServiceStatus> slow;
  for (std::uint32_t i = 1; i <= 30; ++i) slow.push_back(pending(i));
  slow.push_back(running);
  struct Case {
    const char* name;
    std::vector<ServiceStatus> statuses;  // one poll each 100 ms; the last repeats
    GuardEnd end;
    milliseconds ranFor;
    std::size_t polls;
  };
  const Case cases[] = {
      // The guard time counts from running.
      {"runs", {pending(1), running}, GuardEnd::kKeptRunning, milliseconds(1000), 12},
      {"slow, but making progress", slow, GuardEnd::kKeptRunning, milliseconds(1000), 41},
      // The wait hint of 500 ms is raised to the least one allowed, 2 s.
      {"no progress past the wait hint", {pending(1)}, GuardEnd::kNoProgress, milliseconds(0), 22},
      {"runs, then stops", {pending(1), running, running, running, failed}, GuardEnd::kStopped, milliseconds(300), 5},
      {"fails while starting", {pending(1), stopped}, GuardEnd::kStopped, milliseconds(0), 2},
      {"stopped with an error at once", {failed}, GuardEnd::kStopped, milliseconds(0), 1},
      // A stopped service that never began is no verdict until the manager's own limit.
      {"never begins", {stopped}, GuardEnd::kNotRunning, milliseconds(0), 301},
      {"runs, then pauses", {running, ServiceStatus{kPaused}}, GuardEnd::kNotRunning, milliseconds(100), 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeTime time;
    std::size_t polls = 0;
    auto poll = [&] { return c.statuses[std::min(polls++, c.statuses.size() - 1)]; };
    GuardResult r = WatchGuard(poll, milliseconds(1000), milliseconds(100), time.Clock());
    EXPECT_EQ(r.end, c.end);
    EXPECT_EQ(r.ranFor, c.ranFor);
    EXPECT_EQ(polls, c.polls);
  }
}

}  // namespace
}  // namespace zz::test
