#include "voice_diagram.h"

#include <array>

#include "app_texts.h"
#include "ui/gdi.h"
#include "win32/utf16.h"

namespace zz {

namespace {

void Text(HDC dc, int x, int y, const char* text) {
  std::wstring w = Widen(text);
  TextOutW(dc, x, y, w.c_str(), static_cast<int>(w.size()));
}

void Line(HDC dc, int x0, int y0, int x1, int y1) {
  MoveToEx(dc, x0, y0, nullptr);
  LineTo(dc, x1, y1);
}

// A span between two marks with arrow heads and its letter above.
void Span(HDC dc, int x0, int x1, int y, const char* letter) {
  Line(dc, x0, y, x1, y);
  POINT left[3] = {{x0, y}, {x0 + 6, y - 3}, {x0 + 6, y + 3}};
  POINT right[3] = {{x1, y}, {x1 - 6, y - 3}, {x1 - 6, y + 3}};
  Polygon(dc, left, 3);
  Polygon(dc, right, 3);
  Text(dc, (x0 + x1) / 2 - 4, y - 16, letter);
}

}  // namespace

void VoiceDiagram::CreateDiagram(HWND parent, const ui::Rect& r, HFONT font, const char* heading, POINT plot) {
  font_ = font;
  heading_ = heading;
  plot_ = plot;
  Create({L"ZzVoiceDiagram", "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, r.x, r.y, r.width, r.height, parent,
          nullptr, GetSysColorBrush(COLOR_BTNFACE)});
  // The fields stand on top of the picture.
  SetWindowPos(hwnd(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

LRESULT VoiceDiagram::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_PAINT) {
    ui::PaintDc dc(hwnd());
    RECT client{};
    GetClientRect(hwnd(), &client);
    PaintFrame(dc.get(), client);
    POINT old{};
    SetViewportOrgEx(dc.get(), plot_.x, plot_.y, &old);
    Paint(dc.get(), {0, 0, kPlotWidth, kPlotHeight});
    SetViewportOrgEx(dc.get(), old.x, old.y, nullptr);
    return 0;
  }
  return ui::Window::HandleMessage(msg, wp, lp);
}

void VoiceDiagram::PaintFrame(HDC dc, const RECT& client) const {
  ui::Selection font(dc, font_);
  std::wstring heading = Widen(heading_);
  SIZE extent{};
  GetTextExtentPoint32W(dc, heading.c_str(), static_cast<int>(heading.size()), &extent);
  RECT frame{client.left, client.top + extent.cy / 2, client.right, client.bottom};
  DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
  RECT plot{plot_.x, plot_.y, plot_.x + kPlotWidth, plot_.y + kPlotHeight};
  FillRect(dc, &plot, GetSysColorBrush(COLOR_WINDOW));
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  SetBkMode(dc, OPAQUE);
  TextOutW(dc, 8, 0, heading.c_str(), static_cast<int>(heading.size()));
}

void VoiceDiagram::Paint(HDC dc, const RECT& plot) const {
  const int bottom = plot.bottom - 44;  // the time axis
  const int right = plot.right - 16;
  ui::Selection font(dc, font_);
  SetBkMode(dc, TRANSPARENT);
  ui::Pen axis(CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
  ui::Brush black(CreateSolidBrush(RGB(0, 0, 0)));
  {
    ui::Selection pen(dc, axis.get());
    ui::Selection brush(dc, black.get());
    Line(dc, kAxisX, 8, kAxisX, bottom);
    Line(dc, kAxisX, bottom, right, bottom);
    POINT up[3] = {{kAxisX, 4}, {kAxisX - 3, 12}, {kAxisX + 3, 12}};
    POINT along[3] = {{right + 4, bottom}, {right - 4, bottom - 3}, {right - 4, bottom + 3}};
    Polygon(dc, up, 3);
    Polygon(dc, along, 3);
    Text(dc, kAxisX + 6, 2, text::kDiagramLevel);
    Text(dc, right - 4, bottom + 2, text::kDiagramTime);
    // The spans B and C just above the time axis.
    Span(dc, kSpanB[0], kSpanB[1], bottom - 12, "B");
    Span(dc, kSpanC[0], kSpanC[1], bottom - 12, "C");
  }
  {
    ui::Pen dashed(CreatePen(PS_DOT, 1, RGB(200, 0, 0)));
    ui::Selection pen(dc, dashed.get());
    Line(dc, kAxisX, kLevelY, right, kLevelY);
    SetTextColor(dc, RGB(200, 0, 0));
    Text(dc, right - 12, kLevelY - 16, "A");
    Line(dc, kSpanB[0], kLevelY, kSpanB[0], bottom);
    Line(dc, kSpanB[1], 8, kSpanB[1], bottom);
    Line(dc, kSpanC[0], kLevelY, kSpanC[0], bottom);
    Line(dc, kSpanC[1], 8, kSpanC[1], bottom);
  }
  {
    // The sound level: quiet, a phrase of the dispatcher above A, quiet again.
    ui::Pen signal(CreatePen(PS_SOLID, 2, RGB(0, 90, 200)));
    ui::Selection pen(dc, signal.get());
    const std::array<POINT, 14> curve{{{kAxisX, bottom - 30},
                                       {140, bottom - 38},
                                       {170, bottom - 26},
                                       {kSpanB[0], kLevelY},
                                       {215, kLevelY - 30},
                                       {245, kLevelY - 12},
                                       {275, kLevelY - 40},
                                       {310, kLevelY - 20},
                                       {340, kLevelY - 36},
                                       {kSpanC[0], kLevelY},
                                       {410, bottom - 36},
                                       {450, bottom - 28},
                                       {500, bottom - 34},
                                       {right, bottom - 30}}};
    Polyline(dc, curve.data(), static_cast<int>(curve.size()));
  }
  // Which microphone is on, below the time axis.
  ui::Brush dispatcher(CreateSolidBrush(RGB(60, 160, 60)));
  ui::Brush unit(CreateSolidBrush(RGB(230, 170, 40)));
  RECT before{kAxisX, bottom + 20, kSpanB[1], bottom + 30};
  RECT on{kSpanB[1], bottom + 20, kSpanC[1], bottom + 30};
  RECT after{kSpanC[1], bottom + 20, right, bottom + 30};
  FillRect(dc, &before, unit.get());
  FillRect(dc, &on, dispatcher.get());
  FillRect(dc, &after, unit.get());
  SetTextColor(dc, RGB(0, 0, 0));
  Text(dc, kSpanB[1] + 4, bottom + 4, text::kDiagramDispatcher);
  SetTextColor(dc, RGB(140, 90, 0));
  Text(dc, kAxisX + 4, bottom + 4, text::kDiagramUnit);
}

}  // namespace zz
