#include "conf_scan.h"

#include "cp1251.h"
#include "key_rules.h"
#include "text.h"

namespace zz::zconf {

const KeyField* SchemaKeyOf(const CONF_LINE& line) {
  if (!line.isKey) return nullptr;
  for (const KeyField& field : KeyFields())
    if (SectionIs(line, SectionOf(field)) && KeyIs(line, KeyOf(field))) return &field;
  return nullptr;
}

std::vector<ScannedLine> ScanLines(std::string_view bytes) {
  std::vector<ScannedLine> lines;
  CONF_LINE line;
  int number = 0;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string_view::npos) end = bytes.size();
    ParseLine(line, Cp1251ToUtf8(bytes.substr(start, end - start)));
    start = end + 1;
    ScannedLine scanned{++number, line, SchemaKeyOf(line), {}};
    if (line.isKey) {
      std::string_view s = Trim(line.raw);
      std::string_view value = s.substr(s.find('=') + 1);
      scanned.uncutValue = std::string(Trim(value.substr(0, value.find(';'))));
    }
    lines.push_back(std::move(scanned));
  }
  return lines;
}

std::vector<const ScannedLine*> InvalidIntegerLines(const std::vector<ScannedLine>& lines) {
  std::vector<const ScannedLine*> invalid;
  for (const ScannedLine& l : lines) {
    if (!l.field) continue;
    Conversion c = l.field->conversion;
    if ((c == Conversion::kMaxCalls || c == Conversion::kPosition) && !StrictInt(l.line.value))
      invalid.push_back(&l);
  }
  return invalid;
}

}  // namespace zz::zconf
