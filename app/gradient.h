// The grey gradient behind the navigation bar, as plain arithmetic over a canvas.
#pragma once

#include "ui/dpi_scale.h"

namespace zz {

class GradientCanvas {
 public:
  virtual ~GradientCanvas() = default;
  // A horizontal line in the grey `level` from (x0, y) to (x1, y), the end point excluded.
  virtual void GreyLine(int x0, int x1, int y, int level) = 0;
};

// The grey level of row y: white at the top, one level less every two rows, black from 510;
// at another DPI the rows are those of the design, so the bar keeps its look.
int GradientLevel(int y, int dpi = kDesignDpi);

// Rows 1 to height - 2, columns 1 to width - 1; the outermost row and column stay unpainted.
void PaintGradient(GradientCanvas& canvas, int width, int height, int dpi = kDesignDpi);

}  // namespace zz
