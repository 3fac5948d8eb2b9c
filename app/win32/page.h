// A page of the main window: a panel right of the navigation bar that holds its fields,
// builds them with the window's fonts and hints, and gets their notifications.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "config_session.h"
#include "field_controls.h"
#include "key_filters.h"
#include "ui/controls.h"
#include "ui/window.h"

namespace zz {

// What every page shares with the main window.
struct PageContext {
  HFONT font = nullptr;       // MS Sans Serif, 13 pixels
  HFONT boldFont = nullptr;
  HFONT titleFont = nullptr;  // the grey page titles
  ui::Tooltip tips;           // hints, 15 s
  Beeper& beeper;
  Prompts& prompts;
  ConfigState& state;
  std::function<void()> requestClose;  // as the menu item "&Выход"
};

inline constexpr COLORREF kTitleGrey = RGB(128, 128, 128);
inline constexpr COLORREF kStateBlue = RGB(0, 0, 255);

class Page : public ui::Window {
 public:
  explicit Page(PageContext& context) : ctx_(context) {}

  // Creates the panel, hidden, with its grey title and then its fields.
  void CreatePage(HWND parent, const std::string& title);
  void Place(const ui::Rect& r) const { MoveWindow(hwnd(), r.x, r.y, r.width, r.height, TRUE); }
  void Show(bool visible) const { ShowWindow(hwnd(), visible ? SW_SHOW : SW_HIDE); }
  bool Visible() const { return IsWindowVisible(hwnd()) != FALSE; }
  const ui::Control& Title() const { return title_; }

 protected:
  virtual void CreateFields() = 0;
  virtual void OnCommand(HWND control, int code) = 0;
  virtual LRESULT OnNotify(const NMHDR&) { return 0; }
  virtual bool OnDrawItem(const DRAWITEMSTRUCT&) { return false; }

  // Builders of the fields, in tab order.
  ui::Control Label(const std::string& text, const ui::Rect& r, DWORD extraStyle = 0);
  ui::Button Group(const std::string& text, const ui::Rect& r);
  ui::Edit EditBox(const ui::Rect& r, const char* hint, std::optional<KeyFilter> filter = std::nullopt);
  ui::ComboBox DropDown(const ui::Rect& r, const std::vector<std::string>& items, const char* hint);
  template <std::size_t N>
  ui::ComboBox DropDown(const ui::Rect& r, const std::array<const char*, N>& items, const char* hint) {
    return DropDown(r, std::vector<std::string>(items.begin(), items.end()), hint);
  }
  ui::Button PushButton(const std::string& text, const ui::Rect& r, DWORD extraStyle = 0);
  ui::Button CheckBox(const std::string& text, const ui::Rect& r);
  ui::UpDown UpDownFor(const ui::Edit& buddy, const UpDownRange& range);
  template <std::size_t N>
  RadioGroupField RadioGroup(const std::string& caption, const ui::Rect& r, const std::array<const char*, N>& items);
  void Hint(HWND control, const char* hint) const;
  void Colour(HWND label, COLORREF colour) { colours_.emplace_back(label, colour); }

  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  void ReportError(const std::string& message) override { ctx_.prompts.ShowError(message); }

  PageContext& ctx_;

 private:
  HWND Make(const wchar_t* cls, const std::string& text, DWORD style, const ui::Rect& r, HFONT font,
            DWORD exStyle = 0);

  ui::Control title_;
  int nextId_ = 1000;
  std::vector<std::pair<HWND, COLORREF>> colours_;
};

template <std::size_t N>
RadioGroupField Page::RadioGroup(const std::string& caption, const ui::Rect& r,
                                 const std::array<const char*, N>& items) {
  ui::Button group = Group(caption, r);
  std::vector<ui::Button> buttons;
  for (std::size_t i = 0; i < N; ++i) {
    DWORD style = WS_VISIBLE | WS_TABSTOP | BS_RADIOBUTTON | (i == 0 ? WS_GROUP : 0);
    buttons.emplace_back(Make(L"BUTTON", items[i], style,
                              {r.x + 12, r.y + 20 + static_cast<int>(i) * 22, r.width - 24, 20}, ctx_.font));
  }
  return RadioGroupField(group, std::move(buttons));
}

// Discards the characters the filter rejects, with the beep, before the edit sees them.
void AttachKeyFilter(HWND edit, KeyFilter filter, Beeper& beeper);

}  // namespace zz
