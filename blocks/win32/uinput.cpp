#include "uinput.h"

#include "block_texts.h"
#include "page.h"
#include "text.h"
#include "ui/controls.h"

namespace zz {

bool TFormInput::ShowModal(HWND owner, const std::string& caption) {
  return RunModal(owner, caption, kClientWidth, kClientHeight) == IDOK;
}

void TFormInput::OnInit() {
  font_ = ui::MakeFont(L"MS Sans Serif", -13);
  HFONT f = font_.get();
  HWND h = hwnd();
  auto label = [&](const char* text, int y) {
    ui::CreateControl(L"STATIC", text, WS_VISIBLE | SS_LEFT, 0, {8, y, 259, 16}, h, -1, f);
  };
  const DWORD edit = WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL;

  label(kUnitTypeLabel, 8);
  ui::ComboBox combo(ui::CreateControl(L"COMBOBOX", "", WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0,
                                       {8, 26, 259, 200}, h, kComboBox1, f));
  for (const char* name : kUnitTypeNames) combo.Add(name);
  combo.SetCurSel(fields.typeIndex);

  label(kUnitAddressLabel, 56);
  ui::Edit type(ui::CreateControl(L"EDIT", "", edit, WS_EX_CLIENTEDGE, {8, 74, 80, 21}, h, kEditType, f));
  AttachKeyFilter(type.hwnd(), KeyFilter::kDigits, beeper_);
  ui::UpDown upDown(ui::CreateControl(UPDOWN_CLASSW, "",
                                      WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
                                      0, {0, 0, 0, 0}, h, kUpDown1, nullptr));
  upDown.SetBuddy(type.hwnd());
  upDown.SetRange(kUnitAddressRange.min, kUnitAddressRange.max);
  // The arrows start from the address shown; the text itself stays as the fields hold it,
  // whatever it is.
  std::optional<int> address = StrictInt(Trim(fields.address));
  upDown.SetPos(address ? ClampToRange(kUnitAddressRange, *address) : kUnitAddressRange.initial);
  type.SetText(fields.address);

  label(kUnitNameLabel, 104);
  ui::CreateControl(L"EDIT", fields.name, edit, WS_EX_CLIENTEDGE, {8, 122, 260, 21}, h, kEditName, f);
  label(kUnitHostLabel, 152);
  ui::CreateControl(L"EDIT", fields.host, edit, WS_EX_CLIENTEDGE, {8, 170, 260, 21}, h, kEditIP, f);

  ui::CreateControl(L"BUTTON", kOkButton, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, {48, 202, 100, 26}, h, IDOK,
                    f);
  ui::CreateControl(L"BUTTON", kRecordCancelButton, WS_VISIBLE | WS_TABSTOP, 0, {156, 202, 100, 26}, h, IDCANCEL, f);
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
