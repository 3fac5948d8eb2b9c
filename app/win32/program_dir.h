// The directory of the program's own executable, where every file it works with lies.
#pragma once

#include <string>

namespace zz {

std::string ProgramDirectory();

}  // namespace zz
