// TFormHistory, "История изменений…": the revisions of the program directory's zidezir.conf
// (newest first), what the configuration now on disk changed against the one selected (read
// older to newer, as the list's notes are), and "Восстановить", which asks, then hands that
// revision back to the main window.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "history.h"
#include "ui/controls.h"
#include "ui/dialog.h"

namespace zz {

class TFormHistory : public ui::Dialog {
 public:
  enum ControlId : int { kList = 601, kFolder, kCompare };
  static constexpr int kClientWidth = 760, kClientHeight = 520;

  std::string confPath;  // the configuration file whose history is shown

  // The revision chosen with "Восстановить", or nothing when the dialog was closed.
  std::optional<Revision> ShowModal(HWND owner);

 protected:
  void OnInit() override;
  void OnOK() override;
  INT_PTR OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void FillList();
  // The comparison of the selected revision, and whether it can be restored.
  void ShowSelected();

  std::vector<Revision> revisions_;
  int shown_ = -2;  // the revision whose comparison is on show
  std::optional<Revision> chosen_;
  ui::ListView list_;
  ui::Edit compare_;
  ui::Button restore_;
  ui::Tooltip tips_;
};

}  // namespace zz
