// The block dialog and the record dialog as real windows: size rules, controls, tab order,
// the record dialog's checks met as real message boxes, and its address key filter.
#include <gtest/gtest.h>

#include "block_texts.h"
#include "blocks_window_fixture.h"
#include "utrlm.h"

namespace zz::test {
namespace {

using Trlm = TFormTRLM;
using Input = TFormInput;
using BlockDialogsWindowTest = BlocksWindowTest;

RECT WindowBounds(HWND h) {
  RECT r{};
  GetWindowRect(h, &r);
  return r;
}

POINT Centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// The controls that Tab visits from the first, by their identifiers.
std::vector<int> TabOrder(HWND dialog) {
  std::vector<int> ids;
  HWND first = GetNextDlgTabItem(dialog, nullptr, FALSE);
  for (HWND h = first; h && ids.size() < 30; h = GetNextDlgTabItem(dialog, h, FALSE)) {
    ids.push_back(GetDlgCtrlID(h));
    if (GetNextDlgTabItem(dialog, h, FALSE) == first) break;
  }
  return ids;
}

TEST_F(BlockDialogsWindowTest, TheBlockDialogIsFixedInWidthAndGrowsItsUnitListInHeight) {
  StartWithBlocks(SampleConf(), "");
  const POINT mainCentre = Centre(WindowBounds(Form().hwnd()));
  RECT first{}, shrunk{}, grown{}, gridFirst{}, gridGrown{}, addFirst{}, addGrown{};
  LONG style = 0;
  std::vector<int> tabs;
  std::vector<std::pair<std::string, int>> columns;
  int portMin = 0, portMax = 0;
  ASSERT_TRUE(WithBlockDialog(
      [&] { Click(Trl().ButtonAdd); },
      [&](const DialogSteps& d) {
        HWND h = d.hwnd();
        style = GetWindowLongW(h, GWL_STYLE);
        first = WindowBounds(h);
        gridFirst = WindowBounds(d.Item(Trlm::kStringGrid2));
        addFirst = WindowBounds(d.Item(Trlm::kButton2Add));
        tabs = TabOrder(h);
        ui::ListView grid(d.Item(Trlm::kStringGrid2));
        for (int c = 0; c < grid.ColumnCount(); ++c) columns.emplace_back(grid.ColumnText(c), grid.ColumnWidth(c));
        ui::UpDown(d.Item(Trlm::kUpDownPort)).GetRange(portMin, portMax);
        SetWindowPos(h, nullptr, 0, 0, 400, 300, SWP_NOMOVE | SWP_NOZORDER);
        shrunk = WindowBounds(h);
        SetWindowPos(h, nullptr, 0, 0, 700, 760, SWP_NOMOVE | SWP_NOZORDER);
        grown = WindowBounds(h);
        d.Settle();
        gridGrown = WindowBounds(d.Item(Trlm::kStringGrid2));
        addGrown = WindowBounds(d.Item(Trlm::kButton2Add));
      },
      IDCANCEL));
  EXPECT_EQ(first.right - first.left, 550);
  EXPECT_EQ(first.bottom - first.top, 640);
  const POINT dialogCentre = Centre(first);
  EXPECT_LE(std::abs(dialogCentre.x - mainCentre.x), 1);
  EXPECT_LE(std::abs(dialogCentre.y - mainCentre.y), 1);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_THICKFRAME);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_EQ(shrunk.right - shrunk.left, 550);
  EXPECT_EQ(shrunk.bottom - shrunk.top, 600);
  EXPECT_EQ(grown.right - grown.left, 550);
  EXPECT_EQ(grown.bottom - grown.top, 760);
  EXPECT_EQ((gridGrown.bottom - gridGrown.top) - (gridFirst.bottom - gridFirst.top), 120);
  EXPECT_EQ(gridGrown.right - gridGrown.left, gridFirst.right - gridFirst.left);
  EXPECT_EQ(addGrown.top - addFirst.top, 120);
  EXPECT_EQ(addFirst.right - addFirst.left, 97);
  EXPECT_EQ(addFirst.bottom - addFirst.top, 33);
  EXPECT_EQ(portMin, 1);
  EXPECT_EQ(portMax, 255);
  // Serial type: the hidden IP field is skipped.
  EXPECT_EQ(tabs, (std::vector<int>{IDCANCEL, IDOK, Trlm::kRadioSerial, Trlm::kEditPort, Trlm::kEditComment,
                                    Trlm::kStringGrid2, Trlm::kButton2Add, Trlm::kButton3Change,
                                    Trlm::kButton4Delete}));
  ASSERT_EQ(columns.size(), 5u);
  // The design's widths, or wider where a header or what the column shows needs it; the last
  // column gives up what the others took beyond them.
  for (std::size_t c = 0; c < 5; ++c) {
    EXPECT_EQ(columns[c].first, kUnitGridHeaders[c]);
    EXPECT_GE(columns[c].second, c < 4 ? kUnitGridWidths[c] : kUnitGridWidths[c] - 40) << c;
  }
}

TEST_F(BlockDialogsWindowTest, TheRecordDialogHasItsFieldsTabOrderAndPlace) {
  StartWithBlocks(SampleConf(), "");
  RECT blockBounds{}, recordBounds{}, client{}, name{};
  std::vector<int> tabs;
  std::vector<std::string> items;
  int min = 0, max = 0;
  ASSERT_TRUE(WithBlockDialog(
      [&] { Click(Trl().ButtonAdd); },
      [&](const DialogSteps& d) {
        blockBounds = WindowBounds(d.hwnd());
        HWND h = d.Open(Trlm::kButton2Add);
        ASSERT_NE(h, nullptr);
        DialogSteps record(h);
        recordBounds = WindowBounds(h);
        GetClientRect(h, &client);
        name = WindowBounds(record.Item(Input::kEditName));
        tabs = TabOrder(h);
        ui::ComboBox combo(record.Item(Input::kComboBox1));
        for (int i = 0; i < combo.Count(); ++i) items.push_back(combo.ItemText(i));
        ui::UpDown(record.Item(Input::kUpDown1)).GetRange(min, max);
        record.Close(IDCANCEL);
        d.Settle();
      },
      IDCANCEL));
  EXPECT_EQ(client.right, 275);
  EXPECT_EQ(client.bottom, 236);
  EXPECT_LE(std::abs(Centre(recordBounds).x - Centre(blockBounds).x), 1);
  EXPECT_LE(std::abs(Centre(recordBounds).y - Centre(blockBounds).y), 1);
  EXPECT_EQ(name.right - name.left, 260);
  EXPECT_EQ(tabs, (std::vector<int>{Input::kComboBox1, Input::kEditType, Input::kEditName, Input::kEditIP, IDOK,
                                    IDCANCEL}));
  EXPECT_EQ(items, (std::vector<std::string>{"ПВК-ЗН, ГЛС", "МСД-2М, МСД-4М", "ТРЛ-ЗН slave"}));
  EXPECT_EQ(min, 1);
  EXPECT_EQ(max, 255);
}

TEST_F(BlockDialogsWindowTest, TheRecordDialogsChecksAreMetAsMessageBoxes) {
  StartWithBlocks(SampleConf(), "");
  struct Attempt {
    int button;  // Button2Add or Button3Change
    UnitFields typed;
    const char* message;  // "" when the unit is taken
    MessageIcon icon;
  };
  const Attempt attempts[] = {
      {Trlm::kButton2Add, {0, "", "", "h"}, "Вы заполнили не все данные. Запись не будет добавлена", MessageIcon::kNone},
      {Trlm::kButton2Add, {0, "0", "", "h"}, "Не верно задан ВЛТ адрес. Запись не будет добавлена", MessageIcon::kNone},
      {Trlm::kButton2Add, {0, "256", "", "h"}, "Не верно задан ВЛТ адрес. Запись не будет добавлена",
       MessageIcon::kNone},
      {Trlm::kButton2Add, {0, "7", "a,b", "h"},
       "Наименование не должно содержать запятую. Запись не будет добавлена", MessageIcon::kNone},
      {Trlm::kButton2Add, {0, "12x", "", "h"}, "'12x' is not a valid integer value", MessageIcon::kError},
      {Trlm::kButton2Add, {1, "255", "Пост", "h"}, "", MessageIcon::kNone},
      {Trlm::kButton3Change, {1, "", "", "h"}, "Не верно задан ВЛТ адрес. Запись не будет изменена",
       MessageIcon::kNone},
      {Trlm::kButton3Change, {1, "5", "", ""}, "Вы заполнили не все данные. Запись не будет изменена",
       MessageIcon::kNone},
      {Trlm::kButton3Change, {1, "5", "x,y", "h"},
       "Наименование не должно содержать запятую. Запись не будет изменена", MessageIcon::kNone},
      {Trlm::kButton3Change, {2, "9", "Ворота", "gate"}, "", MessageIcon::kNone},
  };
  std::vector<RecordUse> uses;
  std::vector<UnitRows> after;
  ASSERT_TRUE(WithBlockDialog(
      [&] { Click(Trl().ButtonAdd); },
      [&](const DialogSteps& d) {
        const HWND grid = d.Item(Trlm::kStringGrid2);
        for (const Attempt& a : attempts) {
          if (a.button == Trlm::kButton3Change) ui::ListView(grid).Select(0);
          uses.push_back(UseRecordDialog(d, a.button, a.typed, IDOK, *a.message != '\0'));
          after.push_back(GridRows(grid));
        }
      },
      IDCANCEL));
  ASSERT_EQ(uses.size(), std::size(attempts));
  const UnitRows added{{"1", "МСД-2М, МСД-4М", "255", "Пост", "h"}};
  for (std::size_t i = 0; i < uses.size(); ++i) {
    const Attempt& a = attempts[i];
    SCOPED_TRACE(i);
    ASSERT_TRUE(uses[i].opened);
    if (*a.message) {
      ASSERT_TRUE(uses[i].message.has_value());
      EXPECT_EQ(uses[i].message->text, a.message);
      EXPECT_EQ(uses[i].message->caption, "zurerizeda");
      EXPECT_EQ(uses[i].message->icon, a.icon);
    } else {
      EXPECT_FALSE(uses[i].message.has_value());
    }
  }
  // Refused records leave the list as it was: the fresh dialog's empty row, numbered.
  EXPECT_EQ(after[4], (UnitRows{{"1", "", "", "", ""}}));
  EXPECT_EQ(after[5], added);
  EXPECT_EQ(after[8], added);
  EXPECT_EQ(after[9], (UnitRows{{"1", "ТРЛ-ЗН slave", "9", "Ворота", "gate"}}));
  // Changing proposes the row; adding after a refused "0" proposes "1", after "256" that again.
  EXPECT_EQ(uses[6].proposed, (UnitFields{1, "255", "Пост", "h"}));
  EXPECT_EQ(uses[2].proposed.address, "1");
  EXPECT_EQ(uses[3].proposed.address, "256");
}

TEST_F(BlockDialogsWindowTest, TheAddressTakesOnlyDigitsAndTheRecordDialogKeepsWhatAUseLeft) {
  StartWithBlocks(SampleConf(), "");
  std::string typed;
  RecordUse next;
  int beepsWhileTyping = 0;
  ASSERT_TRUE(WithBlockDialog(
      [&] { Click(Trl().ButtonAdd); },
      [&](const DialogSteps& d) {
        HWND h = d.Open(Trlm::kButton2Add);
        ASSERT_NE(h, nullptr);
        DialogSteps record(h);
        record.SetText(Input::kEditType, "");
        const int before = beeper.beeps;
        for (unsigned ch : {unsigned{'4'}, unsigned{'a'}, unsigned{' '}, 0x16u, 0x0Du, unsigned{'2'}, 0x416u, 8u,
                            unsigned{'7'}})
          record.Type(Input::kEditType, ch);
        beepsWhileTyping = beeper.beeps - before;
        typed = record.Text(Input::kEditType);
        SendMessageTimeoutW(record.Item(Input::kComboBox1), CB_SETCURSEL, 2, 0, SMTO_NORMAL, 5000, nullptr);
        record.SetText(Input::kEditName, "left behind");
        record.Close(IDCANCEL);
        d.Settle();
        next = UseRecordDialog(d, Trlm::kButton2Add, std::nullopt, IDCANCEL);
      },
      IDCANCEL));
  EXPECT_EQ(beepsWhileTyping, 5);
  EXPECT_EQ(typed, "47");
  // The cancelled use left its address; a new add clears the name and resets the type.
  EXPECT_EQ(next.proposed, (UnitFields{0, "47", "", "127.0.0.1"}));
  EXPECT_EQ(formInput.fields, (UnitFields{0, "47", "", "127.0.0.1"}));
}

}  // namespace
}  // namespace zz::test
