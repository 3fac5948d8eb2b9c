#include "window.h"

#include <stdexcept>

#include "win32/utf16.h"

namespace zz::ui {

HINSTANCE ModuleInstance() { return GetModuleHandleW(nullptr); }

void ShowErrorBox(HWND owner, const std::string& message, const std::string& caption) {
  std::wstring title = Widen(caption);
  if (title.empty() && owner) {
    wchar_t text[256] = {};
    GetWindowTextW(GetAncestor(owner, GA_ROOT), text, 256);
    title = text;
  }
  if (title.empty()) title = L"Error";
  MessageBoxW(owner, Widen(message).c_str(), title.c_str(), MB_OK | MB_ICONERROR);
}

Window::~Window() {
  if (hwnd_) {
    HWND h = hwnd_;
    SetWindowLongPtrW(h, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
    DestroyWindow(h);
  }
}

void Window::Create(const WindowParams& params) {
  HINSTANCE instance = ModuleInstance();
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  if (!GetClassInfoExW(instance, params.className, &wc)) {
    wc = {};
    wc.cbSize = sizeof wc;
    wc.style = params.classStyle;
    wc.lpfnWndProc = &Window::Proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    // The program's icon (resource 1), for the title bar and the taskbar.
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    wc.hbrBackground = params.background;
    wc.lpszClassName = params.className;
    if (!RegisterClassExW(&wc)) throw std::runtime_error("RegisterClassExW failed");
  }
  HWND h = CreateWindowExW(params.exStyle, params.className, Widen(params.text).c_str(), params.style, params.x, params.y,
                           params.width, params.height, params.parent, params.menuOrId, instance, this);
  if (!h) throw std::runtime_error("CreateWindowExW failed");
}

LRESULT Window::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcW(hwnd_, msg, wp, lp); }

void Window::ReportError(const std::string& message) { ShowErrorBox(hwnd_, message); }

LRESULT CALLBACK Window::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  Window* self = nullptr;
  if (msg == WM_NCCREATE) {
    self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  }
  if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
  LRESULT result = 0;
  try {
    result = self->HandleMessage(msg, wp, lp);
  } catch (const std::exception& e) {
    self->ReportError(e.what());
  } catch (...) {
    self->ReportError("");
  }
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    self->OnDestroyed();
  }
  return result;
}

}  // namespace zz::ui
