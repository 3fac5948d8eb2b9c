// Each folder of tests/data/golden holds an input file and what the program makes of it:
// dump.txt (standard output of "zconf dump"), messages.txt (its standard error, when any)
// and saved.conf (the file the window's save sequence writes over it, voice.ini made from
// it at start-up appended), which a further start and save reproduce, and which zconf's
// save writes too.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "conf_loader.h"
#include "editor_model.h"
#include "save_flows.h"
#include "test_support.h"
#include "voice_ini.h"
#include "zconf.h"

namespace zz::test {
namespace {

namespace fs = std::filesystem;

std::string ReadIfPresent(const std::string& relative) {
  return fs::exists(fs::u8path(DataPath(relative))) ? ReadDataFile(relative) : std::string();
}

// The window on a program directory: start-up, a change that cannot be seen in the fields,
// then the save sequence of closing. The saved file's bytes.
std::string SavedByTheWindow(const TempDir& dir) {
  ConfParamTable table;
  EditorModel editor;
  RecordingPrompts prompts;
  ConfigSession session{table, editor, prompts, dir.Path(), {}};
  EXPECT_TRUE(LoadConfigFile(session, dir.File("zidezir.conf")));
  EXPECT_TRUE(RebuildVoiceFile(dir.File("zidezir.conf"), dir.File("voice.ini")));
  session.state.modified = true;
  EXPECT_TRUE(SaveSequence(session));
  EXPECT_TRUE(prompts.messages.empty());
  return dir.Read("zidezir.conf");
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
    dir.Write("zidezir.conf", ReadDataFile("golden/" + name + "/input.conf"));
    const std::string saved = SavedByTheWindow(dir);
    EXPECT_EQ(saved, ReadDataFile("golden/" + name + "/saved.conf"));
    // A file the program saved comes back unchanged from any further start and save.
    EXPECT_EQ(SavedByTheWindow(dir), saved);

    // zconf saves through the same composition.
    std::ostringstream out2, err2;
    EXPECT_EQ(RunZconf({"save", input, dir.File("zconf.conf"), dir.File("voice.ini")}, out2, err2), 0);
    EXPECT_EQ(dir.Read("zconf.conf"), saved);
  }
  EXPECT_GE(cases, 3);
}

}  // namespace
}  // namespace zz::test
