// The intercom units of a block, changed with the record dialog's checks and messages.
#include "block_texts.h"
#include "commands.h"
#include "conf_document.h"
#include "file_system.h"
#include "ini_file.h"
#include "json_writer.h"
#include "key_rules.h"
#include "text.h"
#include "unit_list.h"
#include "voice_ini.h"
#include "zconf_texts.h"

namespace zz::zconf {

namespace {

// A file with no section but VoiceDevices: ones is a voice.ini; anything else is a
// configuration file, whose units are those the program takes from it at start-up.
bool IsVoiceIni(const std::string& path) {
  for (const std::string& section : IniFile(path).SectionNames())
    if (!EqualsAsciiNoCase(CutChars(section, kVoiceSectionPrefix.size()), kVoiceSectionPrefix)) return false;
  return true;
}

void PrintUnits(const std::vector<UnitRecord>& units, bool asJson, Io& io) {
  JsonWriter json;
  json.BeginArray();
  for (std::size_t k = 0; k < units.size(); ++k) {
    const UnitRecord& u = units[k];
    if (asJson)
      json.BeginObject()
          .Member("number", k + 1)
          .Member("type", u.typeName)
          .Member("code", UnitTypeCode(u.typeName))
          .Member("address", u.address)
          .Member("name", u.name)
          .Member("host", u.host)
          .EndObject();
    else
      io.out << u.typeName << "|" << u.address << "|" << u.name << "|" << u.host << "\n";
  }
  if (asJson) io.out << json.EndArray().Text();
}

// Loads FILE and the units of block N; the exit code when either cannot be had.
struct BlockUnits {
  std::optional<int> block;
  UnitRows rows;
};
std::optional<int> LoadBlockUnits(ConfDocument& doc, const std::string& blockText, BlockUnits& units) {
  if (!doc.Load() || !doc.RefuseLoadErrors({})) return kExitUsage;
  units.block = doc.Block(blockText);
  if (!units.block || doc.VoicePath().empty()) return kExitUsage;
  units.rows = UnitRowsFromRecords(ReadBlockUnits(doc.VoicePath(), *units.block));
  return std::nullopt;
}

int StoreAndSave(ConfDocument& doc, const BlockUnits& units, Io& io) {
  try {
    StoreBlockUnits(doc.VoicePath(), *units.block, units.rows);
  } catch (const std::exception& e) {
    return Refuse(io, e.what());
  }
  return doc.Save() ? kExitOk : kExitUsage;
}

}  // namespace

int UnitsCommand(const CommandLine& line, Io& io) {
  if (!OnlyOptions(line, {}, io)) return kExitUsage;
  const auto& p = line.positional;
  if (p.size() != 2 || !PlainNumber(p[1])) return UsageError(io, line.command, "FILE and a block number N");
  if (!FileExists(p[0])) return Refuse(io, CannotRead(p[0]));
  if (IsVoiceIni(p[0])) {
    PrintUnits(ReadBlockUnits(p[0], *PlainNumber(p[1])), line.json, io);
    return kExitOk;
  }
  ConfDocument doc(p[0], io);
  if (!doc.Load()) return kExitUsage;
  std::optional<int> n = doc.Block(p[1]);
  if (!n || doc.VoicePath().empty()) return kExitUsage;
  PrintUnits(ReadBlockUnits(doc.VoicePath(), *n), line.json, io);
  return kExitOk;
}

int UnitAddCommand(const CommandLine& line, Io& io) {
  if (!OnlyOptions(line, {"type", "address", "host", "name"}, io)) return kExitUsage;
  if (line.positional.size() != 2) return UsageError(io, line.command, "FILE and N");
  for (const char* required : {"type", "address", "host"})
    if (!line.Option(required)) return UsageError(io, line.command, MissingOption(required));

  UnitFields fields;
  const std::string type(Trim(*line.Option("type")));
  fields.typeIndex = -1;
  for (int i = 0; i < static_cast<int>(kUnitTypeNames.size()); ++i)
    if (EqualsAsciiNoCase(type, UnitTypeCode(kUnitTypeNames[static_cast<std::size_t>(i)]))) fields.typeIndex = i;
  if (fields.typeIndex < 0) return Refuse(io, BadUnitType(type));
  fields.address = std::string(Trim(*line.Option("address")));
  fields.host = std::string(Trim(*line.Option("host")));
  fields.name = line.Option("name") ? std::string(Trim(*line.Option("name"))) : std::string();
  if (!IsLineText(fields.host)) return Refuse(io, BadText("--host"));
  if (!IsLineText(fields.name)) return Refuse(io, BadText("--name"));
  // The address field takes digits only; anything else fails as a pasted text does.
  if (!fields.address.empty() && !PlainNumber(fields.address)) return Refuse(io, InvalidIntegerText(fields.address));
  UnitCheckResult check = CheckNewUnit(fields);
  if (check.check != UnitCheck::kAccepted) return Refuse(io, check.message);

  ConfDocument doc(line.positional[0], io);
  BlockUnits units;
  if (std::optional<int> refused = LoadBlockUnits(doc, line.positional[1], units)) return *refused;
  for (const UnitRow& row : units.rows)
    if (!row[1].empty() && StrictInt(Trim(row[2])) == StrictInt(fields.address))
      return Refuse(io, AddressInUse(fields.address, *units.block));
  std::size_t k = AddUnit(units.rows, fields);
  int code = StoreAndSave(doc, units, io);
  if (code == kExitOk) io.out << k + 1 << "\n";
  return code;
}

int UnitRemoveCommand(const CommandLine& line, Io& io) {
  if (!OnlyOptions(line, {}, io)) return kExitUsage;
  const auto& p = line.positional;
  if (p.size() != 3) return UsageError(io, line.command, "FILE, N and K");
  std::optional<int> k = PlainNumber(p[2]);
  if (!k) return Refuse(io, NotANumber("unit", p[2]));
  ConfDocument doc(p[0], io);
  BlockUnits units;
  if (std::optional<int> refused = LoadBlockUnits(doc, p[1], units)) return *refused;
  if (*k < 1 || !DeleteUnit(units.rows, static_cast<std::size_t>(*k - 1))) return Refuse(io, NoUnit(*k, *units.block));
  return StoreAndSave(doc, units, io);
}

}  // namespace zz::zconf
