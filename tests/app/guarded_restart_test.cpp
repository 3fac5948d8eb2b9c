// The guarded start through the real window against Wine's service control manager: the
// stand-in gateway, in the program directory, refuses a configuration that sets Listener
// Port=1721; the window offers the previous revision back, writes it byte for byte and
// starts the service again, which then keeps running.
#include <gtest/gtest.h>

#include <filesystem>

#include "history.h"
#include "gateway_service.h"
#include "main_window_fixture.h"
#include "real_input.h"
#include "service_registry.h"
#include "service_texts.h"
#include "standin_args.h"
#include "win32/tscm.h"
#include "win32/utf16.h"

namespace zz::test {
namespace {

class GuardedRestartTest : public MainWindowTest {
 protected:
  void SetUp() override {
    // Beside the zidezir.conf the window saves, which the stand-in reads when it starts.
    ASSERT_TRUE(CopyFileW((standin::ModuleDirectory() + Widen(standin::kStandinExeName)).c_str(), Exe().c_str(), FALSE));
    standin::PendingTimes times;
    times.refusePort = 1721;
    ASSERT_EQ(standin::RemoveService(kGatewayService), 0u);  // stopped, whatever ran as the gateway before
    ASSERT_EQ(standin::InstallService(kGatewayService, Widen(standin::ServiceCommandLine(Narrow(Exe()), times)),
                                      SERVICE_DEMAND_START),
              0u);
  }
  void TearDown() override {
    MainWindowTest::TearDown();
    EXPECT_EQ(standin::RemoveService(kGatewayService), 0u);
    // The stand-in's process may take a moment to let go of its file.
    PumpUntil([&] { return DeleteFileW(Exe().c_str()) != FALSE; }, 5000);
  }
  std::wstring Exe() const { return Widen(dir.File(standin::kStandinExeName)); }

  TSCM scm;
};

TEST_F(GuardedRestartTest, WhenTheGatewayStopsWithTheNewConfigurationThePreviousOneIsBackAndRunning) {
  const struct {
    const char* flow;
    bool closing;  // the restart question's Yes, or the run button on a stopped service
  } flows[] = {{"restart on closing", true}, {"start with the run button", false}};
  for (const auto& f : flows) {
    SCOPED_TRACE(f.flow);
    dir.Write("zidezir.conf", SampleConf());
    dir.Write("voice.ini", "");
    std::filesystem::remove_all(std::filesystem::u8path(HistoryDir(Conf())));
    const std::string before = dir.Read("zidezir.conf");
    if (f.closing) {
      ASSERT_EQ(standin::StartNamedService(kGatewayService), 0u);
    }
    ASSERT_TRUE(PumpUntil([&] { return GatewayState() == (f.closing ? SERVICE_RUNNING : SERVICE_STOPPED); }, 15000));
    watcher.Forget();
    Start(&scm);
    Click(Form().Panel1().Button(NavButton::kNetwork));
    RetypeLast(Form().PanelNetwork().EditNetworkListenerPort, '1');
    // The restart question first when closing; then the offer of the previous configuration,
    // and what became of it.
    const std::size_t count = f.closing ? 3 : 2;
    watcher.Script(std::vector<DialogAnswer>(count - 1, {IDYES}));
    if (!f.closing) Click(Form().Panel1().Button(NavButton::kService));
    BringToFront(Form().hwnd());
    ClickAt(f.closing ? Form().Panel1().Button(NavButton::kClose).hwnd() : Form().PanelService().RunButton.hwnd());
    ASSERT_TRUE(PumpUntil([&] { return watcher.Seen().size() == count; }, 60000));
    ASSERT_TRUE(PumpUntil([&] { return Form().Alive() != f.closing; }, 5000));

    const std::vector<SeenDialog> seen = watcher.Seen();
    const SeenDialog& failed = seen[count - 2];
    EXPECT_EQ(failed.caption, "Шлюз не запустился с новой конфигурацией");
    EXPECT_EQ(failed.text.rfind("Служба VELTO Gateway остановилась ", 0), 0u) << failed.text;
    EXPECT_NE(failed.text.find("Восстановить прежнюю конфигурацию"), std::string::npos) << failed.text;
    EXPECT_EQ(seen[count - 1].text, text::guard::RestoredRunning(Conf()));
    EXPECT_EQ(dir.Read("zidezir.conf"), before);
    EXPECT_EQ(GatewayState(), static_cast<DWORD>(SERVICE_RUNNING));
    if (!f.closing) {
      EXPECT_EQ(Ed().EditNetworkListenerPort().Text(), "1720");  // the window shows what is back
    }
    Close();
    standin::StopNamedService(kGatewayService);
    PumpUntil([] { return GatewayState() == SERVICE_STOPPED; }, 15000);
  }
}

}  // namespace
}  // namespace zz::test
