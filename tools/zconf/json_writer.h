// A small writer of one JSON document (UTF-8): objects, arrays, strings, numbers, booleans.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zz::zconf {

// The text as a JSON string literal: quotes, backslashes and control characters escaped;
// bytes that are not UTF-8 become U+FFFD.
std::string JsonQuoted(std::string_view text);

class JsonWriter {
 public:
  JsonWriter& BeginObject() { return Open('{'); }
  JsonWriter& EndObject() { return Close('}'); }
  JsonWriter& BeginArray() { return Open('['); }
  JsonWriter& EndArray() { return Close(']'); }
  // The name of the next member of the object being written.
  JsonWriter& Key(std::string_view name);
  JsonWriter& String(std::string_view text);
  JsonWriter& Number(long long n);
  JsonWriter& Bool(bool b);
  // Key and value in one.
  template <class T>
  JsonWriter& Member(std::string_view name, const T& value) {
    Key(name);
    return Value(value);
  }

  // The document, with a final line break.
  std::string Text() const { return out_ + "\n"; }

 private:
  JsonWriter& Value(std::string_view text) { return String(text); }
  JsonWriter& Value(const std::string& text) { return String(text); }
  JsonWriter& Value(const char* text) { return String(text); }
  JsonWriter& Value(int n) { return Number(n); }
  JsonWriter& Value(long long n) { return Number(n); }
  JsonWriter& Value(std::size_t n) { return Number(static_cast<long long>(n)); }
  JsonWriter& Value(bool b) { return Bool(b); }
  JsonWriter& Open(char bracket);
  JsonWriter& Close(char bracket);
  void BeforeValue();

  std::string out_;
  std::vector<bool> hasMembers_;  // per open object or array
  bool afterKey_ = false;
};

}  // namespace zz::zconf
