// zconf service against Wine's real service control manager, with the stand-in gateway
// service registered under names of the tests' own (reached with --name).
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <sstream>
#include <thread>

#include "service_registry.h"
#include "standin_args.h"
#include "test_support.h"
#include "win32/sc_handle.h"
#include "win32/utf16.h"
#include "zconf.h"

namespace zz::test {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

const std::string kQuick = "VELTO Gateway zconf";
const std::string kSlowStop = "VELTO Gateway zconf медленная";
const std::string kDeafStop = "VELTO Gateway zconf глухая";
constexpr standin::PendingTimes kQuickTimes{300, 300};
constexpr standin::PendingTimes kSlowStopTimes{300, 2500};
// Its control handler takes 5 s to answer a stop: the request itself waits that long.
constexpr standin::PendingTimes kDeafStopTimes{300, 300, 5000};

struct Outcome {
  int code;
  std::string out, err;
};

Outcome Service(std::vector<std::string> args, const std::string& name) {
  args.insert(args.begin(), "service");
  args.insert(args.end(), {"--name", name});
  std::ostringstream out, err;
  int code = RunZconf(args, out, err);
  return {code, out.str(), err.str()};
}

DWORD State(const std::string& name) {
  DWORD state = 0;
  EXPECT_EQ(standin::QueryState(Widen(name), state), 0u);
  return state;
}

// The service's process: a new one after a restart.
DWORD ProcessOf(const std::string& name) {
  ScHandle manager(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT));
  ScHandle service(OpenServiceW(manager.get(), Widen(name).c_str(), SERVICE_QUERY_STATUS));
  SERVICE_STATUS_PROCESS status{};
  DWORD needed = 0;
  if (!QueryServiceStatusEx(service.get(), SC_STATUS_PROCESS_INFO, reinterpret_cast<BYTE*>(&status), sizeof status,
                            &needed))
    return 0;
  return status.dwProcessId;
}

class ZconfServiceTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new TempDir;
    exe_ = fs::u8path(dir_->File(standin::kStandinExeName));
    fs::copy_file(fs::path(standin::ModuleDirectory()) / standin::kStandinExeName, exe_);
    for (auto [name, times] : {std::pair{kQuick, kQuickTimes}, std::pair{kSlowStop, kSlowStopTimes},
                               std::pair{kDeafStop, kDeafStopTimes}}) {
      ASSERT_EQ(standin::RemoveService(Widen(name)), 0u);  // left by a run that died half-way
      ASSERT_EQ(standin::InstallService(Widen(name), Widen(standin::ServiceCommandLine(exe_.u8string(), times)),
                                        SERVICE_DEMAND_START),
                0u);
    }
  }

  static void TearDownTestSuite() {
    for (const std::string& name : {kQuick, kSlowStop, kDeafStop})
      EXPECT_EQ(standin::RemoveService(Widen(name)), 0u);
    std::error_code ec;
    for (int i = 0; i < 100 && !fs::remove(exe_, ec); ++i) std::this_thread::sleep_for(milliseconds(50));
    delete dir_;
    dir_ = nullptr;
  }

  static TempDir* dir_;
  static fs::path exe_;
};

TempDir* ZconfServiceTest::dir_ = nullptr;
fs::path ZconfServiceTest::exe_;

TEST_F(ZconfServiceTest, StartStopAndRestartReachTheirStates) {
  EXPECT_EQ(Service({"status"}, kQuick).out, "state=stopped\nstart-type=manual\n");

  Outcome start = Service({"start"}, kQuick);
  EXPECT_EQ(start.code, 0) << start.err;
  EXPECT_EQ(start.out, "running\n");
  EXPECT_EQ(State(kQuick), static_cast<DWORD>(SERVICE_RUNNING));
  EXPECT_EQ(Service({"start"}, kQuick).out, "running\n");  // already running: nothing to do
  EXPECT_EQ(Service({"status"}, kQuick).out, "state=running\nstart-type=manual\n");

  DWORD before = ProcessOf(kQuick);
  auto asked = Clock::now();
  Outcome restart = Service({"restart"}, kQuick);
  auto took = Clock::now() - asked;
  EXPECT_EQ(restart.code, 0) << restart.err;
  EXPECT_EQ(restart.out, "running\n");
  EXPECT_EQ(State(kQuick), static_cast<DWORD>(SERVICE_RUNNING));
  EXPECT_NE(ProcessOf(kQuick), before);  // stopped and started again
  EXPECT_GE(took, milliseconds(kQuickTimes.stopMs + kQuickTimes.startMs));
  EXPECT_LT(took, milliseconds(kQuickTimes.stopMs + kQuickTimes.startMs + 1500));  // no fixed pause

  Outcome stop = Service({"stop"}, kQuick);
  EXPECT_EQ(stop.code, 0) << stop.err;
  EXPECT_EQ(stop.out, "stopped\n");
  EXPECT_EQ(State(kQuick), static_cast<DWORD>(SERVICE_STOPPED));
  EXPECT_EQ(Service({"stop"}, kQuick).code, 0);  // already stopped

  EXPECT_EQ(Service({"start-type", "auto"}, kQuick).out, "start-type=auto\n");
  EXPECT_EQ(Service({"status"}, kQuick).out, "state=stopped\nstart-type=auto\n");  // as the system now holds it
  EXPECT_EQ(Service({"start-type", "MANUAL"}, kQuick).code, 0);
}

TEST_F(ZconfServiceTest, ADisabledServiceAndAnAbsentOneNameTheirCause) {
  ASSERT_EQ(Service({"start-type", "disabled"}, kQuick).code, 0);
  Outcome disabled = Service({"start"}, kQuick);
  EXPECT_EQ(disabled.code, 1);
  EXPECT_EQ(disabled.err, "zconf: служба \"" + kQuick +
                              "\" отключена: сначала задайте ей другой тип запуска (zconf service start-type manual)\n");
  EXPECT_EQ(disabled.out, "");
  EXPECT_EQ(State(kQuick), static_cast<DWORD>(SERVICE_STOPPED));
  ASSERT_EQ(Service({"start-type", "manual"}, kQuick).code, 0);

  for (const char* action : {"status", "start", "stop", "restart"}) {
    Outcome absent = Service({action}, "VELTO Gateway zconf нет");
    EXPECT_EQ(absent.code, 2) << action;
    EXPECT_EQ(absent.err, "zconf: служба \"VELTO Gateway zconf нет\" не установлена\n") << action;
  }
  for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
           {"pause"}, {"start-type", "boot"}, {"start", "--wait", "x"}, {"start", "--wait", "86401"}, {}}) {
    EXPECT_EQ(Service(bad, kQuick).code, 2);
  }
}

TEST_F(ZconfServiceTest, ASlowStopIsWaitedFor) {
  ASSERT_EQ(Service({"start"}, kSlowStop).code, 0);
  auto asked = Clock::now();
  Outcome impatient = Service({"stop", "--wait", "1"}, kSlowStop);
  EXPECT_EQ(impatient.code, 1);
  EXPECT_EQ(impatient.err,
            "zconf: служба \"" + kSlowStop + "\" не пришла в состояние stopped за 1 с; сейчас: stop-pending\n");
  Outcome patient = Service({"stop"}, kSlowStop);  // the default wait of 30 s
  auto took = Clock::now() - asked;
  EXPECT_EQ(patient.code, 0) << patient.err;
  EXPECT_EQ(patient.out, "stopped\n");
  EXPECT_GE(took, milliseconds(kSlowStopTimes.stopMs));
  EXPECT_EQ(State(kSlowStop), static_cast<DWORD>(SERVICE_STOPPED));

  // restart waits for the slow stop before it starts.
  ASSERT_EQ(Service({"start"}, kSlowStop).code, 0);
  Outcome restart = Service({"restart"}, kSlowStop);
  EXPECT_EQ(restart.code, 0) << restart.err;
  EXPECT_EQ(State(kSlowStop), static_cast<DWORD>(SERVICE_RUNNING));
  EXPECT_EQ(Service({"stop"}, kSlowStop).code, 0);
}

TEST_F(ZconfServiceTest, TheWaitLimitsTheWholeCommandAlsoWhileTheServiceTakesTheRequest) {
  ASSERT_EQ(Service({"start"}, kDeafStop).code, 0);
  auto asked = Clock::now();
  Outcome impatient = Service({"stop", "--wait", "2"}, kDeafStop);
  auto took = Clock::now() - asked;
  EXPECT_EQ(impatient.code, 1);
  EXPECT_EQ(impatient.err.rfind("zconf: служба \"" + kDeafStop + "\" не пришла в состояние stopped за 2 с; сейчас: ", 0),
            0u)
      << impatient.err;
  EXPECT_GE(took, milliseconds(2000));
  EXPECT_LT(took, milliseconds(3500));
  // The request went on without the command; the service stops in its own time.
  const auto end = Clock::now() + std::chrono::seconds(15);
  while (State(kDeafStop) != SERVICE_STOPPED && Clock::now() < end) std::this_thread::sleep_for(milliseconds(100));
  EXPECT_EQ(State(kDeafStop), static_cast<DWORD>(SERVICE_STOPPED));
}

// The guard is tested with the window's, in one table (tests/app/guarded_restart_test.cpp).

}  // namespace
}  // namespace zz::test
