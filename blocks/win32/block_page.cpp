#include "block_page.h"

#include "page_texts.h"
#include "block_texts.h"

namespace zz {

namespace {

constexpr int ColumnsWidth() {
  int sum = 0;
  for (int w : kBlockGridWidths) sum += w;
  return sum;
}
// The columns, a vertical scroll bar and the sunken edges, with a little to spare for rounding.
constexpr int kBlockGridWidth = 600;
static_assert(kBlockGridWidth >= ColumnsWidth() + ui::kDesignScrollBarWidth + 4, "the grid holds its columns and a scroll bar");

void Call(const std::function<void()>& handler) {
  if (handler) handler();
}

// Besides its header, each column shows whole the longest text it can hold: a block number
// and a port up to 255, the longer type name.
GridColumns::Texts BlockGridTexts() { return {{{"255"}, {kBlockTypeIp}, {"COM255"}, {}, {}}}; }

}  // namespace

BlockPage::BlockPage(PageContext& context)
    : Page(context), StringGrid1Columns(kBlockGridHeaders, kBlockGridWidths, BlockGridTexts()),
      unitColumns(kUnitGridWidths) {}

void BlockPage::CreateFields() {
  // The grid is as wide as its starting columns and a vertical scroll bar: with many blocks
  // only the vertical bar appears.
  Group(text::kGroupBlocks, {16, 48, 612, 300});
  NameNext(text::kGroupBlocks);
  StringGrid1 = BlockGridField(Grid({22, 70, kBlockGridWidth, 266}, LVS_SINGLESEL, StringGrid1Columns));
  StringGrid1.SetRows({});
  ButtonEdit = PushButton(text::kButtonEdit, {633, 70, 185, 41});
  ButtonAdd = PushButton(text::kButtonAdd, {633, 119, 185, 41});
  ButtonDel = PushButton(text::kButtonDel, {633, 168, 185, 41});

  Group(text::kGroupVoise, {16, 360, 608, 56});
  NameNext(text::kGroupVoise);
  ComboBoxVoise.Attach(DropDown({28, 384, 120, 21}, text::kHintVoise));
  CheckBoxDeviceSettingsRTS.Attach(CheckBox(text::kCheckRts, {16, 430, 300, 20}));
  Button1Def = PushButton(text::kDefaultsButton, {633, 500, 185, 41});
}

void BlockPage::OnCommand(HWND control, int code) {
  if (code != BN_CLICKED) return;
  if (control == ButtonEdit.hwnd()) Call(onEdit);
  if (control == ButtonAdd.hwnd()) Call(onAdd);
  if (control == ButtonDel.hwnd()) Call(onDel);
  if (control == Button1Def.hwnd()) Call(onDefaults);
}

bool BlockPage::OnEnter(HWND focus) {
  if (focus != StringGrid1.control().hwnd()) return false;
  Call(onEdit);  // as a double-click on the row
  return true;
}

LRESULT BlockPage::OnNotify(const NMHDR& header) {
  if (header.hwndFrom != StringGrid1.control().hwnd()) return 0;
  if (header.code == NM_DBLCLK) {
    Call(onEdit);
  } else if (header.code == LVN_ITEMCHANGED) {
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    if ((change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED) && onSelectRow)
      onSelectRow(change.iItem + 1);
  }
  return 0;
}

}  // namespace zz
