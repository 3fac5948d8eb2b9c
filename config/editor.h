// The editor seam: the controls of the main window that hold the configuration while the
// program runs. The main window implements it over its real controls; tests and zconf use
// EditorModel.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace zz {

class TextControl {  // an edit field
 public:
  virtual ~TextControl() = default;
  virtual std::string Text() const = 0;
  virtual void SetText(const std::string& text) = 0;
};

class IndexControl {  // a drop-down list or a radio group: -1 when nothing is selected
 public:
  virtual ~IndexControl() = default;
  virtual int ItemIndex() const = 0;
  virtual void SetItemIndex(int index) = 0;
  virtual int ItemCount() const = 0;
  virtual std::string ItemText(int index) const = 0;
};

class PositionControl {  // an up-down bound to an edit; the position stays within the range
 public:
  virtual ~PositionControl() = default;
  virtual int Position() const = 0;
  virtual void SetPosition(int position) = 0;
};

class CheckControl {  // a check box
 public:
  virtual ~CheckControl() = default;
  virtual bool Checked() const = 0;
  virtual void SetChecked(bool checked) = 0;
};

// Columns of a block row: 0 number, 1 type, 2 port, 3 IP address, 4 comment.
constexpr int kBlockColumns = 5;
using BlockRow = std::array<std::string, kBlockColumns>;
using BlockRows = std::vector<BlockRow>;  // the data rows 1, 2, ... of the grid

class BlockGridControl {  // StringGrid1 without its header row; it always shows at least one row
 public:
  virtual ~BlockGridControl() = default;
  virtual BlockRows Rows() const = 0;
  virtual void SetRows(const BlockRows& rows) = 0;
};

class LinesControl {  // a list box of text lines
 public:
  virtual ~LinesControl() = default;
  virtual std::vector<std::string> Items() const = 0;
  virtual void SetItems(const std::vector<std::string>& items) = 0;
};

class Editor {
 public:
  virtual ~Editor() = default;

  virtual TextControl& EditSystemName() = 0;
  virtual TextControl& EditSystemAdmin() = 0;
  virtual TextControl& EditNetworkListenerInterface() = 0;
  virtual TextControl& EditNetworkListenerPort() = 0;
  virtual IndexControl& ComboBoxNetworkNeedGatekeeper() = 0;
  virtual TextControl& EditNetworkGatekeeper() = 0;
  virtual TextControl& EditGatekeeperID() = 0;
  virtual TextControl& EditGatekeeperPassword() = 0;
  virtual IndexControl& ComboBoxH323DisableFastStart() = 0;
  virtual IndexControl& ComboBoxH323DisableH245Tunneling() = 0;
  virtual IndexControl& ComboBoxH323DisableH245InSetup() = 0;
  virtual IndexControl& ComboBoxMaxCall() = 0;
  virtual PositionControl& UpDownTxBufer() = 0;
  virtual TextControl& EditAudioAudioJitterDelay() = 0;
  virtual IndexControl& ComboBoxVoise() = 0;
  virtual PositionControl& UpDownTresholdVoise() = 0;
  virtual PositionControl& UpDownDirectionalSignal() = 0;
  virtual PositionControl& UpDownDirectionSilents() = 0;
  virtual IndexControl& RadioGroupLogSysLogLevel() = 0;
  virtual IndexControl& RadioGroupLogLevel() = 0;
  virtual TextControl& EditLogTraces() = 0;
  virtual CheckControl& CheckBoxLogLogAudio() = 0;
  virtual CheckControl& CheckBoxDeviceSettingsRTS() = 0;
  virtual TextControl& EditPollServerBasePort() = 0;
  virtual TextControl& EditControlServerPort() = 0;
  virtual TextControl& EditControlServerConnectionTimeout() = 0;

  virtual BlockGridControl& StringGrid1() = 0;
  virtual LinesControl& ListBoxPrefixes() = 0;

  // The first panel of StatusBar1: the path of the configuration last loaded.
  virtual void ShowConfigPath(const std::string& path) = 0;
};

}  // namespace zz
