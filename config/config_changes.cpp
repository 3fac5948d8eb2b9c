#include "config_changes.h"

#include <algorithm>
#include <map>
#include <memory>
#include <optional>

#include "change_texts.h"
#include "conf_loader.h"
#include "devices_body.h"
#include "ini_file.h"
#include "key_fields.h"
#include "page_fields.h"
#include "page_texts.h"
#include "text.h"

namespace zz {

namespace {

constexpr const char* kArrow = " → ";
constexpr const char* kEmpty = "(пусто)";
constexpr const char* kNothingChosen = "(не выбрано)";

std::string Quoted(const std::string& s) { return "«" + s + "»"; }

// A field's value as the window shows it.
std::string Shown(Editor& editor, const KeyField& field) {
  struct Visitor {
    Editor& editor;
    std::string operator()(TextAccessor a) const {
      std::string text = (editor.*a)().Text();
      return text.empty() ? kEmpty : text;
    }
    std::string operator()(IndexAccessor a) const {
      IndexControl& list = (editor.*a)();
      return list.ItemIndex() < 0 ? kNothingChosen : list.ItemText(list.ItemIndex());
    }
    std::string operator()(PositionAccessor a) const { return std::to_string((editor.*a)().Position()); }
    std::string operator()(CheckAccessor a) const { return (editor.*a)().Checked() ? kYesNoItems[1] : kYesNoItems[0]; }
  };
  return std::visit(Visitor{editor}, field.accessor);
}

// "1 устройство", "3 устройства", "12 устройств".
std::string UnitCount(std::size_t n) {
  const std::size_t last = n % 10, lastTwo = n % 100;
  const char* word = (last == 1 && lastTwo != 11)                                       ? "устройство"
                     : (last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14)) ? "устройства"
                                                                                         : "устройств";
  return std::to_string(n) + " " + word;
}

BlockRows BlocksOf(const ConfigView& view) {
  BlockRows rows = view.editor.StringGrid1().Rows();
  return IsPlaceholder(rows) ? BlockRows() : rows;
}

const std::vector<UnitRecord>& UnitsOf(const ConfigView& view, std::size_t block) {
  static const std::vector<UnitRecord> none;
  return block < view.units.size() ? view.units[block] : none;
}

// A block as the list shows it: "ТРЛ-МЕ, COM5, 10.1.1.7, «Ворота», 2 устройства".
std::string BlockText(const BlockRow& row, std::size_t units) {
  std::string text = row[1] + ", " + row[2];
  if (row[1] == kBlockTypeIp) text += ", " + row[3];
  return text + ", " + Quoted(row[4]) + ", " + UnitCount(units);
}

// The block's place on its line: the type and the port, or the address of a ТРЛ-МЕ block.
std::string BlockIdentity(const BlockRow& row) { return row[1] + "|" + (row[1] == kBlockTypeIp ? row[3] : row[2]); }

// The units of a block by their ВЛТ address (the first of each address).
std::map<std::string, const UnitRecord*> ByAddress(const std::vector<UnitRecord>& units) {
  std::map<std::string, const UnitRecord*> index;
  for (const UnitRecord& u : units) index.emplace(std::string(Trim(u.address)), &u);
  return index;
}

// Two blocks in one place are one block changed when the one keeps the other's port, address,
// comment or one of its intercom units; else one went and another came.
bool Related(const BlockRow& a, const BlockRow& b, const std::vector<UnitRecord>& unitsA,
             const std::vector<UnitRecord>& unitsB) {
  const bool bothIp = a[1] == kBlockTypeIp && b[1] == kBlockTypeIp;
  if (a[2] == b[2] || (bothIp && a[3] == b[3]) || a[4] == b[4]) return true;
  const auto addresses = ByAddress(unitsB);
  return std::any_of(unitsA.begin(), unitsA.end(),
                     [&](const UnitRecord& u) { return addresses.count(std::string(Trim(u.address))) != 0; });
}

std::string UnitText(const UnitRecord& unit) { return unit.typeName + ", " + Quoted(unit.name) + ", " + unit.host; }

std::string BlockName(std::size_t index) { return "блок " + std::to_string(index + 1); }

void CompareUnits(const std::string& block, const std::vector<UnitRecord>& before,
                  const std::vector<UnitRecord>& after, std::vector<ConfigChange>& changes) {
  using Kind = ConfigChange::Kind;
  if (before == after) return;  // most blocks of a save: nothing to match
  const auto oldByAddress = ByAddress(before), newByAddress = ByAddress(after);
  const std::string page = text::kNavTrl;
  for (const UnitRecord& old : before) {
    const std::string address(Trim(old.address));
    const std::string what = block + ", устройство с адресом " + address;
    auto found = newByAddress.find(address);
    if (found == newByAddress.end()) {
      changes.push_back({Kind::kRemoved, page, what + " удалено", UnitText(old), ""});
      continue;
    }
    const UnitRecord* now = found->second;
    if (old.typeName != now->typeName) changes.push_back({Kind::kChanged, page, what + ", тип", old.typeName, now->typeName});
    if (old.name != now->name)
      changes.push_back({Kind::kChanged, page, what + ", наименование", Quoted(old.name), Quoted(now->name)});
    if (old.host != now->host) changes.push_back({Kind::kChanged, page, what + ", имя или IP-адрес", old.host, now->host});
  }
  for (const UnitRecord& now : after)
    if (!oldByAddress.count(std::string(Trim(now.address))))
      changes.push_back({Kind::kAdded, page, block + ", устройство с адресом " + std::string(Trim(now.address)) +
                                                 " добавлено",
                         "", UnitText(now)});
}

void CompareBlocks(const ConfigView& before, const ConfigView& after, std::vector<ConfigChange>& changes) {
  using Kind = ConfigChange::Kind;
  const BlockRows old = BlocksOf(before), now = BlocksOf(after);
  // Each block of the file before is matched with the same block after (the same line or
  // address), else with the block now in its place when that one has something of it.
  std::vector<std::optional<std::size_t>> match(old.size());
  std::vector<bool> taken(now.size(), false);
  for (std::size_t i = 0; i < old.size(); ++i)
    for (std::size_t j = 0; j < now.size() && !match[i]; ++j)
      if (!taken[j] && BlockIdentity(old[i]) == BlockIdentity(now[j])) match[i] = j, taken[j] = true;
  for (std::size_t i = 0; i < old.size(); ++i)
    if (!match[i] && i < now.size() && !taken[i] && Related(old[i], now[i], UnitsOf(before, i), UnitsOf(after, i)))
      match[i] = i, taken[i] = true;

  const std::string page = text::kNavTrl;
  for (std::size_t i = 0; i < old.size(); ++i) {
    if (!match[i]) {
      changes.push_back({Kind::kRemoved, page, BlockName(i) + " удалён", BlockText(old[i], UnitsOf(before, i).size()), ""});
      continue;
    }
    const std::size_t j = *match[i];
    const std::string name = BlockName(j);
    const char* parts[] = {nullptr, "тип", "порт", "IP адрес", "комментарий"};
    for (int c = 1; c < kBlockColumns; ++c) {
      const std::string& from = old[i][static_cast<std::size_t>(c)];
      const std::string& to = now[j][static_cast<std::size_t>(c)];
      if (from == to) continue;
      changes.push_back({Kind::kChanged, page, name + ", " + parts[c], from.empty() ? kEmpty : from, to.empty() ? kEmpty : to});
    }
    CompareUnits(name, UnitsOf(before, i), UnitsOf(after, j), changes);
  }
  for (std::size_t j = 0; j < now.size(); ++j)
    if (!taken[j])
      changes.push_back({Kind::kAdded, page, BlockName(j) + " добавлен", "", BlockText(now[j], UnitsOf(after, j).size())});
}

void ComparePrefixes(const ConfigView& before, const ConfigView& after, std::vector<ConfigChange>& changes) {
  std::vector<std::string> old = before.editor.ListBoxPrefixes().Items();
  std::vector<std::string> now = after.editor.ListBoxPrefixes().Items();
  std::vector<std::string> removed, added = now;
  for (const std::string& item : old) {
    auto same = std::find(added.begin(), added.end(), item);
    if (same != added.end())
      added.erase(same);
    else
      removed.push_back(item);
  }
  const std::string page = text::kNavNetwork;
  for (const std::string& item : removed)
    changes.push_back({ConfigChange::Kind::kRemoved, page, std::string(text::kGroupPrefixes) + ": " + item + " удалён", item, ""});
  for (const std::string& item : added)
    changes.push_back({ConfigChange::Kind::kAdded, page, std::string(text::kGroupPrefixes) + ": " + item + " добавлен", "", item});
}

}  // namespace

ConfigView ViewOfConfiguration(std::string_view bytes) {
  ConfigView view;
  ConfParamTable table;
  SilentPrompts prompts;
  ConfigSession session{table, view.editor, prompts, "", {}};
  // The pages' fields are in the other sections: the loader is spared the unit lists.
  LoadConfigBytes(session, "", WithoutUnitLists(bytes));
  view.units = ConfigurationUnits(IniFile("", bytes), BlocksOf(view).size());
  return view;
}

std::string ConfigChange::Text() const {
  std::string text = page + " / " + what;
  switch (kind) {
    case Kind::kChanged: return text + ": " + from + kArrow + to;
    case Kind::kAdded: return to.empty() || what.find(to) != std::string::npos ? text : text + ": " + to;
    case Kind::kRemoved: return from.empty() || what.find(from) != std::string::npos ? text : text + ": " + from;
  }
  return text;
}

namespace {

// The fields of a page in its reading order.
std::vector<const KeyField*> FieldsOn(PageId page) {
  std::vector<const KeyField*> fields;
  for (const KeyField& field : KeyFields())
    if (field.page == page) fields.push_back(&field);
  std::sort(fields.begin(), fields.end(), [](const KeyField* a, const KeyField* b) { return a->place < b->place; });
  return fields;
}

}  // namespace

std::vector<ConfigChange> CompareConfigurations(const ConfigView& before, const ConfigView& after) {
  std::vector<ConfigChange> changes;
  for (const PageInfo& page : kPages) {
    for (const KeyField* field : FieldsOn(page.id)) {
      const std::string from = Shown(before.editor, *field), to = Shown(after.editor, *field);
      if (from != to)
        changes.push_back({ConfigChange::Kind::kChanged, page.caption, std::string(Trim(field->label)), from, to});
    }
    // The block page's fields come with its blocks, the network page's with its prefixes.
    if (page.id == PageId::kTrl) CompareBlocks(before, after, changes);
    if (page.id == PageId::kNetwork) ComparePrefixes(before, after, changes);
  }
  return changes;
}

std::string ChangesSummary(const std::vector<ConfigChange>& changes) {
  constexpr std::size_t kShown = 3;
  std::string summary;
  for (std::size_t i = 0; i < changes.size() && i < kShown; ++i) summary += (i ? "; " : "") + changes[i].Text();
  if (changes.size() > kShown) summary += "; " + text::MoreChanges(changes.size() - kShown);
  return summary;
}

std::string SaveSummary(std::string_view before, std::string_view after) {
  return ChangesSummary(CompareConfigurations(ViewOfConfiguration(before), ViewOfConfiguration(after)));
}

std::string SaveSummaries::Summary(std::string_view before, std::string_view after) {
  std::shared_ptr<const ConfigView> old = lastView_ && before == lastBytes_
                                              ? lastView_
                                              : std::make_shared<const ConfigView>(ViewOfConfiguration(before));
  auto now = std::make_shared<const ConfigView>(ViewOfConfiguration(after));
  lastBytes_.assign(after.data(), after.size());
  lastView_ = now;
  return ChangesSummary(CompareConfigurations(*old, *now));
}

}  // namespace zz
