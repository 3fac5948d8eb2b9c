// The picture on the sound page: the sound level over time against the threshold A, the
// delay B before the dispatcher's microphone comes on and the hold C before it goes off.
#pragma once

#include <windows.h>

#include "ui/controls.h"
#include "ui/window.h"

namespace zz {

class VoiceDiagram : public ui::Window {
 public:
  // The frame with its heading at `r`; the plot's origin `plot` pixels inside it.
  void CreateDiagram(HWND parent, const ui::Rect& r, HFONT font, const char* heading, POINT plot);

  // Where the fields stand on it, from the plot's origin.
  static constexpr int kLevelY = 70;       // level A, from the top of the diagram
  static constexpr int kAxisX = 96;        // the level axis, from the left
  static constexpr int kSpanB[2] = {190, 290};
  static constexpr int kSpanC[2] = {380, 500};
  static constexpr int kPlotWidth = 584, kPlotHeight = 200;

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void PaintFrame(HDC dc, const RECT& client) const;
  void Paint(HDC dc, const RECT& plot) const;
  HFONT font_ = nullptr;
  const char* heading_ = "";
  POINT plot_{0, 0};
};

}  // namespace zz
