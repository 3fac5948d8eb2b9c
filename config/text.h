// Small text rules shared by the configuration store. Strings are UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zz {

// Removes leading and trailing characters with codes 0 to 32.
std::string_view Trim(std::string_view s);

// The first `count` characters (code points) of a UTF-8 text.
std::string CutChars(std::string_view s, std::size_t count);

// Appends the UTF-8 form of a code point.
void AppendUtf8(std::string& out, char32_t c);

// Number of characters (code points) of a UTF-8 text.
std::size_t CharCount(std::string_view s);

// Equality with A to Z folded; every other byte must match exactly.
bool EqualsAsciiNoCase(std::string_view a, std::string_view b);

// Leading blanks, an optional sign and the decimal digits that follow; 0 when no digit follows.
// Saturates at the limits of int.
int LeadingInt(std::string_view s);

// The whole text is an optional sign followed by decimal digits and fits an int.
std::optional<int> StrictInt(std::string_view s);

// Splits a text into lines ending at CR, LF or CR LF; a final line without a break counts.
std::vector<std::string> SplitLines(std::string_view text);

// Splits a text into lines as the configuration's line parser reads them: a line ends at
// LF, and one CR in front of the LF belongs to the line end; a CR elsewhere is text.
std::vector<std::string> SplitLfLines(std::string_view text);

// Removes every blank (code 32) of a text.
std::string RemoveBlanks(std::string_view s);

}  // namespace zz
