// service: the gateway service through the program's own wrapper, waiting for each state.
#include <windows.h>

#include <chrono>
#include <future>
#include <memory>
#include <thread>

#include <sstream>

#include "commands.h"
#include "file_system.h"
#include "config_changes.h"
#include "history.h"
#include "messages.h"
#include "revision_restore.h"
#include "service_rules.h"
#include "service_texts.h"
#include "state_wait.h"
#include "text.h"
#include "win32/tscm.h"
#include "win32/utf16.h"
#include "zconf_texts.h"

namespace zz::zconf {

namespace {

constexpr int kDefaultWaitSeconds = 30, kMaxWaitSeconds = 86400, kMaxGuardSeconds = 3600;
// Who wrote a version the guard restored or marked, in the history.
constexpr const char* kGuardProgram = "zconf service --guard";

// The folder of zconf.exe, where the installer puts it beside the gateway's zidezir.conf.
std::string ProgramFolder() {
  wchar_t path[MAX_PATH] = {};
  DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, n);
  return Narrow(folder.substr(0, folder.find_last_of(L"\\/")));
}

struct StartTypeArg {
  const char* word;
  std::uint32_t code;
};
constexpr StartTypeArg kStartTypeArgs[] = {
    {"auto", start_type::kAuto}, {"manual", start_type::kDemand}, {"disabled", start_type::kDisabled}};

// The system's own text for an error code, without its line break.
std::string SystemMessage(DWORD code) {
  wchar_t* buffer = nullptr;
  DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                           nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::string text = n ? Narrow(std::wstring(buffer, n)) : std::string();
  if (buffer) LocalFree(buffer);
  return std::string(Trim(text));
}

// Why the service could not be opened or asked: the causes an administrator can act on by
// name, every other one by its code and the system's text.
std::string Cause(const std::string& name, const char* what, DWORD code) {
  switch (code) {
    case ERROR_SERVICE_DOES_NOT_EXIST: return ServiceAbsent(name);
    case ERROR_ACCESS_DENIED: return AccessDenied(name);
    case ERROR_SERVICE_DISABLED: return ServiceDisabled(name);
    default: return ServiceFailed(name, what, code, SystemMessage(code));
  }
}

using Clock = std::chrono::steady_clock;

class ServiceRun {
 public:
  // The wait is the limit of the whole command, the service's answers to the requests
  // included.
  ServiceRun(std::shared_ptr<TSCM> scm, std::string name, std::chrono::seconds wait, Io& io)
      : scm_(std::move(scm)), name_(std::move(name)), wait_(wait), deadline_(Clock::now() + wait), io_(io) {}

  // After the start, the service is judged as the service control manager judges a start and
  // must then run for the guard time; if it does, the configuration it runs with is marked in
  // the history as known good, and if not, the last known good one is restored and the
  // service started again.
  void Guard(std::chrono::seconds guard, std::string conf) {
    guard_ = guard;
    conf_ = std::move(conf);
  }

  int Status() {
    std::string text = scm_->StateText();
    if (text == kStateUnknownText && scm_->LastError() != 0) return Fail(kQueryVerb, scm_->LastError());
    io_.out << "state=" << StateWord(scm_->CurrentState()) << "\n"
            << "start-type=" << StartTypeWord(scm_->StartType()) << "\n";
    return kExitOk;
  }

  int Start() {
    std::uint32_t state = Poll();
    if (state == service_state::kStopPending && !WaitFor(service_state::kStopped)) return kExitFindings;
    // A gateway already running may run with what the file held before: not marked as known good.
    if (state == service_state::kRunning || state == service_state::kStartPending) ranWith_.reset();
    if (state != service_state::kRunning && state != service_state::kStartPending) {
      std::optional<bool> started = Request(&TSCM::Start);
      if (!started) return TimedOut(service_state::kRunning);
      if (!*started && scm_->LastError() != ERROR_SERVICE_ALREADY_RUNNING) return Fail(kStartVerb, scm_->LastError());
    }
    if (!guard_) return Done(WaitFor(service_state::kRunning));
    const GuardResult watched = WatchGuard(
        [this] {
          Poll();
          return scm_->LastStatus();
        },
        *guard_);
    if (watched.end != GuardEnd::kKeptRunning) return Fallback(watched);
    if (ranWith_) MarkKnownGood(conf_, *ranWith_, {kGuardProgram, text::guard::kRanWithSummary});
    return Done(true);
  }

  int Stop(bool report = true) {
    std::uint32_t state = Poll();
    // A service still starting cannot take the stop yet.
    if (state == service_state::kStartPending && !WaitFor(service_state::kRunning)) return kExitFindings;
    if (state != service_state::kStopped && state != service_state::kStopPending) {
      std::optional<bool> stopped = Request(&TSCM::Stop);
      if (!stopped) return TimedOut(service_state::kStopped);
      // A handler still busy with an earlier stop (of a command that gave up waiting) takes
      // no other control: the stop under way is waited for.
      if (!*stopped && scm_->LastError() != ERROR_SERVICE_NOT_ACTIVE &&
          scm_->LastError() != ERROR_SERVICE_CANNOT_ACCEPT_CTRL)
        return Fail(kStopVerb, scm_->LastError());
    }
    bool stopped = WaitFor(service_state::kStopped);
    return report ? Done(stopped) : (stopped ? kExitOk : kExitFindings);
  }

  // Stops, waits for the stopped state, then starts: no fixed pause.
  int Restart() {
    int code = Stop(false);
    return code == kExitOk ? Start() : code;
  }

  // What the gateway reads when it starts: the file as it is before the request.
  void ReadStartedWith() {
    std::string bytes;
    if (guard_ && ReadFileBytes(conf_, bytes)) ranWith_ = std::move(bytes);
  }

  // The service did not keep running with the new configuration: the last one it ran with
  // back, byte for byte, and the service started again. Exit 1 whatever comes of it, with
  // what happened.
  int Fallback(const GuardResult& watched) {
    Warn(io_, WhatHappened(watched));
    if (restored_) return kExitFindings;  // the start with the configuration restored: told by the caller
    const std::optional<Revision> good = LastKnownGood(ReadHistory(conf_));
    std::string goodConf, goodVoice;
    if (!good || !ReadRevision(*good, goodConf, goodVoice) || goodConf == ranWith_)
      return Refuse(io_, GuardNothingToRestore(conf_, guard_->count()), kExitFindings);
    const std::string changed = ranWith_ ? SaveSummary(goodConf, *ranWith_) : std::string();
    const WriteOutcome written = RestoreVersion(conf_, *good, kGuardProgram);
    if (written.end != WriteEnd::kWritten && written.end != WriteEnd::kUnchanged)
      return Refuse(io_, GuardRestoreFailed(conf_) + (written.reason.empty() ? "" : ": " + written.reason),
                    written.end == WriteEnd::kBusy ? kExitBusy : kExitFindings);
    // Started again and watched as the first start was.
    restored_ = true;
    ranWith_ = goodConf;
    deadline_ = Clock::now() + wait_;
    const std::string restored = GuardRestored(conf_, good->date + " " + good->time, changed);
    // A service left pending or paused is restarted, as the window does.
    const int again = Poll() == service_state::kStopped ? Start() : Restart();
    if (again != kExitOk) return Refuse(io_, restored + GuardStillDown(name_), kExitFindings);
    return Refuse(io_, restored + GuardRunningAgain(name_), kExitFindings);
  }

  int SetStartType(std::uint32_t code) {
    if (!scm_->SetStartType(code)) return Fail(kStartTypeVerb, scm_->LastError());
    io_.out << "start-type=" << StartTypeWord(scm_->StartType()) << "\n";
    return kExitOk;
  }

 private:
  std::uint32_t Poll() {
    scm_->StateText();  // a fresh query; a failed one leaves the last state
    return scm_->CurrentState();
  }

  std::chrono::milliseconds Left() const {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline_ - Clock::now());
    return left.count() > 0 ? left : std::chrono::milliseconds(0);
  }

  // A request the service control manager answers only when the service does (a start
  // waits for its process, a stop for its handler) runs on a thread of its own, which owns
  // the wrapper with this run; nothing when the command's time ran out first. The thread is
  // then left to end with the process.
  std::optional<bool> Request(bool (TSCM::*request)()) {
    auto answer = std::make_shared<std::promise<bool>>();
    std::future<bool> result = answer->get_future();
    std::thread([scm = scm_, request, answer] { answer->set_value(((*scm).*request)()); }).detach();
    if (result.wait_until(deadline_) != std::future_status::ready) return std::nullopt;
    return result.get();
  }

  int TimedOut(std::uint32_t target) {
    return Refuse(io_, NotReached(name_, StateWord(target), wait_.count(), StateWord(Poll())), kExitFindings);
  }

  bool WaitFor(std::uint32_t target) {
    StateWaitResult r = WaitForServiceState([this] { return Poll(); }, target, Left());
    if (r.end == StateWaitEnd::kTimedOut)
      Refuse(io_, NotReached(name_, StateWord(target), wait_.count(), StateWord(r.state)), kExitFindings);
    else if (r.end == StateWaitEnd::kSettledElsewhere)
      Refuse(io_, SettledElsewhere(name_, StateWord(target), StateWord(r.state)), kExitFindings);
    return r.end == StateWaitEnd::kReached;
  }

  int Done(bool reached) {
    if (!reached) return kExitFindings;
    io_.out << StateWord(scm_->CurrentState()) << "\n";
    return kExitOk;
  }

  int Fail(const char* what, DWORD code) { return Refuse(io_, Cause(name_, what, code), kExitFindings); }

  std::string WhatHappened(const GuardResult& watched) const {
    switch (watched.end) {
      case GuardEnd::kStopped: return GuardStopped(name_, watched.ranFor.count(), watched.status.exitCode);
      case GuardEnd::kNoProgress:
        return GuardNoProgress(name_, std::chrono::duration_cast<std::chrono::seconds>(watched.waitHint).count(),
                               StateWord(watched.status.state));
      default: return GuardNotRunning(name_, StateWord(watched.status.state));
    }
  }

  std::shared_ptr<TSCM> scm_;
  std::string name_;
  std::chrono::seconds wait_;
  Clock::time_point deadline_;
  Io& io_;
  std::optional<std::chrono::seconds> guard_;
  std::string conf_;
  std::optional<std::string> ranWith_;
  bool restored_ = false;
};

}  // namespace

int ServiceCommand(const CommandLine& line, Io& io) {
  // --name is for tests and support: it reaches a service other than the gateway's.
  if (!OnlyOptions(line, {"wait", "name", "guard", "conf"}, io)) return kExitUsage;
  const auto& p = line.positional;
  if (p.empty()) return UsageError(io, line.command, WrongArguments("status|start|stop|restart|start-type"));
  const std::string& action = p[0];
  std::optional<std::uint32_t> startType;
  if (action == "start-type") {
    if (p.size() != 2) return UsageError(io, line.command, WrongArguments("start-type auto|manual|disabled"));
    for (const StartTypeArg& arg : kStartTypeArgs)
      if (EqualsAsciiNoCase(p[1], arg.word)) startType = arg.code;
    if (!startType) return Refuse(io, BadStartType(Shown(p[1])));
  } else if (action != "status" && action != "start" && action != "stop" && action != "restart") {
    return Refuse(io, BadServiceAction(Shown(action)));
  } else if (p.size() != 1) {
    return UsageError(io, line.command, WrongArguments("одно действие"));
  }
  int seconds = kDefaultWaitSeconds;
  if (const std::string* wait = line.Option("wait")) {
    std::optional<int> n = PlainNumber(*wait);
    if (!n || *n > kMaxWaitSeconds) return Refuse(io, BadWait(Shown(*wait), kMaxWaitSeconds));
    seconds = *n;
  }
  std::optional<int> guard;
  if (const std::string* text = line.Option("guard")) {
    guard = PlainNumber(*text);
    if (!guard || *guard < 1 || *guard > kMaxGuardSeconds || (action != "start" && action != "restart"))
      return Refuse(io, BadGuard(Shown(*text), kMaxGuardSeconds));
  }
  const std::string* nameOption = line.Option("name");
  const std::string name = nameOption ? *nameOption : std::string(kServiceName);
  const std::string* confOption = line.Option("conf");
  const std::string conf = confOption ? *confOption : JoinPath(ProgramFolder(), kConfFileName);

  auto scm = std::make_shared<TSCM>();
  if (!scm->Open(name)) return Refuse(io, Cause(name, kOpenVerb, scm->LastError()));
  ServiceRun run(scm, name, std::chrono::seconds(seconds), io);
  if (guard) run.Guard(std::chrono::seconds(*guard), conf);
  run.ReadStartedWith();
  if (startType) return run.SetStartType(*startType);
  if (action == "status") return run.Status();
  if (action == "start") return run.Start();
  if (action == "stop") return run.Stop();
  return run.Restart();
}

}  // namespace zz::zconf
