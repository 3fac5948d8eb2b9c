// TFormPr: the small window shown while the service restarts, playing the clip
// BOLSHOI_FILE in a loop.
#pragma once

#include <memory>

#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/window.h"

namespace zz {

class TFormPr : public ui::Window {
 public:
  static constexpr int kClientWidth = 334, kClientHeight = 89;

  // Created hidden at the owner's DPI, the animation loaded and running.
  void CreateForm(HWND owner);
  // Shows the window centred on `over` and within `area` (the screen's work area), without
  // taking the focus from the window behind it.
  void ShowCentred(const RECT& over, const RECT& area);
  void Close() { ShowWindow(hwnd(), SW_HIDE); }

  const ui::Animate& Animate1() const { return animate_; }
  bool ClipOpened() const { return clipOpened_; }

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  ui::Animate animate_;
  std::unique_ptr<ui::FontSet> fonts_;
  bool clipOpened_ = false;
};

}  // namespace zz
