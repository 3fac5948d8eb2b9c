// TFormPr: the small window shown while the service restarts, playing the clip
// BOLSHOI_FILE in a loop.
#pragma once

#include "ui/controls.h"
#include "ui/gdi.h"
#include "ui/window.h"

namespace zz {

class TFormPr : public ui::Window {
 public:
  static constexpr int kClientWidth = 334, kClientHeight = 89;

  // Created hidden, the animation loaded and running from the start.
  void CreateForm(HWND owner);
  // Shows the window centred on `over`, without taking the focus from it.
  void ShowCentred(HWND over);
  void Close() { ShowWindow(hwnd(), SW_HIDE); }

  const ui::Animate& Animate1() const { return animate_; }
  bool ClipOpened() const { return clipOpened_; }

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  ui::Animate animate_;
  ui::Font font_;
  bool clipOpened_ = false;
};

}  // namespace zz
