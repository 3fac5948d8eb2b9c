#include "history_dialog.h"

#include "app_texts.h"
#include "change_report.h"
#include "report_field.h"
#include "win32/utf16.h"
#include "ui/win_prompts.h"

namespace zz {

namespace {

constexpr int kW = TFormHistory::kClientWidth, kH = TFormHistory::kClientHeight;
constexpr int kLabelHeight = 16, kFieldHeight = 22;
constexpr int kListTop = 34, kListHeight = 200;
constexpr int kFolderTop = kListTop + kListHeight + 10, kFolderLabelWidth = 124;
constexpr int kCompareTop = kFolderTop + kFieldHeight + 12;
constexpr int kButtonsTop = kH - kDialogMargin - kDialogButtonHeight;
constexpr int kDateColumn = 1;

}  // namespace

std::optional<Revision> TFormHistory::ShowModal(HWND owner) {
  chosen_.reset();
  shown_ = -2;
  revisions_ = ListRevisions(confPath);
  RunModal(owner, text::kHistoryCaption, kW, kH);
  return chosen_;
}

void TFormHistory::OnInit() {
  const int width = kW - 2 * kDialogMargin;
  Make(L"STATIC", text::kHistoryHeading, SS_LEFT | SS_NOPREFIX, {kDialogMargin, 12, width, kLabelHeight}, -1);
  list_ = ui::ListView(Make(WC_LISTVIEWW, "",
                            WS_TABSTOP | WS_GROUP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER,
                            {kDialogMargin, kListTop, width, kListHeight}, kList, WS_EX_CLIENTEDGE));
  list_.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  for (std::size_t c = 0; c < text::kHistoryColumns.size(); ++c)
    list_.InsertColumn(static_cast<int>(c), text::kHistoryColumns[c], scale()(text::kHistoryColumnWidths[c]));

  Make(L"STATIC", text::kHistoryFolderLabel, SS_LEFT | SS_NOPREFIX,
       {kDialogMargin, kFolderTop + 3, kFolderLabelWidth, kLabelHeight}, -1);
  const int folderLeft = kDialogMargin + kFolderLabelWidth + 4;
  HWND folder = Make(L"EDIT", HistoryDir(confPath), WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL | ES_READONLY,
                     {folderLeft, kFolderTop, kW - kDialogMargin - folderLeft, kFieldHeight}, kFolder, WS_EX_CLIENTEDGE);
  Make(L"STATIC", text::kHistoryCompareLabel, SS_LEFT | SS_NOPREFIX, {kDialogMargin, kCompareTop, width, kLabelHeight},
       -1);
  const int compareTop = kCompareTop + kLabelHeight + 4;
  compare_ = ui::Edit(Make(L"EDIT", "", kReportFieldStyle,
                           {kDialogMargin, compareTop, width, kButtonsTop - kDialogMargin - compareTop}, kCompare,
                           WS_EX_CLIENTEDGE));
  // "Восстановить" is the default, and asks before it hands the revision over: Enter on the list
  // is a question, never a restore.
  restore_ = ui::Button(Make(L"BUTTON", text::kRestoreButton, WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON,
                             {kW - kDialogMargin - 2 * kDialogButtonWidth - 8, kButtonsTop, kDialogButtonWidth,
                              kDialogButtonHeight},
                             IDOK));
  HWND close = Make(L"BUTTON", text::kCloseButton, WS_TABSTOP,
                    {kW - kDialogMargin - kDialogButtonWidth, kButtonsTop, kDialogButtonWidth, kDialogButtonHeight},
                    IDCANCEL);

  tips_ = ui::Tooltip::Create(hwnd());
  tips_.AddTool(list_.hwnd(), text::kHintHistoryList);
  tips_.AddTool(folder, text::kHintHistoryFolder);
  tips_.AddTool(compare_.hwnd(), text::kHintHistoryCompare);
  tips_.AddTool(restore_.hwnd(), text::kHintRestore);

  FillList();
  ShowSelected();
  FocusOn(revisions_.empty() ? close : list_.hwnd());
}

void TFormHistory::FillList() {
  for (std::size_t i = 0; i < revisions_.size(); ++i) {
    const Revision& r = revisions_[i];
    const int row = list_.InsertItem(static_cast<int>(i), std::to_string(r.number));
    const std::string cells[] = {r.date + " " + r.time, r.user, r.computer, r.program, r.summary};
    for (int c = 0; c < 5; ++c) list_.SetItemText(row, c + 1, cells[c]);
  }
  if (revisions_.empty()) return;
  list_.Select(0);
  // The date and time show whole, whatever the font makes of them at this DPI.
  const int designed = list_.ColumnWidth(kDateColumn);
  list_.SetColumnWidth(kDateColumn, LVSCW_AUTOSIZE);
  if (list_.ColumnWidth(kDateColumn) < designed) list_.SetColumnWidth(kDateColumn, designed);
}

void TFormHistory::ShowSelected() {
  const int row = list_.Selected();
  if (row == shown_) return;
  shown_ = row;
  restore_.Enable(row >= 0);
  // The list's hint is the selected row's whole note, which its column may cut.
  if (row >= 0) {
    const Revision& r = revisions_[static_cast<std::size_t>(row)];
    tips_.SetToolText(list_.hwnd(), text::HistoryRowTip(r.number, r.program, r.summary, r.knownGood));
  }
  if (revisions_.empty())
    compare_.SetText(text::kHistoryEmpty);
  else if (row < 0)
    compare_.SetText("");
  else
    compare_.SetText(ReportText(RevisionReport(confPath, revisions_[static_cast<std::size_t>(row)])));
}

void TFormHistory::OnOK() {
  const int row = list_.Selected();
  if (row < 0) return;
  const Revision& revision = revisions_[static_cast<std::size_t>(row)];
  const MessageSpec question{text::ConfirmRestore(revision.number, revision.date + " " + revision.time),
                             text::kHistoryCaption, MessageIcon::kQuestion, MessageButtons::kYesNoDefaultNo};
  if (MessageBoxW(hwnd(), Widen(question.text).c_str(), Widen(question.caption).c_str(), MessageBoxFlags(question)) !=
      IDYES)
    return;
  chosen_ = revision;
  End(IDOK);
}

INT_PTR TFormHistory::OnMessage(UINT msg, WPARAM, LPARAM lp) {
  if (msg != WM_NOTIFY) return FALSE;
  const auto* header = reinterpret_cast<const NMHDR*>(lp);
  if (header->idFrom != kList) return FALSE;
  // A double-click looks at a row, as a click does: restoring takes the button.
  if (header->code == LVN_ITEMCHANGED || header->code == NM_DBLCLK) ShowSelected();
  return FALSE;
}

}  // namespace zz
