// The base of our modal dialogs: built from an in-memory template (a real #32770 dialog),
// `this` bound at WM_INITDIALOG, dispatch to OnInit/OnCommand, and no exception lets out.
#pragma once

#include <windows.h>

#include <string>

namespace zz::ui {

class Dialog {
 public:
  Dialog() = default;
  virtual ~Dialog() = default;
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  static constexpr DWORD kModalStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER;

  // Shows the dialog with the caption and client size in pixels; IDOK or IDCANCEL.
  INT_PTR RunModal(HWND owner, const std::string& caption, int clientWidth, int clientHeight,
                   DWORD style = kModalStyle);

 protected:
  HWND hwnd() const { return hwnd_; }
  HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
  virtual void OnInit() {}
  // True when handled.
  virtual bool OnCommand(int id, int code, HWND control);
  virtual void OnOK() { End(IDOK); }
  virtual void OnCancel() { End(IDCANCEL); }
  // Every other message, as a dialog procedure gets it: TRUE when handled.
  virtual INT_PTR OnMessage(UINT, WPARAM, LPARAM) { return FALSE; }
  void End(INT_PTR result) { EndDialog(hwnd_, result); }

 private:
  static INT_PTR CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

  HWND hwnd_ = nullptr;
  int clientWidth_ = 0, clientHeight_ = 0;
};

}  // namespace zz::ui
