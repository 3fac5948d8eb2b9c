#include "voice_ini.h"

#include "cp1251.h"
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

bool RebuildVoiceFile(const std::string& confPath, const std::string& voicePath) {
  try {
    IniFile conf(confPath);
    IniFile voice(voicePath, std::string_view());
    voice.Batch([&] {
      voice.Clear();
      for (const std::string& section : conf.SectionNames()) {
        if (!StartsWith(section, kVoiceSectionPrefix)) continue;
        for (const auto& [key, value] : conf.SectionValues(section)) voice.WriteString(section, key, value);
      }
    });
    return true;
  } catch (const std::exception&) {
    // Start-up goes on without a message; voice.ini keeps what it held.
    return false;
  }
}

void MergeVoiceSections(const std::string& openedPath, const std::string& voicePath) {
  std::string bytes;
  std::size_t lines = ReadFileBytes(openedPath, bytes) ? SplitLines(bytes).size() : 0;
  IniFile opened(openedPath, bytes);
  IniFile voice(voicePath);
  voice.Batch([&] {
    for (std::size_t i = 0; i < lines; ++i) {
      std::string section = std::string(kVoiceSectionPrefix) + std::to_string(i);
      for (const auto& [key, value] : opened.SectionValues(section)) voice.WriteString(section, key, value);
    }
  });
}

void StoreBlockUnits(const std::string& voicePath, int block, const UnitRows& rows) {
  const std::string section = VoiceSectionName(block);
  IniFile voice(voicePath);
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
  std::vector<UnitRecord> units;
  for (const auto& entry : IniFile(voicePath).SectionValues(VoiceSectionName(block)))
    units.push_back(ParseUnitRecord(entry.second));
  return units;
}

bool RenumberSections(const std::string& path, std::string_view prefix, int removed, int shift, Prompts& prompts) {
  std::string bytes;
  if (!ReadFileBytes(path, bytes)) {
    prompts.Show(PlainMessage(kOpenFileFailedPrefix + path));
    return false;
  }
  const std::string open = "[" + std::string(prefix);
  std::string text;
  text.reserve(bytes.size() + bytes.size() / 16);
  for (std::string& line : SplitLines(Cp1251ToUtf8(bytes))) {
    std::string_view t = Trim(line);
    if (t.size() > open.size() && StartsWith(t, open) && t.back() == ']') {
      std::optional<int> number = StrictInt(Trim(t.substr(open.size(), t.size() - open.size() - 1)));
      int m = number.value_or(-1);
      if (m >= 0 && m > removed) line = open + std::to_string(static_cast<long long>(m) + shift) + "]";
    }
    text.append(line).append("\r\n");
  }
  if (!WriteFileAtomic(path, Utf8ToCp1251(text))) {
    prompts.Show(PlainMessage(kSaveFailedPrefix + path));
    return false;
  }
  return true;
}

bool RemoveBlockSection(const std::string& voicePath, int block, Prompts& prompts) {
  IniFile(voicePath).EraseSection(VoiceSectionName(block));
  return RenumberSections(voicePath, kVoiceSectionPrefix, block, -1, prompts);
}

std::optional<std::string> VoiceAppendix(const std::string& voicePath) {
  std::string bytes;
  if (!ReadFileBytes(voicePath, bytes)) return std::nullopt;
  std::string text = "\r\n\r\n";
  text.reserve(bytes.size() + bytes.size() / 16 + 4);
  for (const std::string& line : SplitLines(Cp1251ToUtf8(bytes))) text.append(Trim(line)).append("\r\n");
  return text;
}

VoiceIni::VoiceIni(std::string programDir, Prompts& prompts) : programDir_(std::move(programDir)), prompts_(prompts) {}

std::string VoiceIni::Path() const { return JoinPath(programDir_, kVoiceFileName); }

bool VoiceIni::Rebuild() { return RebuildVoiceFile(JoinPath(programDir_, kConfFileName), Path()); }

void VoiceIni::MergeOpened(const std::string& openedPath) { MergeVoiceSections(openedPath, Path()); }

void VoiceIni::StoreBlockUnits(int block, const UnitRows& rows) { zz::StoreBlockUnits(Path(), block, rows); }

std::vector<UnitRecord> VoiceIni::ReadBlockUnits(int block) const { return zz::ReadBlockUnits(Path(), block); }

bool VoiceIni::RemoveBlockSection(int block) { return zz::RemoveBlockSection(Path(), block, prompts_); }

}  // namespace zz
