// The colour scheme: the design's own colours, or the system's when high contrast is on, so
// that every text and line stays as readable as the user's scheme makes the system's own.
#pragma once

#include <windows.h>

namespace zz::ui {

// Whether the user has turned high contrast on (Windows' accessibility setting).
bool HighContrastOn();

// The design's colour in the normal scheme, the system colour `index` in high contrast.
inline COLORREF SchemeColour(bool highContrast, COLORREF design, int index) {
  return highContrast ? GetSysColor(index) : design;
}

}  // namespace zz::ui
