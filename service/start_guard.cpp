#include "start_guard.h"

#include <algorithm>
#include <thread>

#include "revision_restore.h"
#include "service_rules.h"
#include "service_texts.h"

namespace zz {

namespace {

using std::chrono::duration_cast;
using std::chrono::seconds;

constexpr std::chrono::milliseconds kPumpSlice{20};

// The watch's clock: its waits keep the windows alive.
StateWaitClock PumpingClock(RestartUi& ui) {
  return {[] { return std::chrono::steady_clock::now(); },
          [&ui](std::chrono::milliseconds wait) {
            const auto end = std::chrono::steady_clock::now() + wait;
            for (;;) {
              ui.PumpMessages();
              const auto left = end - std::chrono::steady_clock::now();
              if (left <= std::chrono::steady_clock::duration::zero()) return;
              std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(left, kPumpSlice));
            }
          }};
}

std::string RestoreFailure(RestoreEnd end) {
  switch (end) {
    case RestoreEnd::kUnreadable: return text::guard::kRevisionUnreadable;
    case RestoreEnd::kBusy: return text::guard::kConfigurationBusy;
    default: return text::guard::kNotWritten;
  }
}

std::string WhenMade(const Revision& revision) { return revision.date + " " + revision.time; }

}  // namespace

bool DiffersFromKnownGood(const std::string& confPath) {
  const std::optional<Revision> good = LastKnownGood(ReadHistory(confPath));
  std::string now, goodConf, goodVoice;
  return !good || !ReadFileBytes(confPath, now) || !ReadRevision(*good, goodConf, goodVoice) || now != goodConf;
}

std::optional<GuardResult> StartGuard::StartAndWatch(const std::function<bool()>& start) {
  {
    RestartScreen screen(ui_);
    // A refused request is no verdict on the configuration: the page's poll shows it.
    if (!start()) return std::nullopt;
  }
  auto poll = [this] {
    service_.StateText();
    return service_.LastStatus();
  };
  const long long guardSeconds = duration_cast<seconds>(guard_).count();
  auto watching = [this, guardSeconds](const StartJudge& judge, StartJudge::TimePoint now) {
    if (const auto ran = judge.RunningFor(now))
      ui_.ShowWatch(text::guard::WatchRunning(duration_cast<seconds>(*ran).count(), guardSeconds));
    else
      ui_.ShowWatch(text::guard::WatchStarting(duration_cast<seconds>(now - judge.Started()).count()));
  };
  GuardResult watched = WatchGuard(poll, guard_, kStateWaitSlice, PumpingClock(ui_), watching);
  ui_.ShowWatch(watched.end == GuardEnd::kKeptRunning ? text::guard::WatchPassed(guardSeconds) : std::string());
  return watched;
}

bool StartGuard::StartAgain() {
  service_.StateText();
  if (service_.CurrentState() == service_state::kStopped) return service_.Start();
  return WaitForRestart(service_, ui_, restartPause_);
}

std::string StartGuard::WhatHappened(const GuardResult& watched) const {
  const std::string state = StateTextFor(watched.status.state);
  switch (watched.end) {
    case GuardEnd::kStopped:
      return text::guard::StoppedAfter(duration_cast<seconds>(watched.ranFor).count(), watched.status.exitCode);
    case GuardEnd::kNoProgress: return text::guard::NoProgress(duration_cast<seconds>(watched.waitHint).count(), state);
    default: return text::guard::NotRunning(state);
  }
}

void StartGuard::Run(const std::function<bool()>& start) {
  const std::string conf = session_.ProgramFile(kConfFileName);
  // What the gateway reads when it starts: the file as it is at the request.
  std::string ranWith;
  const bool read = ReadFileBytes(conf, ranWith);
  const std::optional<GuardResult> watched = StartAndWatch(start);
  if (!watched) return;
  if (watched->end == GuardEnd::kKeptRunning) {
    if (read) MarkKnownGood(conf, ranWith, {session_.program, text::guard::kRanWithSummary});
    return;
  }
  const std::string what = WhatHappened(*watched);
  const std::optional<Revision> good = LastKnownGood(ReadHistory(conf));
  std::string goodConf, goodVoice;
  if (!good || !ReadRevision(*good, goodConf, goodVoice) || (read && goodConf == ranWith)) {
    session_.prompts.Show({text::guard::NothingToRestore(what, duration_cast<seconds>(guard_).count()),
                           text::guard::kFailedCaption, MessageIcon::kWarning, MessageButtons::kOk});
    return;
  }
  OfferKnownGood(what, *good);
}

void StartGuard::OfferKnownGood(const std::string& what, const Revision& good) {
  Prompts& prompts = session_.prompts;
  const std::string conf = session_.ProgramFile(kConfFileName);
  std::string now, goodConf, goodVoice;
  ReadFileBytes(conf, now);
  ReadRevision(good, goodConf, goodVoice);
  const std::string changed = session_.summaries.Summary(goodConf, now);
  if (prompts.Show({text::guard::OfferRestore(what, WhenMade(good), changed), text::guard::kFailedCaption,
                    MessageIcon::kWarning, MessageButtons::kYesNo}) != MessageAnswer::kYes)
    return;
  const RestoreEnd restored = RestoreRevision(session_, good);
  if (restored != RestoreEnd::kRestored) {
    prompts.Show({text::guard::NotRestored(RestoreFailure(restored), good.folder), text::guard::kFailedCaption,
                  MessageIcon::kWarning, MessageButtons::kOk});
    return;
  }
  const std::optional<GuardResult> again = StartAndWatch([this] { return StartAgain(); });
  if (again && again->end == GuardEnd::kKeptRunning) {
    MarkKnownGood(conf, goodConf, {session_.program, text::guard::kRanWithSummary});
    prompts.Show({text::guard::RestoredRunning(conf, WhenMade(good)), text::guard::kRestoredCaption, MessageIcon::kNone,
                  MessageButtons::kOk});
  } else {
    prompts.Show({text::guard::RestoredNotRunning(conf, WhenMade(good), again ? WhatHappened(*again)
                                                                             : text::guard::kStartRefused),
                  text::guard::kRestoredCaption, MessageIcon::kWarning, MessageButtons::kOk});
  }
}

}  // namespace zz
