// Zurerizeda.ini: the main window's placement, the view switch and the widths of the two
// grids' columns, read and written in one go.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "placement.h"
#include "ui/column_widths.h"

namespace zz {

struct WindowSettings {
  Placement placement;
  bool extended = false;                      // the menu item "Расширенный" ticked
  std::optional<ColumnWidths> blockColumns;   // StringGrid1 of the block page
  std::optional<ColumnWidths> unitColumns;    // StringGrid2 of the block dialog
};

// The settings in the file; what is missing or not a number keeps the value of `current`.
WindowSettings ReadWindowSettings(const std::string& path, const WindowSettings& current);
// Writes every setting (columns only where known), creating the file as needed. Throws
// IniWriteError.
void WriteWindowSettings(const std::string& path, const WindowSettings& settings);

// "48,81,69,132,245" and back; a list that is not five positive numbers reads as nothing.
std::string ColumnWidthsText(const ColumnWidths& widths);
std::optional<ColumnWidths> ParseColumnWidths(const std::string& text);

inline constexpr const char* kColumnsSection = "Columns";
inline constexpr const char* kBlockColumnsKey = "StringGrid1";
inline constexpr const char* kUnitColumnsKey = "StringGrid2";

}  // namespace zz
