// The command line of zconf: the command, its positional arguments and options, and the
// way every command reports a refusal.
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

struct Io {
  std::ostream& out;  // results
  std::ostream& err;  // messages
};

struct CommandLine {
  std::string command;
  std::vector<std::string> positional;
  std::vector<std::pair<std::string, std::string>> options;  // name without "--", value
  bool json = false;  // --json
  bool help = false;  // --help or -h

  // The option's value, or null when it was not given.
  const std::string* Option(std::string_view name) const;
};

// Splits the arguments: "--json" and "--help" are flags wherever they stand, every other
// "--name" takes a value (the next argument, or after "="), "--" ends the options. Nothing
// on success, else what is wrong.
std::optional<std::string> ParseCommandLine(const std::vector<std::string>& args, CommandLine& line);

// "zconf: text" on standard error; returns `code`.
int Refuse(Io& io, const std::string& text, int code = kExitUsage);

// A usage error: the message, then the command's synopsis; exit 2.
int UsageError(Io& io, const std::string& command, const std::string& text);

// True when every option given is one of `allowed`; otherwise the usage error is reported.
bool OnlyOptions(const CommandLine& line, std::initializer_list<const char*> allowed, Io& io);

// Digits only, at most 9 of them (block, unit and port numbers, seconds).
std::optional<int> PlainNumber(std::string_view text);

}  // namespace zz::zconf
