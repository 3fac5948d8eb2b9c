#include "standin_args.h"

#include <gtest/gtest.h>

namespace zz::standin {
namespace {

using Args = std::vector<std::string>;

TEST(StandinArgs, PendingTimes) {
  struct Case {
    Args args;
    bool ok;
    unsigned startMs, stopMs;
  };
  const Case cases[] = {
      {{}, true, 300, 300},
      {{"--start-ms", "0", "--stop-ms", "1500"}, true, 0, 1500},
      {{"--stop-ms", "20", "--start-ms", "10"}, true, 10, 20},
      {{"--start-ms", "600000"}, true, 600000, 300},
      {{"--start-ms", "600001"}, false, 0, 0},
      {{"--start-ms"}, false, 0, 0},
      {{"--start-ms", "-5"}, false, 0, 0},
      {{"--start-ms", "12x"}, false, 0, 0},
      {{"--start-ms", ""}, false, 0, 0},
      {{"--start-ms", "99999999999999999999"}, false, 0, 0},
      {{"--start-ms", "1", "--start-ms", "2"}, false, 0, 0},
      {{"--pause-ms", "1"}, false, 0, 0},
      {{"extra"}, false, 0, 0},
  };
  for (const Case& c : cases) {
    std::optional<PendingTimes> times = ParsePendingTimes(c.args);
    ASSERT_EQ(times.has_value(), c.ok) << ::testing::PrintToString(c.args);
    if (!times) continue;
    EXPECT_EQ(times->startMs, c.startMs);
    EXPECT_EQ(times->stopMs, c.stopMs);
  }
}

TEST(StandinArgs, TheRegisteredCommandLineParsesBackToItsTimes) {
  PendingTimes times{250, 400};
  std::string line = ServiceCommandLine("C:\\Program Files\\служба\\standin_service.exe", times);
  EXPECT_EQ(line, "\"C:\\Program Files\\служба\\standin_service.exe\" --start-ms 250 --stop-ms 400");
  std::optional<PendingTimes> back = ParsePendingTimes({"--start-ms", "250", "--stop-ms", "400"});
  ASSERT_TRUE(back);
  EXPECT_EQ(back->startMs, 250u);
  EXPECT_EQ(back->stopMs, 400u);
}

TEST(StandinArgs, HelperCommands) {
  std::optional<CtlRequest> r = ParseCtlRequest({"install", "--start-ms", "100", "--stop-ms", "200"});
  ASSERT_TRUE(r);
  EXPECT_EQ(r->command, CtlCommand::kInstall);
  EXPECT_EQ(r->name, "VELTO Gateway");
  EXPECT_EQ(r->exePath, "");
  EXPECT_EQ(r->times.startMs, 100u);
  EXPECT_EQ(r->times.stopMs, 200u);
  EXPECT_FALSE(r->startType);

  r = ParseCtlRequest({"install", "/opt/s.exe", "--name", "Другая служба", "--start-type", "disabled"});
  ASSERT_TRUE(r);
  EXPECT_EQ(r->exePath, "/opt/s.exe");
  EXPECT_EQ(r->name, "Другая служба");
  EXPECT_EQ(r->startType, std::optional<std::uint32_t>(4));
  EXPECT_EQ(r->times.startMs, 300u);

  r = ParseCtlRequest({"config", "--start-type", "auto"});
  ASSERT_TRUE(r);
  EXPECT_EQ(r->command, CtlCommand::kConfig);
  EXPECT_EQ(r->startType, std::optional<std::uint32_t>(2));

  for (const char* command : {"uninstall", "start", "stop", "status"}) {
    r = ParseCtlRequest({command, "--name", "X"});
    ASSERT_TRUE(r) << command;
    EXPECT_EQ(r->name, "X");
  }

  const Args refused[] = {
      {},
      {"remove"},
      {"install", "a.exe", "b.exe"},
      {"install", "--start-ms", "x"},
      {"install", "--start-type", "boot"},
      {"config"},
      {"config", "--start-type", "1"},
      {"status", "extra"},
      {"stop", "--start-ms", "5"},
      {"start", "--name", ""},
      {"start", "--name"},
  };
  for (const Args& args : refused) EXPECT_FALSE(ParseCtlRequest(args)) << ::testing::PrintToString(args);
}

}  // namespace
}  // namespace zz::standin
