#include "placement.h"

namespace zz {

Placement BoundPlacement(Placement p, int screenWidth, int screenHeight) {
  if (p.left >= screenWidth) p.left = screenWidth - p.width;
  if (p.top >= screenHeight) p.top = screenHeight - p.height;
  return p;
}

namespace {

int Within(int start, int length, int areaStart, int areaLength) {
  if (start + length > areaStart + areaLength) start = areaStart + areaLength - length;
  return start < areaStart ? areaStart : start;
}

}  // namespace

Box CentreWithin(const Box& over, int width, int height, const Box& area) {
  Box b{over.left + (over.width - width) / 2, over.top + (over.height - height) / 2, width, height};
  b.left = Within(b.left, width, area.left, area.width);
  b.top = Within(b.top, height, area.top, area.height);
  return b;
}

}  // namespace zz
