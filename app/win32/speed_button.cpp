#include "speed_button.h"

#include "win32/utf16.h"

namespace zz {

void DrawSpeedButton(const DRAWITEMSTRUCT& item, const ui::Picture& picture, const std::string& caption,
                     HFONT font, COLORREF textColour, bool flat, const BackgroundPainter& background) {
  HDC dc = item.hDC;
  RECT r = item.rcItem;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  if (background)
    background(dc, r);
  else
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
  if (pressed)
    DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
  else if (!flat)
    DrawEdge(dc, &r, EDGE_RAISED, BF_RECT);

  const int shift = pressed ? 1 : 0;
  const int width = r.right - r.left, height = r.bottom - r.top;
  int textHeight = 0, gap = 0;
  std::wstring text = Widen(caption);
  HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
  if (!text.empty()) {
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    gap = extent.cy / 4;  // a quarter line between picture and caption, at any DPI
    textHeight = extent.cy + gap;
  }
  const int top = r.top + (height - picture.height() - textHeight) / 2 + shift;
  picture.Draw(dc, r.left + (width - picture.width()) / 2 + shift, top, disabled);
  if (!text.empty()) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, disabled ? GetSysColor(COLOR_GRAYTEXT) : textColour);
    RECT line{r.left + shift, top + picture.height() + gap, r.right + shift, top + picture.height() + gap + textHeight};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &line, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
  if (oldFont) SelectObject(dc, oldFont);
  // The focus shows as on every push button, unless the window hides it until the keyboard
  // is used.
  if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
    RECT focus = item.rcItem;
    const int inset = GetSystemMetrics(SM_CXEDGE) + 1;
    InflateRect(&focus, -inset, -inset);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    DrawFocusRect(dc, &focus);
  }
}

}  // namespace zz
