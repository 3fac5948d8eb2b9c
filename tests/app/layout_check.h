// What a user of a window must be able to rely on, checked on the real window: every shown
// control lies inside its parent, no text of a label, box or column header is cut off, no two
// controls that take input overlap, and no control that takes input lies under another
// window (which would take its clicks and hints).
// Works from any thread: it reads the windows' places, styles and order only.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace zz::test {

// One text per fault found among the shown descendants of `top`; none for a sound window.
std::vector<std::string> LayoutFindings(HWND top);

}  // namespace zz::test
