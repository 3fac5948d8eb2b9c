// The 26 key entries of the schema, one row each: the editor control that carries it, the
// conversion between the file's value and the control, the characters and range the control
// takes, and where the window shows it. The pages, the loader and writer, the comparisons and
// zconf all read a field's facts from its row.
#pragma once

#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>

#include "conf_param.h"
#include "editor.h"
#include "key_filters.h"
#include "page_fields.h"
#include "pages.h"

namespace zz {

enum class Conversion {
  kText,         // the text as it stands
  kYesNo,        // drop-down list "Нет"/"Да"
  kMaxCalls,     // drop-down list "Неограничено", "1" to "10"; -1 means no limit
  kPosition,     // up-down position, a strict integer
  kLevel,        // radio group index from the leading integer, -1 to 5
  kCheckYesNo,   // check box, yes/no
  kFlowControl,  // check box, "3" (RTS/CTS) or "1"
};

using TextAccessor = TextControl& (Editor::*)();
using IndexAccessor = IndexControl& (Editor::*)();
using PositionAccessor = PositionControl& (Editor::*)();
using CheckAccessor = CheckControl& (Editor::*)();

struct KeyField {
  int entry;
  const char* control;
  Conversion conversion;
  std::variant<TextAccessor, IndexAccessor, PositionAccessor, CheckAccessor> accessor;
  std::optional<KeyFilter> filter;  // the characters its edit takes; none: any
  const UpDownRange* range;         // the up-down beside its edit; none: no up-down
  PageId page;
  int place;          // its place in the page's reading order, from 1
  const char* label;  // what the page names it by; blanks around it only place it on the page
};

constexpr int kKeyFieldCount = 26;
const std::array<KeyField, kKeyFieldCount>& KeyFields();

// The row of a key entry; throws std::out_of_range for an entry that is no key.
const KeyField& KeyFieldOf(int schemaEntry);
// The key filter and up-down range of the field that carries a schema entry.
inline std::optional<KeyFilter> FieldKeyFilter(int schemaEntry) { return KeyFieldOf(schemaEntry).filter; }
inline const UpDownRange* FieldRange(int schemaEntry) { return KeyFieldOf(schemaEntry).range; }

// A value that must be a strict integer and is not.
class InvalidIntegerError : public std::runtime_error {
 public:
  explicit InvalidIntegerError(const std::string& value);
};

// "yes" in any letter case of A to Z.
bool IsYes(std::string_view value);

// Puts a value read from the file into the field's control; throws InvalidIntegerError.
void LoadField(Editor& editor, const KeyField& field, const std::string& value);

// The value the editor-to-entries step writes for the field (not yet cut to the capacity).
// `loaded` is the field's entry, whose value a Max Calls list without a selection keeps.
std::string FieldValue(Editor& editor, const KeyField& field, const CONF_PARAM& loaded);

// The control's state as text: edits their text, lists their index, up-downs their
// position, check boxes 0 or 1.
std::string FieldState(Editor& editor, const KeyField& field);

}  // namespace zz
