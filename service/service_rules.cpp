#include "service_rules.h"

namespace zz {

std::string StateTextFor(std::uint32_t state) {
  for (const StateTextRow& row : kStateTexts)
    if (row.state == state) return row.text;
  return kStateUnknownText;
}

const RunButtonLook& RunButtonLookFor(std::uint32_t state) {
  if (state == service_state::kRunning) return kRunButtonRunning;
  if (state == service_state::kStopped) return kRunButtonStopped;
  return kRunButtonWaiting;
}

const char* StateWord(std::uint32_t state) {
  static constexpr const char* kWords[] = {"stopped",          "start-pending", "stop-pending", "running",
                                           "continue-pending", "pause-pending", "paused"};
  return state >= service_state::kStopped && state <= service_state::kPaused ? kWords[state - 1] : "unknown";
}

const char* StartTypeWord(std::uint32_t startType) {
  static constexpr const char* kWords[] = {"boot", "system", "auto", "manual", "disabled"};
  return startType <= start_type::kDisabled ? kWords[startType] : "unknown";
}

int StartTypeItemIndex(std::uint32_t startType) {
  for (std::size_t i = 0; i < kStartTypeItems.size(); ++i)
    if (kStartTypeItems[i].code == startType) return static_cast<int>(i);
  return -1;
}

}  // namespace zz
