// Each folder of tests/data/voice holds a configuration and what zconf makes of it:
// voice.ini ("zconf voice-rebuild zidezir.conf voice.ini"), saved.conf ("zconf save
// zidezir.conf saved.conf voice.ini"), units-N.txt ("zconf units voice.ini N") and
// removed-N.ini (voice.ini after "zconf remove-block voice.ini N").
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "test_support.h"
#include "zconf.h"

namespace zz::test {
namespace {

namespace fs = std::filesystem;

// The N of a file named prefix + N + suffix, or -1.
int NumberIn(const std::string& file, const std::string& prefix, const std::string& suffix) {
  if (file.size() <= prefix.size() + suffix.size() || file.compare(0, prefix.size(), prefix) != 0 ||
      file.compare(file.size() - suffix.size(), suffix.size(), suffix) != 0)
    return -1;
  return std::stoi(file.substr(prefix.size(), file.size() - prefix.size() - suffix.size()));
}

int Zconf(const std::vector<std::string>& args, std::string* out = nullptr) {
  std::ostringstream o, e;
  int code = RunZconf(args, o, e);
  if (out) *out = o.str();
  EXPECT_EQ(e.str(), "") << args[0];
  return code;
}

TEST(VoiceGolden, RebuildSaveUnitsAndRemoveMatchTheExpectedFiles) {
  int cases = 0, checks = 0;
  for (const auto& item : fs::directory_iterator(fs::u8path(DataPath("voice")))) {
    const std::string name = item.path().filename().u8string();
    const std::string data = "voice/" + name + "/";
    SCOPED_TRACE(name);
    ++cases;
    TempDir dir;
    EXPECT_EQ(Zconf({"voice-rebuild", DataPath(data + "zidezir.conf"), dir.File("voice.ini")}), 0);
    EXPECT_EQ(dir.Read("voice.ini"), ReadDataFile(data + "voice.ini"));
    EXPECT_EQ(Zconf({"save", DataPath(data + "zidezir.conf"), dir.File("saved.conf"), dir.File("voice.ini")}), 0);
    EXPECT_EQ(dir.Read("saved.conf"), ReadDataFile(data + "saved.conf"));

    for (const auto& file : fs::directory_iterator(item.path())) {
      const std::string fileName = file.path().filename().u8string();
      SCOPED_TRACE(fileName);
      if (int n = NumberIn(fileName, "units-", ".txt"); n >= 0) {
        std::string out;
        EXPECT_EQ(Zconf({"units", dir.File("voice.ini"), std::to_string(n)}, &out), 0);
        EXPECT_EQ(out, ReadDataFile(data + fileName));
        ++checks;
      } else if (int m = NumberIn(fileName, "removed-", ".ini"); m >= 0) {
        dir.Write("copy.ini", dir.Read("voice.ini"));
        EXPECT_EQ(Zconf({"remove-block", dir.File("copy.ini"), std::to_string(m)}), 0);
        EXPECT_EQ(dir.Read("copy.ini"), ReadDataFile(data + fileName));
        ++checks;
      }
    }
  }
  EXPECT_GE(cases, 3);
  EXPECT_GE(checks, 10);
}

TEST(VoiceGolden, CommandsReportTheirFailures) {
  TempDir dir;
  std::ostringstream out, err;
  // voice.ini missing: saved as the save sequence does, with its message.
  EXPECT_EQ(RunZconf({"save", DataPath("voice/no-units/zidezir.conf"), dir.File("saved.conf"), dir.File("none.ini")},
                     out, err),
            0);
  EXPECT_EQ(err.str(), "message: Не найден файл voice.ini\n");
  // The same file as with an empty voice.ini, less the two empty lines that the append adds.
  std::string withEmptyVoice = ReadDataFile("voice/no-units/saved.conf");
  ASSERT_GE(withEmptyVoice.size(), 4u);
  EXPECT_EQ(dir.Read("saved.conf") + "\r\n\r\n", withEmptyVoice);

  err.str("");
  EXPECT_EQ(RunZconf({"remove-block", dir.File("none.ini"), "1"}, out, err), 2);
  EXPECT_EQ(err.str(), "zconf: Не удаётся прочитать файл " + dir.File("none.ini") + ": файла нет.\n");

  err.str("");
  fs::create_directory(fs::u8path(dir.File("blocked.ini")));
  EXPECT_EQ(RunZconf({"voice-rebuild", DataPath("voice/three-blocks/zidezir.conf"), dir.File("blocked.ini")}, out, err),
            2);
  EXPECT_EQ(err.str(), "zconf: Не удаётся прочитать файл " + dir.File("blocked.ini") + ": это папка, а не файл.\n");

  for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
           {"units", dir.File("none.ini")}, {"units", dir.File("none.ini"), "x"}, {"remove-block", "v.ini"},
           {"voice-rebuild", "a.conf"}, {"save", "a", "b", "c", "d"}}) {
    std::ostringstream o, e;
    EXPECT_EQ(RunZconf(bad, o, e), 2) << bad[0];
    EXPECT_NE(e.str().find("использование: zconf"), std::string::npos);
  }
}

}  // namespace
}  // namespace zz::test
