#include "voice_diagram.h"

#include <array>
#include <vector>

#include "app_texts.h"
#include "ui/colours.h"
#include "ui/gdi.h"
#include "win32/utf16.h"

namespace zz {

namespace {

// Drawing in the design's pixels from an origin, scaled to the page's DPI.
class Sketch {
 public:
  Sketch(HDC dc, const ui::Scale& scale, POINT origin) : dc_(dc), s_(scale), origin_(origin) {}

  POINT At(int x, int y) const { return {s_(origin_.x + x), s_(origin_.y + y)}; }
  int Width(int w) const { return s_(w) > 0 ? s_(w) : 1; }

  void Line(int x0, int y0, int x1, int y1) const {
    POINT a = At(x0, y0), b = At(x1, y1);
    MoveToEx(dc_, a.x, a.y, nullptr);
    LineTo(dc_, b.x, b.y);
  }
  void Shape(std::initializer_list<POINT> design) const {
    std::vector<POINT> points;
    for (POINT p : design) points.push_back(At(p.x, p.y));
    Polygon(dc_, points.data(), static_cast<int>(points.size()));
  }
  void Curve(const POINT* design, std::size_t count) const {
    std::vector<POINT> points;
    for (std::size_t i = 0; i < count; ++i) points.push_back(At(design[i].x, design[i].y));
    Polyline(dc_, points.data(), static_cast<int>(points.size()));
  }
  void Text(int x, int y, const char* text) const {
    std::wstring w = Widen(text);
    POINT p = At(x, y);
    TextOutW(dc_, p.x, p.y, w.c_str(), static_cast<int>(w.size()));
  }
  void Bar(int x0, int y0, int x1, int y1, HBRUSH brush) const {
    POINT a = At(x0, y0), b = At(x1, y1);
    RECT r{a.x, a.y, b.x, b.y};
    FillRect(dc_, &r, brush);
  }
  // A span between two marks with arrow heads and its letter above.
  void Span(int x0, int x1, int y, const char* letter) const {
    Line(x0, y, x1, y);
    Shape({{x0, y}, {x0 + 6, y - 3}, {x0 + 6, y + 3}});
    Shape({{x1, y}, {x1 - 6, y - 3}, {x1 - 6, y + 3}});
    Text((x0 + x1) / 2 - 4, y - 16, letter);
  }

 private:
  HDC dc_;
  const ui::Scale& s_;
  POINT origin_;
};

using D = VoiceDiagram;

// The plot's colours: the design's, or in high contrast the scheme's for a window's text and
// for a selection (the threshold and the dispatcher), and its grey text (the unit's bar).
struct PlotColours {
  COLORREF text, axis, level, signal, unitBar, dispatcherBar, dispatcherText, unitText;
};

PlotColours ColoursFor(bool highContrast) {
  auto pick = [highContrast](COLORREF design, int index) { return ui::SchemeColour(highContrast, design, index); };
  return {pick(GetSysColor(COLOR_BTNTEXT), COLOR_WINDOWTEXT), pick(RGB(0, 0, 0), COLOR_WINDOWTEXT),
          pick(RGB(200, 0, 0), COLOR_HIGHLIGHT),            pick(RGB(0, 90, 200), COLOR_WINDOWTEXT),
          pick(RGB(230, 170, 40), COLOR_GRAYTEXT),          pick(RGB(60, 160, 60), COLOR_HIGHLIGHT),
          pick(RGB(0, 0, 0), COLOR_WINDOWTEXT),             pick(RGB(140, 90, 0), COLOR_WINDOWTEXT)};
}

void PaintFrame(HDC dc, const ui::Scale& s, HFONT font, const char* heading) {
  ui::Selection keepFont(dc, font);
  std::wstring text = Widen(heading);
  SIZE extent{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  ui::Rect f = s(D::kFrame);
  RECT frame{f.x, f.y + extent.cy / 2, f.x + f.width, f.y + f.height};
  DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
  ui::Rect p = s(ui::Rect{D::kPlot.x, D::kPlot.y, D::kPlotWidth, D::kPlotHeight});
  RECT plot{p.x, p.y, p.x + p.width, p.y + p.height};
  FillRect(dc, &plot, GetSysColorBrush(COLOR_WINDOW));
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  SetBkMode(dc, OPAQUE);
  TextOutW(dc, f.x + s(8), f.y, text.c_str(), static_cast<int>(text.size()));
}

void PaintPlot(HDC dc, const ui::Scale& s, HFONT font, const PlotColours& c) {
  const Sketch k(dc, s, D::kPlot);
  const int bottom = D::kPlotHeight - 44;  // the time axis
  const int right = D::kPlotWidth - 16;
  ui::Selection keepFont(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, c.text);
  ui::Pen axis(CreatePen(PS_SOLID, k.Width(1), c.axis));
  ui::Brush black(CreateSolidBrush(c.axis));
  {
    ui::Selection pen(dc, axis.get());
    ui::Selection brush(dc, black.get());
    k.Line(D::kAxisX, 8, D::kAxisX, bottom);
    k.Line(D::kAxisX, bottom, right, bottom);
    k.Shape({{D::kAxisX, 4}, {D::kAxisX - 3, 12}, {D::kAxisX + 3, 12}});
    k.Shape({{right + 4, bottom}, {right - 4, bottom - 3}, {right - 4, bottom + 3}});
    k.Text(D::kAxisX + 6, 2, text::kDiagramLevel);
    k.Text(right - 4, bottom + 2, text::kDiagramTime);
    // The spans B and C just above the time axis.
    k.Span(D::kSpanB[0], D::kSpanB[1], bottom - 12, "B");
    k.Span(D::kSpanC[0], D::kSpanC[1], bottom - 12, "C");
  }
  {
    ui::Pen dashed(CreatePen(PS_DOT, 1, c.level));
    ui::Selection pen(dc, dashed.get());
    k.Line(D::kAxisX, D::kLevelY, right, D::kLevelY);
    SetTextColor(dc, c.level);
    k.Text(right - 12, D::kLevelY - 16, "A");
    k.Line(D::kSpanB[0], D::kLevelY, D::kSpanB[0], bottom);
    k.Line(D::kSpanB[1], 8, D::kSpanB[1], bottom);
    k.Line(D::kSpanC[0], D::kLevelY, D::kSpanC[0], bottom);
    k.Line(D::kSpanC[1], 8, D::kSpanC[1], bottom);
  }
  {
    // The sound level: quiet, a phrase of the dispatcher above A, quiet again.
    ui::Pen signal(CreatePen(PS_SOLID, k.Width(2), c.signal));
    ui::Selection pen(dc, signal.get());
    const std::array<POINT, 14> curve{{{D::kAxisX, bottom - 30},
                                       {140, bottom - 38},
                                       {170, bottom - 26},
                                       {D::kSpanB[0], D::kLevelY},
                                       {215, D::kLevelY - 30},
                                       {245, D::kLevelY - 12},
                                       {275, D::kLevelY - 40},
                                       {310, D::kLevelY - 20},
                                       {340, D::kLevelY - 36},
                                       {D::kSpanC[0], D::kLevelY},
                                       {410, bottom - 36},
                                       {450, bottom - 28},
                                       {500, bottom - 34},
                                       {right, bottom - 30}}};
    k.Curve(curve.data(), curve.size());
  }
  // Which microphone is on, below the time axis.
  ui::Brush dispatcher(CreateSolidBrush(c.dispatcherBar));
  ui::Brush unit(CreateSolidBrush(c.unitBar));
  k.Bar(D::kAxisX, bottom + 20, D::kSpanB[1], bottom + 30, unit.get());
  k.Bar(D::kSpanB[1], bottom + 20, D::kSpanC[1], bottom + 30, dispatcher.get());
  k.Bar(D::kSpanC[1], bottom + 20, right, bottom + 30, unit.get());
  SetTextColor(dc, c.dispatcherText);
  k.Text(D::kSpanB[1] + 4, bottom + 4, text::kDiagramDispatcher);
  SetTextColor(dc, c.unitText);
  k.Text(D::kAxisX + 4, bottom + 4, text::kDiagramUnit);
}

}  // namespace

void VoiceDiagram::Paint(HDC dc, const ui::Scale& scale, HFONT font, const char* heading, bool highContrast) {
  PaintFrame(dc, scale, font, heading);
  PaintPlot(dc, scale, font, ColoursFor(highContrast));
}

}  // namespace zz
