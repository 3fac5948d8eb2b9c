// zconf: the program's command line, for administrators' scripts and for support.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace zz {

// args[0] is the command. Results go to `out`, messages to `err`. Returns the exit code:
// 0 success, 1 findings or a service that did not reach its state, 2 usage or input errors.
int RunZconf(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace zz
