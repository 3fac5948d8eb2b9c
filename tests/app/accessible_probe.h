// What a screen reader learns about the controls a keyboard reaches, asked as one asks it:
// through Active Accessibility, and by Windows' labelling rule for standard controls.
// Works from any thread: the calls go to the windows' own threads.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace zz::test {

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
