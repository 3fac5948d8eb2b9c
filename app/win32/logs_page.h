// PanelAdd: the two logging levels and the trace file.
#pragma once

#include "ui/page.h"
#include "ui/picture.h"

namespace zz {

class LogsPage : public Page {
 public:
  using Page::Page;

  RadioGroupField RadioGroupLogSysLogLevel{kLevelItems}, RadioGroupLogLevel{kLevelItems};
  EditField EditLogTraces;
  ui::Button SpeedButton1;  // the trace-file chooser
  ui::Button ButtonDefaultAdd;
  std::function<void()> onDefaults;

 protected:
  void CreateFields() override;
  void OnCommand(HWND control, int code) override;
  bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
  void OnRescaled() override;

 private:
  ui::Picture folder_;
};

}  // namespace zz
