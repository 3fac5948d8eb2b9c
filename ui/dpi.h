// The DPI of a window and the scale of the design's pixels to it.
#pragma once

#include <windows.h>

#include "controls.h"
#include "dpi_scale.h"

namespace zz::ui {

// The DPI of the screen as the system reports it to this process.
int SystemDpi();
// The DPI of the monitor a window is on (the system DPI where the system has no other).
int WindowDpi(HWND hwnd);

// Lengths and rectangles of the design at one DPI.
class Scale {
 public:
  explicit Scale(int dpi = kDesignDpi) : dpi_(dpi > 0 ? dpi : kDesignDpi) {}
  int Dpi() const { return dpi_; }
  int operator()(int value) const { return ScaleToDpi(value, dpi_); }
  Rect operator()(const Rect& r) const {
    PixelSpan x = ScaleSpan(r.x, r.width, dpi_), y = ScaleSpan(r.y, r.height, dpi_);
    return {x.start, y.start, x.length, y.length};
  }

 private:
  int dpi_;
};

// The width of a vertical scroll bar at 96 DPI.
inline constexpr int kDesignScrollBarWidth = 17;

// Our dialogs place and scale their own controls: the system is not to rescale them again
// when they move to a monitor of another DPI.
void KeepDialogScaling(HWND dialog);

}  // namespace zz::ui
