// The voice.ini operations on real files in a temporary program directory.
#include <gtest/gtest.h>

#include <filesystem>

#include "cp1251.h"
#include "file_form.h"
#include "file_hold.h"  // MakeReadOnly
#include "ini_file.h"
#include "key_fields.h"
#include "messages.h"
#include "test_support.h"
#include "voice_ini.h"

namespace zz::test {
namespace {

class VoiceIniTest : public ::testing::Test {
 protected:
  void Put(const std::string& name, const std::string& lfText) { dir.Write(name, Utf8ToCp1251(Crlf(lfText))); }
  std::string Get(const std::string& name) { return Cp1251ToUtf8(dir.Read(name)); }
  // Makes voice.ini a directory: it can be neither read nor written, also by root.
  void BlockVoiceIni() { std::filesystem::create_directory(std::filesystem::u8path(voice.Path())); }
  // As the program does at start-up, and when a file is opened.
  bool Rebuild() { return RebuildVoiceFile(dir.File("zidezir.conf"), voice.Path()); }
  void Merge(const std::string& name) { MergeVoiceSections(dir.File(name), voice.Path()); }

  TempDir dir;
  RecordingPrompts prompts;
  VoiceIni voice{dir.Path(), prompts};
};

// ---- the record text ----

TEST(UnitRecordText, TypeCodesFromTheFirstThreeCharacters) {
  const std::pair<const char*, const char*> cases[] = {
      {"ПВК-ЗН, ГЛС", "PVK"}, {"ПВК", "PVK"},       {"МСД-2М, МСД-4М", "MSD"}, {"МСДx", "MSD"},
      {"ТРЛ-ЗН slave", "TRLZN"}, {"ПВ", "TRLZN"},    {" ПВК", "TRLZN"},         {"пвк", "TRLZN"},
      {"", "TRLZN"},            {"PVK", "TRLZN"},
  };
  for (const auto& [name, code] : cases) EXPECT_EQ(UnitTypeCode(name), code) << name;
  EXPECT_EQ(UnitTypeName("PVK"), kPvkTypeName);
  EXPECT_EQ(UnitTypeName("MSD"), kMsdTypeName);
  for (const char* other : {"TRLZN", "pvk", "", "XYZ"}) EXPECT_EQ(UnitTypeName(other), kTrlznTypeName) << other;
}

TEST(UnitRecordText, ValueJoinsTheFieldsAndTrimsTheWhole) {
  EXPECT_EQ(UnitRecordValue({"1", "ПВК-ЗН, ГЛС", "5", "Пост 1", "192.168.1.50"}), "PVK,5,Пост 1,192.168.1.50");
  // Fields are written as the dialog holds them; only the ends of the whole are trimmed.
  EXPECT_EQ(UnitRecordValue({"2", "ТРЛ-ЗН slave", " 7 ", " ", " host "}), "TRLZN, 7 , , host");
  EXPECT_EQ(UnitRecordValue({"3", "МСД-2М, МСД-4М", "9", "", ""}), "MSD,9,,");
}

TEST(UnitRecordText, ParsingFollowsTheCommas) {
  struct Case {
    const char* value;
    UnitRecord unit;
  };
  const Case cases[] = {
      {"PVK,5,Пост 1,192.168.1.50", {kPvkTypeName, "5", "Пост 1", "192.168.1.50"}},
      {" MSD , 9 ,  Склад , h ", {kMsdTypeName, "9", "Склад", "h"}},
      {"TRLZN,7,Ворота,192.168.1.51", {kTrlznTypeName, "7", "Ворота", "192.168.1.51"}},
      {"ABC,1,n,h", {kTrlznTypeName, "1", "n", "h"}},
      // A comma in the name moves the rest of it into the host.
      {"PVK,5,Пост, северный,10.0.0.1", {kPvkTypeName, "5", "Пост", "северный,10.0.0.1"}},
      // A field whose comma is missing is empty; the host takes what is left.
      {"PVK,5,Пост", {kPvkTypeName, "5", "", "Пост"}},
      {"PVK,5", {kPvkTypeName, "", "", "5"}},
      {"PVK", {kTrlznTypeName, "", "", "PVK"}},
      {"", {kTrlznTypeName, "", "", ""}},
      {",,,", {kTrlznTypeName, "", "", ""}},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseUnitRecord(c.value), c.unit) << c.value;
}

// ---- rebuild at start-up ----

TEST_F(VoiceIniTest, RebuildCopiesTheVoiceDevicesSectionsOfTheConfiguration) {
  Put("zidezir.conf",
      "[System]\nName=GW\n[Devices]\n0=1\n;Блок\n"
      "[VoiceDevices:1]\n0 = PVK,5,Пост 1,192.168.1.50 \n1=\"TRLZN,7,Ворота,h\"\n;2=MSD,1,hidden,h\nnote\n\n"
      "[voicedevices:3]\n0=PVK,1,lower case,h\n"
      "[VoiceDevicesX]\n0=PVK,1,no colon,h\n"
      "[ VoiceDevices:2 ]\n0=MSD,9,Склад,192.168.1.60\n5=PVK,2,gap,h\n");
  Put("voice.ini", "[VoiceDevices:7]\n0=PVK,1,old,h\n");
  EXPECT_TRUE(Rebuild());
  // In the configuration's order, values trimmed and unquoted, hidden keys and the
  // sections whose prefix differs in letter case or spelling left out.
  EXPECT_EQ(Get("voice.ini"), Crlf("[VoiceDevices:1]\n0=PVK,5,Пост 1,192.168.1.50\n1=TRLZN,7,Ворота,h\n"
                                   "[VoiceDevices:2]\n0=MSD,9,Склад,192.168.1.60\n5=PVK,2,gap,h\n"));
}

TEST_F(VoiceIniTest, RebuildWithoutAConfigurationLeavesAnEmptyFile) {
  Put("voice.ini", "[VoiceDevices:1]\n0=PVK,1,old,h\n");
  EXPECT_TRUE(Rebuild());
  EXPECT_TRUE(dir.Exists("voice.ini"));
  EXPECT_EQ(dir.Read("voice.ini"), "");
}

TEST_F(VoiceIniTest, RebuildFailsSilently) {
  Put("zidezir.conf", "[System]\n[VoiceDevices:1]\n0=PVK,1,a,h\n");
  BlockVoiceIni();
  EXPECT_FALSE(Rebuild());
  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_TRUE(prompts.errors.empty());
}

TEST_F(VoiceIniTest, RebuildOfDuplicateSectionsTakesTheFirstAsTheProfileFunctionsDo) {
  Put("zidezir.conf", "[System]\n[VoiceDevices:1]\n0=PVK,1,first,h\n[VoiceDevices:1]\n0=PVK,1,second,h\n1=PVK,2,second,h\n");
  EXPECT_TRUE(Rebuild());
  EXPECT_EQ(Get("voice.ini"), Crlf("[VoiceDevices:1]\n0=PVK,1,first,h\n"));
}

// ---- merging an opened file ----

TEST_F(VoiceIniTest, MergeWritesTheOpenedSectionsAndKeepsTheRest) {
  Put("voice.ini",
      "[VoiceDevices:1]\n0=PVK,1,old one,h\n1=PVK,2,old two,h\n[VoiceDevices:2]\n0=MSD,3,kept,h\n"
      "[VoiceDevices:3]\n0=MSD,4,kept too,h\n");
  Put("opened.conf",
      "[System]\nName=Other\n[Devices]\n0=1\n1=2\n"
      "[VoiceDevices:1]\n0=TRLZN,9,new one,h\n[voicedevices:4]\n0=PVK,5,found in any case,h\n");
  Merge("opened.conf");
  // Fewer blocks in the opened file: the higher sections stay for the next save.
  EXPECT_EQ(Get("voice.ini"), Crlf("[VoiceDevices:1]\n0=TRLZN,9,new one,h\n1=PVK,2,old two,h\n"
                                   "[VoiceDevices:2]\n0=MSD,3,kept,h\n[VoiceDevices:3]\n0=MSD,4,kept too,h\n"
                                   "[VoiceDevices:4]\n0=PVK,5,found in any case,h\n"));
}

TEST_F(VoiceIniTest, MergeLooksAtAsManySectionNumbersAsTheFileHasLines) {
  // Four lines: the sections 0 to 3 are looked for, so section 5 is not merged.
  Put("opened.conf", "[VoiceDevices:5]\n0=PVK,1,a,h\n[VoiceDevices:0]\n0=PVK,2,b,h");
  Merge("opened.conf");
  EXPECT_EQ(Get("voice.ini"), Crlf("[VoiceDevices:0]\n0=PVK,2,b,h\n"));
}

TEST_F(VoiceIniTest, MergeOfAFileWithoutSectionsWritesNothing) {
  Put("opened.conf", "[System]\nName=Other\n");
  Merge("opened.conf");
  Merge("missing.conf");
  EXPECT_FALSE(dir.Exists("voice.ini"));
}

TEST_F(VoiceIniTest, MergeIntoAVoiceIniThatCannotBeWrittenRaisesTheSaveError) {
  Put("opened.conf", "[VoiceDevices:1]\n0=PVK,1,a,h\n");
  BlockVoiceIni();
  try {
    Merge("opened.conf");
    ADD_FAILURE() << "no error raised";
  } catch (const UnreadableFileError& e) {
    EXPECT_EQ(std::string(e.what()), "Не удаётся прочитать файл " + voice.Path() + ": это папка, а не файл.");
  }
}

// ---- storing and reading one block ----

TEST_F(VoiceIniTest, StoreReplacesTheBlocksSection) {
  Put("voice.ini", "[VoiceDevices:1]\n0=PVK,1,a,h\n[VoiceDevices:2]\n0=PVK,1,old,h\n1=PVK,2,old,h\n2=PVK,3,old,h\n");
  voice.StoreBlockUnits(2, {{"1", "МСД-2М, МСД-4М", "12", "Склад", "10.0.0.2"},
                            {" 2 ", "ТРЛ-ЗН slave", "13", "Ворота", " 10.0.0.3 "}});
  // The section is written anew at the end, keyed by number - 1.
  EXPECT_EQ(Get("voice.ini"),
            Crlf("[VoiceDevices:1]\n0=PVK,1,a,h\n[VoiceDevices:2]\n0=MSD,12,Склад,10.0.0.2\n1=TRLZN,13,Ворота, 10.0.0.3\n"));
}

TEST_F(VoiceIniTest, StoringAnEmptyUnitListRemovesTheSection) {
  Put("voice.ini", "[VoiceDevices:1]\n0=PVK,1,a,h\n[VoiceDevices:2]\n0=PVK,1,b,h\n");
  voice.StoreBlockUnits(1, {{"", "", "", "", ""}});
  EXPECT_EQ(Get("voice.ini"), Crlf("[VoiceDevices:2]\n0=PVK,1,b,h\n"));
  // A block without units and without a section: nothing to write, no file created.
  TempDir other;
  VoiceIni fresh(other.Path(), prompts);
  fresh.StoreBlockUnits(3, {{"", "", "", "", ""}});
  EXPECT_FALSE(other.Exists("voice.ini"));
}

TEST_F(VoiceIniTest, StoreCreatesVoiceIni) {
  voice.StoreBlockUnits(4, {{"1", "ПВК-ЗН, ГЛС", "5", "Пост 1", "192.168.1.50"}});
  EXPECT_EQ(Get("voice.ini"), Crlf("[VoiceDevices:4]\n0=PVK,5,Пост 1,192.168.1.50\n"));
}

TEST_F(VoiceIniTest, AStoreThatFailsChangesNothing) {
  Put("voice.ini", "[VoiceDevices:1]\n0=PVK,1,a,h\n");
  std::string before = dir.Read("voice.ini");
  EXPECT_THROW(voice.StoreBlockUnits(1, {{"1", "ПВК", "1", "x", "h"}, {"два", "ПВК", "2", "y", "h"}}),
               InvalidIntegerError);
  EXPECT_EQ(dir.Read("voice.ini"), before);

  TempDir other;
  VoiceIni blocked(other.Path(), prompts);
  std::filesystem::create_directory(std::filesystem::u8path(blocked.Path()));
  EXPECT_THROW(blocked.StoreBlockUnits(1, {{"1", "ПВК", "1", "x", "h"}}), UnreadableFileError);
}

TEST_F(VoiceIniTest, ReadGivesTheUnitsInLineOrder) {
  Put("voice.ini",
      "[VoiceDevices:1]\n5=PVK,1,five,h\n2=MSD,2,two,h\n9=TRLZN,3,nine,h\n"
      "[VoiceDevices:2]\n0=PVK,4,other,h\n");
  std::vector<UnitRecord> units = voice.ReadBlockUnits(1);
  EXPECT_EQ(units, (std::vector<UnitRecord>{{kPvkTypeName, "1", "five", "h"},
                                            {kMsdTypeName, "2", "two", "h"},
                                            {kTrlznTypeName, "3", "nine", "h"}}));
  EXPECT_TRUE(voice.ReadBlockUnits(3).empty());
  TempDir other;
  EXPECT_TRUE(VoiceIni(other.Path(), prompts).ReadBlockUnits(1).empty());

  // Keys with gaps are numbered afresh at the next store.
  UnitRows rows;
  for (const UnitRecord& u : units)
    rows.push_back({std::to_string(rows.size() + 1), u.typeName, u.address, u.name, u.host});
  voice.StoreBlockUnits(1, rows);
  EXPECT_EQ(Get("voice.ini"),
            Crlf("[VoiceDevices:2]\n0=PVK,4,other,h\n[VoiceDevices:1]\n0=PVK,1,five,h\n1=MSD,2,two,h\n2=TRLZN,3,nine,h\n"));
}

// ---- removing a block ----

TEST_F(VoiceIniTest, RemovingABlockErasesItsSectionAndRenumbersTheLaterOnes) {
  Put("voice.ini",
      "[VoiceDevices:1]\n0=PVK,1,one,h\n[VoiceDevices:2]\n0=PVK,2,two,h\n"
      "  [VoiceDevices:3]  \n0=PVK,3,three,h\n[VoiceDevices: 4 ]\n0=PVK,4,four,h\n"
      "[VoiceDevices:x]\n0=PVK,5,not a number,h\n[voicedevices:5]\n0=PVK,6,other case,h\n"
      "[VoiceDevices:6] ;note\n0=PVK,7,comment after the bracket,h\n[VoiceDevices:-3]\n");
  EXPECT_TRUE(voice.RemoveBlockSection(2));
  EXPECT_EQ(Get("voice.ini"),
            Crlf("[VoiceDevices:1]\n0=PVK,1,one,h\n"
                 "[VoiceDevices:2]\n0=PVK,3,three,h\n[VoiceDevices:3]\n0=PVK,4,four,h\n"
                 "[VoiceDevices:x]\n0=PVK,5,not a number,h\n[voicedevices:5]\n0=PVK,6,other case,h\n"
                 "[VoiceDevices:6] ;note\n0=PVK,7,comment after the bracket,h\n[VoiceDevices:-3]\n"));
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(VoiceIniTest, RemovingTheLastBlockAndABlockWithoutASection) {
  Put("voice.ini", "[VoiceDevices:1]\n0=PVK,1,one,h\n[VoiceDevices:3]\n0=PVK,3,three,h\n");
  EXPECT_TRUE(voice.RemoveBlockSection(2));  // block 2 had no units
  EXPECT_EQ(Get("voice.ini"), Crlf("[VoiceDevices:1]\n0=PVK,1,one,h\n[VoiceDevices:2]\n0=PVK,3,three,h\n"));
  EXPECT_TRUE(voice.RemoveBlockSection(2));
  EXPECT_EQ(Get("voice.ini"), Crlf("[VoiceDevices:1]\n0=PVK,1,one,h\n"));
}

TEST_F(VoiceIniTest, RenumberingAFileThatCannotBeReadSaysSo) {
  EXPECT_FALSE(voice.RemoveBlockSection(1));
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0], PlainMessage("Не удалось открыть файл " + voice.Path()));
}

TEST_F(VoiceIniTest, RenumberingAFileThatCannotBeWrittenSaysSo) {
  Put("voice.ini", "[VoiceDevices:1]\n0=PVK,1,one,h\n");
  if (!MakeReadOnly(dir.File("voice.ini"))) GTEST_SKIP() << "this user can write read-only files";
  EXPECT_FALSE(RenumberSections(voice.Path(), kVoiceSectionPrefix, 0, -1, prompts));
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0], PlainMessage("Не удалось сохранить настройки в файл " + voice.Path()));
}

TEST(Renumber, OtherPrefixesAndShifts) {
  TempDir dir;
  RecordingPrompts prompts;
  dir.Write("f.ini", "[Block:1]\r\n[Block:2]\r\n[Block:10]\r\n[VoiceDevices:10]\r\nBlock:3=x\r\n");
  EXPECT_TRUE(RenumberSections(dir.File("f.ini"), "Block:", 1, 5, prompts));
  EXPECT_EQ(dir.Read("f.ini"), "[Block:1]\r\n[Block:7]\r\n[Block:15]\r\n[VoiceDevices:10]\r\nBlock:3=x\r\n");
}

// ---- appending at a save ----

TEST_F(VoiceIniTest, TheAppendixIsTwoEmptyLinesAndTheTrimmedLines) {
  dir.Write("voice.ini", Utf8ToCp1251("  [VoiceDevices:1]  \r\n\t0=PVK,5,Пост 1,h \n\r\n1=\r"));
  EXPECT_EQ(VoiceAppendix(dir.Read("voice.ini")), "\r\n\r\n[VoiceDevices:1]\r\n0=PVK,5,Пост 1,h\r\n\r\n1=\r\n");
  EXPECT_EQ(VoiceAppendix(""), std::string("\r\n\r\n"));
}

}  // namespace
}  // namespace zz::test
