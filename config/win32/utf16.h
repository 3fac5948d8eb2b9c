// UTF-8 <-> UTF-16 at the boundary to the W functions of Windows.
#pragma once

#include <string>
#include <string_view>

namespace zz {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace zz
