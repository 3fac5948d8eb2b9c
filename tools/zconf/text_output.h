// How zconf writes its text to a pipe or a file: in the console's output code page, as
// Windows' own console tools do, or in UTF-8 when asked (`--encoding utf-8`).
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace zz::zconf {

enum class TextEncoding { kCodePage, kUtf8 };

struct EncodingChoice {
  TextEncoding encoding = TextEncoding::kCodePage;
  std::string error;  // a usage error, empty when the option was right or absent
};

// Takes `--encoding NAME` or `--encoding=NAME` out of the arguments (before a "--"); the only
// name is utf-8 (any case, also utf8).
EncodingChoice TakeEncodingOption(std::vector<std::string>& args);

// The choice's usage error as every command reports one (a JSON refusal with --json); exit 2.
int EncodingUsageError(const std::vector<std::string>& args, const EncodingChoice& choice, std::ostream& out,
                       std::ostream& err);

}  // namespace zz::zconf
