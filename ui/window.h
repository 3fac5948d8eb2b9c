// The base of every window of ours: the object is bound to its HWND at WM_NCCREATE, and
// the message handler only unpacks parameters and calls one small handler per message.
#pragma once

#include <windows.h>

#include <string>

namespace zz::ui {

struct WindowParams {
  const wchar_t* className;
  std::string text;
  DWORD style = WS_OVERLAPPEDWINDOW;
  DWORD exStyle = 0;
  int x = CW_USEDEFAULT, y = CW_USEDEFAULT, width = CW_USEDEFAULT, height = CW_USEDEFAULT;
  HWND parent = nullptr;
  HMENU menuOrId = nullptr;
  HBRUSH background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  UINT classStyle = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
};

class Window {
 public:
  Window() = default;
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND hwnd() const { return hwnd_; }
  bool Alive() const { return hwnd_ != nullptr; }

 protected:
  // Registers the class on first use and creates the window bound to this object.
  void Create(const WindowParams& params);
  virtual LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
  // Every handler runs inside one wrapper: an exception is shown here and the program goes on.
  virtual void ReportError(const std::string& message);
  // The last message the window gets; the object stays usable for reading fields.
  virtual void OnDestroyed() {}

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

  HWND hwnd_ = nullptr;
};

// Shows an exception's message in an error box; the program goes on. An empty caption
// takes the owner's, or "Error" without one.
void ShowErrorBox(HWND owner, const std::string& message, const std::string& caption = "");

HINSTANCE ModuleInstance();

}  // namespace zz::ui
