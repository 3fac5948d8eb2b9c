// The intercom units of a block, changed with the record dialog's checks and messages.
#include "block_texts.h"
#include "commands.h"
#include "conf_document.h"
#include "file_form.h"
#include "key_rules.h"
#include "text.h"
#include "unit_list.h"
#include "voice_ini.h"
#include "zconf_texts.h"

namespace zz::zconf {

namespace {

void PrintUnits(const std::vector<UnitRecord>& units, bool asJson, Io& io) {
  Json json = Json::array();
  for (std::size_t k = 0; k < units.size(); ++k) {
    const UnitRecord& u = units[k];
    if (asJson)
      json.push_back({{"number", k + 1},
                      {"type", u.typeName},
                      {"code", UnitTypeCode(u.typeName)},
                      {"address", u.address},
                      {"name", u.name},
                      {"host", u.host}});
    else
      io.out << u.typeName << "|" << u.address << "|" << u.name << "|" << u.host << "\n";
  }
  if (asJson) io.out << JsonText(json);
}

// Loads FILE and the units of block N; the exit code when either cannot be had.
struct BlockUnits {
  std::optional<int> block;
  UnitRows rows;
};
std::optional<int> LoadBlockUnits(ConfDocument& doc, const std::string& blockText, BlockUnits& units) {
  if (!doc.Load(true)) return doc.Failed();
  if (!doc.RefuseLoadErrors({})) return kExitUsage;
  units.block = doc.Block(blockText);
  if (!units.block) return kExitUsage;
  units.rows = UnitRowsFromRecords(ReadBlockUnits(doc.Voice(), *units.block));
  return std::nullopt;
}

int StoreAndSave(ConfDocument& doc, const BlockUnits& units, Io& io, const Json& extra = {},
                 const std::string& printed = {}) {
  try {
    StoreBlockUnits(doc.Voice(), *units.block, units.rows);
  } catch (const std::exception& e) {
    return Refuse(io, e.what(), kExitFailed);
  }
  return doc.Finish({}, extra, printed);
}

}  // namespace

int UnitsCommand(const CommandLine& line, Io& io) {
  if (!OnlyOptions(line, {}, io)) return kExitUsage;
  const auto& p = line.positional;
  if (p.size() != 2 || !PlainNumber(p[1])) return UsageError(io, line.command, WrongArguments("FILE N"));
  // FILE is a voice.ini (no section of a configuration in it) or a configuration.
  std::string bytes;
  if (ReadAs(p[0], FileRole::kVoiceList, bytes) == FileProblem::kNone) {
    try {
      PrintUnits(ReadBlockUnits(p[0], *PlainNumber(p[1])), line.json, io);
    } catch (const UnreadableFileError& e) {
      return Refuse(io, e.what());
    }
    return kExitOk;
  }
  ConfDocument doc(p[0], io, "zconf " + line.command);
  if (!doc.Load()) return kExitUsage;
  std::optional<int> n = doc.Block(p[1]);
  if (!n) return kExitUsage;
  PrintUnits(ReadBlockUnits(doc.Voice(), *n), line.json, io);
  return kExitOk;
}

int UnitAddCommand(const CommandLine& line, Io& io) {
  if (!OnlyOptions(line, {"type", "address", "host", "name"}, io)) return kExitUsage;
  if (line.positional.size() != 2) return UsageError(io, line.command, WrongArguments("FILE N"));
  for (const char* required : {"type", "address", "host"})
    if (!line.Option(required)) return UsageError(io, line.command, MissingOption(required));

  UnitFields fields;
  const std::string type(Trim(*line.Option("type")));
  fields.typeIndex = -1;
  for (int i = 0; i < static_cast<int>(kUnitTypeNames.size()); ++i)
    if (EqualsAsciiNoCase(type, UnitTypeCode(kUnitTypeNames[static_cast<std::size_t>(i)]))) fields.typeIndex = i;
  if (fields.typeIndex < 0) return Refuse(io, BadUnitType(Shown(type)));
  fields.address = std::string(Trim(*line.Option("address")));
  fields.host = std::string(Trim(*line.Option("host")));
  fields.name = line.Option("name") ? std::string(Trim(*line.Option("name"))) : std::string();
  if (!IsLineText(fields.host)) return Refuse(io, BadText("--host"));
  if (!IsLineText(fields.name)) return Refuse(io, BadText("--name"));
  // The address field takes digits only; anything else fails as a pasted text does.
  if (!fields.address.empty() && !PlainNumber(fields.address))
    return Refuse(io, InvalidIntegerText(Shown(fields.address)));
  UnitCheckResult check = CheckNewUnit(fields);
  if (check.check != UnitCheck::kAccepted) return Refuse(io, check.message);

  ConfDocument doc(line.positional[0], io, "zconf " + line.command);
  BlockUnits units;
  if (std::optional<int> refused = LoadBlockUnits(doc, line.positional[1], units)) return *refused;
  for (const UnitRow& row : units.rows)
    if (!row[1].empty() && StrictInt(Trim(row[2])) == StrictInt(fields.address))
      return Refuse(io, AddressInUse(fields.address, *units.block));
  std::size_t k = AddUnit(units.rows, fields) + 1;
  return StoreAndSave(doc, units, io, {{"unit", k}}, std::to_string(k) + "\n");
}

int UnitRemoveCommand(const CommandLine& line, Io& io) {
  if (!OnlyOptions(line, {}, io)) return kExitUsage;
  const auto& p = line.positional;
  if (p.size() != 3) return UsageError(io, line.command, WrongArguments("FILE N K"));
  std::optional<int> k = PlainNumber(p[2]);
  if (!k) return Refuse(io, NotANumber(kUnitWord, Shown(p[2])));
  ConfDocument doc(p[0], io, "zconf " + line.command);
  BlockUnits units;
  if (std::optional<int> refused = LoadBlockUnits(doc, p[1], units)) return *refused;
  if (*k < 1 || !DeleteUnit(units.rows, static_cast<std::size_t>(*k - 1))) return Refuse(io, NoUnit(*k, *units.block));
  return StoreAndSave(doc, units, io);
}

}  // namespace zz::zconf
