#include "standin_args.h"

#include <map>
#include <tuple>

namespace zz::standin {

namespace {

std::optional<unsigned> ParseMs(const std::string& text) {
  if (text.empty() || text.size() > 7) return std::nullopt;
  unsigned value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<unsigned>(c - '0');
  }
  if (value > kMaxPendingMs) return std::nullopt;
  return value;
}

std::optional<std::uint32_t> ParseStartType(const std::string& text) {
  static const std::map<std::string, std::uint32_t> kNames{
      {"auto", 2}, {"demand", 3}, {"disabled", 4}, {"2", 2}, {"3", 3}, {"4", 4}};
  auto it = kNames.find(text);
  if (it == kNames.end()) return std::nullopt;
  return it->second;
}

// Reads "--option value" pairs; the positional argument, if allowed, goes to `positional`.
struct Options {
  std::map<std::string, std::string> values;
  std::vector<std::string> positional;
};

std::optional<Options> SplitOptions(const std::vector<std::string>& args, std::size_t from) {
  Options options;
  for (std::size_t i = from; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a.rfind("--", 0) == 0) {
      if (i + 1 >= args.size() || options.values.count(a)) return std::nullopt;
      options.values[a] = args[++i];
    } else {
      options.positional.push_back(a);
    }
  }
  return options;
}

bool OnlyKnown(const Options& options, std::initializer_list<const char*> known) {
  for (const auto& [key, value] : options.values) {
    bool found = false;
    for (const char* k : known) found = found || key == k;
    if (!found) return false;
  }
  return true;
}

bool ReadTimes(const Options& options, PendingTimes& times) {
  for (auto [key, field] : {std::pair{"--start-ms", &times.startMs}, std::pair{"--stop-ms", &times.stopMs},
                            std::pair{"--block-ms", &times.blockMs}, std::pair{"--refuse-port", &times.refusePort},
                            std::pair{"--run-ms", &times.runMs}}) {
    auto it = options.values.find(key);
    if (it == options.values.end()) continue;
    std::optional<unsigned> ms = ParseMs(it->second);
    if (!ms) return false;
    *field = *ms;
  }
  return true;
}

}  // namespace

std::optional<PendingTimes> ParsePendingTimes(const std::vector<std::string>& args) {
  std::optional<Options> options = SplitOptions(args, 0);
  if (!options || !options->positional.empty() ||
      !OnlyKnown(*options, {"--start-ms", "--stop-ms", "--block-ms", "--refuse-port", "--run-ms"}))
    return std::nullopt;
  PendingTimes times;
  if (!ReadTimes(*options, times)) return std::nullopt;
  return times;
}

std::string ServiceCommandLine(const std::string& exePath, const PendingTimes& times) {
  // Only what differs from the defaults: the demo's service then reads as the gateway's does.
  const PendingTimes defaults;
  std::string line = "\"" + exePath + "\"";
  for (auto [key, value, byDefault] : {std::tuple{" --start-ms ", times.startMs, defaults.startMs},
                                       std::tuple{" --stop-ms ", times.stopMs, defaults.stopMs},
                                       std::tuple{" --block-ms ", times.blockMs, defaults.blockMs},
                                       std::tuple{" --refuse-port ", times.refusePort, defaults.refusePort},
                                       std::tuple{" --run-ms ", times.runMs, defaults.runMs}}) {
    if (value != byDefault) line += key + std::to_string(value);
  }
  return line;
}

std::optional<CtlRequest> ParseCtlRequest(const std::vector<std::string>& args) {
  static const std::map<std::string, CtlCommand> kCommands{
      {"install", CtlCommand::kInstall}, {"uninstall", CtlCommand::kUninstall}, {"config", CtlCommand::kConfig},
      {"start", CtlCommand::kStart},     {"stop", CtlCommand::kStop},           {"status", CtlCommand::kStatus}};
  if (args.empty()) return std::nullopt;
  auto command = kCommands.find(args[0]);
  if (command == kCommands.end()) return std::nullopt;
  std::optional<Options> options = SplitOptions(args, 1);
  if (!options) return std::nullopt;

  CtlRequest request;
  request.command = command->second;
  bool install = request.command == CtlCommand::kInstall;
  bool config = request.command == CtlCommand::kConfig;
  if (install) {
    if (options->positional.size() > 1 ||
        !OnlyKnown(*options,
                   {"--name", "--start-ms", "--stop-ms", "--block-ms", "--refuse-port", "--run-ms", "--start-type"}) ||
        !ReadTimes(*options, request.times))
      return std::nullopt;
    if (!options->positional.empty()) request.exePath = options->positional[0];
  } else if (!options->positional.empty() ||
             !OnlyKnown(*options, config ? std::initializer_list<const char*>{"--name", "--start-type"}
                                         : std::initializer_list<const char*>{"--name"})) {
    return std::nullopt;
  }
  if (auto it = options->values.find("--name"); it != options->values.end()) {
    if (it->second.empty()) return std::nullopt;
    request.name = it->second;
  }
  if (auto it = options->values.find("--start-type"); it != options->values.end()) {
    request.startType = ParseStartType(it->second);
    if (!request.startType) return std::nullopt;
  }
  if (config && !request.startType) return std::nullopt;
  return request;
}

}  // namespace zz::standin
