// The watched start against Wine's service control manager, through the real window and
// through `zconf service --guard`: the stand-in gateway in the program directory starts
// slowly, refuses a configuration that sets Listener Port=1721, or stops with an error a
// while after it runs. The history holds the configuration the gateway last ran with (port
// 1720) and, after it, one it never ran with (port 1723); a failed start goes back to the
// former, and a healthy one marks its own configuration as the one the gateway runs with.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "gateway_service.h"
#include "guarded_write.h"
#include "history.h"
#include "main_window_fixture.h"
#include "real_input.h"
#include "service_registry.h"
#include "service_texts.h"
#include "standin_args.h"
#include "win32/tscm.h"
#include "win32/utf16.h"
#include "zconf.h"

namespace zz::test {
namespace {

struct Row {
  const char* name;
  standin::PendingTimes times;
  char portDigit;       // the new Listener Port is 172N
  bool stopFirst;       // the gateway runs; the run button stops it (saving), then starts it
  bool offered;         // the configuration the gateway last ran with is offered back
  bool runsAfterwards;  // and the gateway runs with it
};

const Row kRows[] = {
    // 5 s in start-pending, its checkpoint advancing each second: longer than the guard time.
    {"slow but healthy start", {5000, 300}, '5', false, false, true},
    {"refused port", {300, 300, 0, 1721}, '1', false, true, true},
    {"Stop, then Start, with a refused port", {300, 300, 0, 1721}, '1', true, true, true},
    // It dies 1.5 s after it runs, whatever its configuration.
    {"runs, then dies", {300, 300, 0, 0, 1500}, '6', false, true, false},
};

class GuardedStartTest : public MainWindowTest {
 protected:
  void TearDown() override {
    MainWindowTest::TearDown();
    EXPECT_EQ(standin::RemoveService(kGatewayService), 0u);
    // The stand-in's process may take a moment to let go of its file.
    PumpUntil([&] { return DeleteFileW(Exe().c_str()) != FALSE; }, 5000);
  }
  std::wstring Exe() const { return Widen(dir.File(standin::kStandinExeName)); }

  // The row's gateway, stopped; the history: port 1720 known good, then 1723 never run.
  void Prepare(const Row& row) {
    ASSERT_EQ(standin::RemoveService(kGatewayService), 0u);
    PumpUntil([&] { return CopyFileW((standin::ModuleDirectory() + Widen(standin::kStandinExeName)).c_str(),
                                     Exe().c_str(), FALSE) != FALSE; }, 5000);
    ASSERT_EQ(standin::InstallService(kGatewayService, Widen(standin::ServiceCommandLine(Narrow(Exe()), row.times)),
                                      SERVICE_DEMAND_START),
              0u);
    std::filesystem::remove_all(std::filesystem::u8path(HistoryDir(Conf())));
    dir.Write("voice.ini", "");
    dir.Write("zidezir.conf", Good());
    ASSERT_TRUE(MarkKnownGood(Conf(), Good(), {"test", "ran"}));
    WriteRequest never;
    never.target = Conf();
    never.bytes = WithPort('3');
    never.note = {"test", "never ran"};
    ASSERT_EQ(WriteConfiguration(never).end, WriteEnd::kWritten);
    if (row.stopFirst) {
      ASSERT_EQ(standin::StartNamedService(kGatewayService), 0u);
      ASSERT_TRUE(WaitGatewayState(SERVICE_RUNNING));
    }
  }

  static std::string Good() { return WithPort('0'); }
  static std::string WithPort(char digit) {
    std::string conf = SampleConf();
    conf.replace(conf.find("Listener Port=1720"), 18, std::string("Listener Port=172") + digit);
    return conf;
  }
  std::string GoodMade() const {
    const std::optional<Revision> good = LastKnownGood(ReadHistory(Conf()));
    return good ? good->date + " " + good->time : "?";
  }

  // What a row leaves: the file, the marks of the history and the gateway's state.
  void ExpectOutcome(const Row& row) {
    if (row.offered)
      EXPECT_EQ(dir.Read("zidezir.conf"), Good());
    else
      EXPECT_NE(dir.Read("zidezir.conf").find(std::string("Listener Port=172") + row.portDigit), std::string::npos);
    const History history = ReadHistory(Conf());
    ASSERT_TRUE(history.current);
    EXPECT_EQ(history.current->knownGood, row.runsAfterwards);
    EXPECT_TRUE(WaitGatewayState(row.runsAfterwards ? SERVICE_RUNNING : SERVICE_STOPPED));
    standin::StopNamedService(kGatewayService);
    WaitGatewayState(SERVICE_STOPPED);
  }

  TSCM scm;
};

TEST_F(GuardedStartTest, TheWindowJudgesTheStartAndOffersTheConfigurationTheGatewayLastRanWith) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    Prepare(row);
    const std::string made = GoodMade();
    watcher.Forget();
    Start(&scm);
    Click(Form().Panel1().Button(NavButton::kNetwork));
    RetypeLast(Form().PanelNetwork().EditNetworkListenerPort, row.portDigit);
    watcher.Script({{IDYES}, {IDOK}});
    Click(Form().Panel1().Button(NavButton::kService));
    BringToFront(Form().hwnd());
    if (row.stopFirst) {
      // The stop saves the change unasked; the start after it is watched all the same.
      ClickAt(Form().PanelService().RunButton.hwnd());
      ASSERT_TRUE(WaitGatewayState(SERVICE_STOPPED));
      ASSERT_TRUE(PumpUntil([&] { return Form().PanelService().RunTag() == kRunTagStart; }, 5000));
    }
    ClickAt(Form().PanelService().RunButton.hwnd());
    if (!row.offered) {
      // Told in the status bar, not in a message.
      ASSERT_TRUE(PumpUntil([&] { return Form().StatusBar1().PartText(0) == text::guard::WatchPassed(3); }, 30000))
          << Form().StatusBar1().PartText(0);
      EXPECT_TRUE(watcher.Seen().empty());
      EXPECT_EQ(GetActiveWindow(), Form().hwnd());
    } else {
      ASSERT_TRUE(PumpUntil([&] { return watcher.Seen().size() == 2; }, 60000));
      const std::vector<SeenDialog> seen = watcher.Seen();
      EXPECT_EQ(seen[0].caption, text::guard::kFailedCaption);
      EXPECT_EQ(seen[0].text.rfind("Служба ZIDEZIR остановилась ", 0), 0u) << seen[0].text;
      EXPECT_NE(seen[0].text.find("Вернуть конфигурацию от " + made), std::string::npos) << seen[0].text;
      EXPECT_NE(seen[0].text.find("Порт IP телефонии: 1720 → 172" + std::string(1, row.portDigit)), std::string::npos)
          << seen[0].text;
      EXPECT_EQ(seen[1].text.rfind(row.runsAfterwards ? text::guard::RestoredRunning(Conf(), made)
                                                      : "Конфигурация от " + made + " восстановлена",
                                   0),
                0u)
          << seen[1].text;
      EXPECT_EQ(Ed().EditNetworkListenerPort().Text(), "1720");  // the window shows what is back
    }
    ExpectOutcome(row);
    Close();
    scm.CloseService();  // a service still open cannot be removed and registered anew
  }
}

TEST_F(GuardedStartTest, ZconfGuardJudgesTheStartAndRestoresTheConfigurationTheGatewayLastRanWith) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    Prepare(row);
    const std::string made = GoodMade();
    dir.Write("zidezir.conf", WithPort(row.portDigit));
    std::ostringstream out, err;
    if (row.stopFirst) {
      ASSERT_EQ(RunZconf({"service", "stop"}, out, err), 0) << err.str();
    }
    const int code = RunZconf({"service", "start", "--guard", "3", "--conf", Conf()}, out, err);
    EXPECT_EQ(code, row.offered ? 1 : 0) << err.str();
    if (row.offered) {
      EXPECT_NE(err.str().find("восстановлена конфигурация от " + made), std::string::npos) << err.str();
      EXPECT_NE(err.str().find(row.runsAfterwards ? "снова работает" : "не запустилась и с этой конфигурацией"),
                std::string::npos)
          << err.str();
    }
    ExpectOutcome(row);
  }
}

}  // namespace
}  // namespace zz::test
