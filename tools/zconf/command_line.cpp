#include "command_line.h"

#include "zconf_texts.h"

namespace zz::zconf {

const std::string* CommandLine::Option(std::string_view name) const {
  for (const auto& [key, value] : options)
    if (key == name) return &value;
  return nullptr;
}

std::optional<std::string> ParseCommandLine(const std::vector<std::string>& args, CommandLine& line) {
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    bool looksLikeOption = !optionsEnded && a.size() > 2 && a.compare(0, 2, "--") == 0;
    if (!optionsEnded && a == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && (a == "--help" || a == "-h")) {
      line.help = true;
    } else if (!optionsEnded && a == "--json") {
      line.json = true;
    } else if (looksLikeOption && !(line.command.empty() && a == "--version")) {
      std::string name = a.substr(2), value;
      std::size_t eq = name.find('=');
      if (eq != std::string::npos) {
        value = name.substr(eq + 1);
        name.erase(eq);
      } else if (i + 1 < args.size()) {
        value = args[++i];
      } else {
        return MissingOptionValue(name);
      }
      if (line.Option(name)) return RepeatedOption(name);
      line.options.emplace_back(name, value);
    } else if (line.command.empty()) {
      line.command = a;
    } else {
      line.positional.push_back(a);
    }
  }
  return std::nullopt;
}

int Refuse(Io& io, const std::string& text, int code) {
  io.err << "zconf: " << text << "\n";
  return code;
}

int UsageError(Io& io, const std::string& command, const std::string& text) {
  io.err << "zconf: " << text << "\n";
  for (const CommandHelp& help : kCommandHelp)
    if (command == help.name) io.err << "usage: zconf " << help.synopsis << "\n";
  io.err << "Try 'zconf help" << (command.empty() ? "" : " " + command) << "'.\n";
  return kExitUsage;
}

bool OnlyOptions(const CommandLine& line, std::initializer_list<const char*> allowed, Io& io) {
  for (const auto& option : line.options) {
    bool known = false;
    for (const char* name : allowed) known = known || option.first == name;
    if (!known) {
      UsageError(io, line.command, UnknownOption(option.first));
      return false;
    }
  }
  return true;
}

std::optional<int> PlainNumber(std::string_view text) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  int n = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + (c - '0');
  }
  return n;
}

}  // namespace zz::zconf
