// The command line of zconf: the command, its positional arguments and options, and the
// way every command reports a result, a warning or a refusal.
#pragma once

#include <initializer_list>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zz::zconf {

constexpr int kExitOk = 0, kExitFindings = 1, kExitUsage = 2;
// Another program holds the file or its lock: the same command may succeed a little later.
constexpr int kExitBusy = 3;
// A file that could not be written is a failure, not a finding; the code is the same.
constexpr int kExitFailed = kExitFindings;

struct Io {
  std::ostream& out;  // results
  std::ostream& err;  // messages
  bool json = false;  // --json: the result, or the refusal, as one JSON document on `out`
  std::string refusal{};                // the text of the last refusal
  std::vector<std::string> warnings{};  // what was said besides the result
};

struct CommandLine {
  std::string command;
  std::vector<std::string> positional;
  std::vector<std::pair<std::string, std::string>> options;  // name without "--", value
  bool json = false;  // --json
  bool help = false;  // --help, -h or /?

  // The option's value, or null when it was not given.
  const std::string* Option(std::string_view name) const;
};

// Splits the arguments: --json and the help flags wherever they stand; the flags --check and
// --diff are options with an empty value; every other option zconf knows takes a value (the
// next argument, or after "="); "--" ends the options.
// Nothing on success, else what is wrong (an unknown option among it).
std::optional<std::string> ParseCommandLine(const std::vector<std::string>& args, CommandLine& line);

// "zconf: text" on standard error, kept for the JSON error object; returns `code`.
int Refuse(Io& io, const std::string& text, int code = kExitUsage);

// "zconf: предупреждение: text" on standard error, and among the warnings of the result.
void Warn(Io& io, const std::string& text);

// A usage error: the message, then the command's synopsis; exit 2.
int UsageError(Io& io, const std::string& command, const std::string& text);

// True when every option given is one of `allowed`; otherwise the usage error is reported.
bool OnlyOptions(const CommandLine& line, std::initializer_list<const char*> allowed, Io& io);

// Digits only, at most 9 of them (block, unit and port numbers, seconds).
std::optional<int> PlainNumber(std::string_view text);

// A text as a message shows it: control characters escaped (\n, \t, \xNN), so that an echoed
// value cannot break or hide the message's line.
std::string Shown(std::string_view text);

}  // namespace zz::zconf
