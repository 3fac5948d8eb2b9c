// The INI file class against the system's own profile-string functions: the same sequences
// of writes run through WritePrivateProfileStringW on one copy of a file and through the
// class on another, and then both copies are read both ways. Every reading must agree.
//
// Differences on purpose, left out of the comparison:
// - File bytes: the system may rewrite the whole file in its own layout (Wine drops blank
//   lines and blanks around "="); the class changes only the lines a write touches.
// - A read-only file: Wine here writes it anyway; the class refuses and raises the save
//   error (tested with the class's own rules).
// - A value with a line break: the system writes the break, which adds lines (and keys) to
//   the file; the class writes the value up to the break. Reading the key gives the same.
// - Names are compared with A to Z folded only. Wine does not fold Cyrillic letters
//   either, so they agree; the case "Cyrillic letters are not folded" below pins that down.
// - Wine reads the keys before the first section under an empty section name and ignores
//   blanks around the name when reading a value but not when listing keys. Our files have
//   no such keys and our callers pass names without blanks; the class finds nothing under
//   an empty name and ignores the blanks in both.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>

#include "cp1251.h"
#include "file_system.h"
#include "ini_file.h"
#include "test_support.h"
#include "text.h"
#include "win32/utf16.h"

namespace zz::test {
namespace {

std::vector<std::string> SplitList(const std::vector<wchar_t>& buffer, DWORD length) {
  std::vector<std::string> names;
  std::size_t i = 0;
  while (i < length && buffer[i] != L'\0') {
    std::wstring_view name(&buffer[i]);
    names.push_back(Narrow(name));
    i += name.size() + 1;
  }
  return names;
}

class Reader {
 public:
  virtual ~Reader() = default;
  virtual std::vector<std::string> SectionNames() = 0;
  virtual std::vector<std::string> KeyNames(const std::string& section) = 0;
  virtual std::string Read(const std::string& section, const std::string& key) = 0;
};

class SystemReader : public Reader {
 public:
  explicit SystemReader(const std::string& path) : path_(Widen(path)) {}
  std::vector<std::string> SectionNames() override {
    std::vector<wchar_t> buffer(kIniListBuffer);
    DWORD n = GetPrivateProfileSectionNamesW(buffer.data(), static_cast<DWORD>(buffer.size()), path_.c_str());
    return SplitList(buffer, n);
  }
  std::vector<std::string> KeyNames(const std::string& section) override {
    std::vector<wchar_t> buffer(kIniListBuffer);
    DWORD n = GetPrivateProfileStringW(Widen(section).c_str(), nullptr, L"", buffer.data(),
                                       static_cast<DWORD>(buffer.size()), path_.c_str());
    return SplitList(buffer, n);
  }
  std::string Read(const std::string& section, const std::string& key) override {
    std::vector<wchar_t> buffer(kIniValueBuffer);
    DWORD n = GetPrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(), L"DEF", buffer.data(),
                                       static_cast<DWORD>(buffer.size()), path_.c_str());
    return Narrow(std::wstring_view(buffer.data(), n));
  }

 private:
  std::wstring path_;
};

class ClassReader : public Reader {
 public:
  explicit ClassReader(const std::string& path) : ini_(path) {}
  std::vector<std::string> SectionNames() override { return ini_.SectionNames(); }
  std::vector<std::string> KeyNames(const std::string& section) override { return ini_.KeyNames(section); }
  std::string Read(const std::string& section, const std::string& key) override {
    return ini_.ReadString(section, key, "DEF");
  }

 private:
  IniFile ini_;
};

struct Op {
  bool erase;
  std::string section, key, value;
};
Op Write(std::string section, std::string key, std::string value) {
  return {false, std::move(section), std::move(key), std::move(value)};
}
Op Erase(std::string section) { return {true, std::move(section), "", ""}; }

void SystemApply(const std::string& path, const Op& op) {
  std::wstring file = Widen(path);
  BOOL ok = op.erase ? WritePrivateProfileStringW(Widen(op.section).c_str(), nullptr, nullptr, file.c_str())
                     : WritePrivateProfileStringW(Widen(op.section).c_str(), Widen(op.key).c_str(),
                                                  Widen(op.value).c_str(), file.c_str());
  EXPECT_TRUE(ok) << "system write failed: " << op.section << "/" << op.key;
}

// Each operation on a fresh object, so every write is read back from the file.
void ClassApply(const std::string& path, const Op& op) {
  IniFile ini(path);
  if (op.erase)
    ini.EraseSection(op.section);
  else
    ini.WriteString(op.section, op.key, op.value);
}

std::string Join(const std::vector<std::string>& names) {
  std::string s;
  for (const std::string& n : names) s += (s.empty() ? "" : "|") + n;
  return s;
}

std::string Shorten(const std::string& value) {
  return value.size() <= 80 ? value : value.substr(0, 40) + "...(" + std::to_string(CharCount(value)) + " characters)";
}

using Probe = std::pair<std::string, std::string>;

// Everything a reader shows of a file: the section list, each section's keys and each
// listed key's value, and the probes.
std::vector<std::string> Observe(Reader& reader, const std::vector<Probe>& probes) {
  std::vector<std::string> seen;
  std::vector<std::string> sections = reader.SectionNames();
  seen.push_back("sections: " + Join(sections));
  std::set<std::string> done;
  for (const std::string& section : sections) {
    std::string folded = section;
    for (char& c : folded) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
    if (!done.insert(folded).second) continue;
    std::vector<std::string> keys = reader.KeyNames(section);
    seen.push_back("keys of [" + section + "]: " + Join(keys));
    for (const std::string& key : keys) seen.push_back("[" + section + "] " + key + " = " + Shorten(reader.Read(section, key)));
  }
  for (const auto& [section, key] : probes) {
    seen.push_back("probe [" + section + "] " + key + " = " + Shorten(reader.Read(section, key)));
    if (Trim(section) == section) seen.push_back("probe keys of [" + section + "]: " + Join(reader.KeyNames(section)));
  }
  return seen;
}

struct Case {
  std::string name;
  std::optional<std::string> before;  // Windows-1251 bytes; nothing: no file
  std::vector<Op> ops;
  std::vector<Probe> probes;
};

std::string Ansi(const std::string& lfText) { return Utf8ToCp1251(Crlf(lfText)); }

std::vector<Case> Cases() {
  std::vector<Case> cases;
  std::string longValue;
  for (int i = 0; i < 3000; ++i) longValue += static_cast<char>('a' + i % 26);
  std::string longCyrillic;
  for (int i = 0; i < 2100; ++i) longCyrillic += "Ж";

  cases.push_back({"ASCII and Cyrillic names and values",
                   Ansi("[VoiceDevices:1]\n0=PVK,5,Пост 1,192.168.1.50\n[Блок]\nключ=значение\n"),
                   {Write("Блок", "ключ", "новое"), Write("Блок", "второй", "Ворота"), Write("Склад", "имя", "Склад №2"),
                    Write("VoiceDevices:1", "1", "TRLZN,7,Ворота,192.168.1.51")},
                   {{"Блок", "ключ"}, {"Склад", "имя"}, {"VoiceDevices:1", "1"}}});
  cases.push_back({"Cyrillic letters are not folded",
                   Ansi("[Блок]\nключ=1\n[ЖУК]\nЯ=2\n"),
                   {Write("блок", "КЛЮЧ", "new section and key"), Write("жук", "я", "3")},
                   {{"блок", "ключ"}, {"Блок", "КЛЮЧ"}, {"ЖУК", "Я"}, {"жук", "я"}}});
  cases.push_back({"duplicate sections",
                   Ansi("[A]\na=1\n[B]\nb=1\n[a]\nc=2\nd=3\n"),
                   {Write("a", "e", "4"), Erase("A"), Write("A", "f", "5"), Erase("b"), Erase("B")},
                   {{"A", "a"}, {"A", "c"}, {"a", "e"}, {"A", "f"}, {"B", "b"}}});
  cases.push_back({"keys in another letter case",
                   Ansi("[Sec]\nKey=1\nKEY=2\nother=3\n[MainForm]\nTop=10\n"),
                   {Write("sec", "kEy", "changed"), Write("SEC", "OTHER", "x"), Write("mainform", "top", "20"),
                    Write("MAINFORM", "Left", "30")},
                   {{"Sec", "key"}, {"sEc", "KEY"}, {"MainForm", "TOP"}, {"mainform", "left"}}});
  cases.push_back({"values with blanks and quotes",
                   Ansi("[V]\na = spaced value \nb=\"quoted\"\nc='single'\nd=\"unbalanced\ne=\"a\" b \"c\"\nf=\"\nh=''\n"
                        "i= \" inner blanks \" \n"),
                   {Write("V", "w1", "  leading and trailing  "), Write("V", "w2", "\"written quotes\""),
                    Write("V", "w3", "'single'"), Write("V", "w4", "\"half"), Write("V", "w5", ""),
                    Write("V", " w6 ", "blanks around the key")},
                   {{"V", "w6"}, {" V ", " a "}}});
  cases.push_back({"a missing file: reads give the default, a write creates it", std::nullopt,
                   {Write("VoiceDevices:2", "0", "MSD,9,Склад,192.168.1.60"), Write("VoiceDevices:2", "1", "PVK,1,a,b")},
                   {{"VoiceDevices:2", "0"}, {"Missing", "k"}}});
  cases.push_back({"a missing file stays missing after erasing", std::nullopt, {Erase("VoiceDevices:1")},
                   {{"VoiceDevices:1", "0"}}});
  cases.push_back({"values over 2047 characters",
                   Ansi("[L]\nq=\"" + longValue + "\"\n"),
                   {Write("L", "v", longValue), Write("L", "c", longCyrillic)},
                   {{"L", "v"}, {"L", "q"}, {"L", "c"}}});
  cases.push_back({"CR-only lines", std::string("[A]\rk=1\rm= 2 \r[B]\rq=3"), {Write("A", "n", "4"), Write("B", "q", "5")},
                   {{"A", "m"}, {"B", "q"}}});
  cases.push_back({"LF-only lines", std::string("[A]\nk=1\n[B]\nq=3\n"), {Write("C", "r", "6")}, {{"A", "k"}}});
  cases.push_back({"lines that are not keys",
                   Ansi("top=0\n; comment\n[S]\n  ;c1=1\n#h=2\nnoequals\n[NoClose\ny=2\n=emptykey\n\n\n[T]\nt=1\n"),
                   {Write("S", "new", "1"), Write("T", "u", "2")},
                   {{"S", ";c1"}, {"S", "noequals"}, {"S", "y"}, {"S", ""}, {"NoClose", "y"}}});
  cases.push_back({"empty names", Ansi("[A]\nk=1\n=v\nm=2\n[]\nz=1\n[B]\nb=1\n"), {Write("B", "c", "3")},
                   {{"A", "m"}, {"A", ""}, {"", "z"}, {"B", "z"}}});
  cases.push_back({"erasing a section and writing it again",
                   Ansi("[VoiceDevices:1]\n0=PVK,1,a,h\n[VoiceDevices:2]\n0=PVK,2,b,h\n1=PVK,3,c,h\n[VoiceDevices:3]\n0=x\n"),
                   {Erase("VoiceDevices:2"), Write("VoiceDevices:2", "0", "MSD,4,d,h"), Erase("voicedevices:3"),
                    Erase("VoiceDevices:9")},
                   {{"VoiceDevices:2", "1"}}});
  {
    std::string many, keys = "[S]\n";
    for (int i = 0; i < 1500; ++i) {
      char name[32];
      std::snprintf(name, sizeof name, "VoiceDevices:%04d", i);
      many += std::string("[") + name + "]\n0=x\n";
      keys += std::string(name) + "=x\n";
    }
    cases.push_back({"more section names than the list holds", Ansi(many), {Write("VoiceDevices:0001", "1", "y")}, {}});
    cases.push_back({"more keys than the list holds", Ansi(keys), {Write("S", "last", "z")}, {}});
  }
  cases.push_back({"the configuration file", ReadDataFile("golden/full/input.conf"),
                   {Write("VoiceDevices:3", "0", "PVK,1,new,h")},
                   {{"Devices", ";0"}, {"Devices", "1"}, {"System", "name"}, {"SilenceDetection", "Threshold"}}});
  cases.push_back({"the settings file",
                   std::nullopt,
                   {Write("MainForm", "Top", "129"), Write("MainForm", "Left", "190"), Write("MainForm", "Height", "670"),
                    Write("MainForm", "Width", "1045"), Write("CheckBoxVid", "Check", "1"), Write("MainForm", "Top", "-5")},
                   {{"MainForm", "Top"}, {"CheckBoxVid", "Check"}}});
  return cases;
}

TEST(IniSystem, TheAnsiCodePageIsWindows1251) {
  // Every comparison below needs the Russian code page: Cyrillic text in the files is
  // Windows-1251 to the system only then.
  ASSERT_EQ(GetACP(), 1251u) << "run this test with a Russian locale for Wine (LANG=ru_RU.UTF-8)";
}

TEST(IniSystem, ReadsAndWritesAgreeWithTheProfileFunctions) {
  ASSERT_EQ(GetACP(), 1251u) << "run this test with a Russian locale for Wine (LANG=ru_RU.UTF-8)";
  TempDir dir;
  int index = 0;
  for (const Case& c : Cases()) {
    SCOPED_TRACE(c.name);
    std::string sys = dir.File("system" + std::to_string(index) + ".ini");
    std::string own = dir.File("class" + std::to_string(index) + ".ini");
    ++index;
    if (c.before) {
      dir.Write(std::filesystem::u8path(sys).filename().u8string(), *c.before);
      dir.Write(std::filesystem::u8path(own).filename().u8string(), *c.before);
    }
    {
      SystemReader systemBefore(sys);
      ClassReader classBefore(own);
      EXPECT_EQ(Observe(classBefore, c.probes), Observe(systemBefore, c.probes)) << "before the writes";
    }
    for (const Op& op : c.ops) {
      SystemApply(sys, op);
      ClassApply(own, op);
    }
    EXPECT_EQ(FileExists(own), FileExists(sys));
    SystemReader systemOfSystem(sys), systemOfClass(own);
    ClassReader classOfClass(own), classOfSystem(sys);
    std::vector<std::string> expected = Observe(systemOfSystem, c.probes);
    EXPECT_EQ(Observe(classOfClass, c.probes), expected) << "the class on its own file";
    EXPECT_EQ(Observe(systemOfClass, c.probes), expected) << "the system on the file the class wrote";
    EXPECT_EQ(Observe(classOfSystem, c.probes), expected) << "the class on the file the system wrote";
  }
  EXPECT_GE(index, 15);
}

TEST(IniSystem, AValueWithALineBreakReadsTheSame) {
  TempDir dir;
  std::string sys = dir.File("s.ini"), own = dir.File("c.ini");
  SystemApply(sys, Write("A", "z", "l1\r\nl2=3"));
  ClassApply(own, Write("A", "z", "l1\r\nl2=3"));
  EXPECT_EQ(SystemReader(sys).Read("A", "z"), "l1");
  EXPECT_EQ(ClassReader(own).Read("A", "z"), "l1");
  // The system's file gained a key; the class's did not.
  EXPECT_EQ(SystemReader(sys).KeyNames("A"), (std::vector<std::string>{"z", "l2"}));
  EXPECT_EQ(ClassReader(own).KeyNames("A"), (std::vector<std::string>{"z"}));
}

}  // namespace
}  // namespace zz::test
