// Input as the user gives it: the mouse moved and clicked at a control's place on the
// screen and keys pressed, through the system's input queue (SendInput), so that the
// window under the pointer and the window with the focus get them as from the hardware.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace zz::test {

// The pointer to a point of the control (its centre by default), screen-wise.
void PointAt(HWND control, POINT within = {-1, -1});
void ClickAt(HWND control, POINT within = {-1, -1});
// Two clicks in one go, as a double-click.
void DoubleClickAt(HWND control, POINT within = {-1, -1});
// The middle of a row of a list view, in the list's window, for PointAt and ClickAt.
POINT OnRow(HWND list, int row);
// One key pressed and released, with Ctrl and Shift held when asked.
void PressKey(WORD key, bool ctrl = false, bool shift = false);
// Characters typed, whatever the keyboard's layout (each one as a key of its own character).
void TypeText(const std::wstring& text);
// Brings the window to the front, active, so that the keys reach it.
void BringToFront(HWND window);
// The mouse pressed at a point of the window, moved to another and released (points in the
// window's own coordinates, frame included).
void Drag(HWND window, POINT from, POINT to);

// Real input arrives in its own time, on the window's own thread: these wait for what it does.
// The control has the focus of its thread (false after 5 s).
bool FocusReaches(HWND control);
// The window has been destroyed (false after 5 s).
bool Gone(HWND window);
// The text of the hint (tooltip) on show in this process, empty when none is.
std::string ShownHint();
// The window as it stands painted on the screen, row by row, 32 bits a pixel.
std::vector<std::uint32_t> Picture(HWND window);

}  // namespace zz::test
