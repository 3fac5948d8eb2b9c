#include "zconf.h"

#include "commands.h"
#include "zconf_texts.h"
#include "zz_version.h"

namespace zz {

namespace zconf {
namespace {

struct CommandEntry {
  const char* name;
  int (*run)(const CommandLine&, Io&);
  bool json;  // takes --json
};

constexpr CommandEntry kCommands[] = {
    {"get", GetCommand, true},
    {"set", SetCommand, false},
    {"check", CheckCommand, true},
    {"blocks", BlocksCommand, true},
    {"block-add", BlockAddCommand, false},
    {"block-set", BlockSetCommand, false},
    {"block-remove", BlockRemoveCommand, false},
    {"units", UnitsCommand, true},
    {"unit-add", UnitAddCommand, false},
    {"unit-remove", UnitRemoveCommand, false},
    {"dump", DumpCommand, true},
    {"save", SaveCommand, false},
    {"voice-rebuild", VoiceRebuildCommand, false},
    {"remove-block", RemoveBlockCommand, false},
    {"service", ServiceCommand, false},
};

const CommandHelp* HelpOf(const std::string& name) {
  for (const CommandHelp& help : kCommandHelp)
    if (name == help.name) return &help;
  return nullptr;
}

void PrintUsage(std::ostream& s) {
  s << "usage: zconf COMMAND ...\n";
  for (const CommandHelp& help : kCommandHelp) s << "       zconf " << help.synopsis << "\n";
}

int Help(const std::vector<std::string>& topics, Io& io) {
  if (topics.size() > 1) return UsageError(io, "help", "at most one COMMAND");
  if (topics.empty()) {
    PrintUsage(io.out);
    io.out << "\n";
    for (const CommandHelp& help : kCommandHelp) io.out << "zconf " << help.synopsis << "\n" << help.text << "\n";
    io.out << kHelpFooter;
    return kExitOk;
  }
  const CommandHelp* help = HelpOf(topics[0]);
  if (!help) return UsageError(io, "", UnknownCommand(topics[0]));
  io.out << "usage: zconf " << help->synopsis << "\n" << help->text;
  return kExitOk;
}

}  // namespace
}  // namespace zconf

int RunZconf(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  using namespace zconf;
  Io io{out, err};
  CommandLine line;
  if (std::optional<std::string> wrong = ParseCommandLine(args, line)) return UsageError(io, "", *wrong);
  if (line.command == "--version") {
    if (!line.positional.empty() || !line.options.empty()) return UsageError(io, "--version", "no arguments");
    out << ZZ_VERSION_TEXT << "\n";
    return kExitOk;
  }
  if (line.command == "help") return Help(line.positional, io);
  if (line.help) return Help(line.command.empty() ? std::vector<std::string>{} : std::vector{line.command}, io);
  if (line.command.empty()) {
    PrintUsage(err);
    return kExitUsage;
  }
  for (const CommandEntry& command : kCommands) {
    if (line.command != command.name) continue;
    if (line.json && !command.json) return UsageError(io, line.command, NoJson(line.command));
    return command.run(line, io);
  }
  err << "zconf: " << UnknownCommand(line.command) << "\n";
  PrintUsage(err);
  return kExitUsage;
}

}  // namespace zz
