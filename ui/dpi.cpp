#include "dpi.h"

namespace zz::ui {

namespace {

// Functions of later Windows versions, looked up once; absent ones leave the fallbacks.
template <class Function>
Function User32(const char* name) {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  return user32 ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name))) : nullptr;
}

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using SetDialogDpiChangeBehaviorFn = BOOL(WINAPI*)(HWND, int, int);
constexpr int kDisableAllDialogScaling = 1 | 2 | 4;  // DDC_DISABLE_ALL | DDC_DISABLE_RESIZE | DDC_DISABLE_CONTROL_RELAYOUT

}  // namespace

int SystemDpi() {
  HDC screen = GetDC(nullptr);
  int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : kDesignDpi;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : kDesignDpi;
}

int WindowDpi(HWND hwnd) {
  static const GetDpiForWindowFn getDpiForWindow = User32<GetDpiForWindowFn>("GetDpiForWindow");
  UINT dpi = getDpiForWindow && hwnd ? getDpiForWindow(hwnd) : 0;
  return dpi > 0 ? static_cast<int>(dpi) : SystemDpi();
}

void KeepDialogScaling(HWND dialog) {
  static const SetDialogDpiChangeBehaviorFn set =
      User32<SetDialogDpiChangeBehaviorFn>("SetDialogDpiChangeBehavior");
  if (set) set(dialog, kDisableAllDialogScaling, kDisableAllDialogScaling);
}

}  // namespace zz::ui
