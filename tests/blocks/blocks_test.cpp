#include <gtest/gtest.h>

#include "block_list.h"
#include "block_texts.h"
#include "unit_list.h"

namespace zz {
namespace {

TEST(BlockList, AddingFillsTheEmptyRowFirstAndNumbersEveryRow) {
  BlockRows rows(1);
  BlockDialogData dialog = NewBlockDialog();
  EXPECT_EQ(dialog.caption, "Добавить блок ТРЛ");
  EXPECT_EQ(dialog.comment, "Новый блок");
  EXPECT_EQ(dialog.ip, "192.168.1.201");
  EXPECT_EQ(dialog.port, 1);
  EXPECT_EQ(dialog.typeIndex, 0);

  dialog.typeIndex = 1;
  dialog.port = 7;
  EXPECT_EQ(AddBlock(rows, dialog), 1);
  dialog.typeIndex = 0;
  dialog.comment = "";
  EXPECT_EQ(AddBlock(rows, dialog), 2);
  EXPECT_EQ(rows, (BlockRows{{"1", "ТРЛ-МЕ", "COM7", "192.168.1.201", "Новый блок"},
                             {"2", "ТРЛ-М", "COM7", "", "Новый блок"}}));
}

TEST(BlockList, TheDialogReadsARowAndWritesItBack) {
  struct Case {
    BlockRow row;
    int type, port;
  } cases[] = {
      {{"1", "ТРЛ-М", "COM7", "", "a"}, 0, 7},
      {{"2", "ТРЛ-МЕ", "COM12", "10.0.0.1", "b"}, 1, 12},
      {{"3", "", "CO", "", ""}, 1, 0},  // an empty type cell opens as ТРЛ-МЕ
      {{"4", "ТРЛ-М", "COMx5", "", ""}, 0, 0},
  };
  for (const Case& c : cases) {
    BlockDialogData d = BlockDialogFromRow(c.row);
    EXPECT_EQ(d.typeIndex, c.type) << c.row[2];
    EXPECT_EQ(d.port, c.port) << c.row[2];
    EXPECT_EQ(d.caption, "Изменение настроек ТРЛ");
  }
  // ТРЛ-МЕ changed to ТРЛ-М loses its address; changed back, the dialog shows none.
  BlockRow row{"2", "ТРЛ-МЕ", "COM2", "10.0.0.1", "x"};
  BlockDialogData d = BlockDialogFromRow(row);
  d.typeIndex = 0;
  EXPECT_EQ(WriteBlockRow(row, d), "x");
  EXPECT_EQ(row, (BlockRow{"2", "ТРЛ-М", "COM2", "", "x"}));
  EXPECT_EQ(BlockDialogFromRow(row).ip, "");
  d.comment = "";
  EXPECT_EQ(WriteBlockRow(row, d), "Новый блок");
}

TEST(BlockList, DeletingMovesTheLaterRowsUpAndKeepsTheLastRow) {
  BlockRows rows;
  for (int i = 1; i <= 4; ++i) rows.push_back({std::to_string(i), "ТРЛ-М", "COM" + std::to_string(i), "", ""});
  EXPECT_FALSE(DeleteBlock(rows, 0));
  EXPECT_FALSE(DeleteBlock(rows, 5));
  EXPECT_TRUE(DeleteBlock(rows, 2));
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[1], (BlockRow{"2", "ТРЛ-М", "COM3", "", ""}));
  EXPECT_EQ(rows[2], (BlockRow{"3", "ТРЛ-М", "COM4", "", ""}));
  EXPECT_TRUE(DeleteBlock(rows, 1));
  EXPECT_TRUE(DeleteBlock(rows, 1));
  EXPECT_FALSE(DeleteBlock(rows, 1));
  EXPECT_EQ(rows, (BlockRows{{"1", "ТРЛ-М", "COM4", "", ""}}));
}

TEST(UnitList, ChecksOfAddingAndChangingInTheirOrders) {
  struct Case {
    const char* address;
    const char* name;
    const char* host;
    UnitCheck add;
    const char* addMessage;
    UnitCheck change;
    const char* changeMessage;
  } cases[] = {
      {"1", "Пост", "10.0.0.1", UnitCheck::kAccepted, "", UnitCheck::kAccepted, ""},
      {"255", "", "h", UnitCheck::kAccepted, "", UnitCheck::kAccepted, ""},
      {"256", "", "h", UnitCheck::kRefused, kAddBadAddress, UnitCheck::kRefused, kChangeBadAddress},
      {"0", "", "h", UnitCheck::kRefused, kAddBadAddress, UnitCheck::kRefused, kChangeBadAddress},
      {"00", "", "h", UnitCheck::kRefused, kAddBadAddress, UnitCheck::kRefused, kChangeBadAddress},
      {"", "", "h", UnitCheck::kRefused, kAddIncomplete, UnitCheck::kRefused, kChangeBadAddress},
      {"5", "", "", UnitCheck::kRefused, kAddIncomplete, UnitCheck::kRefused, kChangeIncomplete},
      {"0", "", "", UnitCheck::kRefused, kAddIncomplete, UnitCheck::kRefused, kChangeBadAddress},
      {"300", "", "", UnitCheck::kRefused, kAddIncomplete, UnitCheck::kRefused, kChangeBadAddress},
      {" 12 ", "", "h", UnitCheck::kAccepted, "", UnitCheck::kAccepted, ""},
      {"1a", "", "h", UnitCheck::kInvalidNumber, "'1a' is not a valid integer value", UnitCheck::kInvalidNumber,
       "'1a' is not a valid integer value"},
      {"7", "Пост 1, ворота", "h", UnitCheck::kRefused, kAddCommaInName, UnitCheck::kRefused, kChangeCommaInName},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.address) + "|" + c.name + "|" + c.host);
    UnitFields f{0, c.address, c.name, c.host};
    UnitCheckResult add = CheckNewUnit(f), change = CheckChangedUnit(f);
    EXPECT_EQ(add.check, c.add);
    EXPECT_EQ(add.message, c.addMessage);
    EXPECT_EQ(change.check, c.change);
    EXPECT_EQ(change.message, c.changeMessage);
  }
}

TEST(UnitList, TheRecordDialogProposesTheLastAddressAndTheType) {
  UnitFields previous{2, "12", "Ворота", "10.0.0.9"};
  UnitFields next = NewUnitFields(previous);
  EXPECT_EQ(next.address, "12");
  EXPECT_EQ(next.name, "");
  EXPECT_EQ(next.host, "127.0.0.1");
  EXPECT_EQ(next.typeIndex, 0);
  EXPECT_EQ(NewUnitFields({1, "0", "", ""}).address, "1");
  EXPECT_EQ(NewUnitFields({1, "", "", ""}).address, "1");

  EXPECT_EQ(UnitTypeIndex("ПВК-ЗН, ГЛС"), 0);
  EXPECT_EQ(UnitTypeIndex("  МСД"), 1);
  EXPECT_EQ(UnitTypeIndex("ТРЛ-ЗН slave"), 2);
  EXPECT_EQ(UnitTypeIndex("ПВ"), 2);
  EXPECT_EQ(UnitFieldsFromRow({"3", "Прочее", "9", "n", "h"}).typeIndex, 2);
}

TEST(UnitList, AddingAndDeletingRows) {
  UnitRows rows(1);
  EXPECT_TRUE(IsEmptyUnitList(rows));
  EXPECT_FALSE(DeleteUnit(rows, 0));  // nothing to delete in an empty list
  EXPECT_EQ(AddUnit(rows, {0, "5", "a", "h1"}), 0u);
  EXPECT_EQ(AddUnit(rows, {1, " 6", "b ", "h2"}), 1u);
  EXPECT_EQ(rows, (UnitRows{{"1", "ПВК-ЗН, ГЛС", "5", "a", "h1"}, {"2", "МСД-2М, МСД-4М", " 6", "b ", "h2"}}));
  EXPECT_TRUE(DeleteUnit(rows, 0));
  EXPECT_EQ(rows, (UnitRows{{"1", "МСД-2М, МСД-4М", " 6", "b ", "h2"}}));
  EXPECT_TRUE(DeleteUnit(rows, 0));  // the only unit leaves an empty, unnumbered row
  EXPECT_EQ(rows, UnitRows(1));
  EXPECT_EQ(AddUnit(rows, {2, "9", "", "h"}), 0u);
  EXPECT_EQ(rows, (UnitRows{{"1", "ТРЛ-ЗН slave", "9", "", "h"}}));
  EXPECT_FALSE(DeleteUnit(rows, 3));
}

}  // namespace
}  // namespace zz
