// Windows-1251, the single-byte code page of the gateway's text files.
#pragma once

#include <string>
#include <string_view>

namespace zz {

// Every byte value decodes to one character and encodes back to the same byte.
std::string Cp1251ToUtf8(std::string_view bytes);

// Characters outside Windows-1251 (and malformed UTF-8) become '?'.
std::string Utf8ToCp1251(std::string_view text);

// The character has a byte of its own in Windows-1251.
bool Cp1251HasChar(char32_t c);

// Every character of the UTF-8 text has a byte in Windows-1251 (malformed UTF-8 has none):
// the text reaches a file as it stands.
bool FitsCp1251(std::string_view text);

// The text without the characters that have no byte in Windows-1251 (and malformed UTF-8).
std::string KeepCp1251Chars(std::string_view text);

// The text as a Windows-1251 file gives it back: each character the code page lacks (and
// each malformed UTF-8 byte) becomes '?'.
std::string ThroughCp1251(std::string_view text);

}  // namespace zz
