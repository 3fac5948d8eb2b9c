#include "winpos.h"

#include "file_form.h"
#include "ini_file.h"
#include "text.h"

namespace zz {

namespace {

// A width dragged to nothing would leave a column the user cannot find again.
constexpr int kMaxColumnWidth = 4000;

}  // namespace

std::string ColumnWidthsText(const ColumnWidths& widths) {
  std::string text;
  for (int w : widths) text += (text.empty() ? "" : ",") + std::to_string(w);
  return text;
}

std::optional<ColumnWidths> ParseColumnWidths(const std::string& text) {
  ColumnWidths widths{};
  std::size_t start = 0;
  for (std::size_t i = 0; i < widths.size(); ++i) {
    const std::size_t end = text.find(',', start);
    if ((end == std::string::npos) != (i + 1 == widths.size())) return std::nullopt;
    std::optional<int> w = StrictInt(Trim(text.substr(start, end == std::string::npos ? end : end - start)));
    if (!w || *w <= 0 || *w > kMaxColumnWidth) return std::nullopt;
    widths[i] = *w;
    start = end + 1;
  }
  return widths;
}

WindowSettings ReadWindowSettings(const std::string& path, const WindowSettings& current) {
  IniFile ini(path);
  WindowSettings s = current;
  s.placement.top = ini.ReadInteger(kPlacementSection, "Top", s.placement.top);
  s.placement.left = ini.ReadInteger(kPlacementSection, "Left", s.placement.left);
  s.placement.height = ini.ReadInteger(kPlacementSection, "Height", s.placement.height);
  s.placement.width = ini.ReadInteger(kPlacementSection, "Width", s.placement.width);
  s.extended = ini.ReadInteger(kViewSection, kViewKey, 0) != 0;
  if (auto w = ParseColumnWidths(ini.ReadString(kColumnsSection, kBlockColumnsKey, ""))) s.blockColumns = w;
  if (auto w = ParseColumnWidths(ini.ReadString(kColumnsSection, kUnitColumnsKey, ""))) s.unitColumns = w;
  return s;
}

void WriteWindowSettings(const std::string& path, const WindowSettings& s) {
  std::string bytes;
  // Written by another tool in another encoding: the settings are a convenience, the file
  // is the user's.
  if (IsFormProblem(ReadAs(path, FileRole::kSettings, bytes))) return;
  IniFile ini(path, bytes);
  ini.Batch([&] {
    ini.WriteInteger(kPlacementSection, "Top", s.placement.top);
    ini.WriteInteger(kPlacementSection, "Left", s.placement.left);
    ini.WriteInteger(kPlacementSection, "Height", s.placement.height);
    ini.WriteInteger(kPlacementSection, "Width", s.placement.width);
    ini.WriteString(kViewSection, kViewKey, s.extended ? "1" : "0");
    if (s.blockColumns) ini.WriteString(kColumnsSection, kBlockColumnsKey, ColumnWidthsText(*s.blockColumns));
    if (s.unitColumns) ini.WriteString(kColumnsSection, kUnitColumnsKey, ColumnWidthsText(*s.unitColumns));
  });
}

}  // namespace zz
