#include <unistd.h>

#include "test_support.h"

namespace zz::test {

bool MakeLink(const std::string& target, const std::string& link) { return ::symlink(target.c_str(), link.c_str()) == 0; }

}  // namespace zz::test
