#include "layout.h"

#include <commctrl.h>

namespace zz::ui {

HWND DesignLayout::Create(const wchar_t* className, const std::string& text, DWORD style, DWORD exStyle,
                          const Rect& design, HWND parent, int id, FontRole font) {
  HWND h = CreateControl(className, text, style, exStyle, Placed(design), parent, id, Font(font));
  if (h) items_.push_back({h, design, font});
  return h;
}

HWND DesignLayout::CreateUpDown(DWORD style, HWND buddy, int id) {
  Rect at = Control(buddy).Bounds();
  HWND h = CreateControl(UPDOWN_CLASSW, "", style | UDS_ALIGNRIGHT, 0, {at.x, at.y, scale_(kUpDownWidth), at.height},
                         GetParent(buddy), id, nullptr);
  if (!h) return h;
  UpDownItem item{h, buddy};
  upDowns_.push_back(item);
  Realign(item);
  return h;
}

DesignLayout::Item* DesignLayout::Find(HWND control) {
  for (Item& item : items_)
    if (item.hwnd == control) return &item;
  return nullptr;
}

void DesignLayout::Realign(const UpDownItem& item) const {
  // The up-down takes its width from the right of its buddy; give the buddy its whole
  // width back first, so that it is not narrowed twice.
  for (const Item& i : items_)
    if (i.hwnd == item.buddy) Control(i.hwnd).Move(Placed(i.design));
  RECT r{};
  GetWindowRect(item.buddy, &r);
  SetWindowPos(item.upDown, nullptr, 0, 0, scale_(kUpDownWidth), r.bottom - r.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageW(item.upDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(item.buddy), 0);
}

void DesignLayout::Move(HWND control, const Rect& design) {
  if (Item* item = Find(control)) item->design = design;
  Control(control).Move(Placed(design));
  for (const UpDownItem& u : upDowns_)
    if (u.buddy == control) Realign(u);
}

void DesignLayout::Rescale(const Scale& scale, const FontSet& fonts) {
  const int oldDpi = scale_.Dpi();
  Use(scale, fonts);
  for (const Item& item : items_) {
    // The font first: some controls (drop-down lists) take their height from it.
    if (item.font != FontRole::kNone) SendMessageW(item.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(Font(item.font)), FALSE);
    Control(item.hwnd).Move(Placed(item.design));
    wchar_t cls[32] = {};
    GetClassNameW(item.hwnd, cls, 32);
    if (lstrcmpiW(cls, WC_LISTVIEWW) == 0) {
      // Columns keep the widths the user gave them, in physical size.
      HWND header = ListView_GetHeader(item.hwnd);
      int columns = header ? Header_GetItemCount(header) : 0;
      for (int c = 0; c < columns; ++c)
        ListView_SetColumnWidth(item.hwnd, c, MulDiv(ListView_GetColumnWidth(item.hwnd, c), scale.Dpi(), oldDpi));
    }
  }
  for (const UpDownItem& u : upDowns_) Realign(u);
}

void DesignLayout::SetOrigin(POINT origin) {
  origin_ = origin;
  for (const Item& item : items_) Control(item.hwnd).Move(Placed(item.design));
  for (const UpDownItem& u : upDowns_) Realign(u);
}

}  // namespace zz::ui
