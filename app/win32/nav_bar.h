// Panel1: the navigation bar at the left edge, PaintBox1's grey gradient behind six flat
// picture buttons.
#pragma once

#include <array>
#include <functional>

#include "pages.h"
#include "pictures.h"
#include "ui/controls.h"
#include "ui/layout.h"
#include "ui/window.h"

namespace zz {

// The bar's buttons: the pages in their order, then "Закрыть".
enum class NavButton : std::size_t {
  kTrl = PageIndex(PageId::kTrl),
  kNetwork = PageIndex(PageId::kNetwork),
  kVoice = PageIndex(PageId::kVoice),
  kAdd = PageIndex(PageId::kAdd),
  kService = PageIndex(PageId::kService),
  kClose = kPageCount,
};
inline constexpr int kNavButtonCount = static_cast<int>(kPageCount) + 1;
inline constexpr int kNavBarWidth = 201;

class NavBar : public ui::Window {
 public:
  void CreateBar(HWND parent, const ui::Scale& scale, const ui::FontSet& fonts);
  // The bar at a new DPI: its buttons, their captions and pictures.
  void Rescale(const ui::Scale& scale, const ui::FontSet& fonts);
  // The bar at the window's height; a bar shorter than its buttons (a small screen at a large
  // scale) makes every button shorter alike.
  void Place(int height);
  int Width() const { return layout_.scale()(kNavBarWidth); }
  // In high contrast the bar is plain, in the scheme's button colours, for its captions to read.
  void SetHighContrast(bool on);
  const ui::Button& Button(NavButton b) const { return buttons_[static_cast<std::size_t>(b)]; }

  std::function<void(NavButton)> onClick;
  std::function<void(const std::string&)> onError;

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  void ReportError(const std::string& message) override;

 private:
  void DrawPictures();
  void PaintBox1Paint(HDC dc) const;
  void DrawButton(const DRAWITEMSTRUCT& item) const;

  ui::DesignLayout layout_;
  std::array<ui::Button, kNavButtonCount> buttons_;
  std::array<ui::Picture, kNavButtonCount> pictures_;
  bool highContrast_ = false;
};

}  // namespace zz
