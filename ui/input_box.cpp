#include "input_box.h"

#include "ui_texts.h"
#include "edit_filter.h"
#include "controls.h"

namespace zz {

std::optional<std::string> InputBoxDialog::Run(HWND owner, const std::string& caption, const std::string& prompt,
                                               const std::string& value) {
  caption_ = caption;
  prompt_ = prompt;
  value_ = value;
  if (RunModal(owner, caption, 360, 110) != IDOK) return std::nullopt;
  return value_;
}

void InputBoxDialog::OnInit() {
  Make(L"STATIC", prompt_, SS_LEFT, {12, 10, 336, 16}, -1);
  // Without a prompt the caption says what the line is.
  if (prompt_.empty()) NameNext(caption_);
  ui::Edit edit(Make(L"EDIT", value_, WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL, {12, 30, 336, 22}, kEditId,
                     WS_EX_CLIENTEDGE));
  // The line reaches zidezir.conf: what Windows-1251 cannot hold, or a ";" that would begin a
  // comment there, does not get in.
  AttachEditInput(edit.hwnd(), {std::nullopt, false, true, 0}, beeper_);
  Make(L"BUTTON", text::kOkButton, WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON, {184, 72, 78, 26}, IDOK);
  Make(L"BUTTON", text::kCancelButton, WS_TABSTOP, {270, 72, 78, 26}, IDCANCEL);
  FocusOn(edit.hwnd());
  edit.SelectAll();
}

void InputBoxDialog::OnOK() {
  value_ = ui::Edit(Item(kEditId)).Text();
  End(IDOK);
}

}  // namespace zz
