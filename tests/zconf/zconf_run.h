// zconf run in the test's own process, with what it printed.
#pragma once

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "zconf.h"

namespace zz::test {

struct Outcome {
  int code;
  std::string out, err;
  nlohmann::json json() const { return nlohmann::json::parse(out); }
};

inline Outcome Zconf(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  int code = RunZconf(args, out, err);
  return {code, out.str(), err.str()};
}

}  // namespace zz::test
