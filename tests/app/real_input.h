// Input as the user gives it: the mouse moved and clicked at a control's place on the
// screen and keys pressed, through the system's input queue (SendInput), so that the
// window under the pointer and the window with the focus get them as from the hardware.
#pragma once

#include <windows.h>

#include <string>

namespace zz::test {

// The pointer to a point of the control (its centre by default), screen-wise.
void PointAt(HWND control, POINT within = {-1, -1});
void ClickAt(HWND control, POINT within = {-1, -1});
// One key pressed and released, with Ctrl and Shift held when asked.
void PressKey(WORD key, bool ctrl = false, bool shift = false);
// Characters typed, whatever the keyboard's layout (each one as a key of its own character).
void TypeText(const std::wstring& text);
// Brings the window to the front, active, so that the keys reach it.
void BringToFront(HWND window);

}  // namespace zz::test
