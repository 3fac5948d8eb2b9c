#include "placement.h"

namespace zz {

Placement BoundPlacement(Placement p, int screenWidth, int screenHeight) {
  if (p.left >= screenWidth) p.left = screenWidth - p.width;
  if (p.top >= screenHeight) p.top = screenHeight - p.height;
  return p;
}

}  // namespace zz
