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
      {{"--refuse-port", "1721", "--stop-ms", "5"}, true, 300, 5},
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

TEST(StandinArgs, TheRegisteredCommandLineQuotesTheProgram) {
  EXPECT_EQ(ServiceCommandLine("C:\\Program Files\\служба\\standin_service.exe", {250, 400}),
            "\"C:\\Program Files\\служба\\standin_service.exe\" --start-ms 250 --stop-ms 400");
  // A slow control handler: the time travels to the service's own command line.
  std::optional<CtlRequest> r = ParseCtlRequest({"install", "--block-ms", "2000"});
  ASSERT_TRUE(r);
  std::string line = ServiceCommandLine("s.exe", r->times);
  EXPECT_EQ(line, "\"s.exe\" --block-ms 2000");
  std::optional<PendingTimes> times = ParsePendingTimes({"--start-ms", "300", "--stop-ms", "300", "--block-ms", "2000"});
  ASSERT_TRUE(times);
  EXPECT_EQ(times->blockMs, 2000u);
}

TEST(StandinArgs, HelperCommands) {
  std::optional<CtlRequest> r =
      ParseCtlRequest({"install", "/opt/s.exe", "--name", "Другая", "--stop-ms", "200", "--start-type", "disabled"});
  ASSERT_TRUE(r);
  EXPECT_EQ(r->command, CtlCommand::kInstall);
  EXPECT_EQ(r->exePath, "/opt/s.exe");
  EXPECT_EQ(r->name, "Другая");
  EXPECT_EQ(r->times.startMs, 300u);
  EXPECT_EQ(r->times.stopMs, 200u);
  EXPECT_EQ(r->startType, std::optional<std::uint32_t>(4));

  r = ParseCtlRequest({"config", "--start-type", "auto"});
  ASSERT_TRUE(r);
  EXPECT_EQ(r->name, "VELTO Gateway");
  EXPECT_EQ(r->startType, std::optional<std::uint32_t>(2));

  const Args refused[] = {{},
                          {"remove"},
                          {"install", "a.exe", "b.exe"},
                          {"install", "--start-type", "boot"},
                          {"config"},
                          {"status", "extra"},
                          {"stop", "--start-ms", "5"},
                          {"start", "--name", ""}};
  for (const Args& args : refused) EXPECT_FALSE(ParseCtlRequest(args)) << ::testing::PrintToString(args);
}

}  // namespace
}  // namespace zz::standin
