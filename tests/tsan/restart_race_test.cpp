// The restart thread and the poll share the service controller; ThreadSanitizer watches.
#include <gtest/gtest.h>

#include "service_page_fixture.h"
#include "vlt_thread.h"

namespace zz::test {
namespace {

using std::chrono::milliseconds;

TEST(RestartRace, PollingWhileTheThreadStopsAndStarts) {
  for (int round = 0; round < 20; ++round) {
    ScriptedService service(service_state::kRunning);
    service.pendingTime = milliseconds(2);
    ASSERT_TRUE(service.Open("VELTO Gateway"));
    int polls = 0;
    {
      VLTThread thread(service, milliseconds(10));
      // The first poll right as the thread starts: a busy machine may let the thread run
      // its whole course before the first slice ends.
      do {
        service.StateText();
        service.CurrentState();
        ++polls;
      } while (!thread.WaitFor(milliseconds(1)));
    }
    EXPECT_GT(polls, 0);
    EXPECT_EQ(service.RequestNames(), (std::vector<std::string>{"Stop", "Start"}));
  }
}

TEST_F(ServicePageTest, TheCloseFlowsRestartWithThePageStillPolling) {
  StartWithConfiguration();
  page.Initialize();
  ChangePort();
  prompts.answers = {MessageAnswer::kYes};
  service.pendingTime = milliseconds(20);
  restartUi.onPump = [this] {
    page.TimerTimer();
    page.RunButtonClick();
  };
  EXPECT_TRUE(CloseQuery());
  EXPECT_GE(restartUi.pumps, 1);
  EXPECT_EQ(service.RequestNames(), (std::vector<std::string>{"Stop", "Start"}));
  page.TimerTimer();
  EXPECT_FALSE(view.stateText.empty());
}

}  // namespace
}  // namespace zz::test
