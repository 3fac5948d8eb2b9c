// TFormChanges, "Показать изменения…": what a save would write now against zidezir.conf on
// disk, and what another program changed there, in a read-only field that can be copied.
#pragma once

#include <string>

#include "ui/controls.h"
#include "ui/dialog.h"

namespace zz {

class TFormChanges : public ui::Dialog {
 public:
  enum ControlId : int { kReport = 501 };
  static constexpr int kClientWidth = 640, kClientHeight = 420;

  std::string report;  // the text shown

  void ShowModal(HWND owner);

 protected:
  void OnInit() override;

 private:
  ui::Tooltip tips_;
};

}  // namespace zz
