// The main window's comparison and history: what a save would write now, and a revision of
// zidezir.conf brought back into the window as pending changes.
#include "app_texts.h"
#include "change_report.h"
#include "changes_dialog.h"
#include "history_dialog.h"
#include "main_form.h"
#include "revision_restore.h"
#include "save_flows.h"

namespace zz {

void TMainForm::mShowChangesClick() {
  TFormChanges dialog;
  dialog.report = ReportText(PendingChangesReport(session_));
  dialog.ShowModal(hwnd());
}

void TMainForm::mHistoryClick() {
  TFormHistory dialog;
  dialog.confPath = session_.ProgramFile(kConfFileName);
  const std::optional<Revision> chosen = dialog.ShowModal(hwnd());
  if (!chosen) return;
  const std::string when = chosen->date + " " + chosen->time;
  // What the window holds unsaved is not to be lost unasked.
  if (session_.state.loaded && ChangeDetected(session_) &&
      parts_.prompts.Show({text::ConfirmReplacePending(chosen->number, when), kWarningCaption, MessageIcon::kWarning,
                           MessageButtons::kYesNoDefaultNo}) != MessageAnswer::kYes)
    return;
  if (!LoadRevision(session_, *chosen)) return;
  status_.SetPartText(0, text::RevisionLoadedStatus(chosen->number, when));
}

}  // namespace zz
