#include "service_page.h"

#include <string>
#include <utility>
#include <vector>

#include "file_system.h"
#include "save_flows.h"
#include "scoped_flag.h"
#include "service_rules.h"

namespace zz {

ServicePage::ServicePage(ServiceApi& service, ServicePageView& view, ConfigSession& session,
                         RestartUi& restartUi, std::function<void()> savePlacement,
                         std::chrono::milliseconds restartPause, std::chrono::milliseconds guard)
    : service_(service),
      view_(view),
      session_(session),
      restartUi_(restartUi),
      savePlacement_(std::move(savePlacement)),
      restartPause_(restartPause),
      guard_(service, restartUi, session, guard, restartPause) {}

void ServicePage::Initialize() {
  std::vector<std::string> items;
  for (const StartTypeItem& item : kStartTypeItems) items.emplace_back(item.text);
  view_.SetStartTypeItems(items);

  serviceOpened_ = service_.Open(kServiceName);
  if (!serviceOpened_) {
    // The page stays like this for the whole run.
    view_.SetRunEnabled(false);
    view_.SetRunHint(kServiceInitFailedHint);
    return;
  }
  view_.SetStartTypeIndex(StartTypeItemIndex(service_.StartType()));
  view_.SetPathText(service_.ExecutablePath());
  TimerTimer();  // current before the window is first shown
}

void ServicePage::TimerTimer() {
  if (!serviceOpened_) return;
  view_.SetStateText(service_.StateText());
  auto state = static_cast<std::int32_t>(service_.CurrentState());
  if (state != lastServiceState_) ApplyRunButton(RunButtonLookFor(static_cast<std::uint32_t>(state)));
  lastServiceState_ = state;
}

void ServicePage::ApplyRunButton(const RunButtonLook& look) {
  view_.SetRunEnabled(look.enabled);
  if (look.tag) view_.SetRunTag(*look.tag);
  if (look.glyph) view_.SetRunGlyph(*look.glyph);
  view_.SetRunHint(look.hint);
}

ServicePage::PendingSave ServicePage::SavePendingChanges() {
  if (!session_.state.loaded || !ChangeDetected(session_) || !FileExists(session_.state.currentPath))
    return PendingSave::kNone;
  return SaveSequence(session_) ? PendingSave::kSaved : PendingSave::kFailed;
}

bool ServicePage::WatchNeeded() const {
  return serviceOpened_ && DiffersFromKnownGood(session_.ProgramFile(kConfFileName));
}

void ServicePage::RunButtonClick() {
  if (restarting_) return;  // a restart or a guarded start is under way
  const PendingSave saved = SavePendingChanges();
  if (saved == PendingSave::kFailed) return;
  int tag = view_.RunTag();
  // A start after Stop is watched as one after a save: what counts is the configuration.
  if (tag == kRunTagStart && WatchNeeded()) {
    ScopedFlag busy(restarting_);
    guard_.Run([this] { return service_.Start(); });
  } else if (tag == kRunTagStart) {
    service_.Start();
  } else if (tag == kRunTagStop) {
    service_.Stop();
  }
}

void ServicePage::StartTypeCBClick() {
  if (!serviceOpened_) return;
  int index = view_.StartTypeIndex();
  if (index < 0 || index >= static_cast<int>(kStartTypeItems.size())) return;
  service_.SetStartType(kStartTypeItems[static_cast<std::size_t>(index)].code);
}

void ServicePage::FormCloseQuery(bool& canClose) {
  if (restarting_) {
    // A close request while a restart or a guarded start runs: the close flow ends the
    // program itself; after a start the window takes the next request.
    canClose = false;
    return;
  }
  savePlacement_();
  switch (SavePendingChanges()) {
    case PendingSave::kNone:
      return;
    case PendingSave::kFailed: {
      // The message has said why; the user may still leave, knowing the changes are lost,
      // rather than be held in a window that cannot save and will not close.
      MessageSpec leave{kCloseUnsavedText, kWarningCaption, MessageIcon::kWarning, MessageButtons::kYesNoDefaultNo};
      canClose = session_.prompts.Show(leave) == MessageAnswer::kYes;
      return;
    }
    case PendingSave::kSaved:
      break;
  }
  MessageSpec question{kRestartQuestion, kRestartCaption, MessageIcon::kQuestion, MessageButtons::kYesNo};
  if (session_.prompts.Show(question) != MessageAnswer::kYes) return;

  ScopedFlag restarting(restarting_);
  if (!WatchNeeded()) {
    RunRestart(service_, restartUi_, restartPause_);
    return;
  }
  guard_.Run([this] { return WaitForRestart(service_, restartUi_, restartPause_); });
}

}  // namespace zz
