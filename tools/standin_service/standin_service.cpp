// A stand-in for the gateway service: a real service program that passes through
// start-pending to running, takes the stop control and passes through stop-pending to
// stopped. Each pending state lasts as long as its command line says, and so does the
// control handler's answer to a stop (a slow handler keeps the caller's stop request waiting).
#include <windows.h>
#include <winsvc.h>

#include <cctype>
#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

#include "standin_args.h"
#include "win32/handle.h"
#include "win32/utf16.h"

namespace {

using zz::standin::PendingTimes;

constexpr DWORD kWaitHintMargin = 1000;
constexpr DWORD kRefuseAfterMs = 500;
// A long start reports its progress this often, as a real service's does.
constexpr DWORD kStartStepMs = 1000;

class StandinService {
 public:
  void SetTimes(const PendingTimes& times) { times_ = times; }

  void Main(DWORD argc, LPWSTR* argv) {
    std::wstring name = argc > 0 && argv[0] ? argv[0] : zz::Widen(zz::standin::kDefaultServiceName);
    statusHandle_ = RegisterServiceCtrlHandlerExW(name.c_str(), &StandinService::Handler, this);
    if (!statusHandle_) return;
    stopRequested_ = zz::Handle(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!stopRequested_) {
      Report(SERVICE_STOPPED, 0, 0);
      return;
    }
    for (DWORD left = times_.startMs;;) {
      const DWORD step = left < kStartStepMs ? left : kStartStepMs;
      Report(SERVICE_START_PENDING, 0, step + kWaitHintMargin);
      Sleep(step);
      left -= step;
      if (left == 0) break;
    }
    Report(SERVICE_RUNNING, SERVICE_ACCEPT_STOP, 0);
    // As a gateway that fails on its configuration (running for a moment), or after a while:
    // then stopped with an error.
    DWORD failAfter = INFINITE;
    if (times_.refusePort != 0 && ConfigurationSetsPort(times_.refusePort)) failAfter = kRefuseAfterMs;
    if (times_.runMs != 0 && times_.runMs < failAfter) failAfter = times_.runMs;
    if (WaitForSingleObject(stopRequested_.get(), failAfter) == WAIT_TIMEOUT) {
      Report(SERVICE_STOPPED, 0, 0, ERROR_SERVICE_SPECIFIC_ERROR);
      return;
    }
    Sleep(times_.stopMs);
    Report(SERVICE_STOPPED, 0, 0);
  }

 private:
  static DWORD WINAPI Handler(DWORD control, DWORD, LPVOID, LPVOID context) {
    return static_cast<StandinService*>(context)->Control(control);
  }

  DWORD Control(DWORD control) {
    switch (control) {
      case SERVICE_CONTROL_STOP: {
        if (times_.blockMs != 0) Sleep(times_.blockMs);
        std::lock_guard<std::mutex> lock(mutex_);
        if (state_ != SERVICE_RUNNING) return ERROR_SERVICE_CANNOT_ACCEPT_CTRL;
        // Stop-pending is reported before the control returns, so the caller sees it at once.
        ReportLocked(SERVICE_STOP_PENDING, 0, times_.stopMs + kWaitHintMargin);
        SetEvent(stopRequested_.get());
        return NO_ERROR;
      }
      case SERVICE_CONTROL_INTERROGATE:
        return NO_ERROR;
      default:
        return ERROR_CALL_NOT_IMPLEMENTED;
    }
  }

  void Report(DWORD state, DWORD accepted, DWORD waitHint, DWORD exitCode = NO_ERROR) {
    std::lock_guard<std::mutex> lock(mutex_);
    ReportLocked(state, accepted, waitHint, exitCode);
  }

  // The zidezir.conf beside this program has a line "Listener Port=N" (blanks and letter
  // case aside).
  static bool ConfigurationSetsPort(unsigned port) {
    wchar_t path[MAX_PATH] = {};
    DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring conf(path, n);
    conf = conf.substr(0, conf.find_last_of(L"\\/") + 1) + L"zidezir.conf";
    FILE* file = _wfopen(conf.c_str(), L"rb");
    if (!file) return false;
    char line[512];
    bool sets = false;
    const std::string wanted = "listenerport=" + std::to_string(port);
    while (!sets && std::fgets(line, sizeof line, file)) {
      std::string text;
      for (const char* c = line; *c; ++c)
        if (*c != ' ' && *c != '\t' && *c != '\r' && *c != '\n') text += static_cast<char>(std::tolower(static_cast<unsigned char>(*c)));
      sets = text == wanted;
    }
    std::fclose(file);
    return sets;
  }

  void ReportLocked(DWORD state, DWORD accepted, DWORD waitHint, DWORD exitCode = NO_ERROR) {
    bool pending = state == SERVICE_START_PENDING || state == SERVICE_STOP_PENDING;
    SERVICE_STATUS status{};
    status.dwServiceType = SERVICE_WIN32_OWN_PROCESS;
    status.dwCurrentState = state;
    status.dwControlsAccepted = accepted;
    status.dwWin32ExitCode = exitCode;
    status.dwServiceSpecificExitCode = exitCode == ERROR_SERVICE_SPECIFIC_ERROR ? 1 : 0;
    status.dwCheckPoint = pending ? ++checkPoint_ : 0;
    status.dwWaitHint = waitHint;
    state_ = state;
    SetServiceStatus(statusHandle_, &status);
  }

  PendingTimes times_;
  SERVICE_STATUS_HANDLE statusHandle_ = nullptr;
  zz::Handle stopRequested_;
  std::mutex mutex_;  // the control handler runs on the dispatcher's thread
  DWORD state_ = SERVICE_STOPPED;
  DWORD checkPoint_ = 0;
};

// The one service of this process: ServiceMain receives no context of its own.
StandinService service;

void WINAPI ServiceMain(DWORD argc, LPWSTR* argv) { service.Main(argc, argv); }

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(zz::Narrow(argv[i]));
  std::optional<PendingTimes> times = zz::standin::ParsePendingTimes(args);
  if (!times) {
    std::fputs("usage: standin_service [--start-ms N] [--stop-ms N] [--block-ms N] [--refuse-port N] [--run-ms N]\n",
               stderr);
    return 2;
  }
  service.SetTimes(*times);
  std::wstring name = zz::Widen(zz::standin::kDefaultServiceName);
  SERVICE_TABLE_ENTRYW table[] = {{name.data(), &ServiceMain}, {nullptr, nullptr}};
  if (!StartServiceCtrlDispatcherW(table)) {
    std::fputs("standin_service: runs only when started by the service control manager\n", stderr);
    return 1;
  }
  return 0;
}
