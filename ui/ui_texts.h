// Texts of the window toolkit: the title of the program's message boxes and the buttons of
// its input box.
#pragma once

namespace zz::text {

inline constexpr const char* kProgramTitle = "zurerizeda";
inline constexpr const char* kOkButton = "OK";
inline constexpr const char* kCancelButton = "Отмена";

}  // namespace zz::text
