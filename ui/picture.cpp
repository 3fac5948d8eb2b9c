#include "picture.h"

#include <cstdint>
#include <cstring>

namespace zz::ui {

namespace {

HBITMAP MakeDib(int width, int height, std::uint32_t** bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* p = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &p, nullptr, 0);
  *bits = static_cast<std::uint32_t*>(p);
  return bitmap;
}

}  // namespace

Picture::Picture(int width, int height, const Painter& painter) : width_(width), height_(height) {
  std::uint32_t* bits = nullptr;
  bitmap_.Reset(MakeDib(width, height, &bits));
  if (!bitmap_) return;
  {
    MemoryDc dc;
    Selection keep(dc.get(), bitmap_.get());
    Brush key(CreateSolidBrush(kTransparentKey));
    RECT all{0, 0, width, height};
    FillRect(dc.get(), &all, key.get());
    painter(dc.get(), width, height);
    GdiFlush();
  }
  // GDI leaves the alpha byte at zero: set it from the key colour, premultiplied for the blend.
  std::uint32_t* grey = nullptr;
  greyed_.Reset(MakeDib(width, height, &grey));
  const std::uint32_t key = 0x00FF00FFu;  // BGRA of the key colour without alpha
  for (int i = 0; i < width * height; ++i) {
    std::uint32_t px = bits[i] & 0x00FFFFFFu;
    bits[i] = px == key ? 0u : (px | 0xFF000000u);
    if (grey) {
      std::uint32_t r = (px >> 16) & 0xFF, g = (px >> 8) & 0xFF, b = px & 0xFF;
      std::uint32_t level = 128 + ((r * 30 + g * 59 + b * 11) / 100) / 2;
      grey[i] = px == key ? 0u : (0xFF000000u | (level << 16) | (level << 8) | level);
    }
  }
}

void Picture::Draw(HDC dc, int x, int y, bool greyed) const {
  HBITMAP source = greyed && greyed_ ? greyed_.get() : bitmap_.get();
  if (!source) return;
  MemoryDc memory(dc);
  Selection keep(memory.get(), source);
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  // gdi32's own blend: msimg32 is no known system library, so a copy planted beside the
  // program would be loaded in its place.
  GdiAlphaBlend(dc, x, y, width_, height_, memory.get(), 0, 0, width_, height_, blend);
}

}  // namespace zz::ui
