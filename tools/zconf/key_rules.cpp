#include "key_rules.h"

#include "key_filters.h"
#include "conf_param.h"
#include "cp1251.h"
#include "text.h"

namespace zz::zconf {

namespace {

const ConfParamTable& Schema() {
  static const ConfParamTable table;
  return table;
}

inline constexpr UpDownRange kLevelRange = {0, static_cast<int>(kLevelItems.size()) - 1, 1, 0};
inline constexpr UpDownRange kMaxCallsRange = {-1, static_cast<int>(kMaxCallItems.size()) - 1, 1, -1};

bool PassesFilter(KeyFilter filter, std::string_view value) {
  for (char c : value)
    if (!KeyPasses(filter, static_cast<unsigned char>(c))) return false;
  return true;
}

// A whole number as typed into a field: digits, a minus sign only where `negative` allows.
std::optional<int> TypedNumber(std::string_view value, bool negative) {
  std::string_view digits = (negative && !value.empty() && value[0] == '-') ? value.substr(1) : value;
  if (digits.empty() || !PassesFilter(KeyFilter::kDigits, digits)) return std::nullopt;
  return StrictInt(value);
}

bool InRange(std::optional<int> n, const UpDownRange& range) { return n && *n >= range.min && *n <= range.max; }

}  // namespace

const std::string& SectionOf(const KeyField& field) { return Schema()[field.entry].section; }
const std::string& KeyOf(const KeyField& field) { return Schema()[field.entry].key; }
std::string KeyName(const KeyField& field) { return SectionOf(field) + "/" + KeyOf(field); }

const KeyField* FindKey(std::string_view name) {
  std::size_t slash = name.find('/');
  if (slash == std::string_view::npos) return nullptr;
  std::string section = RemoveBlanks(name.substr(0, slash));
  std::string_view key = Trim(name.substr(slash + 1));
  for (const KeyField& field : KeyFields())
    if (EqualsAsciiNoCase(section, SectionOf(field)) && EqualsAsciiNoCase(key, KeyOf(field))) return &field;
  return nullptr;
}

KeyRule RuleOf(const KeyField& field) {
  KeyRule rule{&field, Accepts::kText, {}};
  switch (field.conversion) {
    case Conversion::kText:
      if (const std::optional<KeyFilter>& filter = field.filter)
        rule.accepts = *filter == KeyFilter::kDigits ? Accepts::kDigits : Accepts::kInterface;
      break;
    case Conversion::kYesNo:
    case Conversion::kCheckYesNo: rule.accepts = Accepts::kYesNo; break;
    case Conversion::kMaxCalls:
      rule.accepts = Accepts::kMaxCalls;
      rule.range = kMaxCallsRange;
      break;
    case Conversion::kPosition:
      rule.accepts = Accepts::kPosition;
      if (field.range) rule.range = *field.range;
      break;
    case Conversion::kLevel:
      rule.accepts = Accepts::kLevel;
      rule.range = kLevelRange;
      break;
    case Conversion::kFlowControl: rule.accepts = Accepts::kFlowControl; break;
  }
  return rule;
}

std::string AcceptsText(const KeyRule& rule) {
  auto range = [&rule] { return "от " + std::to_string(rule.range.min) + " до " + std::to_string(rule.range.max); };
  switch (rule.accepts) {
    case Accepts::kText:
      return "текст до " + std::to_string(kValueCapacity) +
             " символов, который умещается в Windows-1251, без ';' и управляющих символов";
    case Accepts::kDigits: return "только цифры";
    case Accepts::kInterface: return "только цифры и точки";
    case Accepts::kYesNo: return "yes или no";
    case Accepts::kMaxCalls:
      return "-1 (без ограничения), 0 (без ограничения, записывается как -1) или от 1 до " +
             std::to_string(rule.range.max);
    case Accepts::kPosition: return "целое число " + range();
    case Accepts::kLevel: return "уровень " + range();
    case Accepts::kFlowControl: return "3 (RTS/CTS) или 1";
  }
  return {};
}

std::string KeysHelp() {
  std::string text;
  for (const KeyField& field : KeyFields()) {
    std::string name = KeyName(field);
    text += "  " + name + std::string(name.size() < 36 ? 36 - name.size() : 1, ' ') + AcceptsText(RuleOf(field)) + "\n";
  }
  return text;
}

bool IsLineText(std::string_view text) {
  if (!FitsCp1251(text)) return false;
  for (char c : text)
    if (static_cast<unsigned char>(c) < 32 || c == 127) return false;
  return true;
}

std::optional<std::string> AcceptValue(const KeyRule& rule, std::string_view raw) {
  std::string_view value = Trim(raw);
  switch (rule.accepts) {
    case Accepts::kText:
      // A ';' would start a comment in the file, a control character would break the line,
      // and the schema entry keeps 127 characters.
      if (value.find(';') != std::string_view::npos || !IsLineText(value) || CharCount(value) > kValueCapacity)
        return std::nullopt;
      return std::string(value);
    case Accepts::kDigits:
    case Accepts::kInterface: {
      KeyFilter filter = rule.accepts == Accepts::kDigits ? KeyFilter::kDigits : KeyFilter::kInterface;
      if (!PassesFilter(filter, value) || CharCount(value) > kValueCapacity) return std::nullopt;
      return std::string(value);
    }
    case Accepts::kYesNo:
      if (IsYes(value)) return std::string("yes");
      if (EqualsAsciiNoCase(value, "no")) return std::string("no");
      return std::nullopt;
    case Accepts::kMaxCalls:
    case Accepts::kPosition:
    case Accepts::kLevel: {
      std::optional<int> n = TypedNumber(value, rule.accepts == Accepts::kMaxCalls);
      if (!InRange(n, rule.range)) return std::nullopt;
      return std::to_string(*n);
    }
    case Accepts::kFlowControl:
      if (value == "3" || value == "1") return std::string(value);
      return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace zz::zconf
