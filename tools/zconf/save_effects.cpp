#include "save_effects.h"

#include <algorithm>
#include <map>
#include <optional>

#include "conf_param.h"
#include "conf_scan.h"
#include "key_rules.h"
#include "text.h"
#include "voice_ini.h"
#include "zconf_texts.h"

namespace zz::zconf {

namespace {

// A line of the file other than a schema key, a schema header or a line of the sections
// whose content the program rebuilds: it should stay where it stood.
struct ForeignLine {
  std::string section;  // as the line parser names it
  std::string text;     // trimmed
};

struct FileView {
  std::map<const KeyField*, std::string> keys;  // the value the last line of each key gives
  std::vector<ForeignLine> foreign;
};

bool Rebuilt(const std::string& section) {
  return EqualsAsciiNoCase(section, "Devices") || EqualsAsciiNoCase(section, "Prefixes") ||
         section.compare(0, kVoiceSectionPrefix.size(), kVoiceSectionPrefix) == 0;
}

FileView View(std::string_view bytes) {
  FileView view;
  for (const ScannedLine& l : ScanLines(bytes)) {
    if (l.field) {
      view.keys[l.field] = l.line.value;
      continue;
    }
    std::string text(Trim(l.line.raw));
    if (text.empty() || Rebuilt(l.line.section) || (l.line.isSection && IsSchemaSection(l.line.section))) continue;
    view.foreign.push_back({l.line.section, text});
  }
  return view;
}

}  // namespace

std::vector<std::string> SaveEffects(std::string_view before, std::string_view after,
                                     const std::vector<const KeyField*>& asked) {
  const FileView was = View(before), now = View(after);
  std::vector<std::string> effects;
  for (const KeyField& field : KeyFields()) {
    if (std::find(asked.begin(), asked.end(), &field) != asked.end()) continue;
    auto old = was.keys.find(&field), fresh = now.keys.find(&field);
    const std::string key = KeyName(field);
    if (old == was.keys.end() && fresh != now.keys.end())
      effects.push_back(KeyAdded(key, fresh->second));
    else if (old != was.keys.end() && fresh == now.keys.end())
      effects.push_back(KeyRemoved(key, old->second));
    else if (old != was.keys.end() && old->second != fresh->second)
      effects.push_back(KeyChanged(key, old->second, fresh->second));
  }
  // Each line of the file before is matched with the same line after, in its own section
  // first, then in any other.
  std::vector<bool> taken(now.foreign.size(), false);
  auto match = [&](const ForeignLine& line, bool sameSection) -> std::optional<std::size_t> {
    for (std::size_t j = 0; j < now.foreign.size(); ++j)
      if (!taken[j] && now.foreign[j].text == line.text &&
          EqualsAsciiNoCase(now.foreign[j].section, line.section) == sameSection)
        return j;
    return std::nullopt;
  };
  std::vector<const ForeignLine*> unmatched;
  for (const ForeignLine& line : was.foreign) {
    if (std::optional<std::size_t> j = match(line, true))
      taken[*j] = true;
    else
      unmatched.push_back(&line);
  }
  for (const ForeignLine* line : unmatched) {
    if (std::optional<std::size_t> j = match(*line, false)) {
      taken[*j] = true;
      effects.push_back(LineMoved(line->text, line->section, now.foreign[*j].section));
    } else {
      effects.push_back(LineDropped(line->text, line->section));
    }
  }
  return effects;
}

}  // namespace zz::zconf
