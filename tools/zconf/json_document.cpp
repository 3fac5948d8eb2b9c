#include "json_document.h"

#include <functional>
#include <set>
#include <vector>

#include "text.h"
#include "zconf_texts.h"

namespace zz::zconf {

namespace {

bool IsIdentifier(const std::string& name) {
  if (name.empty() || (name[0] >= '0' && name[0] <= '9')) return false;
  for (char c : name)
    if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_')) return false;
  return true;
}

// UTF-16 after its byte-order mark, as UTF-8; a lone surrogate refuses the document.
std::string FromUtf16(std::string_view bytes, bool bigEndian) {
  std::string out;
  out.reserve(bytes.size());
  auto unit = [&](std::size_t i) -> char32_t {
    const auto hi = static_cast<unsigned char>(bytes[bigEndian ? i : i + 1]);
    const auto lo = static_cast<unsigned char>(bytes[bigEndian ? i + 1 : i]);
    return static_cast<char32_t>(hi << 8 | lo);
  };
  if (bytes.size() % 2 != 0) throw DocumentError{"$", NotUtf16()};
  for (std::size_t i = 0; i < bytes.size(); i += 2) {
    char32_t c = unit(i);
    if (c >= 0xD800 && c <= 0xDBFF && i + 2 < bytes.size() && unit(i + 2) >= 0xDC00 && unit(i + 2) <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
      i += 2;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      throw DocumentError{"$", NotUtf16()};
    }
    AppendUtf8(out, c);
  }
  return out;
}

// Well-formed UTF-8 without NUL: text an editor saved in UTF-8.
bool IsUtf8Text(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    const std::size_t length = c == 0 ? 0 : c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (length == 0 || i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k)
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    i += length;
  }
  return true;
}

// Follows the parser through the document, so that an error names where it stopped, and
// refuses a member named twice (the parser would keep the last one silently).
class PathTracker {
 public:
  bool operator()(int, Json::parse_event_t event, Json& parsed) {
    using Event = Json::parse_event_t;
    switch (event) {
      case Event::object_start:
      case Event::array_start:
        BeginValue();
        stack_.push_back({event == Event::array_start, 0, {}, {}});
        break;
      case Event::object_end:
      case Event::array_end: stack_.pop_back(); break;
      case Event::key: {
        Frame& frame = stack_.back();
        frame.key = parsed.get<std::string>();
        if (!frame.keys.insert(frame.key).second) throw DocumentError{Path(), MemberTwice()};
        break;
      }
      case Event::value: BeginValue(); break;
    }
    return true;
  }

  // Where the parser is: the member or element it reads.
  std::string Path() const {
    std::string path = "$";
    for (const Frame& frame : stack_) {
      if (frame.array && frame.count > 0)
        path = ElementPath(path, frame.count - 1);
      else if (!frame.array && !frame.key.empty())
        path = MemberPath(path, frame.key);
    }
    return path;
  }

 private:
  struct Frame {
    bool array;
    std::size_t count;  // elements begun
    std::string key;    // the member being read
    std::set<std::string> keys;
  };

  void BeginValue() {
    if (!stack_.empty() && stack_.back().array) ++stack_.back().count;
  }

  std::vector<Frame> stack_;
};

}  // namespace

std::string MemberPath(const std::string& path, const std::string& name) {
  return IsIdentifier(name) ? path + "." + name : path + "[" + Json(name).dump() + "]";
}

std::string ElementPath(const std::string& path, std::size_t index) {
  return path + "[" + std::to_string(index) + "]";
}

Json ParseDocument(std::string_view bytes) {
  std::string text;
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
    text = bytes.substr(3);
  else if (bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF")
    text = FromUtf16(bytes.substr(2), bytes[0] == '\xFE');
  else
    text = bytes;
  PathTracker tracker;
  try {
    return Json::parse(text, std::ref(tracker));
  } catch (const Json::parse_error& e) {
    // The position is the byte the parser stopped at, counted from 1.
    std::size_t line = 1, column = 1;
    for (std::size_t i = 0; i + 1 < e.byte && i < text.size(); ++i) {
      if (text[i] == '\n') {
        ++line;
        column = 1;
      } else if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
        ++column;
      }
    }
    throw DocumentError{tracker.Path(), IsUtf8Text(text) ? NotJson(line, column) : NotUtf8(line, column)};
  }
}

}  // namespace zz::zconf
