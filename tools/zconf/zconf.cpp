#include "zconf.h"

#include <algorithm>
#include <sstream>

#include "commands.h"
#include "json_out.h"
#include "key_rules.h"
#include "zconf_texts.h"
#include "zz_version.h"

namespace zz {

namespace zconf {
namespace {

// The platform, the kind of build and its date, which tell two builds of one version apart.
std::string BuildText() {
#ifdef _WIN32
  std::string text = "windows-x64";
#else
  std::string text = "posix";
#endif
#ifdef NDEBUG
  text += " release, ";
#else
  text += " debug, ";
#endif
  return text + __DATE__;
}

struct CommandEntry {
  const char* name;
  int (*run)(const CommandLine&, Io&);
  bool json;  // takes --json
};

constexpr CommandEntry kCommands[] = {
    {"get", GetCommand, true},
    {"set", SetCommand, true},
    {"check", CheckCommand, true},
    {"blocks", BlocksCommand, true},
    {"block-add", BlockAddCommand, true},
    {"block-set", BlockSetCommand, true},
    {"block-remove", BlockRemoveCommand, true},
    {"units", UnitsCommand, true},
    {"unit-add", UnitAddCommand, true},
    {"unit-remove", UnitRemoveCommand, true},
    {"dump", DumpCommand, true},
    {"save", SaveCommand, true},
    {"voice-rebuild", VoiceRebuildCommand, true},
    {"remove-block", RemoveBlockCommand, true},
    {"diff", DiffCommand, true},
    {"history", HistoryCommand, true},
    {"restore", RestoreCommand, true},
    {"export", ExportCommand, true},
    {"apply", ApplyCommand, true},
    {"schema", SchemaCommand, false},
    {"service", ServiceCommand, false},
};

const CommandHelp* HelpOf(const std::string& name) {
  for (const CommandHelp& help : kCommandHelp)
    if (name == help.name) return &help;
  return nullptr;
}

void PrintUsage(std::ostream& s) {
  const char* lead = kUsageLead;
  for (const CommandHelp& help : kCommandHelp) {
    s << lead << "zconf " << help.synopsis << "\n";
    lead = "               ";
  }
}

void PrintHelp(const CommandHelp& help, std::ostream& s) {
  s << "zconf " << help.synopsis << "\n" << help.text;
  // The keys and their ranges come from the fields' own table.
  if (std::string(help.name) == "set") s << kKeysHeading << KeysHelp();
}

int Help(const std::vector<std::string>& topics, Io& io) {
  if (topics.size() > 1) return UsageError(io, "help", AtMostOneTopic());
  if (topics.empty()) {
    PrintUsage(io.out);
    for (const CommandHelp& help : kCommandHelp) {
      io.out << "\n";
      PrintHelp(help, io.out);
    }
    io.out << "\n" << kHelpFooter;
    return kExitOk;
  }
  const CommandHelp* help = HelpOf(topics[0]);
  if (!help) return UsageError(io, "", UnknownCommand(Shown(topics[0])));
  io.out << kUsageLead;
  PrintHelp(*help, io.out);
  return kExitOk;
}

// What an inventory records of the program on a gateway.
Json VersionJson() {
  // The release, and the four fields of the executables' file version (the build's number last).
  return {{"product_version", std::to_string(ZZ_VERSION_MAJOR) + "." + std::to_string(ZZ_VERSION_MINOR) + "." +
                                  std::to_string(ZZ_VERSION_PATCH)},
          {"file_version", ZZ_VERSION_TEXT},
          {"build", BuildText()}};
}

int Run(const CommandLine& line, Io& io) {
  if (line.command == "--version") {
    if (!line.positional.empty() || !line.options.empty()) return UsageError(io, "--version", WrongArguments("нет"));
    if (line.json)
      io.out << JsonText(VersionJson());
    else
      io.out << ZZ_VERSION_TEXT << "\n";
    return kExitOk;
  }
  if (line.command == "help") return Help(line.positional, io);
  if (line.help) return Help(line.command.empty() ? std::vector<std::string>{} : std::vector{line.command}, io);
  if (line.command.empty()) {
    PrintUsage(io.err);
    io.err << SeeHelp("") << "\n";
    return kExitUsage;
  }
  for (const CommandEntry& command : kCommands) {
    if (line.command != command.name) continue;
    if (line.json && !command.json) return UsageError(io, line.command, NoJson(line.command));
    return command.run(line, io);
  }
  return UsageError(io, "", UnknownCommand(Shown(line.command)));
}

}  // namespace
}  // namespace zconf

int RunZconf(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  using namespace zconf;
  std::ostringstream result;
  Io io{result, err};
  CommandLine line;
  int code;
  if (std::optional<std::string> wrong = ParseCommandLine(args, line)) {
    io.json = std::find(args.begin(), args.end(), "--json") != args.end();
    code = UsageError(io, "", *wrong);
  } else {
    io.json = line.json;
    code = Run(line, io);
  }
  // A --json run always ends with one document: the refusal's, when nothing else was written.
  if (io.json && code != kExitOk && result.str().empty() && !io.refusal.empty())
    result << JsonText(JsonFailure(io.refusal, io.warnings));
  out << result.str();
  return code;
}

}  // namespace zz
