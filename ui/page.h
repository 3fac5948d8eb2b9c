// A page of the main window: a panel right of the navigation bar that holds its fields,
// builds them at the window's DPI with its fonts and hints, and gets their notifications.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "accessible.h"
#include "config_session.h"
#include "controls.h"
#include "disabled_hints.h"
#include "edit_filter.h"
#include "field_controls.h"
#include "fonts.h"
#include "grid_columns.h"
#include "key_filters.h"
#include "layout.h"
#include "window.h"

namespace zz {

// What every page shares with the main window.
struct PageContext {
  const ui::FontSet* fonts = nullptr;  // at the window's DPI
  ui::Scale scale;
  ui::Tooltip tips;  // hints, 15 s
  Beeper& beeper;
  Prompts& prompts;
  ConfigState& state;
  std::function<void()> requestClose;  // as the menu item "&Выход"
  bool highContrast = false;           // the system's colours instead of the design's
};

inline constexpr COLORREF kTitleGrey = RGB(128, 128, 128);
inline constexpr COLORREF kStateBlue = RGB(0, 0, 255);

class Page : public ui::Window {
 public:
  explicit Page(PageContext& context) : ctx_(context) {}

  // Names the panel's parent and grey title (none for an empty one); the panel and its fields
  // are made when first needed, the page's fields keeping their values until then.
  void Declare(HWND parent, const std::string& title) {
    parent_ = parent;
    titleText_ = title;
  }
  // Makes the panel, hidden, with its title and fields, if it is not made yet.
  void EnsureCreated();
  void CreatePage(HWND parent, const std::string& title) {
    Declare(parent, title);
    EnsureCreated();
  }
  // The page's area; a page larger than it scrolls (WM_SIZE).
  void Place(const ui::Rect& r) const {
    if (hwnd()) MoveWindow(hwnd(), r.x, r.y, r.width, r.height, TRUE);
  }
  void Show(bool visible) const {
    if (hwnd()) ShowWindow(hwnd(), visible ? SW_SHOW : SW_HIDE);
  }
  bool Visible() const { return hwnd() && IsWindowVisible(hwnd()) != FALSE; }
  const ui::Control& Title() const { return title_; }
  // The fields again at the context's new DPI and fonts.
  void Rescale();
  // The first field in the tab order, for the focus when the page is shown.
  HWND FirstField() const { return hwnd() ? GetNextDlgTabItem(hwnd(), nullptr, FALSE) : nullptr; }
  // The focus goes on from a field that has just been disabled or hidden to the next one.
  void MoveFocusOn(HWND from) const;
  // Enter on a focused field of this page: a push button is pressed, a list acts as on a
  // double-click. False when the field does nothing with it.
  bool PressEnter(HWND focus);

 protected:
  virtual void CreateFields() = 0;
  virtual void OnCommand(HWND control, int code) = 0;
  virtual LRESULT OnNotify(const NMHDR&) { return 0; }
  virtual bool OnDrawItem(const DRAWITEMSTRUCT&) { return false; }
  // Pictures and anything else drawn for one DPI are made again here.
  virtual void OnRescaled() {}
  // Paints what the page draws itself, under its fields.
  virtual void OnPaint(HDC) {}
  // Enter on a field other than a push button; true when the page acted on it.
  virtual bool OnEnter(HWND) { return false; }

  // Builders of the fields, in tab order, at their design rectangles.
  ui::Control Label(const std::string& text, const ui::Rect& r, DWORD extraStyle = 0,
                    ui::FontRole font = ui::FontRole::kRegular);
  ui::Button Group(const std::string& text, const ui::Rect& r);
  ui::Edit EditBox(const ui::Rect& r, const char* hint, std::optional<KeyFilter> filter = std::nullopt);
  // A drop-down list without items: its field gives them when it attaches it.
  ui::ComboBox DropDown(const ui::Rect& r, const char* hint);
  ui::Button PushButton(const std::string& text, const ui::Rect& r, DWORD extraStyle = 0);
  ui::Button CheckBox(const std::string& text, const ui::Rect& r);
  ui::UpDown UpDownFor(const ui::Edit& buddy, const UpDownRange& range);
  // A grid with the columns given, which keep it from then on; they start within its width
  // less a vertical scroll bar.
  ui::ListView Grid(const ui::Rect& r, DWORD extraStyle, GridColumns& columns);
  // The name a screen reader gives the control made next, where a group box's caption or a
  // picture names it on screen.
  void NameNext(const std::string& name) const { ui::CreateNameLabel(hwnd(), name); }
  // Read after the name, as the unit after a field.
  static void Describe(HWND control, const std::string& description) {
    ui::Annotate(control, ui::AccessibleText::kDescription, description);
  }
  template <std::size_t N>
  void RadioGroup(RadioGroupField& field, const std::string& caption, const ui::Rect& r,
                  const std::array<const char*, N>& items);
  HWND Make(const wchar_t* cls, const std::string& text, DWORD style, const ui::Rect& r,
            ui::FontRole font = ui::FontRole::kRegular, DWORD exStyle = 0);

  // A hint on the control; it also shows while the control is disabled.
  void Hint(HWND control, const char* hint);
  void SetHint(HWND control, const std::string& hint);
  // Call after enabling or disabling a control with a hint.
  void SyncHints() { disabledHints_.Sync(); }
  void Colour(HWND label, COLORREF colour) { colours_.emplace_back(label, colour); }

  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  // The scroll bars of a page larger than its area (page_scroll.cpp): the fields move with the
  // design's origin, the focused field is brought into view.
  void UpdateScrollBars();
  void ScrollTo(POINT position);
  void ScrollBy(int bar, int code);
  void ScrollIntoView(HWND control);
  SIZE ContentSize() const;
  void ReportError(const std::string& message) override { ctx_.prompts.ShowError(message); }

  PageContext& ctx_;
  ui::DesignLayout layout_;

 private:
  HWND parent_ = nullptr;
  std::string titleText_;
  ui::Control title_;
  int nextId_ = 1000;
  std::vector<std::pair<HWND, COLORREF>> colours_;
  DisabledHints disabledHints_{nullptr, {}, 0};
};

template <std::size_t N>
void Page::RadioGroup(RadioGroupField& field, const std::string& caption, const ui::Rect& r,
                      const std::array<const char*, N>& items) {
  ui::Button group = Group(caption, r);
  std::vector<ui::Button> buttons;
  for (std::size_t i = 0; i < N; ++i) {
    // Auto radio buttons of one group: the arrow keys move the selection, not only the focus.
    DWORD style = WS_VISIBLE | BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP | WS_TABSTOP : 0);
    buttons.emplace_back(Make(L"BUTTON", items[i], style, {r.x + 12, r.y + 20 + static_cast<int>(i) * 22, r.width - 24, 20}));
    // Which group the button belongs to, where the same items stand in two groups.
    Describe(buttons.back().hwnd(), caption);
  }
  field.Attach(group, std::move(buttons));
}

}  // namespace zz
