// The guarded start through the real window against Wine's service control manager: the
// stand-in gateway, in the program directory, refuses a configuration that sets Listener
// Port=1721; the window offers the previous revision back, writes it byte for byte and
// starts the service again, which then keeps running.
#include <gtest/gtest.h>

#include "history.h"
#include "main_window_fixture.h"
#include "real_input.h"
#include "service_registry.h"
#include "service_texts.h"
#include "standin_args.h"
#include "win32/tscm.h"
#include "win32/utf16.h"

namespace zz::test {
namespace {

const std::wstring kName = L"VELTO Gateway";
constexpr unsigned kRefusedPort = 1721;

DWORD StateOf() {
  DWORD state = 0;
  return standin::QueryState(kName, state) == ERROR_SUCCESS ? state : 0;
}

class GuardedRestartTest : public MainWindowTest {
 protected:
  void SetUp() override {
    // Beside the zidezir.conf the window saves, which the stand-in reads when it starts.
    const std::wstring exe = Widen(dir.File(standin::kStandinExeName));
    ASSERT_TRUE(CopyFileW((standin::ModuleDirectory() + Widen(standin::kStandinExeName)).c_str(), exe.c_str(), FALSE));
    standin::PendingTimes times;
    times.refusePort = kRefusedPort;
    ASSERT_EQ(standin::InstallService(kName, Widen(standin::ServiceCommandLine(Narrow(exe), times)),
                                      SERVICE_DEMAND_START),
              0u);
    dir.Write("zidezir.conf", SampleConf());
    dir.Write("voice.ini", "");
    before_ = dir.Read("zidezir.conf");
  }
  void TearDown() override {
    MainWindowTest::TearDown();
    EXPECT_EQ(standin::RemoveService(kName), 0u);
    // The stand-in's process may take a moment to let go of its file.
    const std::wstring exe = Widen(dir.File(standin::kStandinExeName));
    PumpUntil([&] { return DeleteFileW(exe.c_str()) != FALSE; }, 5000);
  }

  // The refused port typed on the network page.
  void TypeRefusedPort() {
    Click(Form().Panel1().Button(NavButton::kNetwork));
    RetypeLast(Form().PanelNetwork().EditNetworkListenerPort, '1');
  }
  // What the user was told, and that the previous configuration is back and running.
  void ExpectRestoredAndRunning(const std::vector<SeenDialog>& guard) {
    ASSERT_EQ(guard.size(), 2u);
    EXPECT_EQ(guard[0].caption, "Шлюз не запустился с новой конфигурацией");
    EXPECT_EQ(guard[0].icon, MessageIcon::kWarning);
    EXPECT_EQ(guard[0].text.rfind("Служба VELTO Gateway остановилась ", 0), 0u) << guard[0].text;
    EXPECT_NE(guard[0].text.find("Восстановить прежнюю конфигурацию (ту, что была до этого сохранения) и снова "
                                 "запустить службу?"),
              std::string::npos)
        << guard[0].text;
    EXPECT_EQ(guard[1].caption, "Прежняя конфигурация восстановлена");
    EXPECT_EQ(guard[1].text, text::guard::RestoredRunning(Conf()));
    EXPECT_EQ(dir.Read("zidezir.conf"), before_);
    // The refused configuration is the newest revision, the one it replaced the next.
    const std::vector<Revision> revisions = ListRevisions(Conf());
    ASSERT_EQ(revisions.size(), 2u);
    std::string refused, voice, replaced;
    ASSERT_TRUE(ReadRevision(revisions[0], refused, voice));
    ASSERT_TRUE(ReadRevision(revisions[1], replaced, voice));
    EXPECT_NE(refused.find("Listener Port=1721\r\n"), std::string::npos);
    EXPECT_EQ(replaced, before_);
    EXPECT_EQ(StateOf(), static_cast<DWORD>(SERVICE_RUNNING));
  }

  TSCM scm;
  std::string before_;
};

TEST_F(GuardedRestartTest, TheRestartAfterClosingBringsThePreviousConfigurationBackWhenTheGatewayStops) {
  ASSERT_EQ(standin::StartNamedService(kName), 0u);
  ASSERT_TRUE(PumpUntil([] { return StateOf() == SERVICE_RUNNING; }, 15000));
  Start(&scm);
  TypeRefusedPort();
  watcher.Script({{IDYES}, {IDYES}, {IDOK}});
  const HWND main = Form().hwnd();
  ClickAt(Form().Panel1().Button(NavButton::kClose).hwnd());
  ASSERT_TRUE(PumpUntil([&] { return !IsWindow(main); }, 60000));
  std::vector<SeenDialog> seen = watcher.Seen();
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0].caption, "Конфигурация шлюза изменена");
  ExpectRestoredAndRunning({seen[1], seen[2]});
}

TEST_F(GuardedRestartTest, TheRunButtonsStartWithPendingChangesIsGuardedAndTheWindowShowsWhatIsBack) {
  Start(&scm);
  TypeRefusedPort();
  Click(Form().Panel1().Button(NavButton::kService));
  watcher.Script({{IDYES}, {IDOK}});
  BringToFront(Form().hwnd());
  ClickAt(Form().PanelService().RunButton.hwnd());
  ASSERT_TRUE(PumpUntil([&] { return watcher.Seen().size() == 2; }, 60000));
  Pump(100);
  ExpectRestoredAndRunning(watcher.Seen());
  EXPECT_TRUE(Form().Alive());
  EXPECT_EQ(Ed().EditNetworkListenerPort().Text(), "1720");
  EXPECT_FALSE(State().modified);
}

}  // namespace
}  // namespace zz::test
