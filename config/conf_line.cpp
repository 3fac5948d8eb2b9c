#include "conf_line.h"

#include "conf_param.h"
#include "cp1251.h"
#include "text.h"

namespace zz {

void ParseLine(CONF_LINE& line, std::string raw) {
  line.raw = std::move(raw);
  line.comment.clear();
  line.key.clear();
  line.value.clear();
  line.isSection = line.isKey = line.hasComment = false;

  std::string_view s = Trim(line.raw);
  if (s.empty()) return;

  // Every character of the trimmed line is examined, the last one included: a trailing ';'
  // starts an (empty) comment, and "Key =" is a key line with an empty value.
  std::size_t semicolon = s.find(';');
  if (semicolon != std::string_view::npos) {
    line.comment = CutChars(s.substr(semicolon + 1), kCommentCapacity);
    // Blanks and control characters that the cut leaves at its end would end the written
    // line and be trimmed off when it is read again: a saved file would not read back as
    // it was saved.
    while (!line.comment.empty() && static_cast<unsigned char>(line.comment.back()) <= 32) line.comment.pop_back();
    line.hasComment = true;
  }

  if (IsSectionHeader(s)) {
    line.isSection = true;
    std::string name;
    for (std::size_t i = 1; i < s.size() && s[i] != ']'; ++i)
      if (s[i] != ' ') name += s[i];
    line.section = CutChars(name, kSectionCapacity);
    return;
  }

  std::size_t stop = s.find_first_of("=;");
  if (stop == std::string_view::npos || s[stop] == ';') return;
  line.isKey = true;
  line.key = std::string(Trim(CutChars(s.substr(0, stop), kKeyCapacity)));
  std::string value = CutChars(s.substr(stop + 1), kValueCapacity);
  std::size_t cut = value.find(';');
  if (cut != std::string::npos) value.erase(cut);
  line.value = std::string(Trim(value));
}

bool ReadLine(CONF_LINE& line, std::istream& in) {
  line.raw.clear();
  line.comment.clear();
  line.key.clear();
  line.value.clear();
  line.isSection = line.isKey = line.hasComment = false;
  if (!in) return false;
  std::string bytes;
  if (!std::getline(in, bytes, '\n')) return false;
  ParseLine(line, Cp1251ToUtf8(bytes));
  return true;
}

bool IsSectionHeader(std::string_view line) {
  std::string_view s = Trim(line);
  return !s.empty() && s.front() == '[';
}

std::string_view HeaderName(std::string_view line) {
  std::string_view s = Trim(line);
  if (s.empty() || s.front() != '[') return {};
  std::size_t close = s.find(']');
  return Trim(s.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
}

bool SectionIs(const CONF_LINE& line, const std::string& name) { return EqualsAsciiNoCase(line.section, name); }

bool KeyIs(const CONF_LINE& line, const std::string& name) { return EqualsAsciiNoCase(line.key, name); }

}  // namespace zz
