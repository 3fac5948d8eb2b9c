// The handlers of the block list and of the unit list, over a grid model, scripted dialogs
// and a real voice.ini in a temporary directory.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>

#include "block_list_actions.h"
#include "block_texts.h"
#include "cp1251.h"
#include "editor_model.h"
#include "file_form.h"
#include "test_support.h"
#include "unit_list_actions.h"

namespace zz {
namespace {

using test::Crlf;
using test::RecordingPrompts;
using test::TempDir;

// The block dialog: records what it was filled with, then plays the user's part.
class ScriptedBlockDialog : public BlockDialogRunner {
 public:
  bool Run(BlockDialogData& block, UnitRows& units) override {
    shownBlocks.push_back(block);
    shownUnits.push_back(units);
    if (user) user(block, units);
    return confirm;
  }
  std::function<void(BlockDialogData&, UnitRows&)> user;
  bool confirm = true;
  std::vector<BlockDialogData> shownBlocks;
  std::vector<UnitRows> shownUnits;
};

class BlockListActionsTest : public ::testing::Test {
 protected:
  std::string Voice() const { return Cp1251ToUtf8(dir.Read("voice.ini")); }
  void WriteVoice(const std::string& lfText) const { dir.Write("voice.ini", Utf8ToCp1251(Crlf(lfText))); }
  static BlockRows FourBlocks() {
    BlockRows rows;
    for (int i = 1; i <= 4; ++i)
      rows.push_back({std::to_string(i), "ТРЛ-М", "COM" + std::to_string(i), "", "b" + std::to_string(i)});
    return rows;
  }

  TempDir dir;
  RecordingPrompts prompts;
  VoiceIni voice{dir.Path(), prompts};
  RowsValue grid;
  bool modified = false;
  ScriptedBlockDialog dialog;
  BlockListActions actions{grid, modified, voice, dialog};
};

TEST_F(BlockListActionsTest, ChangingFillsTheDialogFromTheRowAndVoiceIniAndWritesBoth) {
  WriteVoice("[VoiceDevices:2]\n5=PVK,5,Door,10.0.0.9\n1=XYZ,7,Gate,h\n[VoiceDevices:1]\n0=MSD,1,a,b\n");
  grid.SetRows({{"1", "ТРЛ-М", "COM3", "", "a"}, {"2", "ТРЛ-МЕ", "COM12", "10.0.0.1", "b"}});
  dialog.user = [](BlockDialogData& b, UnitRows& units) {
    b.typeIndex = 0;  // to ТРЛ-М: the IP cell empties
    b.port = 255;
    units.pop_back();
  };
  actions.ButtonEditClick(2);
  ASSERT_EQ(dialog.shownBlocks.size(), 1u);
  const BlockDialogData& shown = dialog.shownBlocks[0];
  EXPECT_EQ(shown.caption, "Изменение настроек ТРЛ");
  EXPECT_EQ(shown.typeIndex, 1);
  EXPECT_EQ(shown.port, 12);
  EXPECT_EQ(shown.ip, "10.0.0.1");
  EXPECT_EQ(shown.comment, "b");
  // The records in file order, renumbered; an unknown code shows as the third type.
  EXPECT_EQ(dialog.shownUnits[0],
            (UnitRows{{"1", "ПВК-ЗН, ГЛС", "5", "Door", "10.0.0.9"}, {"2", "ТРЛ-ЗН slave", "7", "Gate", "h"}}));
  EXPECT_EQ(grid.Rows()[1], (BlockRow{"2", "ТРЛ-М", "COM255", "", "b"}));
  EXPECT_EQ(actions.CurrentBlock(), 2);
  EXPECT_TRUE(modified);
  EXPECT_EQ(Voice(), Crlf("[VoiceDevices:1]\n0=MSD,1,a,b\n[VoiceDevices:2]\n0=PVK,5,Door,10.0.0.9\n"));

  // Confirmed with an emptied list, the block loses its section.
  dialog.user = [](BlockDialogData&, UnitRows& units) { units = UnitRows(1); };
  actions.ButtonEditClick(2);
  EXPECT_EQ(Voice(), Crlf("[VoiceDevices:1]\n0=MSD,1,a,b\n"));
}

TEST_F(BlockListActionsTest, ChangingOutsideTheRowsOrTheEmptyRow) {
  WriteVoice("");
  for (int row : {0, -1, 2}) {
    actions.ButtonEditClick(row);
    EXPECT_TRUE(dialog.shownBlocks.empty()) << row;
  }
  EXPECT_FALSE(modified);
  // The empty row opens as ТРЛ-МЕ with empty fields and, confirmed, is numbered 1.
  actions.ButtonEditClick(1);
  ASSERT_EQ(dialog.shownBlocks.size(), 1u);
  EXPECT_EQ(dialog.shownBlocks[0].typeIndex, 1);
  EXPECT_EQ(dialog.shownBlocks[0].ip, "");
  EXPECT_EQ(dialog.shownBlocks[0].port, 0);
  EXPECT_EQ(dialog.shownUnits[0], (UnitRows{{"1", "", "", "", ""}}));
  EXPECT_EQ(grid.Rows(), (BlockRows{{"1", "ТРЛ-МЕ", "COM0", "", "Новый блок"}}));
}

TEST_F(BlockListActionsTest, DeletingTheLastRowOrNoRowOnlyMarksTheConfigurationModified) {
  WriteVoice("[VoiceDevices:1]\n0=PVK,1,a,h\n");
  const std::string before = dir.Read("voice.ini");
  struct Case {
    BlockRows rows;
    int row;
  } cases[] = {
      {{{"1", "ТРЛ-М", "COM1", "", "only"}}, 1},
      {BlockRows(1), 1},
      {FourBlocks(), 0},
      {FourBlocks(), 5},
  };
  for (const Case& c : cases) {
    modified = false;
    grid.SetRows(c.rows);
    actions.ButtonDelClick(c.row);
    EXPECT_TRUE(modified) << c.row;
    EXPECT_EQ(grid.Rows(), c.rows) << c.row;
  }
  EXPECT_EQ(dir.Read("voice.ini"), before);
  EXPECT_EQ(actions.CurrentBlock(), 0);
}

TEST_F(BlockListActionsTest, AVoiceIniThatCannotBeReadWhenRenumberingIsReportedWithItsPath) {
  // A directory in the place of voice.ini: the block goes, the renumbering says why it could not.
  std::filesystem::create_directory(std::filesystem::u8path(dir.File("voice.ini")));
  grid.SetRows(FourBlocks());
  try {
    actions.ButtonDelClick(2);
    ADD_FAILURE() << "no error raised";
  } catch (const UnreadableFileError& e) {
    EXPECT_EQ(std::string(e.what()), "Не удаётся прочитать файл " + dir.File("voice.ini") + ": это папка, а не файл.");
  }
  EXPECT_EQ(grid.Rows().size(), 3u);
}

// The record dialog: keeps its fields like the real one, and each use types what the
// script says.
class ScriptedRecordDialog : public RecordDialogRunner {
 public:
  struct Use {
    std::optional<UnitFields> typed;  // nothing: left as proposed
    bool ok = true;
  };
  UnitFields& Fields() override { return fields; }
  bool Run(const std::string& caption) override {
    captions.push_back(caption);
    proposed.push_back(fields);
    if (script.empty()) return false;
    Use use = script.front();
    script.pop_front();
    if (use.typed) fields = *use.typed;
    return use.ok;
  }
  UnitFields fields;
  std::deque<Use> script;
  std::vector<std::string> captions;
  std::vector<UnitFields> proposed;
};

class UnitListActionsTest : public ::testing::Test {
 protected:
  UnitRows rows = UnitRows(1);
  ScriptedRecordDialog record;
  RecordingPrompts prompts;
  UnitListActions actions{rows, record, prompts};
};

TEST_F(UnitListActionsTest, ACancelledRecordDialogAddsNothingButKeepsWhatWasTyped) {
  record.script = {{UnitFields{1, "0", "x", ""}, false}};
  actions.Button2AddClick();
  EXPECT_EQ(rows, UnitRows(1));
  EXPECT_TRUE(prompts.messages.empty());
  record.script = {{std::nullopt, false}};
  actions.Button2AddClick();
  EXPECT_EQ(record.proposed.back().address, "1");  // "0" left by the cancelled use
  record.fields.address = "33";
  actions.Button2AddClick();
  EXPECT_EQ(record.proposed.back().address, "33");
}

TEST_F(UnitListActionsTest, AnEmptyRowIsNeitherChangedNorDeleted) {
  for (std::size_t row : {std::size_t{0}, std::size_t{1}, std::size_t{7}}) {
    actions.StringGrid2DblClick(row);
    actions.Button4DeleteClick(row);
  }
  EXPECT_TRUE(record.captions.empty());
  EXPECT_EQ(rows, UnitRows(1));
  rows = {{"1", " ", "1", "", "h"}};  // a blank type name counts as empty when changing
  actions.StringGrid2DblClick(0);
  EXPECT_TRUE(record.captions.empty());
}

}  // namespace
}  // namespace zz
