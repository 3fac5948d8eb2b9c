#include "dialog.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "dpi.h"
#include "window.h"
#include "win32/utf16.h"

namespace zz::ui {

namespace {

// An empty dialog template: style, no controls, the caption; sizes are set in pixels later.
std::vector<DWORD> DialogTemplate(const std::wstring& caption, DWORD style) {
  std::vector<WORD> words;
  DLGTEMPLATE head{};
  head.style = style;
  const WORD* raw = reinterpret_cast<const WORD*>(&head);
  words.insert(words.end(), raw, raw + sizeof head / sizeof(WORD));
  words.push_back(0);  // no menu
  words.push_back(0);  // the standard dialog class
  words.insert(words.end(), caption.begin(), caption.end());
  words.push_back(0);
  std::vector<DWORD> aligned((words.size() + 1) / 2 + 1, 0);
  std::copy(words.begin(), words.end(), reinterpret_cast<WORD*>(aligned.data()));
  return aligned;
}

}  // namespace

INT_PTR Dialog::RunModal(HWND owner, const std::string& caption, int clientWidth, int clientHeight, DWORD style) {
  clientWidth_ = clientWidth;
  clientHeight_ = clientHeight;
  std::vector<DWORD> memory = DialogTemplate(Widen(caption), style);
  return DialogBoxIndirectParamW(ModuleInstance(), reinterpret_cast<DLGTEMPLATE*>(memory.data()), owner,
                                 &Dialog::Proc, reinterpret_cast<LPARAM>(this));
}

bool Dialog::OnCommand(int id, int, HWND) {
  if (id == IDOK) {
    OnOK();
    return true;
  }
  if (id == IDCANCEL) {
    OnCancel();
    return true;
  }
  return false;
}

void Dialog::Init() {
  // The dialog's DPI is that of the monitor it opens on; the system leaves its scaling to us.
  KeepDialogScaling(hwnd_);
  const Scale at(WindowDpi(hwnd_));
  fonts_ = std::make_unique<FontSet>(at.Dpi());
  layout_.Use(at, *fonts_);
  RECT r{0, 0, at(clientWidth_), at(clientHeight_)};
  AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE)));
  int w = r.right - r.left, h = r.bottom - r.top;
  RECT owner{};
  HWND parent = GetWindow(hwnd_, GW_OWNER);
  if (parent && IsWindowVisible(parent))
    GetWindowRect(parent, &owner);
  else
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &owner, 0);
  SetWindowPos(hwnd_, nullptr, owner.left + (owner.right - owner.left - w) / 2,
               owner.top + (owner.bottom - owner.top - h) / 2, w, h, SWP_NOZORDER);
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_->Regular()), FALSE);
}

void Dialog::Rescale(int dpi, const RECT& suggested) {
  auto fonts = std::make_unique<FontSet>(dpi);
  layout_.Rescale(Scale(dpi), *fonts);
  fonts_ = std::move(fonts);
  SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  OnRescaled();
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

INT_PTR Dialog::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG:
      Init();
      OnInit();
      // OnInit has put the focus where the dialog starts.
      return FALSE;
    case WM_COMMAND:
      return OnCommand(LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp)) ? TRUE : FALSE;
    case WM_DPICHANGED:
      Rescale(HIWORD(wp), *reinterpret_cast<const RECT*>(lp));
      return TRUE;
    case WM_NCDESTROY:
      hwnd_ = nullptr;
      return FALSE;
    default:
      return OnMessage(msg, wp, lp);
  }
}

INT_PTR CALLBACK Dialog::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  Dialog* self = nullptr;
  if (msg == WM_INITDIALOG) {
    self = reinterpret_cast<Dialog*>(lp);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, DWLP_USER, lp);
  } else {
    self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  }
  if (!self) return FALSE;
  try {
    return self->Dispatch(msg, wp, lp);
  } catch (const std::exception& e) {
    ShowErrorBox(hwnd, e.what());
  } catch (...) {
    ShowErrorBox(hwnd, "");
  }
  return TRUE;
}

}  // namespace zz::ui
