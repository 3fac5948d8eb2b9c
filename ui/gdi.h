// Owning, non-copyable wrappers of GDI objects and device contexts.
#pragma once

#include <windows.h>

#include <utility>

#include "win32/unique_handle.h"

namespace zz::ui {

template <class T>
struct GdiObjectTraits {
  static T Adopt(T h) { return h; }
  static void Close(T h) { DeleteObject(h); }
};

template <class T>
using GdiObject = UniqueHandle<T, GdiObjectTraits<T>>;

using Font = GdiObject<HFONT>;
using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;
using Bitmap = GdiObject<HBITMAP>;

// A font of the given pixel height (negative: character height, as the forms state sizes).
Font MakeFont(const wchar_t* face, int pixelHeight, bool bold = false);

// Selects an object into a device context for one scope.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  ~Selection() { SelectObject(dc_, old_); }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

class PaintDc {
 public:
  explicit PaintDc(HWND hwnd) : hwnd_(hwnd), dc_(BeginPaint(hwnd, &ps_)) {}
  ~PaintDc() { EndPaint(hwnd_, &ps_); }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND hwnd_;
  PAINTSTRUCT ps_{};
  HDC dc_;
};

class MemoryDc {
 public:
  explicit MemoryDc(HDC compatible = nullptr) : dc_(CreateCompatibleDC(compatible)) {}
  ~MemoryDc() { DeleteDC(dc_); }
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

}  // namespace zz::ui
