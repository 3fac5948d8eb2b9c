#include "key_fields.h"

#include "messages.h"
#include "page_fields.h"
#include "text.h"

namespace zz {

namespace {

template <class... Ts>
struct Overloaded : Ts... {
  using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

template <class Control>
Control& ControlOf(Editor& editor, const KeyField& field) {
  using Accessor = Control& (Editor::*)();
  return (editor.*std::get<Accessor>(field.accessor))();
}

int ParseStrict(const std::string& value) {
  std::optional<int> n = StrictInt(value);
  if (!n) throw InvalidIntegerError(value);
  return *n;
}

constexpr int kMaxCallsItems = static_cast<int>(kMaxCallItems.size());
constexpr int kLastLevel = static_cast<int>(kLevelItems.size()) - 1;

}  // namespace

const std::array<KeyField, kKeyFieldCount>& KeyFields() {
  using C = Conversion;
  static const std::array<KeyField, kKeyFieldCount> fields = {{
      {entry::kName, "EditSystemName", C::kText, &Editor::EditSystemName},
      {entry::kAdmin, "EditSystemAdmin", C::kText, &Editor::EditSystemAdmin},
      {entry::kListenerInterface, "EditNetworkListenerInterface", C::kText, &Editor::EditNetworkListenerInterface},
      {entry::kListenerPort, "EditNetworkListenerPort", C::kText, &Editor::EditNetworkListenerPort},
      {entry::kNeedGatekeeper, "ComboBoxNetworkNeedGatekeeper", C::kYesNo, &Editor::ComboBoxNetworkNeedGatekeeper},
      {entry::kGatekeeper, "EditNetworkGatekeeper", C::kText, &Editor::EditNetworkGatekeeper},
      {entry::kGatekeeperId, "EditGatekeeperID", C::kText, &Editor::EditGatekeeperID},
      {entry::kGatekeeperPassword, "EditGatekeeperPassword", C::kText, &Editor::EditGatekeeperPassword},
      {entry::kDisableFastStart, "ComboBoxH323DisableFastStart", C::kYesNo, &Editor::ComboBoxH323DisableFastStart},
      {entry::kDisableH245Tunneling, "ComboBoxH323DisableH245Tunneling", C::kYesNo,
       &Editor::ComboBoxH323DisableH245Tunneling},
      {entry::kDisableH245InSetup, "ComboBoxH323DisableH245InSetup", C::kYesNo,
       &Editor::ComboBoxH323DisableH245InSetup},
      {entry::kMaxCalls, "ComboBoxMaxCall", C::kMaxCalls, &Editor::ComboBoxMaxCall},
      {entry::kTxBuffer, "UpDownTxBufer", C::kPosition, &Editor::UpDownTxBufer},
      {entry::kAudioJitterDelay, "EditAudioAudioJitterDelay", C::kText, &Editor::EditAudioAudioJitterDelay},
      {entry::kEnablePolling, "ComboBoxVoise", C::kYesNo, &Editor::ComboBoxVoise},
      {entry::kThreshold, "UpDownTresholdVoise", C::kPosition, &Editor::UpDownTresholdVoise},
      {entry::kSignalDeadband, "UpDownDirectionalSignal", C::kPosition, &Editor::UpDownDirectionalSignal},
      {entry::kSilenceDeadband, "UpDownDirectionSilents", C::kPosition, &Editor::UpDownDirectionSilents},
      {entry::kSysLogLevel, "RadioGroupLogSysLogLevel", C::kLevel, &Editor::RadioGroupLogSysLogLevel},
      {entry::kLevel, "RadioGroupLogLevel", C::kLevel, &Editor::RadioGroupLogLevel},
      {entry::kTraces, "EditLogTraces", C::kText, &Editor::EditLogTraces},
      {entry::kLogAudio, "CheckBoxLogLogAudio", C::kCheckYesNo, &Editor::CheckBoxLogLogAudio},
      {entry::kFlowControl, "CheckBoxDeviceSettingsRTS", C::kFlowControl, &Editor::CheckBoxDeviceSettingsRTS},
      {entry::kBasePort, "EditPollServerBasePort", C::kText, &Editor::EditPollServerBasePort},
      {entry::kControlServerPort, "EditControlServerPort", C::kText, &Editor::EditControlServerPort},
      {entry::kConnectionTimeout, "EditControlServerConnectionTimeout", C::kText,
       &Editor::EditControlServerConnectionTimeout},
  }};
  return fields;
}

InvalidIntegerError::InvalidIntegerError(const std::string& value) : std::runtime_error(InvalidIntegerText(value)) {}

bool IsYes(std::string_view value) { return EqualsAsciiNoCase(value, "yes"); }

void LoadField(Editor& editor, const KeyField& field, const std::string& value) {
  switch (field.conversion) {
    case Conversion::kText:
      ControlOf<TextControl>(editor, field).SetText(value);
      break;
    case Conversion::kYesNo:
      ControlOf<IndexControl>(editor, field).SetItemIndex(IsYes(value) ? kYesItem : kNoItem);
      break;
    case Conversion::kMaxCalls: {
      int n = ParseStrict(value);
      int index = (n == -1) ? 0 : (n >= 0 && n < kMaxCallsItems) ? n : -1;
      ControlOf<IndexControl>(editor, field).SetItemIndex(index);
      break;
    }
    case Conversion::kPosition:
      ControlOf<PositionControl>(editor, field).SetPosition(ParseStrict(value));
      break;
    case Conversion::kLevel: {
      int n = LeadingInt(value);
      ControlOf<IndexControl>(editor, field).SetItemIndex(n < -1 ? -1 : (n > kLastLevel ? kLastLevel : n));
      break;
    }
    case Conversion::kCheckYesNo:
      ControlOf<CheckControl>(editor, field).SetChecked(IsYes(value));
      break;
    case Conversion::kFlowControl:
      ControlOf<CheckControl>(editor, field).SetChecked(LeadingInt(value) == 3);
      break;
  }
}

std::string FieldValue(Editor& editor, const KeyField& field, const CONF_PARAM& loaded) {
  switch (field.conversion) {
    case Conversion::kText:
      return ControlOf<TextControl>(editor, field).Text();
    case Conversion::kYesNo:
      return ControlOf<IndexControl>(editor, field).ItemIndex() == kNoItem ? "no" : "yes";
    case Conversion::kMaxCalls: {
      IndexControl& list = ControlOf<IndexControl>(editor, field);
      int index = list.ItemIndex();
      // A loaded number outside the list selects nothing; it is kept as it was.
      if (index < 0) return loaded.value;
      std::string text = list.ItemText(index);
      return text == kUnlimitedCalls ? "-1" : text;
    }
    case Conversion::kPosition:
      return std::to_string(ControlOf<PositionControl>(editor, field).Position());
    case Conversion::kLevel:
      return std::to_string(ControlOf<IndexControl>(editor, field).ItemIndex());
    case Conversion::kCheckYesNo:
      return ControlOf<CheckControl>(editor, field).Checked() ? "yes" : "no";
    case Conversion::kFlowControl:
      return ControlOf<CheckControl>(editor, field).Checked() ? "3" : "1";
  }
  return {};
}

std::string FieldState(Editor& editor, const KeyField& field) {
  return std::visit(Overloaded{
                        [&](TextAccessor a) { return (editor.*a)().Text(); },
                        [&](IndexAccessor a) { return std::to_string((editor.*a)().ItemIndex()); },
                        [&](PositionAccessor a) { return std::to_string((editor.*a)().Position()); },
                        [&](CheckAccessor a) { return std::string((editor.*a)().Checked() ? "1" : "0"); },
                    },
                    field.accessor);
}

}  // namespace zz
