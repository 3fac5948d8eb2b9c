// What would make the gateway misread or reject a configuration file, line by line.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor.h"
#include "key_fields.h"

namespace zz::zconf {

enum class Severity { kError, kWarning };

struct Problem {
  Severity severity;
  std::string text;
};

struct Finding {
  int line;  // 1-based, in the file
  Severity severity;
  std::string text;
};

// Four decimal numbers 0 to 255 joined by full stops.
bool IsIpv4Address(std::string_view text);

// The problem of a schema key's value: `value` as the program reads it, `uncut` before the
// 127-character cut.
std::optional<Problem> CheckKeyValue(const KeyField& field, std::string_view value, std::string_view uncut);

// The errors of block `index` (0-based) of the list: its port, its address, and a clash
// with any of the blocks before `compareUpTo`.
std::vector<std::string> BlockErrors(const BlockRows& rows, std::size_t index, std::size_t compareUpTo);

// Every finding of the file, in line order.
std::vector<Finding> CheckConfiguration(std::string_view bytes);

}  // namespace zz::zconf
