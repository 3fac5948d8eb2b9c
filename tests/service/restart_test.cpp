#include <gtest/gtest.h>

#include <atomic>

#include "page_doubles.h"
#include "vlt_thread.h"

namespace zz::test {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

TEST(VLTThread, StopsPausesAndStartsARunningService) {
  ScriptedService service(service_state::kRunning);
  ASSERT_TRUE(service.Open("VELTO Gateway"));
  const milliseconds pause{200};
  auto begun = Clock::now();
  {
    VLTThread thread(service, pause);
    EXPECT_FALSE(thread.WaitFor(milliseconds(50)));  // still pausing
    while (!thread.WaitFor(milliseconds(100))) {
    }
    EXPECT_TRUE(thread.WaitFor(milliseconds(0)));  // stays ended
  }
  std::vector<ScriptedService::Request> requests = service.Requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0].name, "Stop");
  EXPECT_EQ(requests[1].name, "Start");
  EXPECT_TRUE(requests[0].result);
  EXPECT_TRUE(requests[1].result);
  EXPECT_GE(requests[0].at, begun);
  EXPECT_GE(requests[1].at - requests[0].at, pause);
}

TEST(VLTThread, TheDestructorWaitsForTheBody) {
  ScriptedService service(service_state::kRunning);
  ASSERT_TRUE(service.Open("VELTO Gateway"));
  { VLTThread thread(service, milliseconds(60)); }
  EXPECT_EQ(service.RequestNames(), (std::vector<std::string>{"Stop", "Start"}));
}

TEST(VLTThread, RefusedRequestsStillEndTheThread) {
  ScriptedService service(service_state::kRunning);  // never opened: both requests fail
  VLTThread thread(service, milliseconds(10));
  auto begun = Clock::now();
  while (!thread.WaitFor(milliseconds(100))) ASSERT_LT(Clock::now() - begun, std::chrono::seconds(5));
  std::vector<ScriptedService::Request> requests = service.Requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_FALSE(requests[0].result);
  EXPECT_FALSE(requests[1].result);
}

TEST(RunRestart, PumpsMessagesBetweenWaitSlicesOnly) {
  EventLog log;
  ScriptedService service(service_state::kRunning, &log);
  ASSERT_TRUE(service.Open("VELTO Gateway"));
  RecordingRestartUi ui(log);
  std::atomic<int> pumpsDuringPause{0};
  ui.onPump = [&] {
    if (service.RequestNames().size() == 1) ++pumpsDuringPause;
  };
  const milliseconds pause{350};
  auto begun = Clock::now();
  RunRestart(service, ui, pause);
  auto elapsed = std::chrono::duration_cast<milliseconds>(Clock::now() - begun);

  // Three full slices pass before the pause can end; no more pumps than slices fit in.
  EXPECT_GE(ui.pumps, 3);
  EXPECT_LE(ui.pumps, elapsed / kRestartWaitSlice + 1) << elapsed.count() << " ms";
  EXPECT_EQ(pumpsDuringPause.load(), ui.pumps);
  EXPECT_EQ(log.Events(), (std::vector<std::string>{"show progress", "hourglass", "input off", "Stop", "Start",
                                                    "input on", "cursor back", "close progress"}));
}

TEST(RunRestart, TheScreenComesBackWhenPumpingThrows) {
  EventLog log;
  ScriptedService service(service_state::kRunning, &log);
  ASSERT_TRUE(service.Open("VELTO Gateway"));
  RecordingRestartUi ui(log);
  ui.onPump = [] { throw std::runtime_error("handler failed"); };
  EXPECT_THROW(RunRestart(service, ui, milliseconds(150)), std::runtime_error);
  // The thread ran to its end before the screen was given back.
  EXPECT_EQ(log.Events(), (std::vector<std::string>{"show progress", "hourglass", "input off", "Stop", "Start",
                                                    "input on", "cursor back", "close progress"}));
}

}  // namespace
}  // namespace zz::test
