// A plain editor: one field per control, with the design-time contents of the pages.
#pragma once

#include <vector>

#include "editor.h"
#include "page_fields.h"

namespace zz {

class TextValue : public TextControl {
 public:
  explicit TextValue(std::string text = {}) : text_(std::move(text)) {}
  std::string Text() const override { return text_; }
  void SetText(const std::string& text) override { text_ = text; }

 private:
  std::string text_;
};

class ListValue : public IndexControl {
 public:
  template <std::size_t N>
  explicit ListValue(const std::array<const char*, N>& items) : items_(items.begin(), items.end()) {}
  int ItemIndex() const override { return index_; }
  void SetItemIndex(int index) override { index_ = (index >= 0 && index < ItemCount()) ? index : -1; }
  int ItemCount() const override { return static_cast<int>(items_.size()); }
  std::string ItemText(int index) const override {
    return (index >= 0 && index < ItemCount()) ? items_[static_cast<std::size_t>(index)] : std::string();
  }

 private:
  std::vector<std::string> items_;
  int index_ = -1;
};

class RangeValue : public PositionControl {
 public:
  explicit RangeValue(const UpDownRange& range) : range_(range), position_(range.initial) {}
  int Position() const override { return position_; }
  void SetPosition(int position) override { position_ = ClampToRange(range_, position); }

 private:
  UpDownRange range_;
  int position_;
};

class CheckValue : public CheckControl {
 public:
  bool Checked() const override { return checked_; }
  void SetChecked(bool checked) override { checked_ = checked; }

 private:
  bool checked_ = false;
};

class RowsValue : public BlockGridControl {
 public:
  BlockRows Rows() const override { return rows_; }
  void SetRows(const BlockRows& rows) override {
    rows_ = rows.empty() ? BlockRows(1) : rows;
  }

 private:
  BlockRows rows_ = BlockRows(1);
};

class LinesValue : public LinesControl {
 public:
  std::vector<std::string> Items() const override { return items_; }
  void SetItems(const std::vector<std::string>& items) override { items_ = items; }

 private:
  std::vector<std::string> items_;
};

struct EditorModel : Editor {
  TextValue systemName, systemAdmin, listenerInterface, listenerPort, gatekeeper, gatekeeperId,
      gatekeeperPassword, jitterDelay, logTraces, pollServerBasePort, controlServerPort,
      controlServerConnectionTimeout;
  ListValue needGatekeeper{kYesNoItems}, disableFastStart{kYesNoItems}, disableH245Tunneling{kYesNoItems},
      disableH245InSetup{kYesNoItems}, maxCall{kMaxCallItems}, enablePolling{kYesNoItems},
      sysLogLevel{kLevelItems}, logLevel{kLevelItems};
  RangeValue txBuffer{kTxBufferRange}, threshold{kThresholdRange}, signalDeadband{kSignalDeadbandRange},
      silenceDeadband{kSilenceDeadbandRange};
  CheckValue logAudio, flowControlRts;
  RowsValue blocks;
  LinesValue prefixes;
  std::string statusPath;

  TextControl& EditSystemName() override { return systemName; }
  TextControl& EditSystemAdmin() override { return systemAdmin; }
  TextControl& EditNetworkListenerInterface() override { return listenerInterface; }
  TextControl& EditNetworkListenerPort() override { return listenerPort; }
  IndexControl& ComboBoxNetworkNeedGatekeeper() override { return needGatekeeper; }
  TextControl& EditNetworkGatekeeper() override { return gatekeeper; }
  TextControl& EditGatekeeperID() override { return gatekeeperId; }
  TextControl& EditGatekeeperPassword() override { return gatekeeperPassword; }
  IndexControl& ComboBoxH323DisableFastStart() override { return disableFastStart; }
  IndexControl& ComboBoxH323DisableH245Tunneling() override { return disableH245Tunneling; }
  IndexControl& ComboBoxH323DisableH245InSetup() override { return disableH245InSetup; }
  IndexControl& ComboBoxMaxCall() override { return maxCall; }
  PositionControl& UpDownTxBufer() override { return txBuffer; }
  TextControl& EditAudioAudioJitterDelay() override { return jitterDelay; }
  IndexControl& ComboBoxVoise() override { return enablePolling; }
  PositionControl& UpDownTresholdVoise() override { return threshold; }
  PositionControl& UpDownDirectionalSignal() override { return signalDeadband; }
  PositionControl& UpDownDirectionSilents() override { return silenceDeadband; }
  IndexControl& RadioGroupLogSysLogLevel() override { return sysLogLevel; }
  IndexControl& RadioGroupLogLevel() override { return logLevel; }
  TextControl& EditLogTraces() override { return logTraces; }
  CheckControl& CheckBoxLogLogAudio() override { return logAudio; }
  CheckControl& CheckBoxDeviceSettingsRTS() override { return flowControlRts; }
  TextControl& EditPollServerBasePort() override { return pollServerBasePort; }
  TextControl& EditControlServerPort() override { return controlServerPort; }
  TextControl& EditControlServerConnectionTimeout() override { return controlServerConnectionTimeout; }
  BlockGridControl& StringGrid1() override { return blocks; }
  LinesControl& ListBoxPrefixes() override { return prefixes; }
  void ShowConfigPath(const std::string& path) override { statusPath = path; }
};

}  // namespace zz
