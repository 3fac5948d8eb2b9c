// The lines of a configuration file as the program's line parser reads them, numbered as
// an editor numbers them, with the schema key each one sets.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "conf_line.h"
#include "key_fields.h"

namespace zz::zconf {

struct ScannedLine {
  int number;                  // 1-based
  CONF_LINE line;              // UTF-8; `section` is the current section
  const KeyField* field;       // the schema key the line sets; null for any other line
  std::string uncutValue;      // a key line's value, trimmed, before the 127-character cut
};

std::vector<ScannedLine> ScanLines(std::string_view bytes);

// The schema key of a key line in its section, or null.
const KeyField* SchemaKeyOf(const CONF_LINE& line);

// The key lines whose value the loader cannot take as the strict integer it needs: the
// window reports an error for each and keeps what its field held.
std::vector<const ScannedLine*> InvalidIntegerLines(const std::vector<ScannedLine>& lines);

}  // namespace zz::zconf
