#include "nav_bar.h"

#include <algorithm>

#include "app_texts.h"
#include "gradient.h"
#include "speed_button.h"
#include "ui/colours.h"
#include "ui/gdi.h"

namespace zz {

namespace {

struct NavButtonLook {
  int top, height;
  COLORREF captionColour;
  PictureKind picture;
};

// Each button ends where the next begins: stacked one row over the next, the row between
// two would belong to both, and the click on it to whichever lies on top.
constexpr std::array<NavButtonLook, kNavButtonCount> kNavButtons{{
    {8, 112, RGB(0, 0, 0), PictureKind::kBlocks},
    {120, 88, RGB(255, 255, 255), PictureKind::kNetwork},
    {208, 88, RGB(255, 255, 255), PictureKind::kVoice},
    {296, 88, RGB(255, 255, 255), PictureKind::kLogs},
    {384, 88, RGB(255, 255, 255), PictureKind::kService},
    {472, 89, RGB(255, 255, 255), PictureKind::kClose},
}};

const char* Caption(std::size_t button) { return button < kPageCount ? kPages[button].caption : text::kNavClose; }
constexpr int kNavButtonLeft = 8, kNavButtonWidth = 185, kNavPictureSize = 48;
constexpr int kNavBarHeight = kNavButtons.back().top + kNavButtons.back().height + 8;

// PaintGradient's lines drawn with GDI pens, shifted by the origin of the painted area.
class GdiGradientCanvas : public GradientCanvas {
 public:
  GdiGradientCanvas(HDC dc, int dx, int dy) : dc_(dc), dx_(dx), dy_(dy) {}
  void GreyLine(int x0, int x1, int y, int level) override {
    ui::Pen pen(CreatePen(PS_SOLID, 1, RGB(level, level, level)));
    ui::Selection keep(dc_, pen.get());
    MoveToEx(dc_, x0 - dx_, y - dy_, nullptr);
    LineTo(dc_, x1 - dx_, y - dy_);
  }

 private:
  HDC dc_;
  int dx_, dy_;
};

}  // namespace

void NavBar::CreateBar(HWND parent, const ui::Scale& scale, const ui::FontSet& fonts) {
  layout_.Use(scale, fonts);
  Create({L"ZzNavBar", "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, 0, 0, Width(), 100, parent,
          nullptr, GetSysColorBrush(COLOR_BTNFACE)});
  for (std::size_t i = 0; i < kNavButtons.size(); ++i) {
    const NavButtonLook& look = kNavButtons[i];
    buttons_[i] = ui::Button(layout_.Create(L"BUTTON", Caption(i), WS_VISIBLE | BS_OWNERDRAW, 0,
                                            {kNavButtonLeft, look.top, kNavButtonWidth, look.height}, hwnd(),
                                            static_cast<int>(100 + i)));
  }
  DrawPictures();
}

void NavBar::Place(int height) {
  MoveWindow(hwnd(), 0, 0, Width(), height, TRUE);
  const int room = std::min(kNavBarHeight, DesignPixel(height, layout_.scale().Dpi()));
  // Each button still ends where the next begins.
  auto at = [room](int y) { return y * room / kNavBarHeight; };
  for (std::size_t i = 0; i < kNavButtons.size(); ++i) {
    const NavButtonLook& look = kNavButtons[i];
    layout_.Move(buttons_[i].hwnd(),
                 {kNavButtonLeft, at(look.top), kNavButtonWidth, at(look.top + look.height) - at(look.top)});
  }
}

void NavBar::Rescale(const ui::Scale& scale, const ui::FontSet& fonts) {
  layout_.Rescale(scale, fonts);
  DrawPictures();
  InvalidateRect(hwnd(), nullptr, TRUE);
}

void NavBar::DrawPictures() {
  for (std::size_t i = 0; i < kNavButtons.size(); ++i)
    pictures_[i] = DrawPicture(kNavButtons[i].picture, layout_.scale()(kNavPictureSize));
}

void NavBar::ReportError(const std::string& message) {
  if (onError)
    onError(message);
  else
    ui::Window::ReportError(message);
}

void NavBar::SetHighContrast(bool on) {
  highContrast_ = on;
  RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void NavBar::PaintBox1Paint(HDC dc) const {
  RECT client{};
  GetClientRect(hwnd(), &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  if (highContrast_) return;
  GdiGradientCanvas canvas(dc, 0, 0);
  PaintGradient(canvas, client.right, client.bottom, layout_.scale().Dpi());
}

void NavBar::DrawButton(const DRAWITEMSTRUCT& item) const {
  std::size_t i = static_cast<std::size_t>(item.CtlID - 100);
  if (i >= kNavButtons.size()) return;
  const NavButtonLook& look = kNavButtons[i];
  RECT bar{};
  GetClientRect(hwnd(), &bar);
  const ui::Rect at = ui::Control(item.hwndItem).Bounds();
  const int dpi = layout_.scale().Dpi();
  // The flat button shows the gradient of the bar behind it.
  auto background = [&](HDC dc, const RECT& r) {
    if (highContrast_) {
      FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
      return;
    }
    GdiGradientCanvas canvas(dc, at.x, at.y);
    for (int y = at.y; y < at.y + at.height && y <= bar.bottom - 2; ++y)
      canvas.GreyLine(at.x, at.x + at.width, y, GradientLevel(y, dpi));
  };
  DrawSpeedButton(item, pictures_[i], Caption(i), layout_.Font(ui::FontRole::kRegular),
                  ui::SchemeColour(highContrast_, look.captionColour, COLOR_BTNTEXT), true, background);
}

LRESULT NavBar::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: {
      ui::PaintDc dc(hwnd());
      PaintBox1Paint(dc.get());
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_SIZE:
      InvalidateRect(hwnd(), nullptr, FALSE);
      return 0;
    case WM_DRAWITEM:
      DrawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
      return TRUE;
    case WM_COMMAND: {
      int i = LOWORD(wp) - 100;
      if (HIWORD(wp) == BN_CLICKED && i >= 0 && i < kNavButtonCount && onClick) onClick(static_cast<NavButton>(i));
      return 0;
    }
    default:
      return ui::Window::HandleMessage(msg, wp, lp);
  }
}

}  // namespace zz
