// zconf: the configuration store on the command line, for scripts and support.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace zz {

// args[0] is the command. Returns the exit code.
int RunZconf(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace zz
