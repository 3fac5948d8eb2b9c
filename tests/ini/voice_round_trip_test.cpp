// The program's road on real files: start-up loads zidezir.conf and rebuilds voice.ini from
// it, the block dialog edits voice.ini, the save sequence writes zidezir.conf; the next
// start reads what was written.
#include <gtest/gtest.h>

#include "conf_loader.h"
#include "cp1251.h"
#include "editor_model.h"
#include "save_flows.h"
#include "test_support.h"
#include "voice_ini.h"

namespace zz::test {
namespace {

std::size_t Count(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

// One run of the program on the directory: start-up, then `edit`, then the save sequence.
class ProgramRun {
 public:
  explicit ProgramRun(const TempDir& dir) : dir_(dir), voice(dir.Path(), prompts) {
    session.programDir = dir.Path();
    EXPECT_TRUE(LoadConfigFile(session, dir.File("zidezir.conf")));
    EXPECT_TRUE(RebuildVoiceFile(dir.File("zidezir.conf"), voice.Path()));
  }
  std::string Save() {
    EXPECT_TRUE(SaveSequence(session));
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_TRUE(prompts.errors.empty());
    return dir_.Read("zidezir.conf");
  }

  const TempDir& dir_;
  ConfParamTable table;
  EditorModel editor;
  RecordingPrompts prompts;
  ConfigSession session{table, editor, prompts, "", {}};
  VoiceIni voice;
};

TEST(VoiceRoundTrip, ASavedConfigurationSavesAgainToTheSameBytes) {
  TempDir dir;
  dir.Write("zidezir.conf", ReadDataFile("golden/full/input.conf"));
  dir.Write("voice.ini", "");

  std::string first, voiceAfterFirst;
  {
    ProgramRun run(dir);
    voiceAfterFirst = dir.Read("voice.ini");
    first = run.Save();
  }
  EXPECT_EQ(Count(first, "[VoiceDevices:1]"), 1u);
  EXPECT_EQ(Count(first, "[VoiceDevices:2]"), 1u);
  EXPECT_NE(first.find(Utf8ToCp1251("\r\n\r\n\r\n[VoiceDevices:1]\r\n0=PVK,5,Пост 1,192.168.1.50\r\n")),
            std::string::npos);

  for (int again = 0; again < 2; ++again) {
    ProgramRun run(dir);
    EXPECT_EQ(dir.Read("voice.ini"), voiceAfterFirst);
    EXPECT_EQ(run.Save(), first) << "save number " << again + 2;
  }
}

TEST(VoiceRoundTrip, EditedUnitsReachTheNextStart) {
  TempDir dir;
  dir.Write("zidezir.conf", ReadDataFile("golden/full/input.conf"));
  dir.Write("voice.ini", "");
  {
    ProgramRun run(dir);
    run.voice.StoreBlockUnits(2, {{"1", "ПВК-ЗН, ГЛС", "21", "Новый пост", "10.1.1.1"},
                                  {"2", "ТРЛ-ЗН slave", "22", "Ещё один", "10.1.1.2"}});
    EXPECT_TRUE(run.voice.RemoveBlockSection(1));
    run.Save();
  }
  ProgramRun next(dir);
  EXPECT_EQ(next.voice.ReadBlockUnits(1), (std::vector<UnitRecord>{{kPvkTypeName, "21", "Новый пост", "10.1.1.1"},
                                                                   {kTrlznTypeName, "22", "Ещё один", "10.1.1.2"}}));
  EXPECT_TRUE(next.voice.ReadBlockUnits(2).empty());
  std::string saved = next.Save();
  EXPECT_EQ(Count(saved, "[VoiceDevices:"), 1u);
}

}  // namespace
}  // namespace zz::test
