#include "layout_check.h"

#include <commctrl.h>
#include <oleacc.h>

#include "ui/accessible.h"

#include "win32/utf16.h"

namespace zz::test {

namespace {

std::wstring ClassOf(HWND h) {
  wchar_t name[64] = {};
  GetClassNameW(h, name, 64);
  return name;
}

bool Is(HWND h, const wchar_t* cls) { return lstrcmpiW(ClassOf(h).c_str(), cls) == 0; }

// A header item draws its text between margins of three edges on either side.
int HeaderMargins() { return 6 * GetSystemMetrics(SM_CXEDGE); }

LONG_PTR Style(HWND h) { return GetWindowLongPtrW(h, GWL_STYLE); }

bool IsGroupBox(HWND h) { return Is(h, L"BUTTON") && (Style(h) & BS_TYPEMASK) == BS_GROUPBOX; }

// Controls a user types into, clicks or picks from.
bool TakesInput(HWND h) {
  if (Is(h, L"BUTTON")) return !IsGroupBox(h);
  return Is(h, L"EDIT") || Is(h, L"COMBOBOX") || Is(h, L"LISTBOX") || Is(h, WC_LISTVIEWW) || Is(h, UPDOWN_CLASSW);
}

// Windows that let the mouse through to what lies under them: group boxes, and labels that
// do not ask for clicks.
bool LetsMouseThrough(HWND h) { return IsGroupBox(h) || (Is(h, L"STATIC") && !(Style(h) & SS_NOTIFY)); }

RECT ScreenRect(HWND h) {
  RECT r{};
  GetWindowRect(h, &r);
  return r;
}

bool Overlap(const RECT& a, const RECT& b) {
  RECT i{};
  return IntersectRect(&i, &a, &b) != FALSE;
}

std::string Name(HWND h) {
  wchar_t text[64] = {};
  GetWindowTextW(h, text, 64);
  RECT r = ScreenRect(h);
  return Narrow(ClassOf(h)) + " \"" + Narrow(text) + "\" #" + std::to_string(GetDlgCtrlID(h)) + " at (" +
         std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" + std::to_string(r.right) + "," +
         std::to_string(r.bottom) + ")";
}

bool PairedUpDown(HWND a, HWND b) {
  auto buddyOf = [](HWND u) { return reinterpret_cast<HWND>(SendMessageW(u, UDM_GETBUDDY, 0, 0)); };
  return (Is(a, UPDOWN_CLASSW) && buddyOf(a) == b) || (Is(b, UPDOWN_CLASSW) && buddyOf(b) == a);
}

// The shown child windows of `parent`, top of the order first.
std::vector<HWND> ShownChildren(HWND parent) {
  std::vector<HWND> children;
  for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
    if (IsWindowVisible(c)) children.push_back(c);
  return children;
}

// The text of a label, check box or radio button fits its control: nothing of it is cut off.
bool TextFits(HWND h) {
  wchar_t text[512] = {};
  const int length = GetWindowTextW(h, text, 512);
  if (length == 0) return true;
  const LONG_PTR style = Style(h);
  const bool label = Is(h, L"STATIC") && (style & SS_TYPEMASK) <= SS_RIGHT;
  const LONG_PTR type = style & BS_TYPEMASK;
  const bool box = Is(h, L"BUTTON") && (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON ||
                                        type == BS_AUTORADIOBUTTON);
  if (!label && !box) return true;
  RECT client{};
  GetClientRect(h, &client);
  HDC dc = GetDC(h);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(h, WM_GETFONT, 0, 0)));
  RECT need{0, 0, client.right, 0};
  UINT flags = DT_CALCRECT | DT_NOPREFIX | (label ? DT_WORDBREAK : DT_SINGLELINE);
  if (box) need.right = 0;
  DrawTextW(dc, text, length, &need, flags);
  SelectObject(dc, old);
  ReleaseDC(h, dc);
  if (label) return need.bottom <= client.bottom;
  // The box itself and its gap come before the text.
  return need.right + GetSystemMetrics(SM_CXMENUCHECK) + 4 <= client.right;
}

// The header of every column of a list shows whole: the column holds the text in the
// header's font and the header's margins on both sides.
void CheckColumnHeaders(HWND list, std::vector<std::string>& findings) {
  HWND header = ListView_GetHeader(list);
  const int columns = header ? Header_GetItemCount(header) : 0;
  HDC dc = GetDC(header);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(header, WM_GETFONT, 0, 0)));
  for (int c = 0; c < columns; ++c) {
    wchar_t text[128] = {};
    HDITEMW item{};
    item.mask = HDI_TEXT | HDI_WIDTH;
    item.pszText = text;
    item.cchTextMax = 128;
    Header_GetItem(header, c, &item);
    SIZE extent{};
    GetTextExtentPoint32W(dc, text, lstrlenW(text), &extent);
    if (item.cxy < extent.cx + HeaderMargins())
      findings.push_back("header cut off: \"" + Narrow(text) + "\" in " + std::to_string(item.cxy) + " of " +
                         std::to_string(extent.cx + HeaderMargins()) + " pixels, " + Name(list));
  }
  SelectObject(dc, old);
  ReleaseDC(header, dc);
}

// Every shown child lies within its parent; the controls that take input are gathered.
void Gather(HWND parent, std::vector<HWND>& inputs, std::vector<std::string>& findings) {
  RECT client{};
  GetClientRect(parent, &client);
  MapWindowPoints(parent, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
  for (HWND c : ShownChildren(parent)) {
    RECT r = ScreenRect(c);
    if (r.left < client.left || r.top < client.top || r.right > client.right || r.bottom > client.bottom)
      findings.push_back("outside its parent: " + Name(c));
    if (!TextFits(c)) findings.push_back("text cut off: " + Name(c));
    if (Is(c, WC_LISTVIEWW)) CheckColumnHeaders(c, findings);
    if (TakesInput(c))
      inputs.push_back(c);  // the parts of a control are its own
    else
      Gather(c, inputs, findings);
  }
}

// A shown window above the control, or above one of its parents, that covers it and does
// not let the mouse through (controls that take input are the overlap check's).
void CheckCovered(HWND top, HWND control, std::vector<std::string>& findings) {
  const RECT r = ScreenRect(control);
  for (HWND w = control; w && w != top; w = GetParent(w)) {
    for (HWND s = GetWindow(w, GW_HWNDPREV); s; s = GetWindow(s, GW_HWNDPREV)) {
      if (!IsWindowVisible(s) || LetsMouseThrough(s) || TakesInput(s)) continue;
      if (Overlap(ScreenRect(s), r)) findings.push_back("under " + Name(s) + ": " + Name(control));
    }
  }
}

std::string TextOf(HWND h) {
  wchar_t text[512] = {};
  GetWindowTextW(h, text, 512);
  std::wstring shown;
  // "&" marks the access key, "&&" stands for itself.
  for (const wchar_t* p = text; *p; ++p) {
    if (*p == L'&' && *++p == 0) break;
    shown += *p;
  }
  return Narrow(shown);
}

bool IsRadio(HWND h) {
  const LONG_PTR type = Style(h) & BS_TYPEMASK;
  return Is(h, L"BUTTON") && (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON);
}

// The rule of Active Accessibility for standard controls: a button is named by its text; any
// other control by the static text found walking back in z-order, the walk stopping at a
// control that starts a tab group.
std::string NameByRule(HWND control) {
  if (Is(control, L"BUTTON")) return TextOf(control);
  for (HWND before = GetWindow(control, GW_HWNDPREV); before; before = GetWindow(before, GW_HWNDPREV)) {
    if (Is(before, L"STATIC")) return TextOf(before);
    if ((Style(before) & (WS_GROUP | WS_TABSTOP)) == (WS_GROUP | WS_TABSTOP)) break;
  }
  return {};
}

void Collect(HWND parent, std::vector<AccessibleControl>& found) {
  for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    if (!IsWindowVisible(c) || !IsWindowEnabled(c)) continue;
    if (GetWindowLongPtrW(c, GWL_EXSTYLE) & WS_EX_CONTROLPARENT)
      Collect(c, found);  // a panel of ours: its controls are the keyboard's
    else if ((Style(c) & WS_TABSTOP) || IsRadio(c))
      found.push_back({c, Narrow(ClassOf(c)), NameByRule(c), AccessibleName(c)});
  }
}

}  // namespace

std::vector<std::string> LayoutFindings(HWND top) {
  std::vector<std::string> findings;
  std::vector<HWND> inputs;
  Gather(top, inputs, findings);
  for (HWND c : inputs) CheckCovered(top, c, findings);
  for (std::size_t i = 0; i < inputs.size(); ++i)
    for (std::size_t j = i + 1; j < inputs.size(); ++j)
      if (Overlap(ScreenRect(inputs[i]), ScreenRect(inputs[j])) && !PairedUpDown(inputs[i], inputs[j]))
        findings.push_back("overlap: " + Name(inputs[i]) + " and " + Name(inputs[j]));
  return findings;
}

std::optional<std::string> AccessibleName(HWND control) {
  const ui::Apartment apartment;
  IAccessible* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                        reinterpret_cast<void**>(&object))))
    return std::nullopt;
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  std::optional<std::string> answer;
  if (object->get_accName(self, &name) == S_OK && name) answer = Narrow(std::wstring(name, SysStringLen(name)));
  SysFreeString(name);
  object->Release();
  return answer;
}

std::vector<AccessibleControl> FocusableControls(HWND top) {
  std::vector<AccessibleControl> found;
  Collect(top, found);
  return found;
}

}  // namespace zz::test
