#include "page.h"

#include "colours.h"
#include "win32/utf16.h"

namespace zz {

namespace {

constexpr ui::Rect kTitleRect{208, 12, 400, 28};
constexpr int kDropDownListHeight = 300;
constexpr int kGridEdges = 4;  // the sunken edge on either side of a grid

// What the page paints itself stays out of its fields, as with a clipping of the children,
// but group boxes, which paint only their frame, let the page's picture show inside them.
void ExcludeFields(HWND page, HDC dc) {
  for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    wchar_t cls[16] = {};
    GetClassNameW(child, cls, 16);
    if (lstrcmpiW(cls, L"BUTTON") == 0 && (GetWindowLongPtrW(child, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX) continue;
    ui::Rect r = ui::Control(child).Bounds();
    ExcludeClipRect(dc, r.x, r.y, r.x + r.width, r.y + r.height);
  }
}

// Whether a field's notification says it has taken the focus.
bool TakesFocus(HWND control, int code) {
  wchar_t cls[16] = {};
  GetClassNameW(control, cls, 16);
  if (lstrcmpiW(cls, L"EDIT") == 0) return code == EN_SETFOCUS;
  if (lstrcmpiW(cls, L"COMBOBOX") == 0) return code == CBN_SETFOCUS;
  if (lstrcmpiW(cls, L"LISTBOX") == 0) return code == LBN_SETFOCUS;
  return lstrcmpiW(cls, L"BUTTON") == 0 && code == BN_SETFOCUS;
}

}  // namespace

void Page::EnsureCreated() {
  if (hwnd()) return;
  layout_.Use(ctx_.scale, *ctx_.fonts);
  Create({L"ZzPage", "", WS_CHILD | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT, 0, 0, 100, 100, parent_});
  disabledHints_ = DisabledHints(hwnd(), ctx_.tips, ctx_.tips.AutoPop());
  if (!titleText_.empty()) {
    title_ = ui::Control(Make(L"STATIC", titleText_, WS_VISIBLE | SS_LEFT, kTitleRect, ui::FontRole::kTitle));
    Colour(title_.hwnd(), kTitleGrey);
  }
  CreateFields();
}

void Page::Rescale() {
  if (!hwnd()) return;  // made later, at the DPI of that time
  ScrollTo({0, 0});
  layout_.Rescale(ctx_.scale, *ctx_.fonts);
  OnRescaled();
  UpdateScrollBars();
  InvalidateRect(hwnd(), nullptr, TRUE);
}

void Page::MoveFocusOn(HWND from) const {
  HWND next = GetNextDlgTabItem(hwnd(), from, FALSE);
  if (next && next != from) SetFocus(next);
}

bool Page::PressEnter(HWND focus) {
  if (!focus || !IsChild(hwnd(), focus) || !IsWindowEnabled(focus)) return false;
  wchar_t cls[16] = {};
  GetClassNameW(focus, cls, 16);
  const LONG_PTR type = GetWindowLongPtrW(focus, GWL_STYLE) & BS_TYPEMASK;
  if (lstrcmpiW(cls, L"BUTTON") == 0 && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_OWNERDRAW)) {
    ui::Button(focus).Click();
    return true;
  }
  return OnEnter(focus);
}

HWND Page::Make(const wchar_t* cls, const std::string& text, DWORD style, const ui::Rect& r, ui::FontRole font,
                DWORD exStyle) {
  // Every field that the Tab key reaches starts a group of its own, so that the arrow keys
  // move only within a radio group.
  if (style & WS_TABSTOP) style |= WS_GROUP;
  // Buttons tell when they take the focus, for the page to bring them into view.
  if (lstrcmpiW(cls, L"BUTTON") == 0 && (style & BS_TYPEMASK) != BS_GROUPBOX) style |= BS_NOTIFY;
  return layout_.Create(cls, text, style, exStyle, r, hwnd(), nextId_++, font);
}

ui::Control Page::Label(const std::string& text, const ui::Rect& r, DWORD extraStyle, ui::FontRole font) {
  return ui::Control(Make(L"STATIC", text, WS_VISIBLE | SS_LEFT | extraStyle, r, font));
}

ui::Button Page::Group(const std::string& text, const ui::Rect& r) {
  return ui::Button(Make(L"BUTTON", text, WS_VISIBLE | WS_GROUP | BS_GROUPBOX, r));
}

ui::Edit Page::EditBox(const ui::Rect& r, const char* hint, std::optional<KeyFilter> filter) {
  ui::Edit edit(Make(L"EDIT", "", WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, r, ui::FontRole::kRegular,
                     WS_EX_CLIENTEDGE));
  if (hint) Hint(edit.hwnd(), hint);
  // Every edit of the pages holds a key's value: one line of the file, 127 characters at most.
  AttachEditInput(edit.hwnd(), {filter, true, true, static_cast<int>(kValueCapacity)}, ctx_.beeper);
  return edit;
}

ui::ComboBox Page::DropDown(const ui::Rect& r, const char* hint) {
  ui::ComboBox combo(Make(L"COMBOBOX", "", WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                          {r.x, r.y, r.width, kDropDownListHeight}));
  if (hint) Hint(combo.hwnd(), hint);
  return combo;
}

ui::Button Page::PushButton(const std::string& text, const ui::Rect& r, DWORD extraStyle) {
  return ui::Button(Make(L"BUTTON", text, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON | extraStyle, r));
}

ui::Button Page::CheckBox(const std::string& text, const ui::Rect& r) {
  return ui::Button(Make(L"BUTTON", text, WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, r));
}

ui::UpDown Page::UpDownFor(const ui::Edit& buddy, const UpDownRange& range) {
  ui::UpDown upDown(layout_.CreateUpDown(WS_VISIBLE | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
                                         buddy.hwnd(), nextId_++));
  upDown.SetRange(range.min, range.max);
  upDown.SetStep(range.step);
  upDown.SetPos(range.initial);
  return upDown;
}

ui::ListView Page::Grid(const ui::Rect& r, DWORD extraStyle, GridColumns& columns) {
  ui::ListView grid(Make(WC_LISTVIEWW, "",
                         WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER | extraStyle, r,
                         ui::FontRole::kRegular, WS_EX_CLIENTEDGE));
  grid.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  KeepCurrentRow(grid.hwnd());
  columns.Attach(grid, layout_.scale().Dpi(), r.width - ui::kDesignScrollBarWidth - kGridEdges);
  return grid;
}

void Page::Hint(HWND control, const char* hint) {
  ctx_.tips.AddTool(control, hint);
  disabledHints_.Add(control, hint);
}

void Page::SetHint(HWND control, const std::string& hint) {
  ctx_.tips.SetToolText(control, hint);
  disabledHints_.SetText(control, hint);
}

LRESULT Page::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
      // An open list is not to lie under its own hint.
      if (HIWORD(wp) == CBN_DROPDOWN) ctx_.tips.Send(TTM_POP);
      if (lp && TakesFocus(reinterpret_cast<HWND>(lp), HIWORD(wp))) ScrollIntoView(reinterpret_cast<HWND>(lp));
      if (lp) OnCommand(reinterpret_cast<HWND>(lp), HIWORD(wp));
      return 0;
    case WM_NOTIFY:
      if (reinterpret_cast<const NMHDR*>(lp)->code == static_cast<UINT>(NM_SETFOCUS))
        ScrollIntoView(reinterpret_cast<const NMHDR*>(lp)->hwndFrom);
      return OnNotify(*reinterpret_cast<const NMHDR*>(lp));
    case WM_SIZE:
      UpdateScrollBars();
      return 0;
    case WM_HSCROLL:
    case WM_VSCROLL:
      // An up-down's own arrows send these too, with the up-down as the control.
      if (lp) break;
      ScrollBy(msg == WM_HSCROLL ? SB_HORZ : SB_VERT, LOWORD(wp));
      return 0;
    case WM_MOUSEWHEEL:
      ScrollBy(SB_VERT, GET_WHEEL_DELTA_WPARAM(wp) > 0 ? SB_LINEUP : SB_LINEDOWN);
      return 0;
    case WM_DRAWITEM:
      if (OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp))) return TRUE;
      break;
    case WM_TIMER:
      if (disabledHints_.OnTimer(wp)) return 0;
      break;
    case WM_SETFOCUS:
      // The panel itself takes no keys; it gets the focus when a focused field is hidden.
      if (HWND first = FirstField()) SetFocus(first);
      return 0;
    case WM_PAINT: {
      ui::PaintDc dc(hwnd());
      ExcludeFields(hwnd(), dc.get());
      // What the page draws in the design's places moves with its fields.
      const POINT origin = layout_.Origin();
      SetViewportOrgEx(dc.get(), origin.x, origin.y, nullptr);
      OnPaint(dc.get());
      return 0;
    }
    case WM_CTLCOLORSTATIC:
      for (const auto& [label, colour] : colours_) {
        if (label == reinterpret_cast<HWND>(lp)) {
          HDC dc = reinterpret_cast<HDC>(wp);
          SetTextColor(dc, ui::SchemeColour(ctx_.highContrast, colour, COLOR_BTNTEXT));
          SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
          return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        }
      }
      break;
    default:
      break;
  }
  return ui::Window::HandleMessage(msg, wp, lp);
}

}  // namespace zz
