#include "command_line.h"

#include <cstdio>

#include "zconf_texts.h"

namespace zz::zconf {

namespace {

// The options zconf knows that take a value, and those that take none besides --json and
// the help flags.
constexpr const char* kValueOptions[] = {"type", "port", "ip",   "comment", "address",
                                         "host", "name", "wait", "guard",   "conf"};
constexpr const char* kFlagOptions[] = {"check", "diff", "create"};

template <std::size_t N>
bool Among(std::string_view name, const char* const (&names)[N]) {
  for (const char* option : names)
    if (name == option) return true;
  return false;
}

bool IsHelpFlag(std::string_view a) { return a == "--help" || a == "-h" || a == "/?"; }

// "-x" or "--x": a word that stands for an option. "-" alone and "-5" are arguments.
bool LooksLikeOption(std::string_view a) {
  return a.size() > 1 && a[0] == '-' && !(a[1] >= '0' && a[1] <= '9');
}

}  // namespace

const std::string* CommandLine::Option(std::string_view name) const {
  for (const auto& [key, value] : options)
    if (key == name) return &value;
  return nullptr;
}

std::optional<std::string> ParseCommandLine(const std::vector<std::string>& args, CommandLine& line) {
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (optionsEnded || !LooksLikeOption(a)) {
      if (!optionsEnded && IsHelpFlag(a)) {
        line.help = true;
      } else if (line.command.empty()) {
        line.command = a;
      } else {
        line.positional.push_back(a);
      }
      continue;
    }
    if (a == "--") {
      optionsEnded = true;
    } else if (IsHelpFlag(a)) {
      line.help = true;
    } else if (a == "--json") {
      line.json = true;
    } else if (a == "--version" && line.command.empty()) {
      line.command = a;
    } else {
      std::size_t eq = a.find('=');
      std::string name = a.compare(0, 2, "--") == 0 ? a.substr(2, eq == std::string::npos ? eq : eq - 2) : "";
      if (Among(name, kFlagOptions)) {
        if (eq != std::string::npos) return FlagWithValue(name);
        if (line.Option(name)) return RepeatedOption(name);
        line.options.emplace_back(name, "");
        continue;
      }
      if (!Among(name, kValueOptions)) return UnknownOption(Shown(a.substr(0, eq)));
      std::string value;
      if (eq != std::string::npos)
        value = a.substr(eq + 1);
      else if (i + 1 < args.size())
        value = args[++i];
      else
        return MissingOptionValue(name);
      if (line.Option(name)) return RepeatedOption(name);
      line.options.emplace_back(name, value);
    }
  }
  return std::nullopt;
}

int Refuse(Io& io, const std::string& text, int code) {
  io.err << "zconf: " << text << "\n";
  io.refusal = text;
  return code;
}

void Warn(Io& io, const std::string& text) {
  io.err << "zconf: " << Warning(text) << "\n";
  io.warnings.push_back(text);
}

int UsageError(Io& io, const std::string& command, const std::string& text) {
  Refuse(io, text);
  for (const CommandHelp& help : kCommandHelp)
    if (command == help.name) io.err << kUsageLead << "zconf " << help.synopsis << "\n";
  io.err << SeeHelp(command) << "\n";
  return kExitUsage;
}

bool OnlyOptions(const CommandLine& line, std::initializer_list<const char*> allowed, Io& io) {
  for (const auto& option : line.options) {
    bool known = false;
    for (const char* name : allowed) known = known || option.first == name;
    if (!known) {
      UsageError(io, line.command, OptionNotHere(option.first, line.command));
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

std::string Shown(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\t') {
      out += "\\t";
    } else if (u < 0x20 || u == 0x7F) {
      char escaped[5];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", u);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace zz::zconf
