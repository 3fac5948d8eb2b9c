#include "block_page.h"

#include "app_texts.h"
#include "block_texts.h"

namespace zz {

namespace {

void Call(const std::function<void()>& handler) {
  if (handler) handler();
}

}  // namespace

void BlockPage::CreateFields() {
  Group(text::kGroupBlocks, {16, 48, 608, 300});
  ui::ListView grid(ui::CreateControl(
      WC_LISTVIEWW, "", WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER,
      WS_EX_CLIENTEDGE, {28, 70, 584, 266}, hwnd(), 901, ctx_.font));
  grid.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  for (std::size_t c = 0; c < kBlockGridHeaders.size(); ++c)
    grid.InsertColumn(static_cast<int>(c), kBlockGridHeaders[c], kBlockGridWidths[c]);
  StringGrid1 = BlockGridField(grid);
  StringGrid1.SetRows({});
  ButtonEdit = PushButton(text::kButtonEdit, {633, 70, 185, 41});
  ButtonAdd = PushButton(text::kButtonAdd, {633, 119, 185, 41});
  ButtonDel = PushButton(text::kButtonDel, {633, 168, 185, 41});

  Group(text::kGroupVoise, {16, 360, 608, 56});
  ComboBoxVoise = ComboField(DropDown({28, 384, 120, 21}, kYesNoItems, text::kHintVoise));
  CheckBoxDeviceSettingsRTS = CheckField(CheckBox(text::kCheckRts, {16, 430, 300, 20}));
  Button1Def = PushButton(text::kDefaultsButton, {633, 500, 185, 41});
}

void BlockPage::OnCommand(HWND control, int code) {
  if (code != BN_CLICKED) return;
  if (control == ButtonEdit.hwnd()) Call(onEdit);
  if (control == ButtonAdd.hwnd()) Call(onAdd);
  if (control == ButtonDel.hwnd()) Call(onDel);
  if (control == Button1Def.hwnd()) Call(onDefaults);
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
