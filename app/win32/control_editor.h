// The editor seam over the main window's pages: every accessor is a real control.
#pragma once

#include "block_page.h"
#include "editor.h"
#include "logs_page.h"
#include "network_page.h"
#include "voice_page.h"

namespace zz {

class ControlEditor : public Editor {
 public:
  ControlEditor(NetworkPage& network, VoicePage& voice, LogsPage& logs, BlockPage& blocks, ui::StatusBar& status)
      : n_(network), v_(voice), l_(logs), b_(blocks), status_(status) {}

  TextControl& EditSystemName() override { return n_.EditSystemName; }
  TextControl& EditSystemAdmin() override { return n_.EditSystemAdmin; }
  TextControl& EditNetworkListenerInterface() override { return n_.EditNetworkListenerInterface; }
  TextControl& EditNetworkListenerPort() override { return n_.EditNetworkListenerPort; }
  IndexControl& ComboBoxNetworkNeedGatekeeper() override { return n_.ComboBoxNetworkNeedGatekeeper; }
  TextControl& EditNetworkGatekeeper() override { return n_.EditNetworkGatekeeper; }
  TextControl& EditGatekeeperID() override { return n_.EditGatekeeperID; }
  TextControl& EditGatekeeperPassword() override { return n_.EditGatekeeperPassword; }
  IndexControl& ComboBoxH323DisableFastStart() override { return n_.ComboBoxH323DisableFastStart; }
  IndexControl& ComboBoxH323DisableH245Tunneling() override { return n_.ComboBoxH323DisableH245Tunneling; }
  IndexControl& ComboBoxH323DisableH245InSetup() override { return n_.ComboBoxH323DisableH245InSetup; }
  IndexControl& ComboBoxMaxCall() override { return v_.ComboBoxMaxCall; }
  PositionControl& UpDownTxBufer() override { return v_.UpDownTxBufer; }
  TextControl& EditAudioAudioJitterDelay() override { return v_.EditAudioAudioJitterDelay; }
  IndexControl& ComboBoxVoise() override { return b_.ComboBoxVoise; }
  PositionControl& UpDownTresholdVoise() override { return v_.UpDownTresholdVoise; }
  PositionControl& UpDownDirectionalSignal() override { return v_.UpDownDirectionalSignal; }
  PositionControl& UpDownDirectionSilents() override { return v_.UpDownDirectionSilents; }
  IndexControl& RadioGroupLogSysLogLevel() override { return l_.RadioGroupLogSysLogLevel; }
  IndexControl& RadioGroupLogLevel() override { return l_.RadioGroupLogLevel; }
  TextControl& EditLogTraces() override { return l_.EditLogTraces; }
  CheckControl& CheckBoxLogLogAudio() override { return v_.CheckBoxLogLogAudio; }
  CheckControl& CheckBoxDeviceSettingsRTS() override { return b_.CheckBoxDeviceSettingsRTS; }
  TextControl& EditPollServerBasePort() override { return n_.EditPollServerBasePort; }
  TextControl& EditControlServerPort() override { return n_.EditControlServerPort; }
  TextControl& EditControlServerConnectionTimeout() override { return n_.EditControlServerConnectionTimeout; }
  BlockGridControl& StringGrid1() override { return b_.StringGrid1; }
  LinesControl& ListBoxPrefixes() override { return n_.ListBoxPrefixes; }
  void ShowConfigPath(const std::string& path) override { status_.SetPartText(0, path); }

 private:
  NetworkPage& n_;
  VoicePage& v_;
  LogsPage& l_;
  BlockPage& b_;
  ui::StatusBar& status_;
};

}  // namespace zz
