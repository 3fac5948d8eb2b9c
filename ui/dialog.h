// The base of our modal dialogs: built from an in-memory template (a real #32770 dialog),
// `this` bound at WM_INITDIALOG, dispatch to OnInit/OnCommand, and no exception lets out.
// Its controls are laid out in the design's pixels and scaled to the dialog's DPI.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "accessible.h"
#include "fonts.h"
#include "layout.h"

namespace zz::ui {

// The work area of the monitor the window is on (or nearest to).
RECT WorkAreaOf(HWND window);

class Dialog {
 public:
  Dialog() = default;
  virtual ~Dialog() = default;
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  static constexpr DWORD kModalStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER;

  // Shows the dialog with the caption and the client size in design pixels; IDOK or IDCANCEL.
  INT_PTR RunModal(HWND owner, const std::string& caption, int clientWidth, int clientHeight,
                   DWORD style = kModalStyle);
  // The same with the size of the whole window, frame included, in design pixels.
  INT_PTR RunModalWindow(HWND owner, const std::string& caption, int width, int height, DWORD style);

 protected:
  HWND hwnd() const { return hwnd_; }
  HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
  const Scale& scale() const { return layout_.scale(); }
  // A control of the dialog at its design rectangle, with the dialog's font.
  HWND Make(const wchar_t* cls, const std::string& text, DWORD style, const Rect& design, int id,
            DWORD exStyle = 0, FontRole font = FontRole::kRegular) {
    return layout_.Create(cls, text, WS_VISIBLE | style, exStyle, design, hwnd_, id, font);
  }
  // The name a screen reader gives the control made next, where a group box's caption names
  // it on screen.
  void NameNext(const std::string& name) const { CreateNameLabel(hwnd_, name); }
  // The focus on a control, with the default button following it.
  void FocusOn(HWND control) const {
    SetFocus(control);
    FollowFocus(control);
  }

  virtual void OnInit() {}
  // True when handled.
  virtual bool OnCommand(int id, int code, HWND control);
  virtual void OnOK() { End(IDOK); }
  virtual void OnCancel() { End(IDCANCEL); }
  // After the controls were placed and given fonts for a new DPI.
  virtual void OnRescaled() {}
  // Every other message, as a dialog procedure gets it: TRUE when handled.
  virtual INT_PTR OnMessage(UINT, WPARAM, LPARAM) { return FALSE; }
  void End(INT_PTR result) { EndDialog(hwnd_, result); }

  DesignLayout layout_;

 private:
  static INT_PTR CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  INT_PTR Run(HWND owner, const std::string& caption, int width, int height, DWORD style, bool outer);
  INT_PTR Dispatch(UINT msg, WPARAM wp, LPARAM lp);
  void Init();
  void Rescale(int dpi, const RECT& suggested);
  void FollowFocus(HWND focus) const;

  HWND hwnd_ = nullptr;
  int width_ = 0, height_ = 0;
  bool outerSize_ = false;  // the size is the window's, not its client's
  std::unique_ptr<FontSet> fonts_;
};

}  // namespace zz::ui
