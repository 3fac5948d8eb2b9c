#include "start_guard.h"

#include <algorithm>
#include <thread>

#include "revision_restore.h"
#include "service_rules.h"
#include "service_texts.h"

namespace zz {

namespace {

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

}  // namespace

std::optional<GuardResult> StartGuard::StartAndWatch(const std::function<bool()>& start) {
  RestartScreen screen(ui_);
  // A refused request is no verdict on the configuration: the page's poll shows it.
  if (!start()) return std::nullopt;
  auto poll = [this] {
    service_.StateText();
    return service_.CurrentState();
  };
  return WatchGuard(poll, guard_, kStateWaitSlice, PumpingClock(ui_));
}

bool StartGuard::StartAgain() {
  service_.StateText();
  if (service_.CurrentState() == service_state::kStopped) return service_.Start();
  return WaitForRestart(service_, ui_, restartPause_);
}

std::string StartGuard::WhatHappened(const GuardResult& watched) const {
  using std::chrono::duration_cast;
  using std::chrono::seconds;
  if (watched.end == GuardEnd::kStopped) return text::guard::StoppedAfter(duration_cast<seconds>(watched.ranFor).count());
  return text::guard::NotRunningAfter(duration_cast<seconds>(guard_).count(), StateTextFor(watched.state));
}

void StartGuard::Run(const std::function<bool()>& start, const std::optional<Revision>& previous) {
  const std::optional<GuardResult> watched = StartAndWatch(start);
  if (!watched || watched->end == GuardEnd::kKeptRunning) return;
  Prompts& prompts = session_.prompts;
  const std::string what = WhatHappened(*watched);
  if (!previous) {
    prompts.Show({text::guard::NothingToRestore(what), text::guard::kFailedCaption, MessageIcon::kWarning,
                  MessageButtons::kOk});
    return;
  }
  if (prompts.Show({text::guard::OfferRestore(what), text::guard::kFailedCaption, MessageIcon::kWarning,
                    MessageButtons::kYesNo}) != MessageAnswer::kYes)
    return;
  const RestoreEnd restored = RestoreRevision(session_, *previous);
  if (restored != RestoreEnd::kRestored) {
    prompts.Show({text::guard::NotRestored(RestoreFailure(restored), previous->folder), text::guard::kFailedCaption,
                  MessageIcon::kWarning, MessageButtons::kOk});
    return;
  }
  const std::string conf = session_.ProgramFile(kConfFileName);
  const std::optional<GuardResult> again = StartAndWatch([this] { return StartAgain(); });
  if (again && again->end == GuardEnd::kKeptRunning)
    prompts.Show({text::guard::RestoredRunning(conf), text::guard::kRestoredCaption, MessageIcon::kNone,
                  MessageButtons::kOk});
  else
    prompts.Show({text::guard::RestoredNotRunning(conf, again ? WhatHappened(*again) : text::guard::kStartRefused),
                  text::guard::kRestoredCaption, MessageIcon::kWarning, MessageButtons::kOk});
}

}  // namespace zz
