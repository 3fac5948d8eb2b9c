#include "uinput.h"

#include "block_texts.h"
#include "ui/edit_filter.h"
#include "text.h"
#include "ui/controls.h"

namespace zz {

bool TFormInput::ShowModal(HWND owner, const std::string& caption) {
  return RunModal(owner, caption, kClientWidth, kClientHeight) == IDOK;
}

void TFormInput::OnInit() {
  auto label = [&](const char* text, int y) { Make(L"STATIC", text, SS_LEFT, {8, y, 259, 16}, -1); };
  const DWORD edit = WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL;
  // The name and the host reach voice.ini: what Windows-1251 cannot hold does not get in.
  auto textEdit = [&](const std::string& text, const ui::Rect& r, int id) {
    AttachEditInput(Make(L"EDIT", text, edit, r, id, WS_EX_CLIENTEDGE), {}, beeper_);
  };

  label(kUnitTypeLabel, 8);
  ui::ComboBox combo(Make(L"COMBOBOX", "", WS_TABSTOP | WS_GROUP | WS_VSCROLL | CBS_DROPDOWNLIST, {8, 26, 259, 200},
                          kComboBox1));
  for (const char* name : kUnitTypeNames) combo.Add(name);
  combo.SetCurSel(fields.typeIndex);

  label(kUnitAddressLabel, 56);
  ui::Edit type(Make(L"EDIT", "", edit, {8, 74, 80, 21}, kEditType, WS_EX_CLIENTEDGE));
  AttachEditInput(type.hwnd(), {KeyFilter::kDigits, false}, beeper_);
  ui::UpDown upDown(layout_.CreateUpDown(WS_VISIBLE | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS, type.hwnd(),
                                         kUpDown1));
  upDown.SetRange(kUnitAddressRange.min, kUnitAddressRange.max);
  // The arrows start from the address shown; the text itself stays as the fields hold it,
  // whatever it is.
  std::optional<int> address = StrictInt(Trim(fields.address));
  upDown.SetPos(address ? ClampToRange(kUnitAddressRange, *address) : kUnitAddressRange.initial);
  type.SetText(fields.address);

  label(kUnitNameLabel, 104);
  textEdit(fields.name, {8, 122, 260, 21}, kEditName);
  label(kUnitHostLabel, 152);
  textEdit(fields.host, {8, 170, 260, 21}, kEditIP);

  Make(L"BUTTON", kOkButton, WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON, {48, 202, 100, 26}, IDOK);
  Make(L"BUTTON", kRecordCancelButton, WS_TABSTOP, {156, 202, 100, 26}, IDCANCEL);
  FocusOn(combo.hwnd());
}

void TFormInput::KeepFields() {
  fields.typeIndex = ui::ComboBox(Item(kComboBox1)).CurSel();
  if (fields.typeIndex < 0) fields.typeIndex = 0;
  fields.address = ui::Control(Item(kEditType)).Text();
  fields.name = ui::Control(Item(kEditName)).Text();
  fields.host = ui::Control(Item(kEditIP)).Text();
}

void TFormInput::OnOK() {
  KeepFields();
  End(IDOK);
}

void TFormInput::OnCancel() {
  KeepFields();
  End(IDCANCEL);
}

}  // namespace zz
