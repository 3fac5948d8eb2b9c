// The windows are designed at 96 DPI; at any other DPI every length scales by DPI/96, so
// that a window keeps its physical size on a display of any pixel density.
#pragma once

namespace zz {

inline constexpr int kDesignDpi = 96;

// value * dpi / 96 to the nearest pixel, halves away from zero (as MulDiv rounds).
constexpr int ScaleToDpi(int value, int dpi) {
  long long product = static_cast<long long>(value) * dpi;
  long long half = kDesignDpi / 2;
  return static_cast<int>(product >= 0 ? (product + half) / kDesignDpi : -((-product + half) / kDesignDpi));
}

// A run of pixels [start, start + length) scaled by its two edges, so that runs that touch
// at the design DPI still touch, and runs that do not touch still do not.
struct PixelSpan {
  int start, length;
};
constexpr PixelSpan ScaleSpan(int start, int length, int dpi) {
  int first = ScaleToDpi(start, dpi);
  return {first, ScaleToDpi(start + length, dpi) - first};
}

// A row or column at `dpi` back in design pixels: what the design placed there.
constexpr int DesignPixel(int pixel, int dpi) {
  return dpi == kDesignDpi ? pixel : static_cast<int>(static_cast<long long>(pixel) * kDesignDpi / dpi);
}

}  // namespace zz
