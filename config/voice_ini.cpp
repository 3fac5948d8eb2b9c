#include "voice_ini.h"

#include <algorithm>
#include <unordered_set>

#include "conf_line.h"
#include "cp1251.h"
#include "file_form.h"
#include "file_system.h"
#include "ini_file.h"
#include "key_fields.h"
#include "messages.h"
#include "text.h"

namespace zz {

namespace {

constexpr std::string_view kPvkCode = "PVK", kMsdCode = "MSD", kTrlznCode = "TRLZN";

// The text before the next ",", which is dropped with it; empty, and nothing dropped, when
// there is no ",".
std::string_view TakeField(std::string_view& rest) {
  std::size_t comma = rest.find(',');
  if (comma == std::string_view::npos) return {};
  std::string_view field = rest.substr(0, comma);
  rest.remove_prefix(comma + 1);
  return field;
}

bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

// Calls `f` with each line of the text (ending at CR, LF or CR LF), as SplitLines makes them.
template <class F>
void ForEachLine(std::string_view text, F&& f) {
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = start;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
    f(text.substr(start, end - start));
    start = end + ((end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') ? 2 : 1);
  }
}

// voice.ini as the INI class holds it (empty when absent). A file that cannot be read as a
// list of intercom units is refused: a write would put Windows-1251 lines into it.
IniFile OpenVoiceList(const std::string& path) {
  std::string bytes;
  FileProblem problem = ReadAs(path, FileRole::kVoiceList, bytes);
  if (problem != FileProblem::kNone && problem != FileProblem::kAbsent)
    throw UnreadableFileError(FileProblemText(problem, path));
  return IniFile(path, bytes);
}

}  // namespace

std::string VoiceSectionName(int block) { return std::string(kVoiceSectionPrefix) + std::to_string(block); }

std::string UnitTypeCode(std::string_view typeName) {
  std::string first = CutChars(typeName, 3);
  if (first == CutChars(kPvkTypeName, 3)) return std::string(kPvkCode);
  if (first == CutChars(kMsdTypeName, 3)) return std::string(kMsdCode);
  return std::string(kTrlznCode);
}

std::string UnitTypeName(std::string_view code) {
  if (code == kPvkCode) return kPvkTypeName;
  if (code == kMsdCode) return kMsdTypeName;
  return kTrlznTypeName;
}

std::string UnitRecordValue(const UnitRow& row) {
  std::string value = UnitTypeCode(row[1]) + "," + row[2] + "," + row[3] + "," + row[4];
  return std::string(Trim(value));
}

UnitRecord ParseUnitRecord(std::string_view value) {
  UnitRecord unit;
  std::string_view rest = value;
  unit.typeName = UnitTypeName(Trim(TakeField(rest)));
  unit.address = std::string(Trim(TakeField(rest)));
  unit.name = std::string(Trim(TakeField(rest)));
  unit.host = std::string(Trim(rest));
  return unit;
}

std::string VoiceFileOf(std::string_view confBytes) {
  // What copying each section into an empty INI file writes, composed at once: a name met
  // again (in any letter case) is the section already written, and so is a key.
  const IniFile conf("", confBytes);
  std::string voice;
  std::vector<std::string> written;
  for (const std::string& section : conf.SectionNames()) {
    if (!StartsWith(section, kVoiceSectionPrefix)) continue;
    auto same = [&](const std::string& w) { return EqualsAsciiNoCase(w, section); };
    if (std::any_of(written.begin(), written.end(), same)) continue;
    written.push_back(section);
    voice.append("[").append(Utf8ToCp1251(section)).append("]\r\n");
    std::unordered_set<std::string> keys;
    for (const auto& [key, value] : conf.SectionValues(section)) {
      std::string folded = key;
      for (char& c : folded) c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
      if (!keys.insert(folded).second) continue;
      voice.append(Utf8ToCp1251(key)).append("=").append(Utf8ToCp1251(value)).append("\r\n");
    }
  }
  return voice;
}

bool RebuildVoiceFile(const std::string& confPath, const std::string& voicePath) {
  std::string bytes;
  FileProblem problem = ReadAs(confPath, FileRole::kConfiguration, bytes);
  if (problem != FileProblem::kNone && problem != FileProblem::kAbsent) return false;
  // Start-up goes on without a message; voice.ini keeps what it held.
  return WriteFileAtomic(voicePath, VoiceFileOf(bytes));
}

void MergeVoiceSections(const std::string& openedPath, const std::string& voicePath) {
  std::string bytes;
  std::size_t lines = 0;
  if (ReadFileBytes(openedPath, bytes)) ForEachLine(bytes, [&lines](std::string_view) { ++lines; });
  IniFile opened(openedPath, bytes);
  IniFile voice = OpenVoiceList(voicePath);
  voice.Batch([&] {
    std::string section(kVoiceSectionPrefix);
    for (std::size_t i = 0; i < lines; ++i) {
      section.resize(kVoiceSectionPrefix.size());
      section += std::to_string(i);
      voice.CopySection(opened, section);
    }
  });
}

void StoreBlockUnits(const std::string& voicePath, int block, const UnitRows& rows) {
  IniFile voice = OpenVoiceList(voicePath);
  StoreBlockUnits(voice, block, rows);
}

void StoreBlockUnits(IniFile& voice, int block, const UnitRows& rows) {
  const std::string section = VoiceSectionName(block);
  voice.Batch([&] {
    voice.EraseSection(section);
    if (rows.size() == 1 && rows[0][1].empty()) return;
    for (const UnitRow& row : rows) {
      std::string number(Trim(row[0]));
      std::optional<int> n = StrictInt(number);
      if (!n) throw InvalidIntegerError(number);
      voice.WriteString(section, std::to_string(static_cast<long long>(*n) - 1), UnitRecordValue(row));
    }
  });
}

std::vector<UnitRecord> ReadBlockUnits(const std::string& voicePath, int block) {
  return ReadBlockUnits(OpenVoiceList(voicePath), block);
}

std::vector<UnitRecord> ReadBlockUnits(const IniFile& voice, int block) {
  std::vector<UnitRecord> units;
  for (const auto& entry : voice.SectionValues(VoiceSectionName(block))) units.push_back(ParseUnitRecord(entry.second));
  return units;
}

void RemoveBlockSection(IniFile& voice, int block) {
  voice.EraseSection(VoiceSectionName(block));
  voice = IniFile(voice.Path(), RenumberedSections(voice.Bytes(), kVoiceSectionPrefix, block, -1));
}

namespace {

// Start-up copies the sections whose name begins with the prefix in this letter case; each
// takes the values of the file's first section of that name in any case.
std::vector<UnitRecord> UnitsAmong(const IniFile& conf, const std::vector<std::string>& sections, int block) {
  const std::string name = VoiceSectionName(block);
  std::vector<UnitRecord> units;
  for (const std::string& section : sections) {
    if (!StartsWith(section, kVoiceSectionPrefix) || !EqualsAsciiNoCase(section, name)) continue;
    for (const auto& entry : conf.SectionValues(name)) units.push_back(ParseUnitRecord(entry.second));
    break;
  }
  return units;
}

}  // namespace

std::vector<UnitRecord> ConfigurationBlockUnits(const IniFile& conf, int block) {
  return UnitsAmong(conf, conf.SectionNames(), block);
}

std::vector<std::vector<UnitRecord>> ConfigurationUnits(const IniFile& conf, std::size_t blocks) {
  const std::vector<std::string> sections = conf.SectionNames();
  std::vector<std::vector<UnitRecord>> units;
  for (std::size_t n = 1; n <= blocks; ++n) units.push_back(UnitsAmong(conf, sections, static_cast<int>(n)));
  return units;
}

std::string WithoutUnitLists(std::string_view confBytes) {
  std::string kept;
  kept.reserve(confBytes.size());
  bool dropping = false;
  std::size_t start = 0;
  while (start < confBytes.size()) {
    std::size_t end = confBytes.find('\n', start);
    end = end == std::string_view::npos ? confBytes.size() : end + 1;
    const std::string_view line = confBytes.substr(start, end - start);
    if (IsSectionHeader(line)) {
      const std::string_view name = HeaderName(line);
      dropping = name.size() >= kVoiceSectionPrefix.size() &&
                 EqualsAsciiNoCase(name.substr(0, kVoiceSectionPrefix.size()), kVoiceSectionPrefix);
    }
    if (!dropping) kept.append(line);
    start = end;
  }
  return kept;
}

bool RenumberSections(const std::string& path, std::string_view prefix, int removed, int shift, Prompts& prompts) {
  std::string bytes;
  if (!ReadFileBytes(path, bytes)) {
    prompts.Show(PlainMessage(kOpenFileFailedPrefix + path));
    return false;
  }
  if (!WriteFileAtomic(path, RenumberedSections(bytes, prefix, removed, shift))) {
    prompts.Show(PlainMessage(kSaveFailedPrefix + path));
    return false;
  }
  return true;
}

std::string RenumberedSections(std::string_view bytes, std::string_view prefix, int removed, int shift) {
  // Headers are compared in the file's encoding; the numbers are ASCII digits.
  const std::string open = "[" + Utf8ToCp1251(prefix);
  std::string text;
  text.reserve(bytes.size() + bytes.size() / 16 + 2);
  ForEachLine(bytes, [&](std::string_view line) {
    std::string_view t = Trim(line);
    std::optional<int> number;
    if (t.size() > open.size() && StartsWith(t, open) && t.back() == ']')
      number = StrictInt(Trim(t.substr(open.size(), t.size() - open.size() - 1)));
    if (number.value_or(-1) >= 0 && *number > removed)
      text.append(open).append(std::to_string(static_cast<long long>(*number) + shift)).append("]");
    else
      text.append(line);
    text.append("\r\n");
  });
  return text;
}

bool RemoveBlockSection(const std::string& voicePath, int block, Prompts& prompts) {
  OpenVoiceList(voicePath).EraseSection(VoiceSectionName(block));
  return RenumberSections(voicePath, kVoiceSectionPrefix, block, -1, prompts);
}

std::string VoiceAppendix(std::string_view voiceBytes) {
  std::string text = "\r\n\r\n";
  text.reserve(voiceBytes.size() + voiceBytes.size() / 16 + 4);
  for (const std::string& line : SplitLines(Cp1251ToUtf8(voiceBytes))) text.append(Trim(line)).append("\r\n");
  return text;
}

VoiceIni::VoiceIni(std::string programDir, Prompts& prompts) : programDir_(std::move(programDir)), prompts_(prompts) {}

std::string VoiceIni::Path() const { return JoinPath(programDir_, kVoiceFileName); }

void VoiceIni::StoreBlockUnits(int block, const UnitRows& rows) { zz::StoreBlockUnits(Path(), block, rows); }

std::vector<UnitRecord> VoiceIni::ReadBlockUnits(int block) const { return zz::ReadBlockUnits(Path(), block); }

bool VoiceIni::RemoveBlockSection(int block) { return zz::RemoveBlockSection(Path(), block, prompts_); }

}  // namespace zz
