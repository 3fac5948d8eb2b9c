// Windows-1251, the single-byte code page of the gateway's text files.
#pragma once

#include <string>
#include <string_view>

namespace zz {

// Every byte value decodes to one character and encodes back to the same byte.
std::string Cp1251ToUtf8(std::string_view bytes);

// Characters outside Windows-1251 (and malformed UTF-8) become '?'.
std::string Utf8ToCp1251(std::string_view text);

}  // namespace zz
