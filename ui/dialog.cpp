#include "dialog.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "dialog_rules.h"
#include "dpi.h"
#include "win32/utf16.h"
#include "window.h"

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

RECT WorkAreaOf(HWND window) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
  return monitor.rcWork;
}

INT_PTR Dialog::Run(HWND owner, const std::string& caption, int width, int height, DWORD style, bool outer) {
  width_ = width;
  height_ = height;
  outerSize_ = outer;
  std::vector<DWORD> memory = DialogTemplate(Widen(caption), style);
  return DialogBoxIndirectParamW(ModuleInstance(), reinterpret_cast<DLGTEMPLATE*>(memory.data()), owner,
                                 &Dialog::Proc, reinterpret_cast<LPARAM>(this));
}

INT_PTR Dialog::RunModal(HWND owner, const std::string& caption, int clientWidth, int clientHeight, DWORD style) {
  return Run(owner, caption, clientWidth, clientHeight, style, false);
}

INT_PTR Dialog::RunModalWindow(HWND owner, const std::string& caption, int width, int height, DWORD style) {
  return Run(owner, caption, width, height, style, true);
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
  RECT r{0, 0, at(width_), at(height_)};
  if (!outerSize_)
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE)));
  // Centred on its owner, and whole within the work area of the owner's monitor: at a large
  // scale on a small screen it is made smaller rather than put beyond an edge.
  HWND parent = GetWindow(hwnd_, GW_OWNER);
  const RECT work = WorkAreaOf(parent ? parent : hwnd_);
  const Box area{work.left, work.top, work.right - work.left, work.bottom - work.top};
  RECT owner = work;
  if (parent && IsWindowVisible(parent)) GetWindowRect(parent, &owner);
  const Box place = CentreWithin({owner.left, owner.top, owner.right - owner.left, owner.bottom - owner.top},
                              std::min<int>(r.right - r.left, area.width), std::min<int>(r.bottom - r.top, area.height),
                              area);
  SetWindowPos(hwnd_, nullptr, place.left, place.top, place.width, place.height, SWP_NOZORDER);
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

namespace {

bool IsPushButton(HWND h) {
  wchar_t cls[16] = {};
  GetClassNameW(h, cls, 16);
  const LONG_PTR type = GetWindowLongPtrW(h, GWL_STYLE) & BS_TYPEMASK;
  return lstrcmpiW(cls, L"BUTTON") == 0 && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
}

}  // namespace

void Dialog::FollowFocus(HWND focus) const {
  // The default button follows the focus, however it moved: the focused push button, or
  // the dialog's own default (OK) when the focus is on any other control.
  HWND def = IsPushButton(focus) ? focus : GetDlgItem(hwnd_, IDOK);
  if (!def) return;
  // The dialog's default answers Enter on a control that does not take it itself.
  SendMessageW(hwnd_, DM_SETDEFID, static_cast<WPARAM>(GetDlgCtrlID(def)), 0);
  for (HWND c = GetWindow(hwnd_, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    if (!IsPushButton(c)) continue;
    const LONG_PTR style = GetWindowLongPtrW(c, GWL_STYLE) & BS_TYPEMASK;
    const LONG_PTR wanted = c == def ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    if (style != wanted) SendMessageW(c, BM_SETSTYLE, static_cast<WPARAM>(wanted), TRUE);
  }
}

INT_PTR Dialog::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG:
      Init();
      OnInit();
      // OnInit has put the focus where the dialog starts.
      return FALSE;
    case WM_COMMAND:
      switch (HIWORD(wp)) {
        case EN_SETFOCUS:
        case CBN_SETFOCUS:
        case LBN_SETFOCUS:
        case BN_SETFOCUS:
          if (lp) FollowFocus(reinterpret_cast<HWND>(lp));
          break;
        default:
          break;
      }
      return OnCommand(LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp)) ? TRUE : FALSE;
    case WM_NOTIFY:
      if (reinterpret_cast<const NMHDR*>(lp)->code == static_cast<UINT>(NM_SETFOCUS))
        FollowFocus(reinterpret_cast<const NMHDR*>(lp)->hwndFrom);
      return OnMessage(msg, wp, lp);
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
