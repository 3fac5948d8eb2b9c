#include "page.h"

#include "win32/utf16.h"

namespace zz {

namespace {

LRESULT CALLBACK FilterProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR data) {
  if (msg == WM_CHAR && !KeyPasses(static_cast<KeyFilter>(id - 1), static_cast<unsigned>(wp))) {
    reinterpret_cast<Beeper*>(data)->Beep();
    return 0;
  }
  if (msg == WM_NCDESTROY) RemoveWindowSubclass(hwnd, &FilterProc, id);
  return DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace

void AttachKeyFilter(HWND edit, KeyFilter filter, Beeper& beeper) {
  SetWindowSubclass(edit, &FilterProc, static_cast<UINT_PTR>(filter) + 1, reinterpret_cast<DWORD_PTR>(&beeper));
}

void Page::CreatePage(HWND parent, const std::string& title) {
  Create({L"ZzPage", "", WS_CHILD | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT, 0, 0, 100, 100, parent});
  title_ = ui::Control(Make(L"STATIC", title, WS_VISIBLE | SS_LEFT, {208, 12, 400, 28}, ctx_.titleFont));
  Colour(title_.hwnd(), kTitleGrey);
  CreateFields();
}

HWND Page::Make(const wchar_t* cls, const std::string& text, DWORD style, const ui::Rect& r, HFONT font,
                DWORD exStyle) {
  return ui::CreateControl(cls, text, style, exStyle, r, hwnd(), nextId_++, font);
}

ui::Control Page::Label(const std::string& text, const ui::Rect& r, DWORD extraStyle) {
  return ui::Control(Make(L"STATIC", text, WS_VISIBLE | SS_LEFT | extraStyle, r, ctx_.font));
}

ui::Button Page::Group(const std::string& text, const ui::Rect& r) {
  return ui::Button(Make(L"BUTTON", text, WS_VISIBLE | BS_GROUPBOX, r, ctx_.font));
}

ui::Edit Page::EditBox(const ui::Rect& r, const char* hint, std::optional<KeyFilter> filter) {
  ui::Edit edit(Make(L"EDIT", "", WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, r, ctx_.font, WS_EX_CLIENTEDGE));
  if (hint) Hint(edit.hwnd(), hint);
  if (filter) AttachKeyFilter(edit.hwnd(), *filter, ctx_.beeper);
  return edit;
}

ui::ComboBox Page::DropDown(const ui::Rect& r, const std::vector<std::string>& items, const char* hint) {
  ui::ComboBox combo(Make(L"COMBOBOX", "", WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                          {r.x, r.y, r.width, 300}, ctx_.font));
  for (const std::string& item : items) combo.Add(item);
  if (hint) Hint(combo.hwnd(), hint);
  return combo;
}

ui::Button Page::PushButton(const std::string& text, const ui::Rect& r, DWORD extraStyle) {
  return ui::Button(Make(L"BUTTON", text, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON | extraStyle, r, ctx_.font));
}

ui::Button Page::CheckBox(const std::string& text, const ui::Rect& r) {
  return ui::Button(Make(L"BUTTON", text, WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, r, ctx_.font));
}

ui::UpDown Page::UpDownFor(const ui::Edit& buddy, const UpDownRange& range) {
  ui::UpDown upDown(Make(UPDOWN_CLASSW, "",
                         WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
                         {0, 0, 0, 0}, nullptr));
  upDown.SetBuddy(buddy.hwnd());
  upDown.SetRange(range.min, range.max);
  upDown.SetStep(range.step);
  upDown.SetPos(range.initial);
  return upDown;
}

void Page::Hint(HWND control, const char* hint) const { ctx_.tips.AddTool(control, hint); }

LRESULT Page::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
      if (lp) OnCommand(reinterpret_cast<HWND>(lp), HIWORD(wp));
      return 0;
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<const NMHDR*>(lp));
    case WM_DRAWITEM:
      if (OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp))) return TRUE;
      break;
    case WM_CTLCOLORSTATIC:
      for (const auto& [label, colour] : colours_) {
        if (label == reinterpret_cast<HWND>(lp)) {
          HDC dc = reinterpret_cast<HDC>(wp);
          SetTextColor(dc, colour);
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
