// What a user of a window must be able to rely on, checked on the real window: every shown
// control lies inside its parent, no text of a label, box or column header is cut off, no two
// controls that take input overlap, and no control that takes input lies under another
// window (which would take its clicks and hints).
// Works from any thread: it reads the windows' places, styles and order only.
// And what a screen reader learns about the controls a keyboard reaches, asked as one asks it:
// through Active Accessibility, and by Windows' labelling rule for standard controls.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace zz::test {

// One text per fault found among the shown descendants of `top`; none for a sound window.
std::vector<std::string> LayoutFindings(HWND top);

struct AccessibleControl {
  HWND hwnd;
  std::string kind;                    // the window class
  std::string byRule;                  // Windows: its text, or the static label before it
  std::optional<std::string> answered;  // what the system's Active Accessibility answered
};

// The name Active Accessibility gives the control's client object, none when it gives none.
std::optional<std::string> AccessibleName(HWND control);

// The shown, enabled controls under `top` that Tab or the arrows reach (radio buttons
// included), in z-order.
std::vector<AccessibleControl> FocusableControls(HWND top);

}  // namespace zz::test
