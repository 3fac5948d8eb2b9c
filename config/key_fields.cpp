#include "key_fields.h"

#include "messages.h"
#include "page_texts.h"
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
  using P = PageId;
  using E = Editor;
  constexpr std::optional<KeyFilter> kAny = std::nullopt, kDigits = KeyFilter::kDigits,
                                     kInterface = KeyFilter::kInterface;
  // clang-format off
  static const std::array<KeyField, kKeyFieldCount> fields = {{
      {entry::kName, "EditSystemName", C::kText, &E::EditSystemName, kAny, nullptr,
       P::kNetwork, 7, text::kLabelSystemName},
      {entry::kAdmin, "EditSystemAdmin", C::kText, &E::EditSystemAdmin, kAny, nullptr,
       P::kNetwork, 11, text::kLabelSystemAdmin},
      {entry::kListenerInterface, "EditNetworkListenerInterface", C::kText, &E::EditNetworkListenerInterface,
       kInterface, nullptr, P::kNetwork, 1, text::kLabelInterface},
      {entry::kListenerPort, "EditNetworkListenerPort", C::kText, &E::EditNetworkListenerPort, kDigits, nullptr,
       P::kNetwork, 2, text::kLabelListenerPort},
      {entry::kNeedGatekeeper, "ComboBoxNetworkNeedGatekeeper", C::kYesNo, &E::ComboBoxNetworkNeedGatekeeper, kAny,
       nullptr, P::kNetwork, 3, text::kLabelNeedGatekeeper},
      {entry::kGatekeeper, "EditNetworkGatekeeper", C::kText, &E::EditNetworkGatekeeper, kAny, nullptr,
       P::kNetwork, 4, text::kLabelGatekeeper},
      {entry::kGatekeeperId, "EditGatekeeperID", C::kText, &E::EditGatekeeperID, kAny, nullptr,
       P::kNetwork, 5, text::kLabelGatekeeperId},
      {entry::kGatekeeperPassword, "EditGatekeeperPassword", C::kText, &E::EditGatekeeperPassword, kAny, nullptr,
       P::kNetwork, 6, text::kLabelGatekeeperPassword},
      {entry::kDisableFastStart, "ComboBoxH323DisableFastStart", C::kYesNo, &E::ComboBoxH323DisableFastStart, kAny,
       nullptr, P::kNetwork, 12, text::kLabelFastStart},
      {entry::kDisableH245Tunneling, "ComboBoxH323DisableH245Tunneling", C::kYesNo,
       &E::ComboBoxH323DisableH245Tunneling, kAny, nullptr, P::kNetwork, 13, text::kLabelH245Tunneling},
      {entry::kDisableH245InSetup, "ComboBoxH323DisableH245InSetup", C::kYesNo, &E::ComboBoxH323DisableH245InSetup,
       kAny, nullptr, P::kNetwork, 14, text::kLabelH245InSetup},
      {entry::kMaxCalls, "ComboBoxMaxCall", C::kMaxCalls, &E::ComboBoxMaxCall, kAny, nullptr,
       P::kVoice, 4, text::kGroupMaxCall},
      {entry::kTxBuffer, "UpDownTxBufer", C::kPosition, &E::UpDownTxBufer, kDigits, &kTxBufferRange,
       P::kVoice, 5, text::kFieldTxBuffer},
      {entry::kAudioJitterDelay, "EditAudioAudioJitterDelay", C::kText, &E::EditAudioAudioJitterDelay, kAny, nullptr,
       P::kVoice, 6, text::kFieldJitter},
      {entry::kEnablePolling, "ComboBoxVoise", C::kYesNo, &E::ComboBoxVoise, kAny, nullptr,
       P::kTrl, 1, text::kGroupVoise},
      {entry::kThreshold, "UpDownTresholdVoise", C::kPosition, &E::UpDownTresholdVoise, kDigits, &kThresholdRange,
       P::kVoice, 1, text::kFieldThreshold},
      {entry::kSignalDeadband, "UpDownDirectionalSignal", C::kPosition, &E::UpDownDirectionalSignal, kDigits,
       &kSignalDeadbandRange, P::kVoice, 2, text::kFieldSignalDeadband},
      {entry::kSilenceDeadband, "UpDownDirectionSilents", C::kPosition, &E::UpDownDirectionSilents, kDigits,
       &kSilenceDeadbandRange, P::kVoice, 3, text::kFieldSilenceDeadband},
      {entry::kSysLogLevel, "RadioGroupLogSysLogLevel", C::kLevel, &E::RadioGroupLogSysLogLevel, kAny, nullptr,
       P::kAdd, 1, text::kGroupSysLogLevel},
      {entry::kLevel, "RadioGroupLogLevel", C::kLevel, &E::RadioGroupLogLevel, kAny, nullptr,
       P::kAdd, 3, text::kGroupLogLevel},
      {entry::kTraces, "EditLogTraces", C::kText, &E::EditLogTraces, kAny, nullptr,
       P::kAdd, 2, text::kGroupTraces},
      {entry::kLogAudio, "CheckBoxLogLogAudio", C::kCheckYesNo, &E::CheckBoxLogLogAudio, kAny, nullptr,
       P::kVoice, 7, text::kCheckLogAudio},
      {entry::kFlowControl, "CheckBoxDeviceSettingsRTS", C::kFlowControl, &E::CheckBoxDeviceSettingsRTS, kAny,
       nullptr, P::kTrl, 2, text::kCheckRts},
      {entry::kBasePort, "EditPollServerBasePort", C::kText, &E::EditPollServerBasePort, kDigits, nullptr,
       P::kNetwork, 10, text::kGroupPollServer},
      {entry::kControlServerPort, "EditControlServerPort", C::kText, &E::EditControlServerPort, kDigits, nullptr,
       P::kNetwork, 8, text::kLabelControlServerPort},
      {entry::kConnectionTimeout, "EditControlServerConnectionTimeout", C::kText,
       &E::EditControlServerConnectionTimeout, kDigits, nullptr, P::kNetwork, 9, text::kFieldConnectionTimeout},
  }};
  // clang-format on
  return fields;
}

const KeyField& KeyFieldOf(int schemaEntry) {
  for (const KeyField& field : KeyFields())
    if (field.entry == schemaEntry) return field;
  throw std::out_of_range("no field carries schema entry " + std::to_string(schemaEntry));
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
