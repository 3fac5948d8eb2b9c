// The 26 keys as administrators name them ("Network/Listener Port"), and what each accepts:
// the rules of the field that carries it in the window.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "key_fields.h"
#include "page_fields.h"

namespace zz::zconf {

enum class Accepts {
  kText,         // any text the file can hold
  kDigits,       // the digits filter; may be empty
  kInterface,    // the interface filter (digits and full stops); may be empty
  kYesNo,        // yes or no
  kMaxCalls,     // -1 (no limit) to 10
  kPosition,     // an up-down's range
  kLevel,        // a radio group's 0 to 5
  kFlowControl,  // 3 (RTS/CTS) or 1
};

struct KeyRule {
  const KeyField* field;
  Accepts accepts;
  UpDownRange range;  // kPosition and kLevel only
};

// "Section/Key" as the schema spells it.
std::string KeyName(const KeyField& field);
// The schema's section and key of a field.
const std::string& SectionOf(const KeyField& field);
const std::string& KeyOf(const KeyField& field);

// A key named "Section/Key": letter case ignored, and blanks in the section, as the file's
// reader ignores them in a header. Nothing for a name outside the 26 keys.
const KeyField* FindKey(std::string_view name);

KeyRule RuleOf(const KeyField& field);

// What the field accepts, for messages: "только цифры", "yes или no", ...
std::string AcceptsText(const KeyRule& rule);

// Every key with what it accepts, one a line, for the help.
std::string KeysHelp();

// The text can stand on a line of the file as it is: Windows-1251 holds it, and it has no
// line break or other control character.
bool IsLineText(std::string_view text);

// The value as the field stores it ("YES" -> "yes"), or nothing when the field cannot hold
// it. Blanks around the value are dropped, as the file's reader drops them.
std::optional<std::string> AcceptValue(const KeyRule& rule, std::string_view value);

}  // namespace zz::zconf
