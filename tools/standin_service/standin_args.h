// The command lines of the stand-in gateway service and of its registration helper.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zz::standin {

inline constexpr const char* kDefaultServiceName = "VELTO Gateway";
inline constexpr const char* kStandinExeName = "standin_service.exe";
inline constexpr unsigned kMaxPendingMs = 600000;

// How long the service stays in each pending state, and how long its control handler takes
// before it answers a stop (the caller's stop request waits that long).
struct PendingTimes {
  unsigned startMs = 300;
  unsigned stopMs = 300;
  unsigned blockMs = 0;
  // A gateway that cannot run with its configuration: when the zidezir.conf beside the
  // program sets this Listener Port, the service stops with an error a moment after it
  // reported running. 0: it runs with any.
  unsigned refusePort = 0;
  // A gateway that fails after a while: it stops with an error this long after it reported
  // running. 0: it runs until stopped.
  unsigned runMs = 0;
};

// "--start-ms N --stop-ms N --block-ms N --refuse-port N --run-ms N", in any order, each optional;
// nothing on anything else.
std::optional<PendingTimes> ParsePendingTimes(const std::vector<std::string>& args);

// The executable path the service is registered with: the program in quotes, then the times
// (the handler's time only when it has one).
std::string ServiceCommandLine(const std::string& exePath, const PendingTimes& times);

enum class CtlCommand { kInstall, kUninstall, kConfig, kStart, kStop, kStatus };

struct CtlRequest {
  CtlCommand command = CtlCommand::kStatus;
  std::string name = kDefaultServiceName;
  std::string exePath;                   // install: empty means the stand-in beside the helper
  PendingTimes times;                    // install
  std::optional<std::uint32_t> startType;  // install (default: demand start) and config
};

// zz_service_ctl COMMAND [EXE] [--name NAME] [--start-ms N] [--stop-ms N] [--block-ms N] [--start-type TYPE];
// TYPE is auto, demand, disabled or a number. Nothing when the arguments do not fit the command.
std::optional<CtlRequest> ParseCtlRequest(const std::vector<std::string>& args);

inline constexpr const char* kCtlUsage =
    "usage: zz_service_ctl install [EXE] [--name NAME] [--start-ms N] [--stop-ms N] [--block-ms N]\n"
    "                              [--refuse-port N] [--run-ms N] [--start-type TYPE]\n"
    "       zz_service_ctl uninstall|start|stop|status [--name NAME]\n"
    "       zz_service_ctl config --start-type TYPE [--name NAME]\n"
    "TYPE: auto, demand, disabled (or 2, 3, 4). EXE defaults to standin_service.exe beside this program.\n"
    "--block-ms: how long the service's control handler takes to answer a stop.\n"
    "--refuse-port: the service stops with an error when its zidezir.conf sets this Listener Port.\n"
    "--run-ms: the service stops with an error this long after it runs.\n";

}  // namespace zz::standin
