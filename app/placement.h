// The main window's remembered placement and view mode in Zurerizeda.ini.
#pragma once

namespace zz {

struct Placement {
  int top = 0, left = 0, height = 0, width = 0;
};

inline bool operator==(const Placement& a, const Placement& b) {
  return a.top == b.top && a.left == b.left && a.height == b.height && a.width == b.width;
}

// A window left of the screen's right edge or above its bottom stays where it is; one
// beyond is pulled back so that its right or bottom edge meets the screen's.
Placement BoundPlacement(Placement p, int screenWidth, int screenHeight);

inline constexpr const char* kPlacementFileName = "Zurerizeda.ini";
inline constexpr const char* kPlacementSection = "MainForm";
inline constexpr const char* kViewSection = "CheckBoxVid";
inline constexpr const char* kViewKey = "Check";

}  // namespace zz
