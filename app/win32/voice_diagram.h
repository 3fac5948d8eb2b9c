// The picture on the sound page: the sound level over time against the threshold A, the
// delay B before the dispatcher's microphone comes on and the hold C before it goes off.
// The page paints it under its fields, so that nothing lies over them.
#pragma once

#include <windows.h>

#include "ui/controls.h"
#include "ui/dpi.h"

namespace zz {

struct VoiceDiagram {
  // The frame with its heading, in the page's design pixels, and the plot inside it.
  static constexpr ui::Rect kFrame{16, 48, 600, 276};
  static constexpr POINT kPlot{24, 68};
  static constexpr int kPlotWidth = 584, kPlotHeight = 200;
  // Where the fields stand on it, from the plot's origin.
  static constexpr int kLevelY = 70;  // level A, from the top of the plot
  static constexpr int kAxisX = 96;   // the level axis, from the left
  static constexpr int kSpanB[2] = {190, 290};
  static constexpr int kSpanC[2] = {380, 500};

  // In high contrast every line, bar and text takes a system colour of the user's scheme.
  static void Paint(HDC dc, const ui::Scale& scale, HFONT font, const char* heading, bool highContrast);
};

}  // namespace zz
