// The line parser of zidezir.conf: one CONF_LINE per line, carrying the current section.
#pragma once

#include <istream>
#include <string>
#include <string_view>

namespace zz {

struct CONF_LINE {
  std::string raw;      // the line as read, without its LF (a CR in front of it stays), whole
  std::string comment;  // text after the first ';', at most 79 characters
  std::string key;      // trimmed, at most 63 characters
  std::string value;    // trimmed, cut at the comment, at most 127 characters
  bool isSection = false;
  bool isKey = false;
  bool hasComment = false;
  std::string section;  // the current section, kept from line to line (at most 31 characters)

  void Clear() { *this = CONF_LINE(); }
};

// Reads the next line of a byte stream (Windows-1251). False when no further line can be read.
bool ReadLine(CONF_LINE& line, std::istream& in);

// Classifies one line already read (bytes decoded to UTF-8); `line.section` is updated for headers.
void ParseLine(CONF_LINE& line, std::string raw);

// A section header: the first character of the trimmed line is '['.
bool IsSectionHeader(std::string_view line);

// The name of a section header as the INI reader takes it: the text between "[" and the
// first "]" (or the end), trimmed, its blanks kept.
std::string_view HeaderName(std::string_view line);

bool SectionIs(const CONF_LINE& line, const std::string& name);
bool KeyIs(const CONF_LINE& line, const std::string& name);

}  // namespace zz
