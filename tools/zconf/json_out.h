// JSON documents of zconf, through nlohmann/json. Member order is kept as written.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

namespace zz::zconf {

using Json = nlohmann::ordered_json;

// The document on one line of pure ASCII (every other character as a \u escape, so that
// Windows PowerShell and cmd read it whatever their code page), with a final line break.
std::string JsonText(const Json& document);

// The object every --json run ends with when it was refused or failed.
Json JsonFailure(const std::string& message, const std::vector<std::string>& warnings);

}  // namespace zz::zconf
