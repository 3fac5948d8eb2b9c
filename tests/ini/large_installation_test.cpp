// The generated large installation that the benchmark measures: it loads, rebuilds, saves and
// edits to the expected content.
#include <gtest/gtest.h>

#include "conf_loader.h"
#include "cp1251.h"
#include "editor_model.h"
#include "large_installation.h"
#include "save_flows.h"
#include "test_support.h"
#include "voice_ini.h"

namespace zz::test {
namespace {

TEST(LargeInstallation, LoadsRebuildsSavesAndEditsToTheExpectedContent) {
  const Installation inst = MakeInstallation();
  ASSERT_EQ(inst.blocks * inst.units, 16320);
  TempDir dir;
  dir.Write("zidezir.conf", inst.conf);
  dir.Write("voice.ini", "");

  ConfParamTable table;
  EditorModel editor;
  RecordingPrompts prompts;
  ConfigSession session{table, editor, prompts, dir.Path(), {}};
  ASSERT_TRUE(LoadConfigFile(session, dir.File("zidezir.conf")));
  BlockRows rows = editor.StringGrid1().Rows();
  ASSERT_EQ(rows.size(), 64u);
  EXPECT_EQ(rows[63][1], "ТРЛ-МЕ");
  EXPECT_EQ(rows[63][3], "192.168.1.64");
  EXPECT_EQ(rows[62][2], "COM63");

  VoiceIni voice(dir.Path(), prompts);
  ASSERT_TRUE(RebuildVoiceFile(dir.File("zidezir.conf"), voice.Path()));
  EXPECT_EQ(dir.Read("voice.ini"), inst.voice);
  std::vector<UnitRecord> units = voice.ReadBlockUnits(64);
  ASSERT_EQ(units.size(), 255u);
  EXPECT_EQ(units[254], ParseUnitRecord(InstallationRecord(64, 254)));
  EXPECT_EQ(units[0].typeName, kPvkTypeName);
  EXPECT_EQ(units[1].typeName, kMsdTypeName);

  // The configuration is in the layout the configurator writes: saving gives it back.
  ASSERT_TRUE(SaveSequence(session));
  EXPECT_EQ(dir.Read("zidezir.conf"), inst.conf);
  EXPECT_TRUE(prompts.messages.empty());

  // Merging the same file again changes nothing.
  MergeVoiceSections(dir.File("zidezir.conf"), voice.Path());
  EXPECT_EQ(dir.Read("voice.ini"), inst.voice);

  // Removing block 1 moves every later section down by one.
  ASSERT_TRUE(voice.RemoveBlockSection(1));
  std::string expected;
  for (int b = 2; b <= inst.blocks; ++b) {
    expected += "[VoiceDevices:" + std::to_string(b - 1) + "]\r\n";
    for (int k = 0; k < inst.units; ++k) expected += std::to_string(k) + "=" + InstallationRecord(b, k) + "\r\n";
  }
  EXPECT_EQ(Cp1251ToUtf8(dir.Read("voice.ini")), expected);

  // Storing a block's units as the dialog read them gives the same records.
  UnitRows unitRows;
  for (const UnitRecord& u : voice.ReadBlockUnits(10))
    unitRows.push_back({std::to_string(unitRows.size() + 1), u.typeName, u.address, u.name, u.host});
  ASSERT_EQ(unitRows.size(), 255u);
  voice.StoreBlockUnits(10, unitRows);
  std::vector<UnitRecord> stored = voice.ReadBlockUnits(10);
  ASSERT_EQ(stored.size(), 255u);
  for (int k = 0; k < inst.units; ++k) EXPECT_EQ(stored[k], ParseUnitRecord(InstallationRecord(11, k))) << k;
}

}  // namespace
}  // namespace zz::test
