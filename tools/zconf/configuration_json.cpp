#include "configuration_json.h"

#include <climits>
#include <initializer_list>
#include <map>
#include <stdexcept>

#include "block_list.h"
#include "block_texts.h"
#include "conf_check.h"
#include "devices_body.h"
#include "ini_file.h"
#include "key_rules.h"
#include "text.h"
#include "voice_ini.h"
#include "zconf_texts.h"

namespace zz::zconf {

namespace {

// The members an object of the document may have; a member outside them is refused.
void OnlyMembers(const Json& value, const std::string& path, std::initializer_list<const char*> names) {
  if (!value.is_object()) throw DocumentError{path, ExpectedObject()};
  for (const auto& member : value.items()) {
    bool known = false;
    for (const char* name : names) known = known || member.key() == name;
    if (!known) throw DocumentError{MemberPath(path, member.key()), UnknownMember(names)};
  }
}

const Json* Member(const Json& object, const char* name) {
  auto it = object.find(name);
  return it == object.end() ? nullptr : &*it;
}

const Json& Required(const Json& object, const std::string& path, const char* name) {
  if (const Json* value = Member(object, name)) return *value;
  throw DocumentError{MemberPath(path, name), MissingMember()};
}

const Json& ArrayAt(const Json& value, const std::string& path) {
  if (!value.is_array()) throw DocumentError{path, ExpectedArray()};
  return value;
}

std::string TextAt(const Json& value, const std::string& path) {
  if (!value.is_string()) throw DocumentError{path, ExpectedText()};
  return value.get<std::string>();
}

// A text that goes into a line of the file as it stands, trimmed as the reader trims it.
std::string LineTextAt(const Json& value, const std::string& path) {
  std::string text = TextAt(value, path);
  if (!IsLineText(text)) throw DocumentError{path, BadText(ValueWord())};
  return std::string(Trim(text));
}

long long IntegerAt(const Json& value, const std::string& path) {
  if (!value.is_number_integer()) throw DocumentError{path, ExpectedInteger()};
  if (value.is_number_unsigned() && value.get<unsigned long long>() > LLONG_MAX) return LLONG_MAX;
  return value.get<long long>();
}

// The text a key's member gives: a string, or a whole number written as digits.
std::string KeyTextAt(const Json& value, const std::string& path) {
  if (value.is_number_integer()) return std::to_string(IntegerAt(value, path));
  if (!value.is_string()) throw DocumentError{path, ExpectedTextOrInteger()};
  return value.get<std::string>();
}

// What the program writes for a field whose file lacked the key and that the window cannot
// choose: a radio group without a choice (-1), a Max Calls list without one (no line at
// all). An export of such a file holds them, and apply takes them back.
bool IsUnchosen(const KeyRule& rule, std::string_view value) {
  return (rule.accepts == Accepts::kLevel && Trim(value) == "-1") ||
         (rule.accepts == Accepts::kMaxCalls && Trim(value).empty());
}

std::vector<std::pair<const KeyField*, std::string>> ReadKeys(const Json& keys, const std::string& path, Io& io) {
  if (!keys.is_object()) throw DocumentError{path, ExpectedObject()};
  std::vector<std::pair<const KeyField*, std::string>> read;
  for (const auto& member : keys.items()) {
    const std::string at = MemberPath(path, member.key());
    const KeyField* field = FindKey(member.key());
    if (!field) throw DocumentError{at, UnknownKey(Shown(member.key()))};
    for (const auto& earlier : read)
      if (earlier.first == field) throw DocumentError{at, KeyTwice(KeyName(*field))};
    const KeyRule rule = RuleOf(*field);
    const std::string raw = KeyTextAt(member.value(), at);
    const bool unchosen = IsUnchosen(rule, raw);
    std::optional<std::string> value = unchosen ? std::string(Trim(raw)) : AcceptValue(rule, raw);
    if (!value) throw DocumentError{at, RefusedValue(KeyName(*field), Shown(raw), AcceptsText(rule))};
    // What check calls an error is not written, as with set.
    if (std::optional<Problem> problem = unchosen ? std::nullopt : CheckKeyValue(*field, *value, *value)) {
      if (problem->severity == Severity::kError) throw DocumentError{at, problem->text};
      Warn(io, problem->text);
    }
    read.emplace_back(field, *value);
  }
  return read;
}

// A prefix line as the reader gives it back: "prefix=value", both trimmed and not empty.
std::vector<std::string> ReadPrefixes(const Json& prefixes, const std::string& path) {
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < ArrayAt(prefixes, path).size(); ++i) {
    const std::string at = ElementPath(path, i);
    const std::string text = TextAt(prefixes[i], at);
    const std::size_t eq = text.find('=');
    const std::string_view prefix = Trim(std::string_view(text).substr(0, eq));
    const std::string_view value = eq == std::string::npos ? std::string_view() : Trim(std::string_view(text).substr(eq + 1));
    if (!IsLineText(text) || text.find(';') != std::string::npos || prefix.empty() || prefix[0] == '[' || value.empty())
      throw DocumentError{at, BadPrefix(Shown(text))};
    lines.push_back(std::string(prefix) + "=" + std::string(value));
  }
  return lines;
}

int BlockTypeAt(const Json& value, const std::string& path) {
  const std::string type(Trim(TextAt(value, path)));
  if (type == kBlockTypeSerial || EqualsAsciiNoCase(type, "TRL-M")) return 0;
  if (type == kBlockTypeIp || EqualsAsciiNoCase(type, "TRL-ME")) return 1;
  throw DocumentError{path, BadBlockType(Shown(type))};
}

std::vector<UnitRecord> ReadUnits(const Json& units, const std::string& path, std::size_t block) {
  std::vector<UnitRecord> records;
  std::map<long long, std::size_t> addresses;  // address -> unit index
  for (std::size_t k = 0; k < ArrayAt(units, path).size(); ++k) {
    const std::string at = ElementPath(path, k);
    OnlyMembers(units[k], at, {"type", "address", "name", "host"});
    const std::string type(Trim(TextAt(Required(units[k], at, "type"), MemberPath(at, "type"))));
    UnitFields fields;
    fields.typeIndex = -1;
    for (std::size_t t = 0; t < kUnitTypeNames.size(); ++t)
      if (EqualsAsciiNoCase(type, UnitTypeCode(kUnitTypeNames[t]))) fields.typeIndex = static_cast<int>(t);
    if (fields.typeIndex < 0) throw DocumentError{MemberPath(at, "type"), BadUnitType(Shown(type))};
    const long long address = IntegerAt(Required(units[k], at, "address"), MemberPath(at, "address"));
    fields.address = std::to_string(address);
    fields.host = LineTextAt(Required(units[k], at, "host"), MemberPath(at, "host"));
    if (const Json* name = Member(units[k], "name")) fields.name = LineTextAt(*name, MemberPath(at, "name"));
    // The record dialog's checks, in its order and with its messages.
    UnitCheckResult check = CheckNewUnit(fields);
    if (check.check != UnitCheck::kAccepted) throw DocumentError{at, check.message};
    if (!addresses.emplace(address, k).second)
      throw DocumentError{MemberPath(at, "address"), AddressInUse(fields.address, static_cast<int>(block + 1))};
    records.push_back({kUnitTypeNames[static_cast<std::size_t>(fields.typeIndex)], fields.address, fields.name,
                       fields.host});
  }
  return records;
}

std::vector<DesiredBlock> ReadBlocks(const Json& blocks, const std::string& path) {
  std::vector<DesiredBlock> read;
  for (std::size_t i = 0; i < ArrayAt(blocks, path).size(); ++i) {
    DesiredBlock block;
    block.path = ElementPath(path, i);
    const Json& b = blocks[i];
    OnlyMembers(b, block.path, {"type", "port", "address", "comment", "units"});
    if (const Json* type = Member(b, "type")) block.typeIndex = BlockTypeAt(*type, MemberPath(block.path, "type"));
    if (const Json* port = Member(b, "port")) {
      const long long n = IntegerAt(*port, MemberPath(block.path, "port"));
      if (n < kBlockPortRange.min || n > kBlockPortRange.max)
        throw DocumentError{MemberPath(block.path, "port"),
                            BadBlockPort(std::to_string(n), kBlockPortRange.min, kBlockPortRange.max)};
      block.port = static_cast<int>(n);
    }
    if (const Json* address = Member(b, "address")) block.address = LineTextAt(*address, MemberPath(block.path, "address"));
    if (const Json* comment = Member(b, "comment")) block.comment = LineTextAt(*comment, MemberPath(block.path, "comment"));
    if (const Json* units = Member(b, "units")) block.units = ReadUnits(*units, MemberPath(block.path, "units"), i);
    read.push_back(std::move(block));
  }
  return read;
}

// The block dialog's data for block i of the desired list: the file's block in its place,
// or a new one, with what the document says put in.
BlockDialogData DesiredDialog(const DesiredBlock& want, const BlockRow* had) {
  BlockDialogData block = had ? BlockDialogFromRow(*had) : NewBlockDialog();
  if (!had) {
    // The dialog proposes an address of its own; a document names the block's address.
    block.ip.clear();
    if (!want.typeIndex) throw DocumentError{MemberPath(want.path, "type"), NewBlockNeeds()};
    if (!want.port) throw DocumentError{MemberPath(want.path, "port"), NewBlockNeeds()};
  }
  if (want.typeIndex) block.typeIndex = *want.typeIndex;
  if (want.port) block.port = *want.port;
  if (want.address) {
    if (block.typeIndex == 0 && !want.address->empty())
      throw DocumentError{MemberPath(want.path, "address"), AddressOnlyForIpBlocks()};
    block.ip = *want.address;
  }
  if (block.typeIndex == 1 && block.ip.empty()) throw DocumentError{MemberPath(want.path, "address"), AddressRequired()};
  if (want.comment) block.comment = *want.comment;
  return block;
}

void PutBlocks(ConfDocument& doc, const std::vector<DesiredBlock>& blocks) {
  const std::size_t had = doc.Blocks().size();
  if (blocks.empty() && had > 0) throw DocumentError{"$.blocks", LastBlockStays()};
  const std::string& voice = doc.VoicePath();
  if (voice.empty()) throw std::runtime_error(CannotPrepareVoice());
  BlockRows rows = doc.Editor().StringGrid1().Rows();
  // Blocks beyond the document's go from the end, as the block page deletes them.
  for (std::size_t n = had; n > blocks.size(); --n) {
    DeleteBlock(rows, static_cast<int>(n));
    if (!RemoveBlockSection(voice, static_cast<int>(n), doc.Messages())) throw std::runtime_error(CannotPrepareVoice());
  }
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    const BlockDialogData block = DesiredDialog(blocks[i], i < had ? &rows[i] : nullptr);
    if (i < had)
      WriteBlockRow(rows[i], block);
    else
      AddBlock(rows, block);
    // The dialog puts "Новый блок" for an empty comment; a document that says "" means a
    // block line without one, as a file may have it.
    if (blocks[i].comment && blocks[i].comment->empty()) rows[i][4].clear();
  }
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    std::vector<std::string> errors = BlockErrors(rows, i, i);
    if (!errors.empty()) throw DocumentError{blocks[i].path, errors.front()};
  }
  doc.Editor().StringGrid1().SetRows(rows);

  // A block's units are stored, as the block dialog stores them, only where they change; a
  // new block's list is stored even when empty, so that no stale section comes with it.
  const IniFile current(voice);
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    if (!blocks[i].units && i < had) continue;
    const int n = static_cast<int>(i + 1);
    std::vector<UnitRecord> now;
    for (const auto& entry : current.SectionValues(VoiceSectionName(n))) now.push_back(ParseUnitRecord(entry.second));
    const std::vector<UnitRecord> wanted = blocks[i].units.value_or(std::vector<UnitRecord>());
    if (wanted != now) StoreBlockUnits(voice, n, UnitRowsFromRecords(wanted));
  }
}

}  // namespace

Json ExportConfiguration(ConfDocument& doc) {
  Json keys = Json::object();
  for (const KeyField& field : KeyFields())
    keys[KeyName(field)] = CutChars(FieldValue(doc.Editor(), field, doc.Table()[field.entry]), kValueCapacity);
  // The units as start-up puts them in voice.ini.
  const IniFile conf(doc.Path(), doc.Bytes());
  const BlockRows rows = doc.Blocks();
  Json blocks = Json::array();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const BlockRow& row = rows[i];
    Json block = {{"type", row[1]}, {"port", PortFromCell(row[2])}};
    if (row[1] == kBlockTypeIp) block["address"] = row[3];
    block["comment"] = row[4];
    block["units"] = Json::array();
    for (const UnitRecord& u : ConfigurationBlockUnits(conf, static_cast<int>(i + 1))) {
      // An address that is no number is written as it stands; apply refuses it, as check does.
      std::optional<int> address = PlainNumber(u.address);
      block["units"].push_back({{"type", UnitTypeCode(u.typeName)},
                                {"address", address ? Json(*address) : Json(u.address)},
                                {"name", u.name},
                                {"host", u.host}});
    }
    blocks.push_back(std::move(block));
  }
  Json document;
  document["version"] = kDocumentVersion;
  document["keys"] = std::move(keys);
  document["prefixes"] = doc.Editor().ListBoxPrefixes().Items();
  document["blocks"] = std::move(blocks);
  return document;
}

std::vector<const KeyField*> DesiredConfiguration::Fields() const {
  std::vector<const KeyField*> fields;
  for (const auto& key : keys) fields.push_back(key.first);
  return fields;
}

DesiredConfiguration ReadDesired(const Json& document, Io& io) {
  OnlyMembers(document, "$", {"version", "keys", "prefixes", "blocks"});
  const Json& version = Required(document, "$", "version");
  if (!version.is_number_integer() || version.get<long long>() != kDocumentVersion)
    throw DocumentError{"$.version", UnknownVersion(version.dump(), kDocumentVersion)};
  DesiredConfiguration desired;
  if (const Json* keys = Member(document, "keys")) desired.keys = ReadKeys(*keys, "$.keys", io);
  if (const Json* prefixes = Member(document, "prefixes")) desired.prefixes = ReadPrefixes(*prefixes, "$.prefixes");
  if (const Json* blocks = Member(document, "blocks")) desired.blocks = ReadBlocks(*blocks, "$.blocks");
  return desired;
}

void PutDesired(ConfDocument& doc, const DesiredConfiguration& desired) {
  for (const auto& [field, value] : desired.keys) {
    if (RuleOf(*field).accepts == Accepts::kMaxCalls && value.empty()) {
      // No choice in the list: the save writes the loaded value, which goes with it.
      (doc.Editor().*std::get<IndexAccessor>(field->accessor))().SetItemIndex(-1);
      doc.Table()[field->entry].SetValue("");
    } else {
      LoadField(doc.Editor(), *field, value);
    }
  }
  if (desired.prefixes) doc.Editor().ListBoxPrefixes().SetItems(*desired.prefixes);
  if (desired.blocks) PutBlocks(doc, *desired.blocks);
}

}  // namespace zz::zconf
