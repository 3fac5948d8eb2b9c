// A page larger than its area (a small screen at a large scale) scrolls: the design's origin
// moves, and the fields with it.
#include <algorithm>

#include "page.h"

namespace zz {

namespace {

constexpr int kMargin = 12;  // design pixels kept beyond the furthest field and around a focused one
constexpr int kLine = 16;    // design pixels scrolled by an arrow or a notch of the wheel

}  // namespace

SIZE Page::ContentSize() const {
  // The furthest shown field from the design's origin, in pixels.
  const POINT origin = layout_.Origin();
  LONG right = 0, bottom = 0;
  for (HWND c = GetWindow(hwnd(), GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    // Its own style: the page itself may still be hidden.
    if (!(GetWindowLongPtrW(c, GWL_STYLE) & WS_VISIBLE)) continue;
    RECT r{};
    GetWindowRect(c, &r);
    MapWindowPoints(HWND_DESKTOP, hwnd(), reinterpret_cast<POINT*>(&r), 2);
    right = std::max(right, r.right - origin.x);
    bottom = std::max(bottom, r.bottom - origin.y);
  }
  const int margin = layout_.scale()(kMargin);
  return {right + margin, bottom + margin};
}

void Page::UpdateScrollBars() {
  if (!hwnd()) return;
  const SIZE content = ContentSize();
  // A bar that appears narrows the other side: twice settles both.
  for (int pass = 0; pass < 2; ++pass) {
    RECT client{};
    GetClientRect(hwnd(), &client);
    SCROLLINFO h{sizeof h, SIF_RANGE | SIF_PAGE, 0, static_cast<int>(content.cx) - 1,
                 static_cast<UINT>(client.right), 0, 0};
    SCROLLINFO v{sizeof v, SIF_RANGE | SIF_PAGE, 0, static_cast<int>(content.cy) - 1,
                 static_cast<UINT>(client.bottom), 0, 0};
    SetScrollInfo(hwnd(), SB_HORZ, &h, TRUE);
    SetScrollInfo(hwnd(), SB_VERT, &v, TRUE);
  }
  ScrollTo({GetScrollPos(hwnd(), SB_HORZ), GetScrollPos(hwnd(), SB_VERT)});
}

void Page::ScrollTo(POINT position) {
  if (!hwnd()) return;
  SCROLLINFO info{sizeof info, SIF_POS, 0, 0, 0, static_cast<int>(position.x), 0};
  SetScrollInfo(hwnd(), SB_HORZ, &info, TRUE);
  info.nPos = static_cast<int>(position.y);
  SetScrollInfo(hwnd(), SB_VERT, &info, TRUE);
  // The bars keep the position within their range.
  const POINT origin{-GetScrollPos(hwnd(), SB_HORZ), -GetScrollPos(hwnd(), SB_VERT)};
  const POINT old = layout_.Origin();
  if (origin.x == old.x && origin.y == old.y) return;
  layout_.SetOrigin(origin);
  InvalidateRect(hwnd(), nullptr, TRUE);
}

void Page::ScrollBy(int bar, int code) {
  SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(hwnd(), bar, &info);
  int pos = info.nPos;
  const int line = layout_.scale()(kLine), page = static_cast<int>(info.nPage);
  switch (code) {
    case SB_LINEUP: pos -= line; break;
    case SB_LINEDOWN: pos += line; break;
    case SB_PAGEUP: pos -= page; break;
    case SB_PAGEDOWN: pos += page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: pos = info.nTrackPos; break;
    case SB_TOP: pos = info.nMin; break;
    case SB_BOTTOM: pos = info.nMax; break;
    default: return;
  }
  const POINT now{GetScrollPos(hwnd(), SB_HORZ), GetScrollPos(hwnd(), SB_VERT)};
  ScrollTo(bar == SB_HORZ ? POINT{pos, now.y} : POINT{now.x, pos});
}

void Page::ScrollIntoView(HWND control) {
  RECT r{}, client{};
  GetWindowRect(control, &r);
  MapWindowPoints(HWND_DESKTOP, hwnd(), reinterpret_cast<POINT*>(&r), 2);
  GetClientRect(hwnd(), &client);
  const int margin = layout_.scale()(kMargin);
  POINT pos{GetScrollPos(hwnd(), SB_HORZ), GetScrollPos(hwnd(), SB_VERT)};
  // Far edges first, so that a field larger than the view shows its beginning.
  if (r.right + margin > client.right) pos.x += r.right + margin - client.right;
  if (r.bottom + margin > client.bottom) pos.y += r.bottom + margin - client.bottom;
  if (r.left - margin < 0) pos.x += r.left - margin;
  if (r.top - margin < 0) pos.y += r.top - margin;
  ScrollTo({std::max<LONG>(pos.x, 0), std::max<LONG>(pos.y, 0)});
}

}  // namespace zz
