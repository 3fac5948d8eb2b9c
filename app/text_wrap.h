// Breaking a text into lines of a given width, for labels that show a whole path.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zz {

// The lines of `text` (UTF-8) no wider than `width` by `measure`: a line breaks after its last
// blank or path separator (\ or /) where it has one, and inside a word where it has none,
// never inside a character; every line holds at least one character.
std::vector<std::string> WrapText(std::string_view text, int width,
                                  const std::function<int(std::string_view)>& measure);

}  // namespace zz
