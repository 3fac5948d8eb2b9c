#include "controls.h"

#include "win32/utf16.h"

namespace zz::ui {

namespace {

std::string TextOf(HWND h) {
  int length = GetWindowTextLengthW(h);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  int got = GetWindowTextW(h, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(got < 0 ? 0 : got));
  return Narrow(text);
}

}  // namespace

std::string Control::Text() const { return TextOf(h_); }

void Control::SetText(const std::string& text) const { SetWindowTextW(h_, Widen(text).c_str()); }

Rect Control::Bounds() const {
  RECT r{};
  GetWindowRect(h_, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(h_), reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

HWND CreateControl(const wchar_t* className, const std::string& text, DWORD style, DWORD exStyle, const Rect& r,
                   HWND parent, int id, HFONT font) {
  HWND h = CreateWindowExW(exStyle, className, Widen(text).c_str(), style | WS_CHILD, r.x, r.y, r.width, r.height,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                           nullptr);
  if (h && font) SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return h;
}

int ComboBox::Add(const std::string& text) const {
  return static_cast<int>(Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(text).c_str())));
}

std::string ComboBox::ItemText(int index) const {
  LRESULT length = Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
  if (length == CB_ERR) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  Send(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return Narrow(text);
}

int ListBox::Add(const std::string& text) const {
  return static_cast<int>(Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(text).c_str())));
}

std::string ListBox::ItemText(int index) const {
  LRESULT length = Send(LB_GETTEXTLEN, static_cast<WPARAM>(index));
  if (length == LB_ERR) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  Send(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return Narrow(text);
}

void ListView::InsertColumn(int index, const std::string& text, int width) const {
  std::wstring w = Widen(text);
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  column.pszText = w.data();
  column.cx = width;
  column.iSubItem = index;
  Send(LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
}

int ListView::StringWidth(const std::string& text) const {
  std::wstring w = Widen(text);
  return static_cast<int>(Send(LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(w.c_str())));
}

int ListView::ColumnCount() const {
  HWND header = reinterpret_cast<HWND>(Send(LVM_GETHEADER));
  return header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

std::string ListView::ColumnText(int index) const {
  wchar_t buffer[256] = {};
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT;
  column.pszText = buffer;
  column.cchTextMax = 255;
  Send(LVM_GETCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
  return Narrow(buffer);
}

int ListView::InsertItem(int row, const std::string& text) const {
  std::wstring w = Widen(text);
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = row;
  item.pszText = w.data();
  return static_cast<int>(Send(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

void ListView::SetItemText(int row, int column, const std::string& text) const {
  std::wstring w = Widen(text);
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = w.data();
  Send(LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

std::string ListView::ItemText(int row, int column) const {
  // The list view copies at most the buffer; grow it until the text fits.
  for (std::size_t size = 256;; size *= 4) {
    std::wstring buffer(size, L'\0');
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = buffer.data();
    item.cchTextMax = static_cast<int>(size);
    LRESULT length = Send(LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    if (static_cast<std::size_t>(length) + 1 < size || size > (1u << 20)) {
      buffer.resize(static_cast<std::size_t>(length));
      return Narrow(buffer);
    }
  }
}

void ListView::Select(int row) const {
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  Send(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

void UpDown::SetStep(int step) const {
  UDACCEL accel{0, static_cast<UINT>(step)};
  Send(UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
}

int UpDown::Step() const {
  UDACCEL accel{0, 0};
  Send(UDM_GETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
  return static_cast<int>(accel.nInc);
}

void StatusBar::SetParts(const std::vector<int>& widths) const {
  std::vector<int> edges;
  int right = 0;
  for (int w : widths) edges.push_back(right += w);
  Send(SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

void StatusBar::SetPartText(int part, const std::string& text) const {
  Send(SB_SETTEXTW, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

std::string StatusBar::PartText(int part) const {
  LRESULT length = LOWORD(Send(SB_GETTEXTLENGTHW, static_cast<WPARAM>(part)));
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  Send(SB_GETTEXTW, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return Narrow(text);
}

Tooltip Tooltip::Create(HWND owner) {
  HWND h = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  // Hints of several lines break at their line ends.
  SendMessageW(h, TTM_SETMAXTIPWIDTH, 0, 800);
  return Tooltip(h);
}

namespace {

TOOLINFOW ToolOf(HWND tool, wchar_t* text) {
  TOOLINFOW info{};
  info.cbSize = sizeof info;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = GetParent(tool);
  info.uId = reinterpret_cast<UINT_PTR>(tool);
  info.lpszText = text;
  return info;
}

TOOLINFOW TrackedOf(HWND owner, UINT_PTR id, wchar_t* text) {
  TOOLINFOW info{};
  info.cbSize = sizeof info;
  info.uFlags = TTF_TRACK | TTF_ABSOLUTE;
  info.hwnd = owner;
  info.uId = id;
  info.lpszText = text;
  return info;
}

}  // namespace

void Tooltip::AddTracked(HWND owner, UINT_PTR id, const std::string& text) const {
  std::wstring w = Widen(text);
  TOOLINFOW info = TrackedOf(owner, id, w.data());
  Send(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void Tooltip::SetTrackedText(HWND owner, UINT_PTR id, const std::string& text) const {
  std::wstring w = Widen(text);
  TOOLINFOW info = TrackedOf(owner, id, w.data());
  Send(TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

void Tooltip::ShowTracked(HWND owner, UINT_PTR id, POINT screen) const {
  TOOLINFOW info = TrackedOf(owner, id, nullptr);
  Send(TTM_TRACKPOSITION, 0, MAKELPARAM(screen.x, screen.y));
  Send(TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&info));
}

void Tooltip::HideTracked(HWND owner, UINT_PTR id) const {
  TOOLINFOW info = TrackedOf(owner, id, nullptr);
  Send(TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&info));
}

void Tooltip::AddTool(HWND tool, const std::string& text) const {
  std::wstring w = Widen(text);
  TOOLINFOW info = ToolOf(tool, w.data());
  Send(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void Tooltip::SetToolText(HWND tool, const std::string& text) const {
  std::wstring w = Widen(text);
  TOOLINFOW info = ToolOf(tool, w.data());
  Send(TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

std::string Tooltip::ToolText(HWND tool) const {
  std::wstring buffer(4096, L'\0');
  TOOLINFOW info = ToolOf(tool, buffer.data());
  Send(TTM_GETTEXTW, buffer.size(), reinterpret_cast<LPARAM>(&info));
  buffer.resize(wcslen(buffer.c_str()));
  return Narrow(buffer);
}

}  // namespace zz::ui
