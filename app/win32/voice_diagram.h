// The picture on the sound page: the sound level over time against the threshold A, the
// delay B before the dispatcher's microphone comes on and the hold C before it goes off.
#pragma once

#include "ui/controls.h"
#include "ui/window.h"

namespace zz {

class VoiceDiagram : public ui::Window {
 public:
  void CreateDiagram(HWND parent, const ui::Rect& r, HFONT font);

  // Where the fields stand on it, in the parent's coordinates.
  static constexpr int kLevelY = 70;       // level A, from the top of the diagram
  static constexpr int kAxisX = 96;        // the level axis, from the left
  static constexpr int kSpanB[2] = {190, 290};
  static constexpr int kSpanC[2] = {380, 500};

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void Paint(HDC dc, const RECT& client) const;
  HFONT font_ = nullptr;
};

}  // namespace zz
