// TSCM against Wine's real service control manager, with the stand-in gateway service
// registered under a name of the tests' own.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>

#include "service_registry.h"
#include "standin_args.h"
#include "test_support.h"
#include "win32/tscm.h"
#include "vlt_thread.h"
#include "win32/utf16.h"

namespace zz::test {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// Not the gateway's own name, so that a registration of the demo is never touched; Cyrillic,
// so that the name and the path go through the W functions whatever the code page.
const char* const kTestServiceName = "VELTO Gateway проверка";
constexpr standin::PendingTimes kTimes{500, 500};  // long enough to be seen on a busy machine

std::wstring TestName() { return Widen(kTestServiceName); }

// Polls the state text until `last` shows, collapsing repeats; gives up after 15 s.
std::vector<std::string> TextsUntil(TSCM& scm, const std::string& last) {
  std::vector<std::string> texts;
  auto deadline = Clock::now() + std::chrono::seconds(15);
  while (Clock::now() < deadline) {
    std::string text = scm.StateText();
    if (texts.empty() || texts.back() != text) texts.push_back(text);
    if (text == last) break;
    std::this_thread::sleep_for(milliseconds(10));
  }
  return texts;
}

class ScmTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new TempDir;
    fs::path folder = fs::u8path(dir_->File("служба шлюза"));
    fs::create_directory(folder);
    fs::path source = fs::path(standin::ModuleDirectory()) / standin::kStandinExeName;
    exe_ = folder / standin::kStandinExeName;
    fs::copy_file(source, exe_);
    commandLine_ = standin::ServiceCommandLine(exe_.u8string(), kTimes);
    // A run that died half-way may have left its registration behind.
    ASSERT_EQ(standin::RemoveService(TestName()), 0u);
    ASSERT_EQ(standin::InstallService(TestName(), Widen(commandLine_), SERVICE_DEMAND_START), 0u);
  }

  static void TearDownTestSuite() {
    EXPECT_EQ(standin::RemoveService(TestName()), 0u);
    // The service's process may still be on its way out and hold its file for a moment.
    std::error_code ec;
    for (int i = 0; i < 100 && !fs::remove(exe_, ec); ++i) std::this_thread::sleep_for(milliseconds(50));
    delete dir_;
    dir_ = nullptr;
  }

  // Every test leaves the service stopped, with demand start.
  void TearDown() override {
    standin::ConfigureStartType(TestName(), SERVICE_DEMAND_START);
    TSCM scm;
    if (scm.Open(kTestServiceName) && scm.StateText() != "остановлена") {
      TextsUntil(scm, "выполняется");
      scm.Stop();
      TextsUntil(scm, "остановлена");
    }
  }

  static TempDir* dir_;
  static fs::path exe_;
  static std::string commandLine_;
};

TempDir* ScmTest::dir_ = nullptr;
fs::path ScmTest::exe_;
std::string ScmTest::commandLine_;

TEST_F(ScmTest, WithoutAnOpenedServiceEveryOperationFails) {
  for (const char* name : {static_cast<const char*>(nullptr), "VELTO Gateway отсутствует", ""}) {
    TSCM scm;
    if (name) {
      EXPECT_FALSE(scm.Open(name)) << name;
    }
    EXPECT_EQ(scm.StateText(), "?");
    EXPECT_EQ(scm.CurrentState(), 0u);
    EXPECT_EQ(scm.ExecutablePath(), "");
    EXPECT_EQ(scm.StartType(), 0u);
    EXPECT_FALSE(scm.Start());
    EXPECT_FALSE(scm.Stop());
    EXPECT_FALSE(scm.SetStartType(start_type::kDisabled));
  }
}

TEST_F(ScmTest, OpenReadsStatusAndConfigurationAsRegistered) {
  TSCM scm;
  ASSERT_TRUE(scm.Open(kTestServiceName));
  EXPECT_EQ(scm.CurrentState(), service_state::kStopped);  // read by Open itself
  EXPECT_EQ(scm.ExecutablePath(), commandLine_);
  EXPECT_EQ(scm.ExecutablePath().front(), '"');
  EXPECT_EQ(scm.StartType(), start_type::kDemand);
  EXPECT_EQ(scm.StateText(), "остановлена");
  EXPECT_TRUE(scm.CloseService());
  EXPECT_EQ(scm.StateText(), "?");
  EXPECT_EQ(scm.ExecutablePath(), "");
  EXPECT_EQ(scm.StartType(), 0u);
}

TEST_F(ScmTest, AStartAndAStopPassThroughTheirPendingStates) {
  TSCM scm;
  ASSERT_TRUE(scm.Open(kTestServiceName));

  auto asked = Clock::now();
  ASSERT_TRUE(scm.Start());
  auto returned = Clock::now();
  EXPECT_EQ(TextsUntil(scm, "выполняется"), (std::vector<std::string>{"запускается...", "выполняется"}));
  auto running = Clock::now();
  EXPECT_GE(running - asked, milliseconds(kTimes.startMs));
  std::printf("StartServiceW returned after %lld ms, running after %lld ms\n",
              static_cast<long long>(std::chrono::duration_cast<milliseconds>(returned - asked).count()),
              static_cast<long long>(std::chrono::duration_cast<milliseconds>(running - asked).count()));

  EXPECT_FALSE(scm.Start());  // already running
  EXPECT_EQ(scm.CurrentState(), service_state::kRunning);

  ASSERT_TRUE(scm.Stop());
  // The stop request itself brings back the service's status.
  EXPECT_EQ(scm.CurrentState(), service_state::kStopPending);
  EXPECT_EQ(TextsUntil(scm, "остановлена"), (std::vector<std::string>{"останавливается...", "остановлена"}));

  EXPECT_FALSE(scm.Stop());  // already stopped
  EXPECT_EQ(scm.CurrentState(), service_state::kStopped);
  // Refused requests leave the handle and the configuration as they were.
  EXPECT_EQ(scm.ExecutablePath(), commandLine_);
  EXPECT_EQ(scm.StartType(), start_type::kDemand);
  EXPECT_EQ(scm.StateText(), "остановлена");
}

TEST_F(ScmTest, StartTypesAreSetAndKeptInStep) {
  TSCM scm;
  ASSERT_TRUE(scm.Open(kTestServiceName));
  for (std::uint32_t type : {start_type::kDisabled, start_type::kDemand, start_type::kAuto}) {
    SCOPED_TRACE(type);
    ASSERT_TRUE(scm.SetStartType(type));
    EXPECT_EQ(scm.StartType(), type);  // without a new query
    TSCM fresh;                        // what the system now holds
    ASSERT_TRUE(fresh.Open(kTestServiceName));
    EXPECT_EQ(fresh.StartType(), type);
  }

  ASSERT_TRUE(scm.SetStartType(start_type::kDisabled));
  EXPECT_FALSE(scm.Start());  // a disabled service refuses to start
  EXPECT_EQ(scm.StateText(), "остановлена");

  // A start type the system refuses leaves the kept one alone.
  EXPECT_FALSE(scm.SetStartType(7));
  EXPECT_EQ(scm.StartType(), start_type::kDisabled);
}

TEST_F(ScmTest, TheRestartThreadBringsARunningServiceBackToRunning) {
  TSCM scm;
  ASSERT_TRUE(scm.Open(kTestServiceName));
  ASSERT_TRUE(scm.Start());
  ASSERT_EQ(TextsUntil(scm, "выполняется").back(), "выполняется");

  // The poll goes on on this thread while the restart thread stops and starts the service.
  std::vector<std::string> texts;
  Clock::time_point stoppedAt{}, startingAt{};
  auto begun = Clock::now();
  {
    VLTThread thread(scm, kRestartPause);
    while (!thread.WaitFor(milliseconds(10))) {
      std::string text = scm.StateText();
      if (!texts.empty() && texts.back() == text) continue;
      texts.push_back(text);
      if (text == "остановлена") stoppedAt = Clock::now();
      if (text == "запускается...") startingAt = Clock::now();
    }
  }
  auto ended = Clock::now();
  std::vector<std::string> rest = TextsUntil(scm, "выполняется");
  texts.insert(texts.end(), rest.begin() + (!texts.empty() && texts.back() == rest.front()), rest.end());
  if (!texts.empty() && texts.front() == "выполняется") texts.erase(texts.begin());

  EXPECT_EQ(texts, (std::vector<std::string>{"останавливается...", "остановлена", "запускается...", "выполняется"}));
  EXPECT_GE(ended - begun, kRestartPause);
  EXPECT_GT(startingAt, stoppedAt);
  auto ms = [](Clock::duration d) { return static_cast<long long>(std::chrono::duration_cast<milliseconds>(d).count()); };
  std::printf("restart thread took %lld ms, the service showed stopped for %lld ms\n", ms(ended - begun),
              ms(startingAt - stoppedAt));
}

// A stop whose control handler takes its time keeps ControlService waiting; the poll of
// another thread must not wait with it, or the window stops painting during a restart.
TEST_F(ScmTest, ThePollAnswersWhileAStopWaitsForTheServicesHandler) {
  const std::string name = std::string(kTestServiceName) + " медленная";
  constexpr standin::PendingTimes kSlowHandler{100, 100, 2000};
  ASSERT_EQ(standin::InstallService(Widen(name), Widen(standin::ServiceCommandLine(exe_.u8string(), kSlowHandler)),
                                    SERVICE_DEMAND_START),
            0u);
  struct Removal {
    std::wstring name;
    ~Removal() { EXPECT_EQ(standin::RemoveService(name), 0u); }
  } removal{Widen(name)};

  TSCM scm;
  ASSERT_TRUE(scm.Open(name));
  ASSERT_TRUE(scm.Start());
  ASSERT_EQ(TextsUntil(scm, "выполняется").back(), "выполняется");

  std::atomic<bool> stopping{false};
  Clock::time_point stopReturned{};
  std::thread stopper([&] {
    stopping = true;
    EXPECT_TRUE(scm.Stop());
    stopReturned = Clock::now();
  });
  while (!stopping) std::this_thread::yield();
  auto asked = Clock::now();
  std::this_thread::sleep_for(milliseconds(300));  // the request is now inside the handler
  Clock::duration slowest{};
  std::vector<std::string> texts;
  for (int i = 0; i < 10; ++i) {
    auto before = Clock::now();
    texts.push_back(scm.StateText());
    scm.CurrentState();
    slowest = std::max(slowest, Clock::now() - before);
    std::this_thread::sleep_for(milliseconds(50));
  }
  auto polled = Clock::now();
  stopper.join();

  EXPECT_GT(stopReturned, polled);  // every poll ran while the stop was still waiting
  EXPECT_GE(stopReturned - asked, milliseconds(1500));
  EXPECT_LT(slowest, milliseconds(300));
  EXPECT_EQ(texts.front(), "выполняется");
  EXPECT_EQ(TextsUntil(scm, "остановлена").back(), "остановлена");
  std::printf("the stop waited %lld ms; the slowest poll took %lld ms\n",
              static_cast<long long>(std::chrono::duration_cast<milliseconds>(stopReturned - asked).count()),
              static_cast<long long>(std::chrono::duration_cast<milliseconds>(slowest).count()));
}

TEST_F(ScmTest, FailuresKeepTheSystemsErrorCode) {
  TSCM absent;
  EXPECT_EQ(absent.LastError(), 0u);
  EXPECT_FALSE(absent.Open("VELTO Gateway отсутствует"));
  EXPECT_EQ(absent.LastError(), static_cast<std::uint32_t>(ERROR_SERVICE_DOES_NOT_EXIST));
  EXPECT_FALSE(absent.Start());
  EXPECT_EQ(absent.LastError(), static_cast<std::uint32_t>(ERROR_INVALID_HANDLE));

  TSCM scm;
  ASSERT_TRUE(scm.Open(kTestServiceName));
  EXPECT_FALSE(scm.Stop());
  EXPECT_EQ(scm.LastError(), static_cast<std::uint32_t>(ERROR_SERVICE_NOT_ACTIVE));
  ASSERT_TRUE(scm.SetStartType(start_type::kDisabled));
  EXPECT_FALSE(scm.Start());
  EXPECT_EQ(scm.LastError(), static_cast<std::uint32_t>(ERROR_SERVICE_DISABLED));
}

}  // namespace
}  // namespace zz::test
