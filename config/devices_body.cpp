#include "devices_body.h"

#include <climits>

#include "page_fields.h"
#include "text.h"

namespace zz {

BlockRow BlockRowFromLine(int number, const std::string& value, const std::string& comment) {
  BlockRow row;
  std::string::size_type comma = value.find(',');
  row[0] = std::to_string(number);
  row[1] = comma == std::string::npos ? kBlockTypeSerial : kBlockTypeIp;
  if (comma != std::string::npos) row[3] = value.substr(comma + 1);
  row[2] = "COM" + std::to_string(LeadingInt(value));
  row[4] = comment;
  return row;
}

int PortFromCell(const std::string& cell) {
  std::string rest = cell.substr(CutChars(cell, 3).size());
  long long n = 0;
  for (char c : rest) {
    if (c < '0' || c > '9') break;
    n = n * 10 + (c - '0');
    if (n > INT_MAX) return INT_MAX;
  }
  return static_cast<int>(n);
}

bool IsPlaceholder(const BlockRows& rows) { return rows.size() == 1 && rows[0][1].empty(); }

LineList DevicesLines(const BlockRows& rows) {
  LineList lines;
  if (IsPlaceholder(rows)) return lines;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const BlockRow& row = rows[r];
    std::string line = std::to_string(r) + "=" + std::to_string(PortFromCell(row[2]));
    if (row[1] == kBlockTypeIp) line += "," + row[3];
    if (!row[4].empty()) line += " ;" + row[4];
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace zz
