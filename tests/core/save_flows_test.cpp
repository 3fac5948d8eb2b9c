#include "save_flows.h"

#include "conf_writer.h"
#include "file_hold.h"
#include "session_fixture.h"

namespace zz::test {
namespace {

bool EndsWith(const std::string& s, const std::string& end) {
  return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

class SaveFlowsTest : public SessionTest {
 protected:
  void SetUp() override { session.programDir = dir.Path(); }

  // Loads zidezir.conf of the program directory, as the program does at start.
  void StartWith(const std::string& conf) {
    dir.Write("zidezir.conf", Utf8ToCp1251(conf));
    ASSERT_TRUE(LoadConfigFile(session, dir.File("zidezir.conf")));
  }
  std::string Conf(const std::string& name = "zidezir.conf") { return Cp1251ToUtf8(dir.Read(name)); }
  // Records what the file holds whenever a message is shown.
  std::vector<std::string>& WatchAtMessages(const std::string& name) {
    prompts.onShow = [this, name](const MessageSpec&) {
      filesAtMessages.push_back(dir.Exists(name) ? dir.Read(name) : "(absent)");
    };
    return filesAtMessages;
  }

  std::vector<std::string> filesAtMessages;

  TempDir dir;
};

const char* const kConf =
    "[System]\r\nName=GW\r\n[Network]\r\nListener Port=1720\r\n[Audio]\r\nMax Calls=42\r\n"
    "[Devices]\r\n0=1\r\n;Блок\r\n";

TEST_F(SaveFlowsTest, ChangeDetectionComparesTheFieldsWithTheLoadedValues) {
  StartWith(kConf);
  // Fields the file lacks count as changed unless their control is empty too; bring the
  // editor in line with the file first.
  EXPECT_TRUE(ChangeDetected(session));
  EditorToEntries(editor, table);
  EXPECT_FALSE(ChangeDetected(session));
  EXPECT_EQ(table[entry::kMaxCalls].value, "42");  // a Max Calls outside the list is kept

  editor.listenerPort.SetText("1721");
  EXPECT_TRUE(ChangeDetected(session));
  editor.listenerPort.SetText("1720");
  EXPECT_FALSE(ChangeDetected(session));
  editor.blocks.SetRows(BlockRows(1));  // the grid is not compared; its edits set the flag
  EXPECT_FALSE(ChangeDetected(session));
  session.state.modified = true;
  EXPECT_TRUE(ChangeDetected(session));
  session.state.modified = false;

  editor.systemName.SetText(std::string(130, 'x'));  // only 127 characters can be saved
  EditorToEntries(editor, table);
  EXPECT_TRUE(ChangeDetected(session));
}

TEST_F(SaveFlowsTest, TheSaveSequenceWritesCleansAndAppendsVoiceIni) {
  StartWith(kConf);
  dir.Write("voice.ini", Utf8ToCp1251("  [VoiceDevices:1]  \r\n0=PVK,5,Пост 1,192.168.1.50\r\n1=\r\n"));
  session.state.modified = true;
  editor.listenerPort.SetText("1800");
  ASSERT_TRUE(SaveSequence(session));
  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_FALSE(session.state.modified);
  EXPECT_EQ(session.state.currentPath, dir.File("zidezir.conf"));
  std::string saved = Conf();
  EXPECT_NE(saved.find("Listener Port=1800\r\n"), std::string::npos);
  EXPECT_EQ(saved.find("Admin="), std::string::npos);  // empty values were removed
  // The clean-up runs before the append, so the unit list arrives whole, trimmed.
  EXPECT_TRUE(EndsWith(saved, "[ControlServer]\r\n\r\n\r\n[VoiceDevices:1]\r\n0=PVK,5,Пост 1,192.168.1.50\r\n1=\r\n"))
      << saved;
  EXPECT_FALSE(ChangeDetected(session));

  // Loading the saved file and saving again gives the same bytes: the appended sections
  // are not read back into the schema, so they are not doubled.
  std::string first = dir.Read("zidezir.conf");
  EditorModel fresh;
  ConfParamTable table2;
  ConfigSession again{table2, fresh, prompts, dir.Path(), {}};
  ASSERT_TRUE(LoadConfigFile(again, dir.File("zidezir.conf")));
  ASSERT_TRUE(SaveSequence(again));
  EXPECT_EQ(dir.Read("zidezir.conf"), first);
}

TEST_F(SaveFlowsTest, TheSaveSequenceWithoutVoiceIniSaysSoAfterWritingTheConfiguration) {
  StartWith(kConf);
  std::vector<std::string>& atMessage = WatchAtMessages("zidezir.conf");
  ASSERT_TRUE(SaveSequence(session));
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0], PlainMessage("Не найден файл voice.ini"));
  std::string saved = Conf();
  EXPECT_TRUE(EndsWith(saved, "[PollServer]\r\n[ControlServer]\r\n")) << saved;
  // The message comes once the file is written and cleaned.
  ASSERT_EQ(atMessage.size(), 1u);
  EXPECT_EQ(Cp1251ToUtf8(atMessage[0]), saved);
}

TEST_F(SaveFlowsTest, AVoiceIniThatCannotBeReadIsReportedAndNothingIsWritten) {
  StartWith(kConf);
  dir.Write("voice.ini", "[VoiceDevices:1]\r\n0=PVK,5,a,b\r\n");
  editor.listenerPort.SetText("1800");
  prompts.fileAnswers = {dir.File("copy.conf")};
  {
    FileHold hold(dir.File("voice.ini"));
    ASSERT_TRUE(hold.held());
    std::string probe;
    if (ReadFileBytes(dir.File("voice.ini"), probe)) GTEST_SKIP() << "a held file can still be read here";
    EXPECT_FALSE(SaveSequence(session));
    SaveAs(session);
  }
  const MessageSpec unreadable = PlainMessage("Не удаётся прочитать файл " + dir.File("voice.ini") +
                                              ": файл открыт в другой программе; закройте его и повторите.");
  EXPECT_EQ(prompts.messages, (std::vector<MessageSpec>{unreadable, unreadable}));
  EXPECT_EQ(Conf(), kConf);  // the unit lists it holds are not dropped
  EXPECT_FALSE(dir.Exists("copy.conf"));
  EXPECT_TRUE(ChangeDetected(session));

  ASSERT_TRUE(SaveSequence(session));
  EXPECT_NE(Conf().find("Listener Port=1800\r\n"), std::string::npos);
  EXPECT_NE(Conf().find("[VoiceDevices:1]\r\n0=PVK,5,a,b\r\n"), std::string::npos);
}

TEST_F(SaveFlowsTest, ChangeDetectionComparesWhatTheFileWouldHold) {
  StartWith(kConf);
  dir.Write("voice.ini", "");
  struct Case {
    const char* typed;
    const char* inFile;
    bool changedAfterSave;
  } cases[] = {
      {"Шлюз №1 «Север»", "Шлюз №1 «Север»", false},
      {"a?b", "a?b", false},
      {"GW ✓", "GW ?", true},
      {"网关", "??", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    editor.systemName.SetText(c.typed);
    EXPECT_TRUE(ChangeDetected(session));
    ASSERT_TRUE(SaveSequence(session));
    EXPECT_NE(Conf().find(std::string("\r\nName=") + c.inFile + "\r\n"), std::string::npos) << Conf();
    // Text the file could not take is still a change: the window does not show as saved
    // what the file does not hold.
    EXPECT_EQ(ChangeDetected(session), c.changedAfterSave);
  }
}

TEST_F(SaveFlowsTest, TheSaveSequenceWritesNothingWhileTheFileIsHeld) {
  StartWith(kConf);
  session.state.modified = true;
  {
    FileHold hold(dir.File("zidezir.conf"));
    ASSERT_TRUE(hold.held());
    EXPECT_FALSE(SaveSequence(session));
  }
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].caption, "Внимание!");
  EXPECT_EQ(Conf(), kConf);
  EXPECT_TRUE(session.state.modified);
}

TEST_F(SaveFlowsTest, TheSaveSequenceCreatesAnAbsentConfiguration) {
  // A configuration loaded from elsewhere while the program directory has none.
  dir.Write("voice.ini", "");
  dir.Write("other.conf", Utf8ToCp1251(kConf));
  ASSERT_TRUE(LoadConfigFile(session, dir.File("other.conf")));
  ASSERT_TRUE(SaveSequence(session));
  EXPECT_NE(Conf().find("Name=GW\r\n"), std::string::npos);
  EXPECT_EQ(Conf("other.conf"), kConf);
}

TEST_F(SaveFlowsTest, SaveAsWritesTheChosenFileAndMarksTheEditorModified) {
  StartWith(kConf);
  dir.Write("voice.ini", "[VoiceDevices:1]\r\n0=PVK,5,a,b\r\n1=\r\n");
  dir.Write("copy.conf", "[System]\r\nName=Old\r\n");
  prompts.fileAnswers = {std::nullopt, dir.File("copy.conf")};

  SaveAs(session);  // cancelled: nothing changes
  EXPECT_EQ(dir.Read("copy.conf"), "[System]\r\nName=Old\r\n");
  EXPECT_EQ(session.state.currentPath, dir.File("zidezir.conf"));

  SaveAs(session);
  ASSERT_EQ(prompts.dialogs.size(), 2u);
  EXPECT_EQ(prompts.dialogs[1], SaveDialog1());
  EXPECT_EQ(SaveDialog1().filter, "Zidezir file (*.conf)|*.conf");
  EXPECT_EQ(SaveDialog1().defaultExt, "conf");
  EXPECT_FALSE(SaveDialog1().overwritePrompt);
  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_EQ(session.state.currentPath, dir.File("copy.conf"));
  EXPECT_TRUE(session.state.modified);
  EXPECT_TRUE(ChangeDetected(session));
  std::string copy = Conf("copy.conf");
  // The clean-up follows the append, so the empty unit record is gone too.
  EXPECT_NE(copy.find("[ControlServer]\r\n\r\n\r\n[VoiceDevices:1]\r\n0=PVK,5,a,b\r\n"), std::string::npos);
  EXPECT_EQ(copy.find("1=\r\n"), std::string::npos);
  EXPECT_EQ(Conf(), kConf);  // zidezir.conf itself is not written
}

TEST_F(SaveFlowsTest, SaveAsToATargetThatCannotBeWrittenKeepsItAndTheChangesPending) {
  StartWith(kConf);
  dir.Write("voice.ini", "");
  dir.Write("locked.conf", "[System]\r\nName=old\r\n");
  const bool readOnly = MakeReadOnly(dir.File("locked.conf"));  // not for root on POSIX
  const std::string missingFolder = dir.File("missing-folder") + "/zidezir.conf";
  prompts.fileAnswers = {missingFolder, dir.File("locked.conf")};
  editor.systemName.SetText("new");
  SaveAs(session);
  if (readOnly) SaveAs(session);
  std::vector<MessageSpec> expected{PlainMessage("Не удалось сохранить настройки в файл " + missingFolder)};
  if (readOnly) expected.push_back(PlainMessage("Не удалось сохранить настройки в файл " + dir.File("locked.conf")));
  EXPECT_EQ(prompts.messages, expected);
  EXPECT_EQ(dir.Read("locked.conf"), "[System]\r\nName=old\r\n");
  // The entries hold the editor's values now; the flag still reports them as unsaved.
  EXPECT_TRUE(session.state.modified);
  EXPECT_TRUE(ChangeDetected(session));
}

TEST_F(SaveFlowsTest, SaveAsWithoutVoiceIniOrWithAHeldFile) {
  StartWith(kConf);
  prompts.fileAnswers = {dir.File("a.conf"), dir.File("b.conf")};
  std::vector<std::string>& atMessage = WatchAtMessages("a.conf");
  SaveAs(session);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0], PlainMessage("Не найден файл voice.ini"));
  std::string a = Conf("a.conf");
  EXPECT_TRUE(EndsWith(a, "[PollServer]\r\n[ControlServer]\r\n")) << a;
  EXPECT_EQ(Cp1251ToUtf8(atMessage.at(0)), a);  // said once the chosen file is written
  EXPECT_TRUE(session.state.modified);

  FileHold hold(dir.File("zidezir.conf"));
  SaveAs(session);
  EXPECT_FALSE(dir.Exists("b.conf"));
  EXPECT_EQ(prompts.messages.back().text,
            "Файл конфигурации шлюза zidezir.conf открыт в другой программе. Закройте файл zidezir.conf");
}

}  // namespace
}  // namespace zz::test
