#include "real_input.h"

#include <commctrl.h>

#include <vector>

#include "win32/utf16.h"

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

POINT OnRow(HWND list, int row) {
  RECT r{};
  ListView_GetItemRect(list, row, &r, LVIR_BOUNDS);
  POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  // Client to window coordinates: the list's sunken edge.
  RECT window{};
  GetWindowRect(list, &window);
  POINT origin{0, 0};
  ClientToScreen(list, &origin);
  return {p.x + origin.x - window.left, p.y + origin.y - window.top};
}

void ClickAt(HWND control, POINT within) {
  const POINT at = ScreenPoint(control, within);
  Send({Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, at), Mouse(MOUSEEVENTF_LEFTDOWN), Mouse(MOUSEEVENTF_LEFTUP)});
}

void DoubleClickAt(HWND control, POINT within) {
  const POINT at = ScreenPoint(control, within);
  Send({Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, at), Mouse(MOUSEEVENTF_LEFTDOWN), Mouse(MOUSEEVENTF_LEFTUP),
        Mouse(MOUSEEVENTF_LEFTDOWN), Mouse(MOUSEEVENTF_LEFTUP)});
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

bool FocusReaches(HWND control) {
  for (int i = 0; i < 200; ++i) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (GetGUIThreadInfo(GetWindowThreadProcessId(control, nullptr), &info) && info.hwndFocus == control) return true;
    Sleep(25);
  }
  return false;
}

bool Gone(HWND window) {
  for (int i = 0; i < 200 && IsWindow(window); ++i) Sleep(25);
  return !IsWindow(window);
}

std::string ShownHint() {
  std::wstring shown;
  EnumWindows(
      [](HWND w, LPARAM found) {
        wchar_t cls[64] = {}, text[1024] = {};
        DWORD process = 0;
        GetWindowThreadProcessId(w, &process);
        if (process == GetCurrentProcessId() && IsWindowVisible(w) && GetClassNameW(w, cls, 64) &&
            lstrcmpiW(cls, TOOLTIPS_CLASSW) == 0 && GetWindowTextW(w, text, 1024) > 0)
          *reinterpret_cast<std::wstring*>(found) = text;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&shown));
  return Narrow(shown);
}

std::vector<std::uint32_t> Picture(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
  GdiFlush();
  std::vector<std::uint32_t> pixels(static_cast<const std::uint32_t*>(bits),
                                    static_cast<const std::uint32_t*>(bits) + static_cast<std::size_t>(w) * h);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

void Drag(HWND window, POINT from, POINT to) {
  auto screen = [window](POINT p) {
    RECT r{};
    GetWindowRect(window, &r);
    return POINT{r.left + p.x, r.top + p.y};
  };
  const POINT start = screen(from), end = screen(to);
  Send({Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, start), Mouse(MOUSEEVENTF_LEFTDOWN)});
  // In steps, as a hand moves it, so that the control tracks the way.
  for (int step = 1; step <= 8; ++step) {
    Sleep(15);
    Send({Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE,
                {start.x + (end.x - start.x) * step / 8, start.y + (end.y - start.y) * step / 8})});
  }
  Sleep(15);
  Send({Mouse(MOUSEEVENTF_LEFTUP)});
}

}  // namespace zz::test
