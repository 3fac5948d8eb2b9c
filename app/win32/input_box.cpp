#include "input_box.h"

#include "app_texts.h"
#include "ui/controls.h"

namespace zz {

std::optional<std::string> InputBoxDialog::Run(HWND owner, const std::string& caption, const std::string& prompt,
                                               const std::string& value) {
  prompt_ = prompt;
  value_ = value;
  if (RunModal(owner, caption, 360, 110) != IDOK) return std::nullopt;
  return value_;
}

void InputBoxDialog::OnInit() {
  font_ = ui::MakeFont(L"MS Sans Serif", -13);
  HFONT f = font_.get();
  ui::CreateControl(L"STATIC", prompt_, WS_VISIBLE | SS_LEFT, 0, {12, 10, 336, 16}, hwnd(), -1, f);
  ui::Edit edit(ui::CreateControl(L"EDIT", value_, WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE,
                                  {12, 30, 336, 22}, hwnd(), kEditId, f));
  ui::CreateControl(L"BUTTON", text::kOkButton, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, {184, 72, 78, 26},
                    hwnd(), IDOK, f);
  ui::CreateControl(L"BUTTON", text::kCancelButton, WS_VISIBLE | WS_TABSTOP, 0, {270, 72, 78, 26}, hwnd(), IDCANCEL,
                    f);
  SetFocus(edit.hwnd());
  edit.SelectAll();
}

void InputBoxDialog::OnOK() {
  value_ = ui::Edit(Item(kEditId)).Text();
  End(IDOK);
}

}  // namespace zz
