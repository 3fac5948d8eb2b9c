// The columns of a grid (a report list view standing in for a string grid): each at least
// as wide as its header and as the texts it must show whole, in the grid's own font at its
// DPI; the widths the user drags are kept in design pixels, so that they come back at the
// same physical size on a screen of another DPI.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "column_widths.h"
#include "controls.h"

namespace zz {

class GridColumns {
 public:
  using Texts = std::array<std::vector<std::string>, 5>;

  // The headers, the widths a new grid starts with, and per column the texts besides its
  // header that must show whole (the longest number, the longest type name).
  GridColumns(const std::array<const char*, 5>& headers, const ColumnWidths& starting, Texts wholeTexts = {});

  GridColumns(const GridColumns&) = delete;
  GridColumns& operator=(const GridColumns&) = delete;

  // Inserts the columns into `list` at its DPI, at the kept widths; where the starting widths
  // take more than `room` (design pixels, 0: any) the last column gives way. From then on the
  // list keeps its columns at their minimum while they are dragged, and hands its widths back
  // here when it is destroyed; this object must outlive the list or stay where it is.
  void Attach(const ui::ListView& list, int dpi, int room = 0);
  // The list's columns were scaled with its font for a new DPI.
  void Rescale(int dpi);
  // The widths as they stand, in design pixels; they are kept after the list has gone.
  ColumnWidths Widths() const;
  void SetWidths(const ColumnWidths& widths);
  // The narrowest a column may be, in the list's pixels.
  int Minimum(int column) const;

 private:
  static LRESULT CALLBACK ListProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR self);
  // A header notification: true when a change is refused.
  bool Refuses(const NMHEADERW& change) const;
  void Fit() const;

  std::array<const char*, 5> headers_;
  ColumnWidths starting_, design_;
  Texts wholeTexts_;
  ui::ListView list_;
  int dpi_ = 96;
};

}  // namespace zz
