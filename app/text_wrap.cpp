#include "text_wrap.h"

namespace zz {

namespace {

// The length of the UTF-8 character that starts at `i`.
std::size_t CharLength(std::string_view s, std::size_t i) {
  std::size_t n = 1;
  while (i + n < s.size() && (static_cast<unsigned char>(s[i + n]) & 0xC0) == 0x80) ++n;
  return n;
}

}  // namespace

std::vector<std::string> WrapText(std::string_view text, int width,
                                  const std::function<int(std::string_view)>& measure) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = start + CharLength(text, start);  // at least one character
    std::size_t afterBreak = std::string_view::npos;
    while (end < text.size()) {
      const char last = text[end - 1];
      if (last == ' ' || last == '\\' || last == '/') afterBreak = end;
      std::size_t next = end + CharLength(text, end);
      if (measure(text.substr(start, next - start)) > width) break;
      end = next;
    }
    if (end < text.size() && afterBreak != std::string_view::npos && afterBreak > start) end = afterBreak;
    lines.emplace_back(text.substr(start, end - start));
    start = end;
  }
  return lines;
}

}  // namespace zz
