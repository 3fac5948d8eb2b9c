// The block list and the block dialog as their user meets them with the mouse and the
// keyboard: Enter at the dialog's opening, the type's arrows, a clean window after resizing,
// the grids' current row, and the block list's scroll bars.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "blocks_window_fixture.h"
#include "layout_check.h"
#include "real_input.h"
#include "utrlm.h"

namespace zz::test {
namespace {

using Trlm = TFormTRLM;
using BlockInputTest = BlocksWindowTest;

// The divider at the right edge of a column's header, in the list's window.
POINT Divider(HWND list, int column) {
  RECT r{};
  Header_GetItemRect(ListView_GetHeader(list), column, &r);
  return {r.right - 1, (r.top + r.bottom) / 2};
}

// A point in the empty area below the rows of a list: near its bottom edge.
POINT BelowTheRows(HWND list) {
  RECT r{};
  GetClientRect(list, &r);
  return {r.right / 2, r.bottom - 6};
}

TEST_F(BlockInputTest, EnterAtTheBlockDialogsOpeningCancelsAndInAFieldConfirms) {
  StartWithBlocks(SampleConf(), "[VoiceDevices:1]\n0=PVK,5,Door,10.0.0.9\n");
  const BlockRows before = Rows();
  const std::string voice = Voice();
  ASSERT_TRUE(WithBlockDialog([&] { Click(Trl().ButtonAdd); },
                              [&](const DialogSteps& d) {
                                BringToFront(d.hwnd());
                                ASSERT_TRUE(FocusReaches(d.Item(IDCANCEL)));  // the dialog opens there
                                EXPECT_EQ(GetWindowLongW(d.Item(IDCANCEL), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
                                PressKey(VK_RETURN);
                                EXPECT_TRUE(Gone(d.hwnd()));
                              },
                              IDCANCEL));
  Pump(100);
  EXPECT_EQ(Rows(), before);
  EXPECT_EQ(Voice(), voice);
  EXPECT_FALSE(State().modified);

  // Enter in the comment confirms, as OK is the default there.
  ASSERT_TRUE(WithBlockDialog([&] { Click(Trl().ButtonAdd); },
                              [&](const DialogSteps& d) {
                                BringToFront(d.hwnd());
                                ClickAt(d.Item(Trlm::kEditComment));
                                EXPECT_TRUE(FocusReaches(d.Item(Trlm::kEditComment)));
                                d.Settle();
                                EXPECT_EQ(GetWindowLongW(d.Item(IDOK), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
                                PressKey(VK_RETURN);
                                EXPECT_TRUE(Gone(d.hwnd()));
                              },
                              IDCANCEL));
  Pump(100);
  ASSERT_EQ(Rows().size(), before.size() + 1);
  EXPECT_EQ(Rows().back()[4], "Новый блок");
}

TEST_F(BlockInputTest, TheArrowKeysChooseTheBlockType) {
  StartWithBlocks(SampleConf(), "");
  bool ipAfterDown = false, ipAfterUp = true;
  ASSERT_TRUE(WithBlockDialog([&] { Click(Trl().ButtonAdd); },
                              [&](const DialogSteps& d) {
                                BringToFront(d.hwnd());
                                ClickAt(d.Item(Trlm::kRadioSerial));
                                EXPECT_TRUE(FocusReaches(d.Item(Trlm::kRadioSerial)));
                                PressKey(VK_DOWN);
                                EXPECT_TRUE(FocusReaches(d.Item(Trlm::kRadioIp)));
                                d.Settle();
                                ipAfterDown = d.Checked(Trlm::kRadioIp) && d.Visible(Trlm::kGroupBoxIp);
                                PressKey(VK_UP);
                                EXPECT_TRUE(FocusReaches(d.Item(Trlm::kRadioSerial)));
                                d.Settle();
                                ipAfterUp = d.Checked(Trlm::kRadioIp) || d.Visible(Trlm::kGroupBoxIp);
                              },
                              IDCANCEL));
  EXPECT_TRUE(ipAfterDown);
  EXPECT_FALSE(ipAfterUp);
}

TEST_F(BlockInputTest, TheBlockDialogIsCleanAfterResizingToAnyHeight) {
  StartWithBlocks(SampleConf(), "[VoiceDevices:1]\n0=PVK,5,Door,10.0.0.9\n1=MSD,6,Gate,10.0.0.10\n");
  SelectRow(1);
  int dirty = 0;
  ASSERT_TRUE(WithBlockDialog([&] { Click(Trl().ButtonEdit); },
                              [&](const DialogSteps& d) {
                                HWND h = d.hwnd();
                                RECT r{};
                                GetWindowRect(h, &r);
                                for (int height : {900, 610, 760, 640}) {
                                  SetWindowPos(h, nullptr, 0, 0, r.right - r.left, height, SWP_NOMOVE | SWP_NOZORDER);
                                  d.Settle();
                                  Sleep(150);
                                  d.Settle();
                                  const std::vector<std::uint32_t> shown = Picture(h);
                                  RedrawWindow(h, nullptr, nullptr,
                                               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
                                  d.Settle();
                                  Sleep(150);
                                  d.Settle();
                                  if (Picture(h) != shown) ++dirty;
                                }
                              },
                              IDCANCEL));
  EXPECT_EQ(dirty, 0) << "sizes whose window differed from a full repaint";
}

TEST_F(BlockInputTest, AClickBelowTheRowsKeepsTheCurrentRowOfEitherGrid) {
  StartWithBlocks(ConfWithBlocks("0=1\n;Hall\n1=4,192.168.1.201\n;Store\n", "[VoiceDevices:2]\n0=PVK,5,Door,10.0.0.9\n"),
                  "");
  BringToFront(Form().hwnd());
  SelectRow(2);
  ClickAt(Grid1().hwnd(), BelowTheRows(Grid1().hwnd()));
  Pump(150);
  EXPECT_EQ(Grid1().Selected(), 1);
  Click(Trl().ButtonDel);  // deletes the row still current
  EXPECT_EQ(Rows().size(), 1u);
  EXPECT_EQ(Rows()[0][4], "Hall");
  EXPECT_EQ(Voice(), "");

  WriteVoice("[VoiceDevices:1]\n0=PVK,5,Door,10.0.0.9\n1=MSD,6,Gate,10.0.0.10\n");
  SelectRow(1);
  int selectedAfterClick = -1;
  UnitRows left;
  ASSERT_TRUE(WithBlockDialog([&] { Click(Trl().ButtonEdit); },
                              [&](const DialogSteps& d) {
                                HWND grid = d.Item(Trlm::kStringGrid2);
                                ui::ListView(grid).Select(0);
                                BringToFront(d.hwnd());
                                ClickAt(grid, BelowTheRows(grid));
                                EXPECT_TRUE(FocusReaches(grid));
                                d.Settle();
                                selectedAfterClick = ui::ListView(grid).Selected();
                                d.Click(Trlm::kButton4Delete);
                                left = GridRows(grid);
                              },
                              IDCANCEL));
  EXPECT_EQ(selectedAfterClick, 0);
  EXPECT_EQ(left, (UnitRows{{"1", "МСД-2М, МСД-4М", "6", "Gate", "10.0.0.10"}}));
}

TEST_F(BlockInputTest, APortTypedOutsideItsRangeIsTakenAtTheNearerEnd) {
  StartWithBlocks(SampleConf(), "");
  ASSERT_TRUE(WithBlockDialog([&] { Click(Trl().ButtonAdd); },
                              [&](const DialogSteps& d) { d.SetText(Trlm::kEditPort, "300"); }, IDOK));
  EXPECT_EQ(Rows().back()[2], "COM255");
}

// A column of the unit list dragged narrower than its header stops at it; one dragged wider
// keeps its width in the next dialog.
TEST_F(BlockInputTest, AColumnStopsAtItsHeaderAndKeepsTheWidthItWasDraggedTo) {
  StartWithBlocks(ConfWithManyUnits(255), "");
  int widened = 0;
  std::vector<std::string> findings;
  ASSERT_TRUE(WithBlockDialog(
      [&] {
        BringToFront(Form().hwnd());
        ClickAt(Grid1().hwnd(), OnRow(Grid1().hwnd(), 0));
        PressKey(VK_RETURN);  // on the block list: the block's dialog
      },
      [&](const DialogSteps& d) {
        const HWND grid = d.Item(Trlm::kStringGrid2);
        const ui::ListView list(grid);
        d.Settle();
        BringToFront(d.hwnd());
        const POINT name = Divider(grid, 3);
        RECT listOnScreen{}, dialogOnScreen{};
        GetWindowRect(grid, &listOnScreen);
        GetWindowRect(d.hwnd(), &dialogOnScreen);
        const POINT shift{listOnScreen.left - dialogOnScreen.left, listOnScreen.top - dialogOnScreen.top};
        Drag(d.hwnd(), {shift.x + name.x, shift.y + name.y}, {shift.x + name.x - 100, shift.y + name.y});
        d.Settle();
        Sleep(100);
        d.Settle();
        findings = LayoutFindings(d.hwnd());
        const int before = list.ColumnWidth(2);
        const POINT address = Divider(grid, 2);
        Drag(d.hwnd(), {shift.x + address.x, shift.y + address.y}, {shift.x + address.x + 60, shift.y + address.y});
        d.Settle();
        Sleep(100);
        d.Settle();
        widened = list.ColumnWidth(2) - before;
      },
      IDCANCEL));
  for (const std::string& f : findings) ADD_FAILURE() << f;
  EXPECT_GT(widened, 40);

  int addressWidth = 0;
  const int kept = MulDiv(Trl().unitColumns[2], Form().Dpi(), 96);
  ASSERT_TRUE(WithBlockDialog([&] { Click(Trl().ButtonEdit); },
                              [&](const DialogSteps& d) {
                                addressWidth = ui::ListView(d.Item(Trlm::kStringGrid2)).ColumnWidth(2);
                              },
                              IDCANCEL));
  EXPECT_NEAR(addressWidth, kept, 1);
  EXPECT_GE(addressWidth, MulDiv(kUnitGridWidths[2], Form().Dpi(), 96) + 40);
}

TEST_F(BlockInputTest, ManyBlocksBringOnlyAVerticalScrollBar) {
  std::string devices;
  for (int b = 0; b < 25; ++b) devices += std::to_string(b) + "=" + std::to_string(b + 1) + ",10.0.0." + std::to_string(b) + "\n;Блок\n";
  StartWithBlocks(ConfWithBlocks(devices, ""), "");
  ASSERT_EQ(Rows().size(), 25u);
  const LONG style = GetWindowLongW(Grid1().hwnd(), GWL_STYLE);
  EXPECT_TRUE(style & WS_VSCROLL);
  EXPECT_FALSE(style & WS_HSCROLL);
  // The widths the block list starts with, where its headers and texts fit them; the comment
  // column gives up what the others took beyond them.
  const int widths[] = {48, 81, 69, 132};
  for (int c = 0; c < 4; ++c)
    EXPECT_EQ(Grid1().ColumnWidth(c), std::max(widths[c] * Form().Dpi() / 96, Trl().StringGrid1Columns.Minimum(c))) << c;
  EXPECT_GE(Grid1().ColumnWidth(4), Trl().StringGrid1Columns.Minimum(4));
  EXPECT_GE(Grid1().ColumnWidth(4), (245 - 30) * Form().Dpi() / 96);
}

}  // namespace
}  // namespace zz::test
