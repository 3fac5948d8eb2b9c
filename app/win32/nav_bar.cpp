#include "nav_bar.h"

#include "app_texts.h"
#include "gradient.h"
#include "speed_button.h"
#include "ui/gdi.h"

namespace zz {

namespace {

struct NavButtonLook {
  const char* caption;
  int top, height;
  COLORREF captionColour;
  PictureKind picture;
};

constexpr std::array<NavButtonLook, kNavButtonCount> kNavButtons{{
    {text::kNavTrl, 8, 113, RGB(0, 0, 0), PictureKind::kBlocks},
    {text::kNavNetwork, 120, 89, RGB(255, 255, 255), PictureKind::kNetwork},
    {text::kNavVoice, 208, 89, RGB(255, 255, 255), PictureKind::kVoice},
    {text::kNavAdd, 296, 89, RGB(255, 255, 255), PictureKind::kLogs},
    {text::kNavService, 384, 89, RGB(255, 255, 255), PictureKind::kService},
    {text::kNavClose, 472, 89, RGB(255, 255, 255), PictureKind::kClose},
}};
constexpr int kNavButtonLeft = 8, kNavButtonWidth = 185, kNavPictureSize = 48;

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

void NavBar::CreateBar(HWND parent, HFONT font) {
  font_ = font;
  Create({L"ZzNavBar", "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, 0, 0, kNavBarWidth, 100,
          parent, nullptr, GetSysColorBrush(COLOR_BTNFACE)});
  for (std::size_t i = 0; i < kNavButtons.size(); ++i) {
    const NavButtonLook& look = kNavButtons[i];
    buttons_[i] = ui::Button(ui::CreateControl(L"BUTTON", look.caption, WS_VISIBLE | BS_OWNERDRAW, 0,
                                               {kNavButtonLeft, look.top, kNavButtonWidth, look.height}, hwnd(),
                                               static_cast<int>(100 + i), font));
    pictures_[i] = DrawPicture(look.picture, kNavPictureSize);
  }
}

void NavBar::ReportError(const std::string& message) {
  if (onError)
    onError(message);
  else
    ui::Window::ReportError(message);
}

void NavBar::PaintBox1Paint(HDC dc) const {
  RECT client{};
  GetClientRect(hwnd(), &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  GdiGradientCanvas canvas(dc, 0, 0);
  PaintGradient(canvas, client.right, client.bottom);
}

void NavBar::DrawButton(const DRAWITEMSTRUCT& item) const {
  std::size_t i = static_cast<std::size_t>(item.CtlID - 100);
  if (i >= kNavButtons.size()) return;
  const NavButtonLook& look = kNavButtons[i];
  RECT bar{};
  GetClientRect(hwnd(), &bar);
  // The flat button shows the gradient of the bar behind it.
  auto background = [&](HDC dc, const RECT&) {
    GdiGradientCanvas canvas(dc, kNavButtonLeft, look.top);
    for (int y = look.top; y < look.top + look.height && y <= bar.bottom - 2; ++y)
      canvas.GreyLine(kNavButtonLeft, kNavButtonLeft + kNavButtonWidth, y, GradientLevel(y));
  };
  DrawSpeedButton(item, pictures_[i], look.caption, font_, look.captionColour, true, background);
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
