#include "gradient.h"

#include <algorithm>

namespace zz {

int GradientLevel(int y) { return 255 - std::min(y / 2, 255); }

void PaintGradient(GradientCanvas& canvas, int width, int height) {
  for (int y = 1; y <= height - 2; ++y) canvas.GreyLine(1, width - 1, y, GradientLevel(y));
}

}  // namespace zz
