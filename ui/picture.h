// A picture drawn by code into a 32-bit bitmap with an alpha channel: what the painter
// leaves in the key colour stays transparent.
#pragma once

#include <windows.h>

#include <functional>

#include "gdi.h"

namespace zz::ui {

class Picture {
 public:
  // The painter draws with GDI on a background of kTransparentKey.
  static constexpr COLORREF kTransparentKey = RGB(255, 0, 255);
  using Painter = std::function<void(HDC dc, int width, int height)>;

  Picture() = default;
  Picture(int width, int height, const Painter& painter);

  int width() const { return width_; }
  int height() const { return height_; }
  HBITMAP handle() const { return bitmap_.get(); }
  explicit operator bool() const { return static_cast<bool>(bitmap_); }
  // Blends the picture onto the context; greyed, as a disabled control shows it.
  void Draw(HDC dc, int x, int y, bool greyed = false) const;

 private:
  Bitmap bitmap_;
  Bitmap greyed_;
  int width_ = 0, height_ = 0;
};

}  // namespace zz::ui
