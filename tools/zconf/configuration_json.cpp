#include "configuration_json.h"

#include <algorithm>
#include <climits>
#include <initializer_list>
#include <map>
#include <stdexcept>

#include "block_identity.h"
#include "block_list.h"
#include "block_texts.h"
#include "conf_check.h"
#include "devices_body.h"
#include "file_system.h"
#include "ini_file.h"
#include "key_rules.h"
#include "text.h"
#include "voice_ini.h"
#include "zz_version.h"
#include "document_schema.h"
#include "zconf_texts.h"

namespace zz::zconf {

namespace {

// A member the reader passes over: `$schema` names the document's schema for an editor, and
// a name beginning with "_" is a comment of whoever wrote the document.
bool IsRemark(const std::string& name) { return name == "$schema" || (!name.empty() && name[0] == '_'); }

// The members an object of the document may have; a member outside them is refused.
void OnlyMembers(const Json& value, const std::string& path, std::initializer_list<const char*> names) {
  if (!value.is_object()) throw DocumentError{path, ExpectedObject()};
  for (const auto& member : value.items()) {
    bool known = IsRemark(member.key());
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
    if (IsRemark(member.key())) continue;
    const std::string at = MemberPath(path, member.key());
    const KeyField* field = FindKey(member.key());
    if (!field) throw DocumentError{at, UnknownKey(Shown(member.key()))};
    for (const auto& earlier : read)
      if (earlier.first == field) throw DocumentError{at, KeyTwice(KeyName(*field))};
    const KeyRule rule = RuleOf(*field);
    // YAML's yes and no reach the document as JSON's true and false.
    const bool flag = rule.accepts == Accepts::kYesNo && member.value().is_boolean();
    const std::string raw = flag ? (member.value().get<bool>() ? "yes" : "no") : KeyTextAt(member.value(), at);
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

// A port or an address: a whole number, or the same written as a string, as an inventory's
// variables are.
long long NumberAt(const Json& value, const std::string& path) {
  if (value.is_string()) {
    if (std::optional<int> n = PlainNumber(std::string(Trim(value.get<std::string>())))) return *n;
    throw DocumentError{path, ExpectedInteger()};
  }
  return IntegerAt(value, path);
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
    const long long address = NumberAt(Required(units[k], at, "address"), MemberPath(at, "address"));
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
    // The type with the port (ТРЛ-М) or the address (ТРЛ-МЕ) is what makes it the same block as
    // one of the file's.
    block.typeIndex = BlockTypeAt(Required(b, block.path, "type"), MemberPath(block.path, "type"));
    const Json* port = block.typeIndex == 0 ? &Required(b, block.path, "port") : Member(b, "port");
    if (port) {
      const long long n = NumberAt(*port, MemberPath(block.path, "port"));
      if (n < kBlockPortRange.min || n > kBlockPortRange.max)
        throw DocumentError{MemberPath(block.path, "port"),
                            BadBlockPort(std::to_string(n), kBlockPortRange.min, kBlockPortRange.max)};
      block.port = static_cast<int>(n);
    }
    if (const Json* address = Member(b, "address")) block.address = LineTextAt(*address, MemberPath(block.path, "address"));
    if (block.typeIndex == 0 && block.address && !block.address->empty())
      throw DocumentError{MemberPath(block.path, "address"), AddressOnlyForIpBlocks()};
    if (block.typeIndex == 1 && (!block.address || block.address->empty()))
      throw DocumentError{MemberPath(block.path, "address"), AddressRequired()};
    if (const Json* comment = Member(b, "comment")) block.comment = LineTextAt(*comment, MemberPath(block.path, "comment"));
    if (const Json* units = Member(b, "units")) block.units = ReadUnits(*units, MemberPath(block.path, "units"), i);
    read.push_back(std::move(block));
  }
  return read;
}

// The block dialog's data for a desired block: the file's block it is, or a new one, with
// what the document says put in.
BlockDialogData DesiredDialog(const DesiredBlock& want, const BlockRow* had) {
  BlockDialogData block = had ? BlockDialogFromRow(*had) : NewBlockDialog();
  if (!had) {
    // The dialog proposes an address of its own; a document names the block's address.
    block.ip.clear();
    if (!want.port) throw DocumentError{MemberPath(want.path, "port"), NewBlockNeeds()};
  }
  block.typeIndex = want.typeIndex;
  if (want.port) block.port = *want.port;
  if (want.address) block.ip = *want.address;
  if (want.comment) block.comment = *want.comment;
  return block;
}

// The file's blocks as the pieces of the rows that tell one block from another.
std::vector<BlockIdentity> IdentitiesOf(const BlockRows& rows) {
  std::vector<BlockIdentity> file;
  for (const BlockRow& row : rows) file.push_back({row[1] == kBlockTypeIp ? 1 : 0, PortFromCell(row[2]), row[3]});
  return file;
}

std::vector<BlockIdentity> IdentitiesOf(const std::vector<DesiredBlock>& blocks) {
  std::vector<BlockIdentity> wanted;
  for (const DesiredBlock& b : blocks) wanted.push_back({b.typeIndex, b.port.value_or(0), b.address.value_or("")});
  return wanted;
}

void PutBlocks(ConfDocument& doc, const std::vector<DesiredBlock>& blocks) {
  const BlockRows had = doc.Blocks();
  if (blocks.empty() && !had.empty()) throw DocumentError{"$.blocks", LastBlockStays()};
  const std::vector<std::optional<std::size_t>> match = MatchBlocks(IdentitiesOf(had), IdentitiesOf(blocks));
  for (std::size_t i = 0; i < blocks.size(); ++i)
    if (!match[i] && !blocks[i].units) throw DocumentError{MemberPath(blocks[i].path, "units"), UnmatchedBlockNeedsUnits()};
  IniFile& voice = doc.Voice();

  BlockRows rows;
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    rows.push_back(match[i] ? had[*match[i]] : BlockRow());
    WriteBlockRow(rows.back(), DesiredDialog(blocks[i], match[i] ? &had[*match[i]] : nullptr));
    // The dialog puts "Новый блок" for an empty comment; a document that says "" means a
    // block line without one, as a file may have it.
    if (blocks[i].comment && blocks[i].comment->empty()) rows.back()[4].clear();
  }
  RenumberBlocks(rows);
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    std::vector<std::string> errors = BlockErrors(rows, i, i);
    if (!errors.empty()) throw DocumentError{blocks[i].path, errors.front()};
  }
  if (!rows.empty()) doc.Editor().StringGrid1().SetRows(rows);

  // Each block's units go with it: the document's where it names them, else its own.
  std::vector<std::vector<UnitRecord>> now, wanted;
  for (std::size_t n = 1; n <= std::max(had.size(), blocks.size()); ++n)
    now.push_back(ReadBlockUnits(voice, static_cast<int>(n)));
  for (std::size_t i = 0; i < blocks.size(); ++i)
    wanted.push_back(blocks[i].units ? *blocks[i].units : now[*match[i]]);
  wanted.resize(now.size());
  // From the first list that changes on, the sections are written anew in the blocks' order.
  std::size_t first = 0;
  while (first < now.size() && now[first] == wanted[first]) ++first;
  for (std::size_t k = first; k < now.size(); ++k) StoreBlockUnits(voice, static_cast<int>(k + 1), UnitRows());
  for (std::size_t k = first; k < now.size(); ++k)
    if (!wanted[k].empty()) StoreBlockUnits(voice, static_cast<int>(k + 1), UnitRowsFromRecords(wanted[k]));
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
  document["$schema"] = kDocumentSchemaId;
  document["version"] = kDocumentVersion;
  document["product_version"] = ZZ_VERSION_TEXT;
  document["computer"] = zz::ComputerName();
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
  // What export tells of where the document came from is for people and inventories.
  OnlyMembers(document, "$", {"version", "keys", "prefixes", "blocks", "product_version", "computer"});
  const Json& version = Required(document, "$", "version");
  if (!version.is_number_integer()) throw DocumentError{"$.version", VersionNotNumber(version.dump(), kDocumentVersion)};
  if (version.get<long long>() != kDocumentVersion)
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
