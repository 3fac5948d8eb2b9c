// The fonts of the program's windows at one DPI: MS Sans Serif of 13 pixels at 96 DPI, bold
// for emphasis, and the larger bold face of the grey page titles.
#pragma once

#include "gdi.h"

namespace zz::ui {

enum class FontRole { kNone, kRegular, kBold, kTitle };

class FontSet {
 public:
  explicit FontSet(int dpi = 96);
  HFONT Get(FontRole role) const;
  HFONT Regular() const { return regular_.get(); }
  int Dpi() const { return dpi_; }

 private:
  int dpi_;
  Font regular_, bold_, title_;
};

}  // namespace zz::ui
