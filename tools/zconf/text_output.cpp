#include "text_output.h"

#include <algorithm>
#include <cctype>

#include "command_line.h"
#include "json_out.h"
#include "zconf_texts.h"

namespace zz::zconf {

namespace {

constexpr const char* kOption = "--encoding";

bool NamesUtf8(std::string name) {
  std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
  return name == "utf-8" || name == "utf8";
}

}  // namespace

EncodingChoice TakeEncodingOption(std::vector<std::string>& args) {
  EncodingChoice choice;
  bool seen = false;
  for (std::size_t i = 0; i < args.size();) {
    const std::string& a = args[i];
    if (a == "--") break;
    std::string value;
    std::size_t taken = 1;
    if (a == kOption) {
      if (i + 1 == args.size()) return {choice.encoding, MissingOptionValue("encoding")};
      value = args[i + 1];
      taken = 2;
    } else if (a.rfind(std::string(kOption) + "=", 0) == 0) {
      value = a.substr(std::string(kOption).size() + 1);
    } else {
      ++i;
      continue;
    }
    if (seen) return {choice.encoding, RepeatedOption("encoding")};
    if (!NamesUtf8(value)) return {choice.encoding, UnknownEncoding(value)};
    seen = true;
    choice.encoding = TextEncoding::kUtf8;
    args.erase(args.begin() + static_cast<std::ptrdiff_t>(i), args.begin() + static_cast<std::ptrdiff_t>(i + taken));
  }
  return choice;
}

int EncodingUsageError(const std::vector<std::string>& args, const EncodingChoice& choice, std::ostream& out,
                       std::ostream& err) {
  Io io{out, err};
  io.json = std::find(args.begin(), args.end(), "--json") != args.end();
  const int code = UsageError(io, "", choice.error);
  if (io.json) out << JsonText(JsonFailure(io.refusal, io.warnings));
  return code;
}

}  // namespace zz::zconf
