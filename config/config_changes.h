// What one configuration changes against another, as a person reads it: the fields by page
// and label, the blocks added, removed and changed, the intercom units of each block and the
// prefix lines. Not a comparison of INI lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "config_session.h"
#include "editor_model.h"
#include "save_summaries.h"
#include "voice_ini.h"

namespace zz {

// A configuration as the window would show it.
struct ConfigView {
  // The fields, the blocks and the prefixes; the editor's accessors are not const.
  mutable EditorModel editor;
  std::vector<std::vector<UnitRecord>> units;  // per block, as start-up puts them in voice.ini
};

// The configuration file's bytes (Windows-1251), loaded as the window loads them.
ConfigView ViewOfConfiguration(std::string_view bytes);

struct ConfigChange {
  enum class Kind { kChanged, kAdded, kRemoved };
  Kind kind = Kind::kChanged;
  std::string page;   // "Сетевые настройки", "Блоки ТРЛ-М", ...
  std::string what;   // "Порт IP телефонии", "блок 3", "блок 3, устройство с адресом 7"
  std::string from;   // changed, removed: what it was
  std::string to;     // changed, added: what it is

  // "Сетевые настройки / Порт IP телефонии: 1720 → 1721", "Блоки ТРЛ-М / блок 3 удалён: ...".
  std::string Text() const;
};

// The changes from `before` to `after`, page by page in the window's order.
std::vector<ConfigChange> CompareConfigurations(const ConfigView& before, const ConfigView& after);

// The changes in one line, for the history: the first few of them, then how many more.
std::string ChangesSummary(const std::vector<ConfigChange>& changes);

// The summary of what a save of `after` changes against `before` (both Windows-1251 files).
std::string SaveSummary(std::string_view before, std::string_view after);

}  // namespace zz
