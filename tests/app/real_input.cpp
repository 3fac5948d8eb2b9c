#include "real_input.h"

#include <vector>

namespace zz::test {

namespace {

void Send(std::vector<INPUT> inputs) { SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)); }

INPUT Key(WORD key, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = key;
  in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return in;
}

INPUT Mouse(DWORD flags, POINT screen = {0, 0}) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = flags;
  if (flags & MOUSEEVENTF_ABSOLUTE) {
    // Absolute coordinates run from 0 to 65535 over the primary screen.
    in.mi.dx = MulDiv(screen.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
    in.mi.dy = MulDiv(screen.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
  }
  return in;
}

POINT ScreenPoint(HWND control, POINT within) {
  RECT r{};
  GetWindowRect(control, &r);
  if (within.x < 0) return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  return {r.left + within.x, r.top + within.y};
}

}  // namespace

void PointAt(HWND control, POINT within) {
  Send({Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, ScreenPoint(control, within))});
}

void ClickAt(HWND control, POINT within) {
  const POINT at = ScreenPoint(control, within);
  Send({Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, at), Mouse(MOUSEEVENTF_LEFTDOWN), Mouse(MOUSEEVENTF_LEFTUP)});
}

void PressKey(WORD key, bool ctrl, bool shift) {
  std::vector<INPUT> inputs;
  if (ctrl) inputs.push_back(Key(VK_CONTROL, false));
  if (shift) inputs.push_back(Key(VK_SHIFT, false));
  inputs.push_back(Key(key, false));
  inputs.push_back(Key(key, true));
  if (shift) inputs.push_back(Key(VK_SHIFT, true));
  if (ctrl) inputs.push_back(Key(VK_CONTROL, true));
  Send(inputs);
}

void TypeText(const std::wstring& text) {
  std::vector<INPUT> inputs;
  for (wchar_t c : text) {
    for (bool up : {false, true}) {
      INPUT in{};
      in.type = INPUT_KEYBOARD;
      in.ki.wScan = c;
      in.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
      inputs.push_back(in);
    }
  }
  Send(inputs);
}

void BringToFront(HWND window) {
  SetForegroundWindow(window);
  SetActiveWindow(window);
}

}  // namespace zz::test
