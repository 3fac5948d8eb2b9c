// The widths of a grid's five columns in design pixels (96 DPI), so that they come back at
// the same physical size on a screen of another DPI.
#pragma once

#include <array>

namespace zz {

using ColumnWidths = std::array<int, 5>;

}  // namespace zz
