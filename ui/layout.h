// The controls of one window with the rectangles and fonts of the design: each is created at
// the window's DPI, and placed and given its font again when the DPI changes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "controls.h"
#include "dpi.h"
#include "fonts.h"

namespace zz::ui {

class DesignLayout {
 public:
  // The scale and fonts that new controls get; fonts must outlive the controls.
  void Use(const Scale& scale, const FontSet& fonts) {
    scale_ = scale;
    fonts_ = &fonts;
  }
  const Scale& scale() const { return scale_; }
  HFONT Font(FontRole role) const { return fonts_ ? fonts_->Get(role) : nullptr; }

  // A child control at its design rectangle, scaled.
  HWND Create(const wchar_t* className, const std::string& text, DWORD style, DWORD exStyle, const Rect& design,
              HWND parent, int id, FontRole font = FontRole::kRegular);
  // An up-down bound to its buddy at the buddy's right edge; it is realigned whenever the
  // buddy moves.
  HWND CreateUpDown(DWORD style, HWND buddy, int id);
  // A control that the window moves itself gets its new design rectangle here.
  void Move(HWND control, const Rect& design);
  // The controls at a new DPI: rectangles, fonts, up-downs and list columns.
  void Rescale(const Scale& scale, const FontSet& fonts);
  // Where the design's origin lies in the parent, in pixels: a scrolled window moves it, and
  // every control goes to its place from there.
  void SetOrigin(POINT origin);
  POINT Origin() const { return origin_; }

 private:
  struct Item {
    HWND hwnd;
    Rect design;
    FontRole font;
  };
  struct UpDownItem {
    HWND upDown, buddy;
  };
  Item* Find(HWND control);
  void Realign(const UpDownItem& item) const;
  // A design rectangle in the parent's pixels.
  Rect Placed(const Rect& design) const {
    Rect r = scale_(design);
    return {r.x + origin_.x, r.y + origin_.y, r.width, r.height};
  }

  Scale scale_;
  const FontSet* fonts_ = nullptr;
  POINT origin_{0, 0};
  std::vector<Item> items_;
  std::vector<UpDownItem> upDowns_;
};

// The design width of an up-down control beside its edit.
inline constexpr int kUpDownWidth = 17;

}  // namespace zz::ui
