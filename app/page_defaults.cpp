#include "page_defaults.h"

#include <string>
#include <vector>

#include "page_fields.h"

namespace zz {

namespace {

constexpr int kWarningLevel = 2;  // "Предупреждение"

std::vector<std::string> DefaultPrefixes() {
  std::vector<std::string> lines;
  for (int n = 0; n <= 9; ++n) lines.push_back(std::to_string(n) + "=" + std::to_string(n));
  return lines;
}

}  // namespace

void ButtonDefaultNetworkClick(Editor& editor, bool& modified) {
  modified = true;
  editor.EditSystemName().SetText("VELTO Gateway");
  editor.EditSystemAdmin().SetText("");
  editor.EditNetworkListenerInterface().SetText("0.0.0.0");
  editor.EditNetworkListenerPort().SetText("1720");
  editor.ComboBoxNetworkNeedGatekeeper().SetItemIndex(kNoItem);
  editor.EditNetworkGatekeeper().SetText("");
  editor.EditGatekeeperID().SetText("");
  editor.EditGatekeeperPassword().SetText("");
  editor.ComboBoxH323DisableFastStart().SetItemIndex(kNoItem);
  editor.ComboBoxH323DisableH245Tunneling().SetItemIndex(kNoItem);
  editor.ComboBoxH323DisableH245InSetup().SetItemIndex(kNoItem);
  editor.ListBoxPrefixes().SetItems(DefaultPrefixes());
  editor.EditPollServerBasePort().SetText("3000");
  editor.EditControlServerPort().SetText("4000");
  editor.EditControlServerConnectionTimeout().SetText("15");
}

void ButtonDefaultAudioClick(Editor& editor, bool& modified) {
  editor.UpDownTresholdVoise().SetPosition(kThresholdRange.initial);
  editor.UpDownDirectionalSignal().SetPosition(kSignalDeadbandRange.initial);
  editor.UpDownDirectionSilents().SetPosition(kSilenceDeadbandRange.initial);
  editor.UpDownTxBufer().SetPosition(kTxBufferRange.initial);
  editor.EditAudioAudioJitterDelay().SetText("50-250");
  editor.CheckBoxLogLogAudio().SetChecked(false);
  editor.ComboBoxMaxCall().SetItemIndex(0);
  modified = true;
}

void ButtonDefaultAddClick(Editor& editor) {
  editor.RadioGroupLogSysLogLevel().SetItemIndex(kWarningLevel);
  editor.RadioGroupLogLevel().SetItemIndex(kWarningLevel);
  editor.EditLogTraces().SetText("");
}

void Button1DefClick(Editor& editor, bool& modified) {
  editor.ComboBoxVoise().SetItemIndex(kNoItem);
  editor.CheckBoxDeviceSettingsRTS().SetChecked(false);
  modified = true;
}

}  // namespace zz
