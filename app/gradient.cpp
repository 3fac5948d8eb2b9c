#include "gradient.h"

#include <algorithm>

namespace zz {

int GradientLevel(int y, int dpi) { return 255 - std::min(DesignPixel(y, dpi) / 2, 255); }

void PaintGradient(GradientCanvas& canvas, int width, int height, int dpi) {
  for (int y = 1; y <= height - 2; ++y) canvas.GreyLine(1, width - 1, y, GradientLevel(y, dpi));
}

}  // namespace zz
