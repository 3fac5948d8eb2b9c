// zz_service_ctl: registers, reconfigures, starts, stops and deletes the stand-in gateway
// service. Exit code 0 on success, 1 when the service control manager refuses, 2 on usage.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "service_registry.h"
#include "service_rules.h"
#include "standin_args.h"
#include "win32/utf16.h"

namespace {

using namespace zz::standin;

DWORD Run(const CtlRequest& request) {
  std::wstring name = zz::Widen(request.name);
  switch (request.command) {
    case CtlCommand::kInstall: {
      std::wstring exe = request.exePath.empty() ? ModuleDirectory() + zz::Widen(kStandinExeName)
                                                 : WindowsPath(request.exePath);
      if (GetFileAttributesW(exe.c_str()) == INVALID_FILE_ATTRIBUTES) return ERROR_FILE_NOT_FOUND;
      std::string commandLine = ServiceCommandLine(zz::Narrow(exe), request.times);
      DWORD error = InstallService(name, zz::Widen(commandLine), request.startType.value_or(SERVICE_DEMAND_START));
      if (!error) std::printf("%s: %s\n", request.name.c_str(), commandLine.c_str());
      return error;
    }
    case CtlCommand::kUninstall: return RemoveService(name);
    case CtlCommand::kConfig: return ConfigureStartType(name, *request.startType);
    case CtlCommand::kStart: return StartNamedService(name);
    case CtlCommand::kStop: return StopNamedService(name);
    case CtlCommand::kStatus: {
      DWORD state = 0;
      DWORD error = QueryState(name, state);
      if (!error) std::printf("%s\n", zz::StateWord(state));
      return error;
    }
  }
  return ERROR_INVALID_PARAMETER;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(zz::Narrow(argv[i]));
  std::optional<CtlRequest> request = ParseCtlRequest(args);
  if (!request) {
    std::fputs(kCtlUsage, stderr);
    return 2;
  }
  DWORD error = Run(*request);
  if (error) {
    std::fprintf(stderr, "zz_service_ctl %s: failed with Windows error %lu\n", args[0].c_str(),
                 static_cast<unsigned long>(error));
    return 1;
  }
  return 0;
}
