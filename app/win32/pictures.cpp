#include "pictures.h"

#include <vector>

#include "ui/gdi.h"

namespace zz {

namespace {

// Drawing on a 32 x 32 grid scaled to the picture's size.
class Pen32 {
 public:
  Pen32(HDC dc, int size) : dc_(dc), size_(size) {}
  int S(int v) const { return v * size_ / 32; }

  void Box(int x0, int y0, int x1, int y1, COLORREF fill, COLORREF line = RGB(40, 40, 40)) const {
    ui::Brush brush(CreateSolidBrush(fill));
    ui::Pen pen(CreatePen(PS_SOLID, 1, line));
    ui::Selection b(dc_, brush.get()), p(dc_, pen.get());
    Rectangle(dc_, S(x0), S(y0), S(x1), S(y1));
  }
  void Round(int x0, int y0, int x1, int y1, COLORREF fill, COLORREF line = RGB(40, 40, 40)) const {
    ui::Brush brush(CreateSolidBrush(fill));
    ui::Pen pen(CreatePen(PS_SOLID, 1, line));
    ui::Selection b(dc_, brush.get()), p(dc_, pen.get());
    Ellipse(dc_, S(x0), S(y0), S(x1), S(y1));
  }
  void Shape(std::vector<POINT> points, COLORREF fill, COLORREF line = RGB(40, 40, 40)) const {
    for (POINT& pt : points) pt = {S(pt.x), S(pt.y)};
    ui::Brush brush(CreateSolidBrush(fill));
    ui::Pen pen(CreatePen(PS_SOLID, 1, line));
    ui::Selection b(dc_, brush.get()), p(dc_, pen.get());
    Polygon(dc_, points.data(), static_cast<int>(points.size()));
  }
  void Stroke(std::vector<POINT> points, COLORREF colour, int width) const {
    for (POINT& pt : points) pt = {S(pt.x), S(pt.y)};
    ui::Pen pen(CreatePen(PS_SOLID, width * size_ / 32 > 0 ? width * size_ / 32 : 1, colour));
    ui::Selection p(dc_, pen.get());
    Polyline(dc_, points.data(), static_cast<int>(points.size()));
  }

 private:
  HDC dc_;
  int size_;
};

void Blocks(const Pen32& p) {
  // A controller block with its serial and network sockets.
  p.Box(3, 8, 29, 26, RGB(90, 110, 140));
  p.Box(6, 12, 14, 17, RGB(220, 220, 220));
  p.Box(18, 12, 26, 17, RGB(220, 220, 220));
  for (int x = 7; x < 26; x += 4) p.Box(x, 20, x + 2, 23, RGB(240, 200, 60));
}

void Network(const Pen32& p) {
  p.Round(4, 4, 28, 28, RGB(70, 140, 220));
  p.Stroke({{16, 4}, {16, 28}}, RGB(255, 255, 255), 2);
  p.Stroke({{4, 16}, {28, 16}}, RGB(255, 255, 255), 2);
  p.Stroke({{8, 9}, {24, 9}}, RGB(255, 255, 255), 1);
  p.Stroke({{8, 23}, {24, 23}}, RGB(255, 255, 255), 1);
}

void Voice(const Pen32& p) {
  p.Shape({{4, 12}, {10, 12}, {18, 5}, {18, 27}, {10, 20}, {4, 20}}, RGB(230, 230, 230));
  p.Stroke({{21, 11}, {23, 14}, {23, 18}, {21, 21}}, RGB(60, 180, 60), 2);
  p.Stroke({{25, 7}, {28, 12}, {28, 20}, {25, 25}}, RGB(60, 180, 60), 2);
}

void Logs(const Pen32& p) {
  p.Shape({{7, 3}, {21, 3}, {26, 8}, {26, 29}, {7, 29}}, RGB(255, 255, 255));
  for (int y = 10; y <= 24; y += 4) p.Stroke({{10, y}, {23, y}}, RGB(90, 90, 160), 1);
}

void Service(const Pen32& p) {
  // A gear: eight teeth round a wheel.
  const COLORREF steel = RGB(180, 180, 190);
  p.Box(14, 2, 18, 30, steel);
  p.Box(2, 14, 30, 18, steel);
  p.Shape({{6, 9}, {9, 6}, {26, 23}, {23, 26}}, steel);
  p.Shape({{23, 6}, {26, 9}, {9, 26}, {6, 23}}, steel);
  p.Round(6, 6, 26, 26, steel);
  p.Round(12, 12, 20, 20, RGB(60, 60, 70));
}

void Close(const Pen32& p) {
  p.Round(3, 3, 29, 29, RGB(210, 50, 40));
  p.Stroke({{10, 10}, {22, 22}}, RGB(255, 255, 255), 3);
  p.Stroke({{22, 10}, {10, 22}}, RGB(255, 255, 255), 3);
}

void OpenFile(const Pen32& p) {
  p.Shape({{2, 8}, {11, 8}, {14, 11}, {27, 11}, {27, 27}, {2, 27}}, RGB(230, 190, 80));
  p.Shape({{6, 15}, {31, 15}, {27, 27}, {2, 27}}, RGB(250, 215, 110));
}

void SaveFile(const Pen32& p) {
  p.Box(3, 3, 29, 29, RGB(50, 80, 160));
  p.Box(8, 3, 24, 13, RGB(230, 230, 230));
  p.Box(8, 18, 24, 29, RGB(255, 255, 255));
}

void Exit(const Pen32& p) {
  p.Box(4, 3, 18, 29, RGB(150, 100, 60));
  p.Shape({{14, 12}, {22, 12}, {22, 7}, {30, 16}, {22, 25}, {22, 20}, {14, 20}}, RGB(60, 170, 60));
}

void HelpDocument(const Pen32& p, COLORREF mark) {
  p.Shape({{6, 3}, {21, 3}, {26, 8}, {26, 29}, {6, 29}}, RGB(255, 255, 255));
  p.Round(10, 10, 22, 22, mark);
  p.Stroke({{16, 13}, {16, 19}}, RGB(255, 255, 255), 2);
}

void Start(const Pen32& p) { p.Shape({{7, 4}, {27, 16}, {7, 28}}, RGB(40, 170, 60), RGB(20, 100, 30)); }

void Stop(const Pen32& p) { p.Box(6, 6, 26, 26, RGB(210, 50, 40), RGB(120, 20, 20)); }

}  // namespace

ui::Picture DrawPicture(PictureKind kind, int size) {
  return ui::Picture(size, size, [kind](HDC dc, int width, int) {
    Pen32 p(dc, width);
    switch (kind) {
      case PictureKind::kBlocks: return Blocks(p);
      case PictureKind::kNetwork: return Network(p);
      case PictureKind::kVoice: return Voice(p);
      case PictureKind::kLogs: return Logs(p);
      case PictureKind::kService: return Service(p);
      case PictureKind::kClose: return Close(p);
      case PictureKind::kOpenFile: return OpenFile(p);
      case PictureKind::kSaveFile: return SaveFile(p);
      case PictureKind::kExit: return Exit(p);
      case PictureKind::kHelpSetup: return HelpDocument(p, RGB(50, 120, 200));
      case PictureKind::kHelpManual: return HelpDocument(p, RGB(60, 160, 60));
      case PictureKind::kStart: return Start(p);
      case PictureKind::kStop: return Stop(p);
    }
  });
}

}  // namespace zz
