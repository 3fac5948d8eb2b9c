// The block list on the real main window: adding, changing, cancelling and deleting blocks
// through the real block and record dialogs, with voice.ini and the saved configuration.
#include <gtest/gtest.h>

#include "blocks_window_fixture.h"
#include "file_hold.h"
#include "utrlm.h"
#include "win32/utf16.h"

namespace zz::test {
namespace {

using Trlm = TFormTRLM;
using BlockListWindowTest = BlocksWindowTest;

TEST_F(BlockListWindowTest, AnIpBlockWithTwoUnitsIsAddedAndSavedWithItsUnits) {
  StartWithBlocks(ConfWithBlocks("", ""), "");
  ASSERT_EQ(Rows(), BlockRows(1));
  std::vector<RecordUse> uses;
  bool ipShownAtFirst = true;
  ASSERT_TRUE(WithBlockDialog(
      [&] { Click(Trl().ButtonAdd); },
      [&](const DialogSteps& d) {
        EXPECT_EQ(d.Describe().caption, "Добавить блок ТРЛ");
        EXPECT_TRUE(d.Checked(Trlm::kRadioSerial));
        ipShownAtFirst = d.Visible(Trlm::kGroupBoxIp) || d.Visible(Trlm::kEditIP);
        EXPECT_EQ(d.Text(Trlm::kEditIP), "192.168.1.201");
        EXPECT_EQ(d.Text(Trlm::kEditPort), "1");
        EXPECT_EQ(d.Text(Trlm::kEditComment), "Новый блок");
        EXPECT_EQ(GridRows(d.Item(Trlm::kStringGrid2)), (UnitRows{{"1", "", "", "", ""}}));
        d.Click(Trlm::kRadioIp);
        EXPECT_TRUE(d.Visible(Trlm::kGroupBoxIp) && d.Visible(Trlm::kEditIP));
        d.SetText(Trlm::kEditPort, "7");
        d.SetText(Trlm::kEditIP, "10.0.0.7");
        d.SetText(Trlm::kEditComment, "");
        uses.push_back(UseRecordDialog(d, Trlm::kButton2Add, UnitFields{1, "12", "Пост 1", "10.0.0.50"}));
        uses.push_back(UseRecordDialog(d, Trlm::kButton2Add, UnitFields{2, "12", "Ворота", "gate.local"}));
        EXPECT_EQ(GridRows(d.Item(Trlm::kStringGrid2)),
                  (UnitRows{{"1", "МСД-2М, МСД-4М", "12", "Пост 1", "10.0.0.50"},
                            {"2", "ТРЛ-ЗН slave", "12", "Ворота", "gate.local"}}));
      },
      IDOK));
  EXPECT_FALSE(ipShownAtFirst);
  ASSERT_EQ(uses.size(), 2u);
  EXPECT_EQ(uses[0].caption, "Добавление записи");
  EXPECT_EQ(uses[0].buttons, (std::vector<std::string>{"ОК", "Отмена"}));
  EXPECT_EQ(uses[0].proposed, (UnitFields{0, "1", "", "127.0.0.1"}));
  EXPECT_EQ(uses[1].proposed, (UnitFields{0, "12", "", "127.0.0.1"}));  // the last address again

  // The first block takes the empty row; its units are in its row's section.
  EXPECT_EQ(Rows(), (BlockRows{{"1", "ТРЛ-МЕ", "COM7", "10.0.0.7", "Новый блок"}}));
  EXPECT_EQ(Handlers().CurrentBlock(), 1);
  EXPECT_TRUE(State().modified);
  EXPECT_EQ(Voice(), Crlf("[VoiceDevices:1]\n0=MSD,12,Пост 1,10.0.0.50\n1=TRLZN,12,Ворота,gate.local\n"));

  ASSERT_TRUE(Close());
  const std::string saved = SavedConf();
  EXPECT_NE(saved.find("[Devices]\r\n0=7,10.0.0.7\r\n;Новый блок\r\n"), std::string::npos) << saved;
  EXPECT_NE(saved.find("\r\n\r\n[VoiceDevices:1]\r\n0=MSD,12,Пост 1,10.0.0.50\r\n1=TRLZN,12,Ворота,gate.local\r\n"),
            std::string::npos)
      << saved;
}

TEST_F(BlockListWindowTest, AnIpBlockChangedToSerialLosesItsAddress) {
  StartWithBlocks(SampleConf(), "");
  ASSERT_EQ(Rows()[1], (BlockRow{"2", "ТРЛ-МЕ", "COM4", "192.168.1.201", "Store"}));
  SelectRow(2);
  EXPECT_EQ(Handlers().CurrentBlock(), 2);
  // A double-click on the row opens it, as "Изменить" does.
  RECT item{LVIR_BOUNDS, 0, 0, 0};
  SendMessageW(Grid1().hwnd(), LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
  const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
  ASSERT_TRUE(WithBlockDialog(
      [&] {
        SendMessageW(Grid1().hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(Grid1().hwnd(), WM_LBUTTONUP, 0, at);
        SendMessageW(Grid1().hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
        SendMessageW(Grid1().hwnd(), WM_LBUTTONUP, 0, at);
      },
      [&](const DialogSteps& d) {
        EXPECT_EQ(d.Describe().caption, "Изменение настроек ТРЛ");
        EXPECT_TRUE(d.Checked(Trlm::kRadioIp));
        EXPECT_TRUE(d.Visible(Trlm::kGroupBoxIp));
        EXPECT_EQ(d.Text(Trlm::kEditIP), "192.168.1.201");
        EXPECT_EQ(d.Text(Trlm::kEditPort), "4");
        EXPECT_EQ(d.Text(Trlm::kEditComment), "Store");
        d.Click(Trlm::kRadioSerial);
        EXPECT_FALSE(d.Visible(Trlm::kGroupBoxIp) || d.Visible(Trlm::kEditIP));
        EXPECT_EQ(d.Text(Trlm::kEditIP), "192.168.1.201");  // kept while hidden
      },
      IDOK));
  EXPECT_EQ(Rows()[1], (BlockRow{"2", "ТРЛ-М", "COM4", "", "Store"}));
  EXPECT_TRUE(State().modified);

  // Changed back, the dialog shows no address.
  std::string ipShown = "?";
  ASSERT_TRUE(WithBlockDialog(
      [&] { Click(Trl().ButtonEdit); },
      [&](const DialogSteps& d) {
        EXPECT_TRUE(d.Checked(Trlm::kRadioSerial));
        d.Click(Trlm::kRadioIp);
        ipShown = d.Text(Trlm::kEditIP);
      },
      IDCANCEL));
  EXPECT_EQ(ipShown, "");
  EXPECT_EQ(Rows()[1], (BlockRow{"2", "ТРЛ-М", "COM4", "", "Store"}));
}

TEST_F(BlockListWindowTest, CancellingAfterEditingUnitsLeavesVoiceIniAndTheGridAsTheyWere) {
  StartWithBlocks(SampleConf(), "");
  const std::string voice = dir.Read("voice.ini");
  ASSERT_EQ(Voice(), Crlf("[VoiceDevices:1]\n0=PVK,5,Door,10.0.0.9\n"));  // rebuilt at start
  const BlockRows rows = Rows();
  SelectRow(1);
  RecordUse change;
  ASSERT_TRUE(WithBlockDialog(
      [&] { Click(Trl().ButtonEdit); },
      [&](const DialogSteps& d) {
        const HWND grid = d.Item(Trlm::kStringGrid2);
        EXPECT_EQ(GridRows(grid), (UnitRows{{"1", "ПВК-ЗН, ГЛС", "5", "Door", "10.0.0.9"}}));
        ui::ListView(grid).Select(0);
        change = UseRecordDialog(d, Trlm::kButton3Change, UnitFields{1, "6", "Gate", "10.0.0.10"});
        UseRecordDialog(d, Trlm::kButton2Add, UnitFields{0, "7", "New", "h"});
        EXPECT_EQ(GridRows(grid).size(), 2u);
        ui::ListView(grid).Select(1);
        d.Click(Trlm::kButton4Delete);
        ui::ListView(grid).Select(0);
        d.Click(Trlm::kButton4Delete);
        EXPECT_EQ(GridRows(grid), (UnitRows{{"", "", "", "", ""}}));  // the only unit gone
      },
      IDCANCEL));
  EXPECT_EQ(change.caption, "Изменение записи");
  EXPECT_EQ(change.proposed, (UnitFields{0, "5", "Door", "10.0.0.9"}));
  EXPECT_EQ(dir.Read("voice.ini"), voice);
  EXPECT_EQ(Rows(), rows);
  EXPECT_FALSE(State().modified);
  // The dialog made for the next use starts again from voice.ini.
  ASSERT_TRUE(WithBlockDialog(
      [&] { Click(Trl().ButtonEdit); },
      [&](const DialogSteps& d) {
        EXPECT_EQ(GridRows(d.Item(Trlm::kStringGrid2)), (UnitRows{{"1", "ПВК-ЗН, ГЛС", "5", "Door", "10.0.0.9"}}));
      },
      IDCANCEL));
}

TEST_F(BlockListWindowTest, DeletingBlockTwoOfFourRenumbersTheRowsAndTheSections) {
  StartWithBlocks(ConfWithBlocks("0=1\n;A\n1=2\n;B\n2=3,10.0.0.3\n;C\n3=4\n;D\n",
                                 "[VoiceDevices:1]\n0=PVK,1,a,h1\n[VoiceDevices:2]\n0=PVK,2,b,h2\n"
                                 "[VoiceDevices:3]\n0=MSD,3,c,h3\n[VoiceDevices:4]\n0=TRLZN,4,d,h4\n"),
                  "");
  ASSERT_EQ(Rows().size(), 4u);
  SelectRow(2);
  Click(Trl().ButtonDel);
  EXPECT_EQ(Rows(), (BlockRows{{"1", "ТРЛ-М", "COM1", "", "A"},
                               {"2", "ТРЛ-МЕ", "COM3", "10.0.0.3", "C"},
                               {"3", "ТРЛ-М", "COM4", "", "D"}}));
  EXPECT_EQ(Handlers().CurrentBlock(), 2);
  EXPECT_EQ(Grid1().Selected(), 1);  // the row that moved up is the current one
  EXPECT_TRUE(State().modified);
  EXPECT_EQ(Voice(), Crlf("[VoiceDevices:1]\n0=PVK,1,a,h1\n[VoiceDevices:2]\n0=MSD,3,c,h3\n"
                          "[VoiceDevices:3]\n0=TRLZN,4,d,h4\n"));
  EXPECT_TRUE(watcher.Seen().empty());  // deleting asks nothing

  // A block added meanwhile is the current block, whichever row the grid keeps selected.
  ASSERT_TRUE(WithBlockDialog([&] { Click(Trl().ButtonAdd); }, [](const DialogSteps&) {}, IDOK));
  EXPECT_EQ(Rows().back(), (BlockRow{"4", "ТРЛ-М", "COM1", "", "Новый блок"}));
  EXPECT_EQ(Handlers().CurrentBlock(), 4);
  EXPECT_EQ(Grid1().Selected(), 1);

  // The moved block opens with its own units.
  ASSERT_TRUE(WithBlockDialog(
      [&] { Click(Trl().ButtonEdit); },
      [&](const DialogSteps& d) {
        EXPECT_EQ(GridRows(d.Item(Trlm::kStringGrid2)), (UnitRows{{"1", "МСД-2М, МСД-4М", "3", "c", "h3"}}));
      },
      IDCANCEL));

  ASSERT_TRUE(Close());
  const std::string saved = SavedConf();
  EXPECT_NE(saved.find("[Devices]\r\n0=1\r\n;A\r\n1=3,10.0.0.3\r\n;C\r\n2=4\r\n;D\r\n3=1\r\n;Новый блок\r\n"),
            std::string::npos)
      << saved;
  EXPECT_NE(saved.find("[VoiceDevices:2]\r\n0=MSD,3,c,h3\r\n[VoiceDevices:3]\r\n0=TRLZN,4,d,h4\r\n"),
            std::string::npos)
      << saved;
  EXPECT_EQ(saved.find("[VoiceDevices:4]"), std::string::npos) << saved;
}

TEST_F(BlockListWindowTest, TheLastRowIsNeverDeleted) {
  StartWithBlocks(ConfWithBlocks("0=1\n;Only\n", "[VoiceDevices:1]\n0=PVK,1,a,h1\n"), "");
  const std::string voice = dir.Read("voice.ini");
  Click(Trl().ButtonDel);
  EXPECT_EQ(Rows(), (BlockRows{{"1", "ТРЛ-М", "COM1", "", "Only"}}));
  EXPECT_EQ(dir.Read("voice.ini"), voice);
  EXPECT_TRUE(State().modified);
}

TEST_F(BlockListWindowTest, AVoiceIniThatCannotBeWrittenIsReportedInTheErrorBox) {
  StartWithBlocks(SampleConf(), "");
  ASSERT_TRUE(MakeReadOnly(dir.File("voice.ini")));
  const std::string voice = dir.Read("voice.ini");
  ASSERT_TRUE(WithBlockDialog(
      [&] { Click(Trl().ButtonAdd); },
      [](const DialogSteps& d) { UseRecordDialog(d, Trlm::kButton2Add, UnitFields{0, "3", "", "h"}); }, IDOK));
  // The block is in the grid; storing its units failed, and the window says so and goes on.
  EXPECT_EQ(Rows().size(), 3u);
  std::vector<SeenDialog> seen = watcher.Seen();
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[1].text, "Не удалось сохранить настройки в файл " + dir.File("voice.ini"));
  EXPECT_EQ(seen[1].icon, MessageIcon::kError);
  EXPECT_EQ(dir.Read("voice.ini"), voice);
  SetFileAttributesW(Widen(dir.File("voice.ini")).c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
}  // namespace zz::test
