// The service page and the restart of the real main window, against the stand-in gateway
// service registered as "VELTO Gateway" with Wine's service control manager.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>

#include "gateway_service.h"
#include "layout_check.h"
#include "main_window_fixture.h"
#include "service_registry.h"
#include "service_texts.h"
#include "standin_args.h"
#include "win32/tscm.h"
#include "win32/utf16.h"

namespace zz::test {
namespace {

// Samples, on a thread of its own, what the restart shows: the service's states, the
// progress window and whether the main window takes input.
class RestartRecorder {
 public:
  RestartRecorder(HWND main, HWND progress) : main_(main), progress_(progress), thread_([this] { Run(); }) {}
  ~RestartRecorder() {
    stop_ = true;
    thread_.join();
  }
  std::vector<DWORD> States() {
    std::lock_guard<std::mutex> lock(mutex_);
    return states_;
  }
  std::atomic<bool> progressShown{false}, mainDisabled{false};

 private:
  void Run() {
    while (!stop_) {
      DWORD state = GatewayState();
      {
        std::lock_guard<std::mutex> lock(mutex_);
        if (states_.empty() || states_.back() != state) states_.push_back(state);
      }
      if (IsWindowVisible(progress_)) progressShown = true;
      if (IsWindow(main_) && !IsWindowEnabled(main_)) mainDisabled = true;
      Sleep(10);
    }
  }
  HWND main_, progress_;
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::vector<DWORD> states_;
  std::thread thread_;
};

class ServiceWindowTest : public MainWindowTest {
 protected:
  static void SetUpTestSuite() {
    MainWindowTest::SetUpTestSuite();
    std::string exe = Narrow(standin::ModuleDirectory()) + standin::kStandinExeName;
    ASSERT_EQ(standin::RemoveService(kGatewayService), 0u);
    ASSERT_EQ(standin::InstallService(kGatewayService, Widen(standin::ServiceCommandLine(exe, {300, 300})), SERVICE_DEMAND_START),
              0u);
  }
  static void TearDownTestSuite() { EXPECT_EQ(standin::RemoveService(kGatewayService), 0u); }

  void SetUp() override {
    ASSERT_EQ(standin::StartNamedService(kGatewayService), 0u);
    ASSERT_TRUE(WaitGatewayState(SERVICE_RUNNING));
    dir.Write("zidezir.conf", SampleConf());
    dir.Write("voice.ini", "");
    Start(&scm);
  }
  void TearDown() override {
    MainWindowTest::TearDown();
    if (GatewayState() != SERVICE_STOPPED) {
      WaitGatewayState(SERVICE_RUNNING, 5000);
      standin::StopNamedService(kGatewayService);
      WaitGatewayState(SERVICE_STOPPED);
    }
  }

  TSCM scm;
};

TEST_F(ServiceWindowTest, PageShowsTheRunningServiceBeforeTheWindowIsFirstShown) {
  ServicePanel& page = Form().PanelService();
  EXPECT_TRUE(Form().ServiceLogic().ServiceOpened());
  EXPECT_EQ(page.Label1.Text(), "выполняется");
  EXPECT_EQ(Form().LastServiceState(), 4);
  EXPECT_EQ(page.RunHint(), "Остановить службу zidezir");
  EXPECT_EQ(page.Glyph(), RunGlyph::kStop);
  EXPECT_EQ(page.RunTag(), 1);
  EXPECT_TRUE(page.RunButton.Enabled());
  ASSERT_EQ(page.StartTypeCB.ItemCount(), 3);
  EXPECT_EQ(page.StartTypeCB.ItemText(0), "Авто");
  EXPECT_EQ(page.StartTypeCB.ItemText(1), "Вручную");
  EXPECT_EQ(page.StartTypeCB.ItemText(2), "Отключено");
  EXPECT_EQ(page.StartTypeCB.ItemIndex(), 1);  // demand start
  EXPECT_NE(page.Label3.Text().find(standin::kStandinExeName), std::string::npos) << page.Label3.Text();
}

TEST_F(ServiceWindowTest, RunButtonSavesPendingChangesThenStopsAndTheTimerFollows) {
  ServicePanel& page = Form().PanelService();
  Click(Form().Panel1().Button(NavButton::kService));
  // A screen reader names the picture button by what it does.
  EXPECT_EQ(AccessibleName(page.RunButton.hwnd()), "Остановить службу zidezir");
  Ed().EditSystemName().SetText("Saved First");
  Click(page.RunButton);
  EXPECT_NE(dir.Read("zidezir.conf").find("Name=Saved First\r\n"), std::string::npos);
  EXPECT_TRUE(watcher.Seen().empty());  // no question before a start or stop
  // The one-second poll shows the service stopping, then the start glyph.
  EXPECT_TRUE(PumpUntil([&] { return page.Label1.Text() == "остановлена"; }, 10000)) << page.Label1.Text();
  EXPECT_EQ(page.Glyph(), RunGlyph::kStart);
  EXPECT_EQ(page.RunHint(), "Запустить службу zidezir");
  EXPECT_EQ(AccessibleName(page.RunButton.hwnd()), "Запустить службу zidezir");
  EXPECT_EQ(page.RunTag(), 0);
}

TEST_F(ServiceWindowTest, StartTypeSelectorChangesTheServiceAtOnce) {
  ComboField& types = Form().PanelService().StartTypeCB;
  types.SetItemIndex(0);
  SendMessageW(Form().PanelService().hwnd(), WM_COMMAND, MAKEWPARAM(types.control().Id(), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(types.control().hwnd()));
  TSCM check;
  ASSERT_TRUE(check.Open("VELTO Gateway"));
  EXPECT_EQ(check.StartType(), 2u);
  standin::ConfigureStartType(kGatewayService, SERVICE_DEMAND_START);
}

TEST_F(ServiceWindowTest, ClosingWithChangesAndYesRestartsTheServiceBehindTheProgressWindow) {
  Ed().EditNetworkListenerPort().SetText("1722");
  watcher.Script({{IDYES, {}}});
  TFormPr progress;
  progress.CreateForm(Form().hwnd());
  Form().SetProgressWindow(&progress);
  HWND main = Form().hwnd();
  std::vector<DWORD> states;
  bool progressShown = false, mainDisabled = false;
  {
    RestartRecorder recorder(main, progress.hwnd());
    PostMessageW(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(main); }, 20000));
    states = recorder.States();
    progressShown = recorder.progressShown;
    mainDisabled = recorder.mainDisabled;
  }
  ASSERT_EQ(watcher.Seen().size(), 1u);
  EXPECT_EQ(watcher.Seen()[0].caption, "Конфигурация шлюза изменена");
  EXPECT_NE(dir.Read("zidezir.conf").find("Listener Port=1722\r\n"), std::string::npos);
  // Stopped and started again before the window was gone.
  auto stopped = std::find(states.begin(), states.end(), static_cast<DWORD>(SERVICE_STOPPED));
  ASSERT_NE(stopped, states.end()) << ::testing::PrintToString(states);
  EXPECT_NE(std::find(stopped, states.end(), static_cast<DWORD>(SERVICE_START_PENDING)), states.end())
      << ::testing::PrintToString(states);
  EXPECT_TRUE(WaitGatewayState(SERVICE_RUNNING));
  EXPECT_TRUE(progressShown);
  EXPECT_TRUE(mainDisabled);
  EXPECT_FALSE(IsWindowVisible(progress.hwnd()));
}

}  // namespace
}  // namespace zz::test
