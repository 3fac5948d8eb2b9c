// The intercom-unit lists of the controller blocks: one VoiceDevices: section per block in
// voice.ini, kept in step with the editor, and appended to every configuration saved.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "prompts.h"

namespace zz {

class IniFile;

// Compared with exact case by the operations below, though the INI file finds a section
// under any letter case.
inline constexpr std::string_view kVoiceSectionPrefix = "VoiceDevices:";

// "VoiceDevices:" followed by the block number.
std::string VoiceSectionName(int block);

// One intercom unit as the block dialog shows it.
struct UnitRecord {
  std::string typeName;  // kPvkTypeName, kMsdTypeName or kTrlznTypeName
  std::string address;   // the ВЛТ address
  std::string name;
  std::string host;      // host name or IP address
};

inline bool operator==(const UnitRecord& a, const UnitRecord& b) {
  return a.typeName == b.typeName && a.address == b.address && a.name == b.name && a.host == b.host;
}

// A data row of the block dialog's unit grid: number, type name, address, name, host.
using UnitRow = std::array<std::string, 5>;
using UnitRows = std::vector<UnitRow>;

// PVK for a type name beginning with "ПВК", MSD for "МСД", TRLZN for anything else.
std::string UnitTypeCode(std::string_view typeName);
// The type name shown for a record's type code.
std::string UnitTypeName(std::string_view code);
// The record a row is stored as: code, address, name and host joined by ",", trimmed.
std::string UnitRecordValue(const UnitRow& row);
// The record read back; a field whose "," is missing is empty, except the host, which then
// takes the rest. A "," in the name moves the rest of it into the host.
UnitRecord ParseUnitRecord(std::string_view value);

// The operations on files named by path. Errors writing voice.ini raise IniWriteError,
// except where said otherwise; a voice.ini that cannot be read as a list of intercom units
// (file_form.h) raises UnreadableFileError and is left as it is.

// voice.ini as start-up makes it from a configuration's bytes: its VoiceDevices: sections.
std::string VoiceFileOf(std::string_view confBytes);

// voice.ini becomes the VoiceDevices: sections of the configuration file (none when it is
// absent). Silent on every error, a configuration file that cannot be read as one among
// them: voice.ini then keeps what it held, and the result is false.
bool RebuildVoiceFile(const std::string& confPath, const std::string& voicePath);

// Writes the keys of the sections "VoiceDevices:" 0 to L-1 of the opened file, L being its
// number of lines, into voice.ini, which keeps every other section and key.
void MergeVoiceSections(const std::string& openedPath, const std::string& voicePath);

// Replaces the block's section with the rows, keyed by number - 1; an empty unit grid (one
// row with an empty type name) leaves no section. A number cell that is not an integer
// raises InvalidIntegerError and changes nothing.
void StoreBlockUnits(const std::string& voicePath, int block, const UnitRows& rows);

// The block's units in file order; none for an absent section or file.
std::vector<UnitRecord> ReadBlockUnits(const std::string& voicePath, int block);

// The same three operations on a unit list held in memory (an IniFile without a file).
void StoreBlockUnits(IniFile& voice, int block, const UnitRows& rows);
std::vector<UnitRecord> ReadBlockUnits(const IniFile& voice, int block);
void RemoveBlockSection(IniFile& voice, int block);

// The text with the headers "[" prefix m "]" with m > removed renumbered to m + shift, every
// other line as it is (Windows-1251 bytes, lines ended by CR LF).
std::string RenumberedSections(std::string_view bytes, std::string_view prefix, int removed, int shift);

// Renumbers the headers "[" prefix m "]" with m > removed to m + shift, every other line
// staying as it is. Failing to read or write the file shows its plain message and returns
// false.
bool RenumberSections(const std::string& path, std::string_view prefix, int removed, int shift, Prompts& prompts);

// Erases the block's section and moves the sections of the later blocks down by one.
// False when renumbering failed (its message was shown).
bool RemoveBlockSection(const std::string& voicePath, int block, Prompts& prompts);

// What a save appends to the configuration from voice.ini's bytes: two empty lines, then
// every line trimmed, each ending with CR LF (UTF-8).
std::string VoiceAppendix(std::string_view voiceBytes);

// The units of block `block` that start-up would put in voice.ini from the configuration
// held in `conf`, without a voice.ini.
std::vector<UnitRecord> ConfigurationBlockUnits(const IniFile& conf, int block);
// The same for blocks 1 to `blocks`.
std::vector<std::vector<UnitRecord>> ConfigurationUnits(const IniFile& conf, std::size_t blocks);

// The configuration without its VoiceDevices: sections (any letter case), each from its header
// to the next line the loader takes for a header; every other line as it is.
std::string WithoutUnitLists(std::string_view confBytes);

// The same operations on the files of the program directory.
class VoiceIni {
 public:
  VoiceIni(std::string programDir, Prompts& prompts);

  std::string Path() const;  // voice.ini
  void StoreBlockUnits(int block, const UnitRows& rows);
  std::vector<UnitRecord> ReadBlockUnits(int block) const;
  bool RemoveBlockSection(int block);

 private:
  std::string programDir_;
  Prompts& prompts_;
};

}  // namespace zz
