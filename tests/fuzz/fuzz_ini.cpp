// Feeds arbitrary bytes to the INI file class and to the unit-record reader: the content
// written reads back the same, writes and erasing do what they say, and every record read
// survives being stored and read again.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "ini_file.h"
#include "messages.h"
#include "text.h"
#include "voice_ini.h"

namespace {

// A directory that does not exist: the batch below is never written.
constexpr const char* kPath = "/nonexistent-zz-fuzz/fuzz.ini";

void Check(bool condition) {
  if (!condition) std::abort();
}

struct Abort {};

void CheckSameReading(const zz::IniFile& a, const zz::IniFile& b) {
  std::vector<std::string> sections = a.SectionNames();
  Check(sections == b.SectionNames());
  for (const std::string& section : sections) {
    Check(a.SectionValues(section) == b.SectionValues(section));
    Check(a.KeyNames(section).size() <= zz::kIniListBuffer);
  }
}

// The list was not cut at its buffer.
bool WholeList(const std::vector<std::string>& names) {
  std::size_t used = 1;
  for (const std::string& name : names) used += zz::CharCount(name) + 1;
  return used < zz::kIniListBuffer - 1;
}

std::size_t CountNamed(const std::vector<std::string>& names, const std::string& name) {
  std::size_t n = 0;
  for (const std::string& other : names) n += zz::EqualsAsciiNoCase(other, name) ? 1 : 0;
  return n;
}

void CheckRecord(const std::string& value) {
  zz::UnitRecord unit = zz::ParseUnitRecord(value);
  Check(unit.typeName == zz::kPvkTypeName || unit.typeName == zz::kMsdTypeName || unit.typeName == zz::kTrlznTypeName);
  Check(unit.address.find(',') == std::string::npos && unit.name.find(',') == std::string::npos);
  std::string stored = zz::UnitRecordValue({"1", unit.typeName, unit.address, unit.name, unit.host});
  Check(zz::ParseUnitRecord(stored) == unit);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  zz::IniFile ini(kPath, bytes);
  std::string written = ini.Bytes();
  zz::IniFile again(kPath, written);
  Check(again.Bytes() == written);
  CheckSameReading(ini, again);

  std::vector<std::string> sections = ini.SectionNames();
  for (const std::string& section : sections) {
    for (const auto& [key, value] : ini.SectionValues(section)) {
      Check(zz::CharCount(value) < zz::kIniValueBuffer);
      CheckRecord(value);
    }
  }

  try {
    ini.Batch([&] {
      const std::string section = sections.empty() ? "S" : sections.front();
      ini.WriteString(section, "fuzz key", " written, value ");
      Check(ini.ReadString(section, "FUZZ KEY", "") == "written, value");
      CheckSameReading(ini, zz::IniFile(kPath, ini.Bytes()));
      std::vector<std::string> names = ini.SectionNames();
      if (WholeList(names)) {
        std::size_t count = CountNamed(names, section);
        ini.EraseSection(section);
        Check(CountNamed(ini.SectionNames(), section) + 1 == count);
      }
      throw Abort{};
    });
  } catch (const Abort&) {
  }
  return 0;
}
