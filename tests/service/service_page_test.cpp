#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "file_hold.h"
#include "service_page_fixture.h"

namespace zz::test {
namespace {

using namespace service_state;

TEST_F(ServicePageTest, InitialisationWithTheServiceRunning) {
  service.startType = start_type::kAuto;
  page.Initialize();

  EXPECT_EQ(service.OpenedName(), "VELTO Gateway");
  EXPECT_TRUE(page.ServiceOpened());
  EXPECT_EQ(view.items, (std::vector<std::string>{"Авто", "Вручную", "Отключено"}));
  EXPECT_EQ(view.startTypeIndex, 0);
  EXPECT_EQ(view.pathText, service.path);
  // Polled once, so the page is current before the window shows.
  EXPECT_EQ(service.StatusQueries(), 1);
  EXPECT_EQ(view.stateText, "выполняется");
  EXPECT_TRUE(view.runEnabled);
  EXPECT_EQ(view.runGlyph, std::optional<RunGlyph>(RunGlyph::kStop));
  EXPECT_EQ(view.runTag, 1);
  EXPECT_EQ(view.runHint, "Остановить службу zidezir");
  EXPECT_TRUE(service.Requests().empty());
}

TEST_F(ServicePageTest, BootOrSystemStartSelectsNoItem) {
  for (std::uint32_t type : {start_type::kBoot, start_type::kSystem}) {
    service.startType = type;
    view.startTypeIndex = 1;
    page.Initialize();
    EXPECT_EQ(view.startTypeIndex, -1) << type;
  }
}

TEST_F(ServicePageTest, AServiceThatCannotBeOpenedLeavesThePageDead) {
  service.openResult = false;
  page.Initialize();

  EXPECT_FALSE(page.ServiceOpened());
  EXPECT_EQ(view.items.size(), 3u);
  EXPECT_FALSE(view.runEnabled);
  EXPECT_EQ(view.runHint, "Ошибка инициализации менеджера служб !");
  EXPECT_EQ(view.stateText + view.pathText, "");
  EXPECT_EQ(view.startTypeIndex, -1);

  int writes = view.runButtonWrites;
  page.TimerTimer();
  view.startTypeIndex = 2;
  page.StartTypeCBClick();
  EXPECT_EQ(service.StatusQueries(), 0);
  EXPECT_EQ(view.runButtonWrites, writes);
  EXPECT_TRUE(service.Requests().empty());
}

TEST_F(ServicePageTest, TheRunButtonChangesOnlyWhenTheStateChanges) {
  page.Initialize();
  struct Step {
    std::uint32_t state;  // 0: the status query fails
    const char* text;
    bool rebuilt, enabled;
    RunGlyph glyph;
    int tag;
    const char* hint;
  };
  const Step steps[] = {
      {kRunning, "выполняется", false, true, RunGlyph::kStop, 1, "Остановить службу zidezir"},
      {kStopPending, "останавливается...", true, false, RunGlyph::kStop, 1, "Подождите..."},
      {kStopPending, "останавливается...", false, false, RunGlyph::kStop, 1, "Подождите..."},
      {kStopped, "остановлена", true, true, RunGlyph::kStart, 0, "Запустить службу zidezir"},
      {0, "?", false, true, RunGlyph::kStart, 0, "Запустить службу zidezir"},
      {kStartPending, "запускается...", true, false, RunGlyph::kStart, 0, "Подождите..."},
      {kRunning, "выполняется", true, true, RunGlyph::kStop, 1, "Остановить службу zidezir"},
      {kPausePending, "ожидание паузы", true, false, RunGlyph::kStop, 1, "Подождите..."},
      {kPaused, "пауза", true, false, RunGlyph::kStop, 1, "Подождите..."},
      {kContinuePending, "ожидание продолжения", true, false, RunGlyph::kStop, 1, "Подождите..."},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.text);
    service.queryFails = step.state == 0;
    if (step.state != 0) service.SetState(step.state);
    int writes = view.runButtonWrites;
    page.TimerTimer();
    EXPECT_EQ(view.stateText, step.text);
    EXPECT_EQ(view.runButtonWrites != writes, step.rebuilt);
    EXPECT_EQ(view.runEnabled, step.enabled);
    EXPECT_EQ(view.runGlyph, std::optional<RunGlyph>(step.glyph));
    EXPECT_EQ(view.runTag, step.tag);
    EXPECT_EQ(view.runHint, step.hint);
  }
}

TEST_F(ServicePageTest, PickingAStartTypeSetsItAtOnceAndShowsNoRefusal) {
  page.Initialize();
  for (int index : {2, 0, 1}) {
    view.startTypeIndex = index;
    page.StartTypeCBClick();
  }
  service.refuseStartTypes = true;
  page.StartTypeCBClick();
  EXPECT_EQ(service.RequestNames(), (std::vector<std::string>{"SetStartType 4", "SetStartType 2", "SetStartType 3",
                                                              "SetStartType 3"}));
  EXPECT_FALSE(service.Requests().back().result);
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(ServicePageTest, TheRunButtonStopsARunningServiceAndStartsAStoppedOne) {
  page.Initialize();
  page.RunButtonClick();  // tag 1 from the running state
  page.TimerTimer();
  EXPECT_EQ(view.stateText, "останавливается...");
  service.SetState(kStopped);
  page.TimerTimer();
  page.RunButtonClick();
  EXPECT_EQ(service.RequestNames(), (std::vector<std::string>{"Stop", "Start"}));
  EXPECT_TRUE(service.Requests().back().result);
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(ServicePageTest, AStartOrStopSavesPendingChangesFirstWithoutAsking) {
  StartWithConfiguration();
  page.Initialize();
  ChangePort();
  std::string confAtStop;
  service.onRequest = [&] { confAtStop = Conf(); };

  page.RunButtonClick();

  EXPECT_EQ(service.RequestNames(), std::vector<std::string>{"Stop"});
  EXPECT_NE(confAtStop.find("Listener Port=1800\r\n"), std::string::npos) << confAtStop;
  EXPECT_NE(confAtStop.find("[VoiceDevices:1]\r\n0=PVK,5,Пост 1,192.168.1.50\r\n"), std::string::npos);
  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_FALSE(ChangeDetected(session));
}

TEST_F(ServicePageTest, NothingIsSavedWithoutPendingChangesOrWithoutTheFile) {
  StartWithConfiguration();
  page.Initialize();
  const std::string before = Conf();
  const std::pair<const char*, std::function<void()>> cases[] = {
      {"no changes", [] {}},
      {"not loaded", [this] {
         ChangePort();
         session.state.loaded = false;
       }},
      {"loaded file gone", [this] {
         session.state.loaded = true;
         session.state.currentPath = dir.File("elsewhere.conf");
       }},
  };
  for (const auto& [what, arrange] : cases) {
    SCOPED_TRACE(what);
    arrange();
    service.SetState(kStopped);
    page.TimerTimer();
    page.RunButtonClick();
    EXPECT_EQ(service.RequestNames().back(), "Start");
    EXPECT_TRUE(CloseQuery());
    EXPECT_EQ(Conf(), before);
    EXPECT_TRUE(prompts.messages.empty());
  }
  EXPECT_EQ(placementSaves, 3);
}

TEST_F(ServicePageTest, ALockedFileStopsTheStartOrStopAndKeepsTheWindowOpen) {
  StartWithConfiguration();
  page.Initialize();
  ChangePort();
  const std::string before = Conf();
  {
    FileHold hold(dir.File("zidezir.conf"));
    ASSERT_TRUE(hold.held());
    page.RunButtonClick();
    EXPECT_FALSE(CloseQuery());  // "close without saving?" answered otherwise than Yes
    // The user may still leave, losing the changes knowingly: never held in a window that
    // cannot save and will not close.
    prompts.answers = {MessageAnswer::kOk, MessageAnswer::kYes};
    EXPECT_TRUE(CloseQuery());
  }
  const MessageSpec leave{"Изменения конфигурации не сохранены. Закрыть программу без сохранения изменений?",
                          "Внимание!", MessageIcon::kWarning, MessageButtons::kYesNoDefaultNo};
  EXPECT_EQ(prompts.messages, (std::vector<MessageSpec>{LockMessage(), LockMessage(), leave, LockMessage(), leave}));
  EXPECT_EQ(placementSaves, 2);  // saved also when the close is then refused
  EXPECT_EQ(Conf(), before);
  EXPECT_TRUE(service.Requests().empty());
}

TEST_F(ServicePageTest, ClosingWithChangesAndNoSavesAndLeavesTheServiceAlone) {
  StartWithConfiguration();
  page.Initialize();
  // Any answer but Yes closes without a restart.
  for (auto [answer, port] : {std::pair{MessageAnswer::kNo, "1800"}, std::pair{MessageAnswer::kOk, "1801"}}) {
    editor.listenerPort.SetText(port);
    prompts.answers = {answer};
    prompts.messages.clear();
    EXPECT_TRUE(CloseQuery());
    EXPECT_NE(Conf().find(std::string("Listener Port=") + port + "\r\n"), std::string::npos);
    EXPECT_EQ(prompts.messages, std::vector<MessageSpec>{RestartQuestion()});
  }
  EXPECT_TRUE(service.Requests().empty());
  EXPECT_EQ(log.Events(), (std::vector<std::string>{"placement", "placement"}));
}

TEST_F(ServicePageTest, ClosingWithoutVoiceIniStillSavesAndAsks) {
  StartWithConfiguration();
  std::filesystem::remove(std::filesystem::u8path(dir.File("voice.ini")));
  page.Initialize();
  ChangePort();
  prompts.answers = {MessageAnswer::kOk, MessageAnswer::kNo};
  EXPECT_TRUE(CloseQuery());
  EXPECT_EQ(prompts.messages, (std::vector<MessageSpec>{PlainMessage("Не найден файл voice.ini"), RestartQuestion()}));
  EXPECT_NE(Conf().find("Listener Port=1800\r\n"), std::string::npos);
}

TEST_F(ServicePageTest, ClosingWithChangesAndYesRestartsAStoppedService) {
  service.SetState(kStopped);
  StartWithConfiguration();
  page.Initialize();
  ChangePort();
  prompts.answers = {MessageAnswer::kYes};

  EXPECT_TRUE(CloseQuery());

  EXPECT_NE(Conf().find("Listener Port=1800\r\n"), std::string::npos);
  EXPECT_EQ(prompts.messages, std::vector<MessageSpec>{RestartQuestion()});
  EXPECT_EQ(log.Events(), (std::vector<std::string>{"placement", "show progress", "hourglass", "input off", "Stop",
                                                    "Start", "input on", "cursor back", "close progress"}));
  // The stop of a stopped service is refused; the start after the pause goes through.
  std::vector<ScriptedService::Request> requests = service.Requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_FALSE(requests[0].result);
  EXPECT_TRUE(requests[1].result);
  EXPECT_GE(requests[1].at - requests[0].at, kPause);
}

TEST_F(ServicePageTest, RequestsDuringTheRestartAreIgnoredWhileThePollGoesOn) {
  StartWithConfiguration();
  page.Initialize();
  ChangePort();
  prompts.answers = {MessageAnswer::kYes};
  std::vector<std::string> texts;
  int refusedCloses = 0;
  restartUi.onPump = [&] {
    EXPECT_TRUE(page.Restarting());
    bool canClose = true;
    page.FormCloseQuery(canClose);
    if (!canClose) ++refusedCloses;
    page.RunButtonClick();
    page.TimerTimer();
    texts.push_back(view.stateText);
  };

  EXPECT_TRUE(CloseQuery());

  EXPECT_GE(restartUi.pumps, 1);
  EXPECT_EQ(refusedCloses, restartUi.pumps);
  EXPECT_EQ(placementSaves, 1);
  EXPECT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(service.RequestNames(), (std::vector<std::string>{"Stop", "Start"}));
  // The pause outlasts the stop-pending state, and the page shows it.
  EXPECT_NE(std::find(texts.begin(), texts.end(), "остановлена"), texts.end());
  EXPECT_FALSE(page.Restarting());
  page.RunButtonClick();  // once the flow has ended, clicks count again
  EXPECT_EQ(service.RequestNames().size(), 3u);
}

}  // namespace
}  // namespace zz::test
