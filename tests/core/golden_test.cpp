// Each folder of tests/data/golden holds an input file and what zconf makes of it:
// dump.txt (standard output of "zconf dump"), messages.txt (its standard error, when any)
// and saved.conf (the file "zconf save" writes), which a further save reproduces.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "test_support.h"
#include "zconf.h"

namespace zz::test {
namespace {

namespace fs = std::filesystem;

std::string ReadIfPresent(const std::string& relative) {
  return fs::exists(fs::u8path(DataPath(relative))) ? ReadDataFile(relative) : std::string();
}

TEST(Golden, DumpAndSaveMatchTheExpectedFiles) {
  int cases = 0;
  for (const auto& item : fs::directory_iterator(fs::u8path(DataPath("golden")))) {
    std::string name = item.path().filename().u8string();
    SCOPED_TRACE(name);
    ++cases;
    std::string input = DataPath("golden/" + name + "/input.conf");

    std::ostringstream out, err;
    EXPECT_EQ(RunZconf({"dump", input}, out, err), 0);
    EXPECT_EQ(out.str(), ReadDataFile("golden/" + name + "/dump.txt"));
    EXPECT_EQ(err.str(), ReadIfPresent("golden/" + name + "/messages.txt"));

    TempDir dir;
    std::ostringstream out2, err2;
    EXPECT_EQ(RunZconf({"save", input, dir.File("saved.conf")}, out2, err2), 0);
    EXPECT_EQ(dir.Read("saved.conf"), ReadDataFile("golden/" + name + "/saved.conf"));

    // A file the program saved comes back unchanged from any further load and save.
    std::ostringstream out3, err3;
    EXPECT_EQ(RunZconf({"save", dir.File("saved.conf"), dir.File("again.conf")}, out3, err3), 0);
    EXPECT_EQ(dir.Read("again.conf"), dir.Read("saved.conf"));
  }
  EXPECT_GE(cases, 3);
}

TEST(Golden, ReportsAFileThatCannotBeOpened) {
  TempDir dir;
  std::ostringstream out, err;
  EXPECT_EQ(RunZconf({"dump", dir.File("none.conf")}, out, err), 1);
  EXPECT_EQ(err.str(), "message: " + dir.File("none.conf") + "\n");
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(RunZconf({"frobnicate"}, out, err), 2);
}

}  // namespace
}  // namespace zz::test
