#include "changes_dialog.h"

#include "app_texts.h"
#include "report_field.h"

namespace zz {

void TFormChanges::ShowModal(HWND owner) { RunModal(owner, text::kChangesCaption, kClientWidth, kClientHeight); }

void TFormChanges::OnInit() {
  NameNext(text::kChangesCaption);
  HWND field = Make(L"EDIT", report, kReportFieldStyle,
                    {kDialogMargin, kDialogMargin, kClientWidth - 2 * kDialogMargin,
                     kClientHeight - 3 * kDialogMargin - kDialogButtonHeight},
                    kReport, WS_EX_CLIENTEDGE);
  Make(L"BUTTON", text::kCloseButton, WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON,
                    {kClientWidth - kDialogMargin - kDialogButtonWidth, kClientHeight - kDialogMargin - kDialogButtonHeight,
                     kDialogButtonWidth, kDialogButtonHeight},
                    IDOK);
  tips_ = ui::Tooltip::Create(hwnd());
  tips_.AddTool(field, text::kHintChanges);
  // On the text, so that the arrows and Page Up/Down read it; Enter and Esc close.
  FocusOn(field);
}

}  // namespace zz
