// Thin, non-owning wrappers of the standard controls: each method forwards one message,
// so window code reads like the properties it sets. Texts are UTF-8.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

namespace zz::ui {

struct Rect {
  int x, y, width, height;
};

class Control {
 public:
  Control() = default;
  explicit Control(HWND hwnd) : h_(hwnd) {}

  HWND hwnd() const { return h_; }
  int Id() const { return GetDlgCtrlID(h_); }
  LRESULT Send(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const { return SendMessageW(h_, msg, wp, lp); }

  std::string Text() const;
  void SetText(const std::string& text) const;
  void Show(bool visible) const { ShowWindow(h_, visible ? SW_SHOW : SW_HIDE); }
  bool Visible() const { return IsWindowVisible(h_) != FALSE; }
  void Enable(bool enabled) const { EnableWindow(h_, enabled ? TRUE : FALSE); }
  bool Enabled() const { return IsWindowEnabled(h_) != FALSE; }
  void Move(const Rect& r) const { MoveWindow(h_, r.x, r.y, r.width, r.height, TRUE); }
  Rect Bounds() const;  // in the parent's client coordinates
  void SetFont(HFONT font) const { Send(WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE); }
  void Redraw() const { InvalidateRect(h_, nullptr, TRUE); }

 protected:
  HWND h_ = nullptr;
};

// Creates a child control with the given class, text, style and bounds.
HWND CreateControl(const wchar_t* className, const std::string& text, DWORD style, DWORD exStyle, const Rect& r,
                   HWND parent, int id, HFONT font);

class Button : public Control {
 public:
  using Control::Control;
  void Click() const { Send(BM_CLICK); }
  bool Checked() const { return Send(BM_GETCHECK) == BST_CHECKED; }
  void SetChecked(bool checked) const { Send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED); }
};

class Edit : public Control {
 public:
  using Control::Control;
  void SelectAll() const { Send(EM_SETSEL, 0, -1); }
};

class ComboBox : public Control {
 public:
  using Control::Control;
  int Add(const std::string& text) const;
  int Count() const { return static_cast<int>(Send(CB_GETCOUNT)); }
  int CurSel() const { return static_cast<int>(Send(CB_GETCURSEL)); }
  void SetCurSel(int index) const { Send(CB_SETCURSEL, static_cast<WPARAM>(index)); }
  std::string ItemText(int index) const;
};

class ListBox : public Control {
 public:
  using Control::Control;
  int Add(const std::string& text) const;
  void Clear() const { Send(LB_RESETCONTENT); }
  int Count() const { return static_cast<int>(Send(LB_GETCOUNT)); }
  int CurSel() const { return static_cast<int>(Send(LB_GETCURSEL)); }
  void SetCurSel(int index) const { Send(LB_SETCURSEL, static_cast<WPARAM>(index)); }
  std::string ItemText(int index) const;
};

class ListView : public Control {
 public:
  using Control::Control;
  void SetExtendedStyle(DWORD style) const { Send(LVM_SETEXTENDEDLISTVIEWSTYLE, style, style); }
  void InsertColumn(int index, const std::string& text, int width) const;
  int ColumnCount() const;
  int ColumnWidth(int index) const { return static_cast<int>(Send(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(index))); }
  void SetColumnWidth(int index, int width) const { Send(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(index), MAKELPARAM(width, 0)); }
  // The width of a text in the list's font.
  int StringWidth(const std::string& text) const;
  // Shows the row, scrolling no more than needed.
  void EnsureVisible(int row) const { Send(LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE); }
  int TopIndex() const { return static_cast<int>(Send(LVM_GETTOPINDEX)); }
  std::string ColumnText(int index) const;
  int ItemCount() const { return static_cast<int>(Send(LVM_GETITEMCOUNT)); }
  void DeleteAll() const { Send(LVM_DELETEALLITEMS); }
  int InsertItem(int row, const std::string& text) const;
  void SetItemText(int row, int column, const std::string& text) const;
  std::string ItemText(int row, int column) const;
  int Selected() const { return static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED)); }
  void Select(int row) const;
};

class UpDown : public Control {
 public:
  using Control::Control;
  HWND Buddy() const { return reinterpret_cast<HWND>(Send(UDM_GETBUDDY)); }
  void SetRange(int min, int max) const { Send(UDM_SETRANGE32, static_cast<WPARAM>(min), max); }
  void GetRange(int& min, int& max) const { Send(UDM_GETRANGE32, reinterpret_cast<WPARAM>(&min), reinterpret_cast<LPARAM>(&max)); }
  void SetPos(int position) const { Send(UDM_SETPOS32, 0, position); }
  int Pos() const { return static_cast<int>(Send(UDM_GETPOS32)); }
  void SetStep(int step) const;
  int Step() const;
};

class StatusBar : public Control {
 public:
  using Control::Control;
  // Widths of the parts from the left; the right edges are their running sums.
  void SetParts(const std::vector<int>& widths) const;
  void SetPartText(int part, const std::string& text) const;
  std::string PartText(int part) const;
};

class Tooltip : public Control {
 public:
  using Control::Control;
  static Tooltip Create(HWND owner);
  void AddTool(HWND tool, const std::string& text) const;
  void SetToolText(HWND tool, const std::string& text) const;
  std::string ToolText(HWND tool) const;
  // A hint that shows where and while its owner says (a tracking tool), named by `id`.
  void AddTracked(HWND owner, UINT_PTR id, const std::string& text) const;
  void SetTrackedText(HWND owner, UINT_PTR id, const std::string& text) const;
  void ShowTracked(HWND owner, UINT_PTR id, POINT screen) const;
  void HideTracked(HWND owner, UINT_PTR id) const;
  void SetAutoPop(int milliseconds) const { Send(TTM_SETDELAYTIME, TTDT_AUTOPOP, milliseconds); }
  int AutoPop() const { return static_cast<int>(Send(TTM_GETDELAYTIME, TTDT_AUTOPOP)); }
};

class Animate : public Control {
 public:
  using Control::Control;
  bool OpenResource(HINSTANCE instance, const wchar_t* name) const {
    return Send(ACM_OPENW, reinterpret_cast<WPARAM>(instance), reinterpret_cast<LPARAM>(name)) != 0;
  }
  bool Play(int from, int to, int repeat) const {
    return Send(ACM_PLAY, static_cast<WPARAM>(repeat), MAKELONG(from, to)) != 0;
  }
  bool Stop() const { return Send(ACM_STOP) != 0; }
};

}  // namespace zz::ui
