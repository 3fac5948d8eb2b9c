#include "json_out.h"

namespace zz::zconf {

std::string JsonText(const Json& document) {
  return document.dump(-1, ' ', true, Json::error_handler_t::replace) + "\n";
}

Json JsonFailure(const std::string& message, const std::vector<std::string>& warnings) {
  Json failure;
  failure["changed"] = false;
  failure["failed"] = true;
  failure["msg"] = message;
  if (!warnings.empty()) failure["warnings"] = warnings;
  return failure;
}

}  // namespace zz::zconf
