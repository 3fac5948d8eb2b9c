// set, apply and restore on the large installation, each stopped at every change it makes on
// disk (as a process killed there) and each with that change failing (as a full disk): the
// file holds the old or the new bytes, no version claims a change that did not happen, and
// the next write leaves nothing stray behind.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "large_installation.h"
#include "test_support.h"
#include "zconf_run.h"

namespace zz::test {
namespace {

namespace fs = std::filesystem;

struct FaultRun {
  int code;
  bool faulted;  // the fault point was reached
};

// The real program in a process of its own, with the fault planned at the Nth change.
FaultRun ZconfWithFault(const std::vector<std::string>& args, const std::string& plan, const TempDir& dir) {
  std::string command = "ZZ_FAULT=" + plan + " '" ZZ_ZCONF_PROGRAM "'";
  for (const std::string& a : args) command += " '" + a + "'";
  command += " >/dev/null 2>'" + dir.File("err.txt") + "'";
  const int status = std::system(command.c_str());
  std::ifstream in(dir.File("err.txt"));
  const std::string err(std::istreambuf_iterator<char>(in), {});
  fs::remove(dir.File("err.txt"));
  return {WEXITSTATUS(status), err.find("zz-fault ") != std::string::npos};
}

// Temporary files, drafts and locks left in the folder or in History\.
std::vector<std::string> Stray(const TempDir& dir) {
  std::vector<std::string> stray;
  for (const auto& e : fs::recursive_directory_iterator(dir.Path())) {
    const std::string name = e.path().filename().string();
    if (name.find(".zz-") != std::string::npos || name[0] == '~' || name.find(".lock") != std::string::npos)
      stray.push_back(e.path().string());
  }
  return stray;
}

// The revisions to go back to: the versions other than the present one.
std::size_t Revisions(const std::string& conf) {
  std::size_t n = 0;
  for (const auto& v : Zconf({"history", conf, "--json"}).json()) n += v["number"] != 0;
  return n;
}

TEST(ZconfCrash, EveryStepStoppedOrFailedLeavesTheOldOrTheNewFileAndATrueHistory) {
  // The steps do not depend on the size; a smaller installation keeps the table quick.
  static const Installation large = MakeInstallation(8, 32);
  struct Command {
    const char* name;
    std::vector<std::string> args;  // FILE stands for the configuration
    std::string marker;             // in the new bytes only
  };
  const std::string doc = R"({"version": 1, "keys": {"ControlServer/Port": 4100}})";
  const Command commands[] = {
      {"set", {"set", "FILE", "Network/Listener Port=1800"}, "Listener Port=1800\r\n"},
      {"apply", {"apply", "FILE", "DOC"}, "Port=4100\r\n"},
      {"restore", {"restore", "FILE", "1"}, "Listener Port=1900\r\n"},
  };
  for (const Command& c : commands) {
    for (const char* mode : {"abort", "fail"}) {
      bool reachedEnd = false;
      for (int n = 1; !reachedEnd && n < 200; ++n) {
        SCOPED_TRACE(std::string(c.name) + " " + mode + ":" + std::to_string(n));
        TempDir dir;
        const std::string f = dir.File("zidezir.conf");
        dir.Write("zidezir.conf", large.conf);
        dir.Write("doc.json", doc);
        if (std::string(c.name) == "restore") {
          // Revision 1 holds port 1900; the file, what a later save made of it.
          ASSERT_EQ(Zconf({"set", f, "Network/Listener Port=1900"}).code, 0);
          ASSERT_EQ(Zconf({"set", f, "Network/Listener Port=2000"}).code, 0);
        }
        const std::string before = dir.Read("zidezir.conf");
        const std::size_t revisionsBefore = Revisions(f);
        std::vector<std::string> args = c.args;
        for (std::string& a : args) a = a == "FILE" ? f : a == "DOC" ? dir.File("doc.json") : a;
        const FaultRun run = ZconfWithFault(args, std::string(mode) + ":" + std::to_string(n), dir);
        reachedEnd = !run.faulted;

        const std::string after = dir.Read("zidezir.conf");
        const bool isNew = after.find(c.marker) != std::string::npos;
        EXPECT_TRUE(after == before || isNew) << "the file is mixed";
        if (run.code == 0) EXPECT_TRUE(isNew) << "success without the change";
        // A change that did not happen left no revision behind the file claiming it.
        if (!isNew) EXPECT_EQ(Revisions(f), revisionsBefore);
        // The next write removes what the stopped one left.
        ASSERT_EQ(Zconf({"set", f, "System/Name=next"}).code, 0);
        EXPECT_EQ(Stray(dir), std::vector<std::string>{});
        const nlohmann::json next = Zconf({"history", f, "--json"}).json();
        EXPECT_EQ(next[0]["number"], 0);
        EXPECT_NE(dir.Read("zidezir.conf").find("Name=next\r\n"), std::string::npos);
      }
      EXPECT_TRUE(reachedEnd) << c.name << " never ran to its end";
    }
  }
}

}  // namespace
}  // namespace zz::test
