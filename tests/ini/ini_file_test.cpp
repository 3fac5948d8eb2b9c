// The rules of the INI file class, on real files in a temporary directory.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "cp1251.h"
#include "file_hold.h"
#include "ini_file.h"
#include "test_support.h"

namespace zz::test {
namespace {

// The file's bytes from readable UTF-8 text with "\n" line ends.
std::string FileText(const std::string& lfText) { return Utf8ToCp1251(Crlf(lfText)); }

const char* const kSample =
    "top=0\n"
    "; comment before the sections\n"
    "[Sec]\n"
    "a = 1 \n"
    "B=\"quoted\"\n"
    "c='single'\n"
    "e=\"unbalanced\n"
    "r=\"\n"
    "s=''\n"
    "inner=\"a\" b \"c\"\n"
    "noequals\n"
    ";hidden=5\n"
    "  key with space  =  v w  \n"
    "k=first\n"
    "K=second\n"
    " [ Sec2 ] trailing text\n"
    "x=1\n"
    "[NoClose\n"
    "y=2\n"
    "[sec]\n"
    "a=duplicate\n"
    "d=4\n"
    "[Блок]\n"
    "ключ=значение\n";

struct ReadCase {
  const char* name;
  const char* section;
  const char* key;
  const char* expected;
};

TEST(IniFileRead, ValuesFollowTheProfileRules) {
  const ReadCase cases[] = {
      {"trimmed", "Sec", "a", "1"},
      {"key in another letter case", "sec", "A", "1"},
      {"double quotes removed", "Sec", "b", "quoted"},
      {"single quotes removed", "Sec", "c", "single"},
      {"unbalanced quote kept", "Sec", "e", "\"unbalanced"},
      {"a lone quote kept", "Sec", "r", "\""},
      {"empty quotes", "Sec", "s", ""},
      {"only the outer quotes go", "Sec", "inner", "a\" b \"c"},
      {"a line without = is no key", "Sec", "noequals", "DEF"},
      {"a key beginning with ; is readable", "Sec", ";hidden", "5"},
      {"blanks inside a key", "Sec", "key with space", "v w"},
      {"blanks around the asked key", "Sec", "  k  ", "first"},
      {"first of duplicate keys", "Sec", "K", "first"},
      {"blanks around the bracketed name", "Sec2", "x", "1"},
      {"blanks around the asked section", " sec2 ", "x", "1"},
      {"a header without ] is no header", "Sec2", "y", "2"},
      {"no section NoClose", "NoClose", "y", "DEF"},
      {"duplicate section: the first one", "Sec", "d", "DEF"},
      {"Cyrillic names as written", "Блок", "ключ", "значение"},
      {"Cyrillic letters are not folded", "блок", "ключ", "DEF"},
      {"Cyrillic key not folded", "Блок", "КЛЮЧ", "DEF"},
      {"missing section", "Missing", "a", "DEF"},
      {"missing key", "Sec", "missing", "DEF"},
      {"keys before the first section are unreachable", "", "top", "DEF"},
  };
  IniFile ini("unused.ini", FileText(kSample));
  for (const ReadCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ini.ReadString(c.section, c.key, "DEF"), c.expected);
  }
}

TEST(IniFileRead, ListsInFileOrder) {
  IniFile ini("unused.ini", FileText(kSample));
  EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"Sec", "Sec2", "sec", "Блок"}));
  // Duplicates stay; keys beginning with ";" and lines without "=" are not listed.
  EXPECT_EQ(ini.KeyNames("SEC"), (std::vector<std::string>{"a", "B", "c", "e", "r", "s", "inner",
                                                            "key with space", "k", "K"}));
  EXPECT_EQ(ini.KeyNames("Sec2"), (std::vector<std::string>{"x", "y"}));
  EXPECT_TRUE(ini.KeyNames("Missing").empty());
  EXPECT_EQ(ini.SectionValues("Sec2"), (IniValues{{"x", "1"}, {"y", "2"}}));
  // A duplicate key lists the value of its first line, as a key-by-key read gives it.
  IniValues values = ini.SectionValues("Sec");
  ASSERT_EQ(values.size(), 10u);
  EXPECT_EQ(values[9], (std::pair<std::string, std::string>{"K", "first"}));
}

TEST(IniFileRead, LineEndsReadTheSame) {
  const char* const variants[] = {"[A]\r\nk=1\r\nm=2\r\n[B]\r\nq=3\r\n", "[A]\nk=1\nm=2\n[B]\nq=3",
                                  "[A]\rk=1\rm=2\r[B]\rq=3"};
  for (const char* bytes : variants) {
    SCOPED_TRACE(bytes);
    IniFile ini("unused.ini", bytes);
    EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(ini.KeyNames("A"), (std::vector<std::string>{"k", "m"}));
    EXPECT_EQ(ini.ReadString("A", "m", ""), "2");
    EXPECT_EQ(ini.ReadString("B", "q", ""), "3");
  }
}

TEST(IniFileRead, MissingFileGivesDefaults) {
  TempDir dir;
  IniFile ini(dir.File("none.ini"));
  EXPECT_EQ(ini.ReadString("A", "k", "fallback"), "fallback");
  EXPECT_EQ(ini.ReadInteger("A", "k", 7), 7);
  EXPECT_TRUE(ini.SectionNames().empty());
  EXPECT_FALSE(dir.Exists("none.ini"));
}

TEST(IniFileRead, IntegersAndDefaults) {
  IniFile ini("unused.ini", FileText("[MainForm]\nTop= 120 \nLeft=-50\nHeight=12px\nWidth=\n"));
  EXPECT_EQ(ini.ReadInteger("MainForm", "Top", 0), 120);
  EXPECT_EQ(ini.ReadInteger("mainform", "LEFT", 0), -50);
  EXPECT_EQ(ini.ReadInteger("MainForm", "Height", 670), 670);
  EXPECT_EQ(ini.ReadInteger("MainForm", "Width", 1045), 1045);
  EXPECT_EQ(ini.ReadInteger("MainForm", "Missing", 3), 3);
}

TEST(IniFileRead, BufferLimits) {
  std::string longValue;
  for (int i = 0; i < 3000; ++i) longValue += static_cast<char>('a' + i % 26);
  std::string bytes = "[L]\r\nv=" + longValue + "\r\nq=\"" + longValue + "\"\r\nc=" + std::string(3000, '\xC6') + "\r\n";
  IniFile ini("unused.ini", bytes);
  EXPECT_EQ(ini.ReadString("L", "v", ""), longValue.substr(0, 2047));
  EXPECT_EQ(ini.ReadString("L", "q", ""), longValue.substr(0, 2047));
  // Characters, not UTF-8 bytes, count: 2047 Cyrillic letters.
  std::string cut = ini.ReadString("L", "c", "");
  EXPECT_EQ(cut.size(), 2047u * 2);
  EXPECT_EQ(Utf8ToCp1251(cut), std::string(2047, '\xC6'));

  // 1500 names of 17 characters: 910 whole ones fit the 16384-character list and the
  // 911th is cut to the two characters left before the final terminators.
  std::string many, keys = "[S]\r\n";
  for (int i = 0; i < 1500; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "VoiceDevices:%04d", i);
    many += std::string("[") + name + "]\r\n0=x\r\n";
    keys += std::string(name) + "=x\r\n";
  }
  std::vector<std::string> names = IniFile("unused.ini", many).SectionNames();
  ASSERT_EQ(names.size(), 911u);
  EXPECT_EQ(names[909], "VoiceDevices:0909");
  EXPECT_EQ(names[910], "Vo");
  std::vector<std::string> keyNames = IniFile("unused.ini", keys).KeyNames("S");
  ASSERT_EQ(keyNames.size(), 911u);
  EXPECT_EQ(keyNames[910], "Vo");
}

// One write sequence on a file and the bytes it leaves.
struct WriteCase {
  const char* name;
  const char* before;  // nullptr: no file
  std::function<void(IniFile&)> ops;
  const char* after;  // nullptr: no file
};

TEST(IniFileWrite, WritesFollowTheProfileRules) {
  const WriteCase cases[] = {
      {"a new file", nullptr,
       [](IniFile& f) {
         f.WriteString("S1", "k", "Ж");
         f.WriteString("S2", "k", "v");
         f.WriteString("S1", "k2", "v2");
       },
       "[S1]\nk=Ж\nk2=v2\n[S2]\nk=v\n"},
      {"after the last key, before blank and comment lines", "[A]\nx=1\n\n; about B\n[B]\ny=2\n",
       [](IniFile& f) { f.WriteString("a", "new", "n"); }, "[A]\nx=1\nnew=n\n\n; about B\n[B]\ny=2\n"},
      {"into a section without keys", "[A]\n; nothing yet\n", [](IniFile& f) { f.WriteString("A", "k", "1"); },
       "[A]\nk=1\n; nothing yet\n"},
      {"replacing keeps the stored key and every other line", "; head\n[A]\n  X = old ;c\nz=1\n",
       [](IniFile& f) { f.WriteString("a", "x", "new"); }, "; head\n[A]\nX=new\nz=1\n"},
      {"only the first of duplicate keys is replaced", "[A]\nk=1\nk=2\n", [](IniFile& f) { f.WriteString("A", "K", "9"); },
       "[A]\nk=9\nk=2\n"},
      {"into the first of duplicate sections", "[D]\na=1\n[d]\nb=1\n", [](IniFile& f) { f.WriteString("d", "c", "3"); },
       "[D]\na=1\nc=3\n[d]\nb=1\n"},
      {"a new section at the end, an empty value as key=", "[A]\nx=1",
       [](IniFile& f) { f.WriteString(" New ", " k ", ""); }, "[A]\nx=1\n[New]\nk=\n"},
      {"a value is written up to its first line break", "[A]\n",
       [](IniFile& f) { f.WriteString("A", "z", "l1\r\nl2=3"); }, "[A]\nz=l1\n"},
      {"integers", nullptr,
       [](IniFile& f) {
         f.WriteInteger("MainForm", "Top", -12);
         f.WriteInteger("CheckBoxVid", "Check", 1);
       },
       "[MainForm]\nTop=-12\n[CheckBoxVid]\nCheck=1\n"},
      {"erasing removes the header and the lines up to the next section", "[A]\nx=1\n; note\n\n[B]\ny=2\n",
       [](IniFile& f) { f.EraseSection(" a "); }, "[B]\ny=2\n"},
      {"erasing removes the first of duplicates only", "[D]\na=1\n[E]\nb=1\n[d]\nc=1\n",
       [](IniFile& f) {
         f.EraseSection("D");
         f.WriteString("D", "x", "y");
       },
       "[E]\nb=1\n[d]\nc=1\nx=y\n"},
      {"erasing a missing section of a missing file writes nothing", nullptr, [](IniFile& f) { f.EraseSection("S"); },
       nullptr},
      {"an empty section name writes nothing", "[A]\n", [](IniFile& f) { f.WriteString(" ", "k", "v"); }, "[A]\n"},
      {"clearing leaves an empty file", "[A]\nx=1\n", [](IniFile& f) { f.Clear(); }, ""},
      {"CR-only lines come back as CR LF", "[A]\rx=1\r", [](IniFile& f) { f.WriteString("A", "y", "2"); },
       "[A]\nx=1\ny=2\n"},
  };
  for (const WriteCase& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    if (c.before) dir.Write("t.ini", FileText(c.before));
    IniFile ini(dir.File("t.ini"));
    c.ops(ini);
    if (c.after) {
      ASSERT_TRUE(dir.Exists("t.ini"));
      EXPECT_EQ(Cp1251ToUtf8(dir.Read("t.ini")), Crlf(c.after));
      // What was written reads back as the object holds it.
      IniFile again(dir.File("t.ini"));
      EXPECT_EQ(again.Bytes(), ini.Bytes());
    } else {
      EXPECT_FALSE(dir.Exists("t.ini"));
    }
  }
}

TEST(IniFileWrite, UntouchedLinesKeepTheirBytes) {
  TempDir dir;
  // Every byte value except the line breaks, in a comment line and a key's value.
  std::string odd = "; ";
  for (int b = 1; b < 256; ++b)
    if (b != '\r' && b != '\n') odd += static_cast<char>(b);
  std::string before = odd + "\r\n[A]\r\nv=" + odd.substr(2) + "\r\n";
  dir.Write("t.ini", before);
  IniFile ini(dir.File("t.ini"));
  ini.WriteString("A", "w", "1");
  EXPECT_EQ(dir.Read("t.ini"), odd + "\r\n[A]\r\nv=" + odd.substr(2) + "\r\nw=1\r\n");
}

TEST(IniFileWrite, WrittenValuesReadBack) {
  TempDir dir;
  IniFile ini(dir.File("t.ini"));
  ini.WriteString("VoiceDevices:1", "0", "  PVK,5,Пост 1,192.168.1.50 ");
  ini.WriteString("VoiceDevices:1", "1", "\"quoted\"");
  IniFile again(dir.File("t.ini"));
  EXPECT_EQ(again.ReadString("voicedevices:1", "0", ""), "PVK,5,Пост 1,192.168.1.50");
  EXPECT_EQ(again.ReadString("VoiceDevices:1", "1", ""), "quoted");
  EXPECT_EQ(dir.Read("t.ini"), FileText("[VoiceDevices:1]\n0=  PVK,5,Пост 1,192.168.1.50 \n1=\"quoted\"\n"));
}

TEST(IniFileWrite, AFileThatCannotBeWrittenRaisesTheSaveError) {
  TempDir dir;
  std::filesystem::create_directory(std::filesystem::u8path(dir.File("voice.ini")));
  const std::string missingDir = dir.File("absent") + "/voice.ini";
  for (const std::string& path : {dir.File("voice.ini"), missingDir}) {
    SCOPED_TRACE(path);
    IniFile ini(path);
    try {
      ini.WriteString("VoiceDevices:1", "0", "PVK,1,a,b");
      ADD_FAILURE() << "no error raised";
    } catch (const IniWriteError& e) {
      EXPECT_EQ(std::string(e.what()), "Не удалось сохранить настройки в файл " + path);
      EXPECT_EQ(e.Path(), path);
    }
    // The content is what the file holds, not the failed write.
    EXPECT_TRUE(ini.SectionNames().empty());
  }
}

TEST(IniFileWrite, ReadOnlyAndHeldFilesRaiseTheSaveError) {
  TempDir dir;
  dir.Write("ro.ini", "[VoiceDevices:1]\r\n0=PVK,1,a,b\r\n");
  if (MakeReadOnly(dir.File("ro.ini"))) {
    IniFile ini(dir.File("ro.ini"));
    EXPECT_THROW(ini.EraseSection("VoiceDevices:1"), IniWriteError);
    EXPECT_THROW(ini.WriteString("VoiceDevices:2", "0", "x"), IniWriteError);
    EXPECT_EQ(dir.Read("ro.ini"), "[VoiceDevices:1]\r\n0=PVK,1,a,b\r\n");
    EXPECT_EQ(ini.SectionNames(), std::vector<std::string>{"VoiceDevices:1"});
    // Nothing to change, nothing to write: no error.
    EXPECT_NO_THROW(ini.EraseSection("VoiceDevices:9"));
  }
#ifdef _WIN32
  // Held open by another program that shares nothing.
  dir.Write("held.ini", "[A]\r\nx=1\r\n");
  FileHold hold(dir.File("held.ini"));
  ASSERT_TRUE(hold.held());
  IniFile held(dir.File("held.ini"));
  EXPECT_THROW(held.WriteString("A", "x", "2"), IniWriteError);
#endif
}

TEST(IniFileWrite, CopyingASectionWritesWhatTheSourceReads) {
  TempDir dir;
  IniFile source("unused.ini", FileText("[VoiceDevices:1]\n 0 = \"PVK,1,a,h\" \n;1=hidden\n1=first\n1=second\nnote\n"
                                        "[voicedevices:1]\n2=not the first section\n[Empty]\nnote\n"));
  dir.Write("t.ini", FileText("[VOICEDEVICES:1]\n1=old\n3=kept\n"));
  IniFile target(dir.File("t.ini"));
  target.CopySection(source, "voiceDevices:1");
  // Into the section found here, keys replaced in place and new ones after the last key.
  EXPECT_EQ(Cp1251ToUtf8(dir.Read("t.ini")), Crlf("[VOICEDEVICES:1]\n1=first\n3=kept\n0=PVK,1,a,h\n"));

  // A section this file lacks is added under the name asked; one without keys adds nothing.
  target.CopySection(source, "VoiceDevices:1 ");
  target.CopySection(source, "Empty");
  target.CopySection(source, "Absent");
  IniFile fresh(dir.File("fresh.ini"));
  fresh.CopySection(source, " VoiceDevices:1");
  fresh.CopySection(source, "Empty");
  EXPECT_EQ(Cp1251ToUtf8(dir.Read("fresh.ini")), Crlf("[VoiceDevices:1]\n0=PVK,1,a,h\n1=first\n"));
  // Onto itself: the values as read.
  fresh.WriteString("VoiceDevices:1", "2", "\"quoted\"");
  fresh.CopySection(fresh, "VoiceDevices:1");
  EXPECT_EQ(Cp1251ToUtf8(dir.Read("fresh.ini")), Crlf("[VoiceDevices:1]\n0=PVK,1,a,h\n1=first\n2=quoted\n"));
}

TEST(IniFileBatch, OneWriteAtTheEnd) {
  TempDir dir;
  dir.Write("t.ini", "[A]\r\nx=1\r\n");
  IniFile ini(dir.File("t.ini"));
  ini.Batch([&] {
    ini.EraseSection("A");
    for (int i = 0; i < 5; ++i) ini.WriteInteger("B", std::to_string(i), i);
    ini.Batch([&] { ini.WriteString("C", "k", "v"); });
    // Nothing reaches the file before the batch ends.
    EXPECT_EQ(dir.Read("t.ini"), "[A]\r\nx=1\r\n");
    EXPECT_EQ(ini.ReadString("B", "4", ""), "4");
  });
  EXPECT_EQ(dir.Read("t.ini"), Crlf("[B]\n0=0\n1=1\n2=2\n3=3\n4=4\n[C]\nk=v\n"));
}

TEST(IniFileBatch, AFailedBatchLeavesTheFileAndReadsItAgain) {
  TempDir dir;
  dir.Write("t.ini", "[A]\r\nx=1\r\n");
  IniFile ini(dir.File("t.ini"));
  EXPECT_THROW(ini.Batch([&] {
    ini.WriteString("A", "x", "2");
    throw std::runtime_error("stop");
  }),
               std::runtime_error);
  EXPECT_EQ(dir.Read("t.ini"), "[A]\r\nx=1\r\n");
  EXPECT_EQ(ini.ReadString("A", "x", ""), "1");
  // A batch that changes nothing does not write, so it cannot fail on a file it cannot write.
  TempDir other;
  IniFile untouched(other.File("absent") + "/t.ini");
  EXPECT_NO_THROW(untouched.Batch([&] { untouched.EraseSection("A"); }));
}

}  // namespace
}  // namespace zz::test
