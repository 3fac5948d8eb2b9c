#include "grid_columns.h"

#include <algorithm>

#include <commctrl.h>

#include "dpi_scale.h"

namespace zz {

namespace {

// Room around a text in a header item or a cell: the header's margins on both sides (three
// edges each, as the system measures them) and a design pixel more on each side.
int TextPadding(int dpi) { return 6 * GetSystemMetrics(SM_CXEDGE) + ScaleToDpi(2, dpi); }
constexpr UINT_PTR kSubclassId = 2;
// Sent to itself once a resize is over, to widen a column left below its minimum.
constexpr UINT kFitMessage = WM_APP + 17;

bool IsResize(UINT code) { return code == HDN_ITEMCHANGINGW || code == HDN_ITEMCHANGINGA; }

bool IsResized(UINT code) {
  return code == HDN_ENDTRACKW || code == HDN_ENDTRACKA || code == HDN_ITEMCHANGEDW || code == HDN_ITEMCHANGEDA ||
         code == HDN_DIVIDERDBLCLICKW || code == HDN_DIVIDERDBLCLICKA;
}

}  // namespace

GridColumns::GridColumns(const std::array<const char*, 5>& headers, const ColumnWidths& starting, Texts wholeTexts)
    : headers_(headers), starting_(starting), design_(starting), wholeTexts_(std::move(wholeTexts)) {}

void GridColumns::Attach(const ui::ListView& list, int dpi, int room) {
  list_ = list;
  dpi_ = dpi;
  for (std::size_t c = 0; c < headers_.size(); ++c)
    list_.InsertColumn(static_cast<int>(c), headers_[c], ScaleToDpi(design_[c], dpi_));
  Fit();
  // From the starting widths, the last column gives up what the others took beyond the room,
  // down to its own minimum, so that no horizontal scroll bar hides the columns' ends; widths
  // the user gave stay as they were.
  const int last = static_cast<int>(headers_.size()) - 1;
  int total = 0;
  for (int c = 0; c <= last; ++c) total += list_.ColumnWidth(c);
  const int excess = total - ScaleToDpi(room, dpi_);
  if (room > 0 && excess > 0 && design_ == starting_)
    list_.SetColumnWidth(last, std::max(Minimum(last), list_.ColumnWidth(last) - excess));
  SetWindowSubclass(list_.hwnd(), &GridColumns::ListProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK GridColumns::ListProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
  auto* self = reinterpret_cast<GridColumns*>(data);
  switch (msg) {
    case WM_NOTIFY: {
      const auto& header = *reinterpret_cast<const NMHDR*>(lp);
      if (header.hwndFrom != ListView_GetHeader(hwnd)) break;
      if (IsResize(header.code) && self->Refuses(*reinterpret_cast<const NMHEADERW*>(lp))) return TRUE;
      if (IsResized(header.code)) PostMessageW(hwnd, kFitMessage, 0, 0);
      break;
    }
    case kFitMessage:
      self->Fit();
      return 0;
    case WM_DESTROY:
      self->design_ = self->Widths();
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(hwnd, &GridColumns::ListProc, kSubclassId);
      self->list_ = ui::ListView();
      break;
    default:
      break;
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

bool GridColumns::Refuses(const NMHEADERW& change) const {
  // Only a width below the column's minimum; the A and W forms share the width's place.
  if (!change.pitem || !(change.pitem->mask & HDI_WIDTH)) return false;
  return change.iItem >= 0 && change.iItem < static_cast<int>(headers_.size()) && change.pitem->cxy < Minimum(change.iItem);
}

void GridColumns::Rescale(int dpi) {
  dpi_ = dpi;
  Fit();
}

int GridColumns::Minimum(int column) const {
  const auto c = static_cast<std::size_t>(column);
  int widest = list_.StringWidth(headers_[c]);
  for (const std::string& text : wholeTexts_[c]) widest = std::max(widest, list_.StringWidth(text));
  return widest + TextPadding(dpi_);
}

void GridColumns::Fit() const {
  if (!list_.hwnd()) return;
  // Only a column below its minimum is touched: a resize notifies, and the notice asks for
  // another fit.
  for (int c = 0; c < static_cast<int>(headers_.size()); ++c)
    if (list_.ColumnWidth(c) < Minimum(c)) list_.SetColumnWidth(c, Minimum(c));
}

ColumnWidths GridColumns::Widths() const {
  if (!list_.hwnd()) return design_;
  ColumnWidths widths{};
  for (std::size_t c = 0; c < widths.size(); ++c)
    widths[c] = MulDiv(list_.ColumnWidth(static_cast<int>(c)), kDesignDpi, dpi_);
  return widths;
}

void GridColumns::SetWidths(const ColumnWidths& widths) {
  design_ = widths;
  if (!list_.hwnd()) return;
  for (std::size_t c = 0; c < widths.size(); ++c) list_.SetColumnWidth(static_cast<int>(c), ScaleToDpi(widths[c], dpi_));
  Fit();
}

}  // namespace zz
