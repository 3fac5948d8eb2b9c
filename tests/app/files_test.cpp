// What the real main window reads and writes: placement, opening a configuration, Save As
// and the close flow with its saves, lock and restart question.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "block_texts.h"
#include "file_hold.h"
#include "main_window_fixture.h"
#include "save_flows.h"
#include "win32/utf16.h"

namespace zz::test {
namespace {

class FilesTest : public MainWindowTest {
 protected:
  RECT Bounds() {
    RECT r{};
    GetWindowRect(Form().hwnd(), &r);
    return r;
  }
  void Changed() { Ed().EditNetworkListenerPort().SetText("1721"); }
  int ScaledWidth() { return MulDiv(kMinWidth, Form().Dpi(), 96); }
};

const char* kRestartText =
    "Чтобы изменения вступили в силу, службу надо перезапустить. Перезапустить службу сейчас?\r\n"
    "После перезапуска службы, программа zurerizeda будет закрыта";

TEST_F(FilesTest, PlacementIsSavedOnCloseAndRestoredWithTheScreenBound) {
  dir.Write("voice.ini", "");
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
  struct Case {
    int left, top;
    int expectLeft, expectTop;
  };
  for (const Case& c : {Case{5000, 40, screenWidth - 1100, 40}, Case{-50, 30, -50, 30},
                        Case{100, 4000, 100, screenHeight - 700}}) {
    dir.Write("Zurerizeda.ini", "[MainForm]\r\nTop=" + std::to_string(c.top) + "\r\nLeft=" + std::to_string(c.left) +
                                    "\r\nHeight=700\r\nWidth=1100\r\n[CheckBoxVid]\r\nCheck=0\r\n");
    Start();
    RECT r = Bounds();
    EXPECT_EQ(r.left, c.expectLeft) << c.left;
    EXPECT_EQ(r.top, c.expectTop) << c.top;
    EXPECT_EQ(r.right - r.left, 1100);
    EXPECT_EQ(r.bottom - r.top, 700);
    ASSERT_TRUE(Close());
  }
  // Values that are not numbers keep the window where the system put it; the close writes all.
  dir.Write("Zurerizeda.ini", "[MainForm]\r\nTop=high\r\nLeft=\r\n");
  Start();
  RECT before = Bounds();
  SetWindowPos(Form().hwnd(), nullptr, 33, 44, 1200, 720, SWP_NOZORDER);
  ASSERT_TRUE(Close());
  std::string saved = dir.Read("Zurerizeda.ini");
  EXPECT_NE(saved.find("Top=44\r\n"), std::string::npos) << saved;
  EXPECT_NE(saved.find("Left=33\r\n"), std::string::npos) << saved;
  EXPECT_NE(saved.find("Height=720\r\n"), std::string::npos) << saved;
  EXPECT_NE(saved.find("Width=1200\r\n"), std::string::npos) << saved;
  EXPECT_NE(saved.find("[CheckBoxVid]\r\nCheck=0\r\n"), std::string::npos) << saved;
  EXPECT_EQ(before.right - before.left, 1045);
}

// The columns of the block list and of the block dialog's unit list are kept beside the
// placement, in design pixels: they come back scaled to the DPI, never narrower than what the
// column must show, and a list that is not five widths leaves the starting ones.
TEST_F(FilesTest, ColumnWidthsAreSavedOnCloseAndRestoredAtTheirDpi) {
  dir.Write("voice.ini", "");
  auto scaled = [&](int design) { return MulDiv(design, Form().Dpi(), 96); };
  struct Case {
    const char* blockColumns;
    const char* unitColumns;
    // Design pixels; 0: the column's minimum, -1: its minimum or more (the last column of the
    // starting widths gives way to the others).
    std::array<int, 5> expectBlock;
    ColumnWidths expectUnit;
  };
  const Case cases[] = {
      {"60,100,80,140,300", "40,150,90,120,140", {60, 100, 80, 140, 300}, {40, 150, 90, 120, 140}},
      {"60,5,80,140,300", "40,150,90,120,140", {60, 0, 80, 140, 300}, {40, 150, 90, 120, 140}},
      {"60,100,80", "a,b,c,d,e", {48, 81, 69, 132, -1}, kUnitGridWidths},
  };
  for (const Case& c : cases) {
    dir.Write("Zurerizeda.ini", std::string("[MainForm]\r\nHeight=700\r\nWidth=1100\r\n[Columns]\r\nStringGrid1=") +
                                    c.blockColumns + "\r\nStringGrid2=" + c.unitColumns + "\r\n");
    Start();
    const ui::ListView& grid = Form().PanelTrl().StringGrid1.control();
    const GridColumns& columns = Form().PanelTrl().StringGrid1Columns;
    for (int i = 0; i < 5; ++i) {
      const int design = c.expectBlock[static_cast<std::size_t>(i)];
      if (design < 0)
        EXPECT_GE(grid.ColumnWidth(i), columns.Minimum(i)) << c.blockColumns << ", column " << i;
      else
        EXPECT_EQ(grid.ColumnWidth(i), std::max(design ? scaled(design) : 0, columns.Minimum(i)))
            << c.blockColumns << ", column " << i;
    }
    EXPECT_EQ(Form().PanelTrl().unitColumns, c.expectUnit) << c.unitColumns;
    ASSERT_TRUE(Close());
  }

  // What the user gave the columns is written on close, and read back at the next start.
  Start();
  const ColumnWidths unit{36, 120, 95, 130, 150};
  Form().PanelTrl().unitColumns = unit;
  Form().PanelTrl().StringGrid1.control().SetColumnWidth(4, scaled(320));
  ASSERT_TRUE(Close());
  const std::string saved = dir.Read("Zurerizeda.ini");
  EXPECT_NE(saved.find("\r\nStringGrid2=36,120,95,130,150\r\n"), std::string::npos) << saved;
  EXPECT_NE(saved.find(",320\r\n"), std::string::npos) << saved;
  Start();
  EXPECT_EQ(Form().PanelTrl().unitColumns, unit);
  EXPECT_NEAR(Form().PanelTrl().StringGrid1.control().ColumnWidth(4), scaled(320), 1);
}

TEST_F(FilesTest, OpeningAConfigurationLoadsItMarksItModifiedAndMergesItsUnits) {
  dir.Write("voice.ini", "");
  dir.Write("other.conf", SampleConf());
  Start();
  dir.Write("voice.ini", "[VoiceDevices:3]\r\n0=MSD,2,Keep,h\r\n");
  prompts.fileAnswers = {std::nullopt};
  Menu(kMenuOpen);
  EXPECT_FALSE(State().loaded);
  prompts.fileAnswers = {dir.File("other.conf")};
  Menu(kMenuOpen);
  ASSERT_EQ(prompts.dialogs.size(), 2u);
  const FileDialogSpec& d = prompts.dialogs[0];
  EXPECT_EQ(d.fileName, "zidezir.conf");
  EXPECT_EQ(d.defaultExt, "conf");
  EXPECT_EQ(d.filter, "Zidezir file (*.conf)|*.conf");
  EXPECT_TRUE(d.hideReadOnly && d.noChangeDir && d.fileMustExist && d.resizable);
  EXPECT_TRUE(State().loaded);
  EXPECT_TRUE(State().modified);
  EXPECT_EQ(State().currentPath, dir.File("other.conf"));
  EXPECT_EQ(Form().StatusBar1().PartText(0), dir.File("other.conf"));
  EXPECT_EQ(Ed().EditSystemName().Text(), "Gate One");
  std::string voice = dir.Read("voice.ini");
  EXPECT_NE(voice.find("0=MSD,2,Keep,h"), std::string::npos) << voice;
  EXPECT_NE(voice.find("0=PVK,5,Door,10.0.0.9"), std::string::npos) << voice;
  // The dialog now holds the chosen file.
  Menu(kMenuOpen);
  EXPECT_EQ(prompts.dialogs.back().fileName, dir.File("other.conf"));
}

TEST_F(FilesTest, AnErrorInAHandlerIsShownInAnErrorBoxAndTheWindowGoesOn) {
  dir.Write("voice.ini", "");
  dir.Write("other.conf", SampleConf());
  Start();
  ASSERT_TRUE(MakeReadOnly(dir.File("voice.ini")));
  prompts.fileAnswers = {dir.File("other.conf")};
  Menu(kMenuOpen);  // the merge cannot write voice.ini
  std::vector<SeenDialog> seen = watcher.Seen();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text, "Не удалось сохранить настройки в файл " + dir.File("voice.ini"));
  EXPECT_EQ(seen[0].icon, MessageIcon::kError);
  EXPECT_EQ(seen[0].caption, "zurerizeda");
  // The load before it stands, and the window still answers.
  EXPECT_EQ(Ed().EditSystemName().Text(), "Gate One");
  Click(Form().Panel1().Button(NavButton::kAdd));
  EXPECT_TRUE(Form().PanelAdd().Visible());
  SetFileAttributesW(Widen(dir.File("voice.ini")).c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(FilesTest, SaveAsWritesTheChosenFileThroughThePromptsSeam) {
  dir.Write("zidezir.conf", SampleConf());
  dir.Write("voice.ini", "");
  Start();
  Ed().EditSystemAdmin().SetText("root@example.org");
  prompts.fileAnswers = {dir.File("copy.conf")};
  Menu(kMenuSaveAs);
  ASSERT_EQ(prompts.dialogs.size(), 1u);
  EXPECT_EQ(prompts.dialogs[0].filter, "Zidezir file (*.conf)|*.conf");
  EXPECT_FALSE(prompts.dialogs[0].overwritePrompt);
  std::string copy = dir.Read("copy.conf");
  EXPECT_NE(copy.find("Admin=root@example.org\r\n"), std::string::npos) << copy;
  EXPECT_NE(copy.find("[VoiceDevices:1]\r\n0=PVK,5,Door,10.0.0.9\r\n"), std::string::npos) << copy;
  EXPECT_TRUE(State().modified);
  EXPECT_EQ(State().currentPath, dir.File("copy.conf"));
  EXPECT_EQ(dir.Read("zidezir.conf"), SampleConf());  // the program's own file waits for the close
}

TEST_F(FilesTest, ClosingWithoutChangesAsksNothingAndWritesNothing) {
  dir.Write("zidezir.conf", SampleConf());
  dir.Write("voice.ini", "");
  Start();
  EXPECT_TRUE(Close());
  EXPECT_TRUE(watcher.Seen().empty());
  EXPECT_EQ(dir.Read("zidezir.conf"), SampleConf());
}

TEST_F(FilesTest, ClosingWithChangesAndAnsweringNoWritesTheConfiguration) {
  dir.Write("zidezir.conf", SampleConf());
  dir.Write("voice.ini", "");
  Start();
  // What the block dialogs left in voice.ini is what the save appends.
  dir.Write("voice.ini", "[VoiceDevices:1]\r\n0=PVK,6,Gate,10.0.0.8\r\n");
  RememberVoiceFile(Form().Session());  // as the window does after its own writes
  Changed();
  watcher.Script({{IDNO, {}}});
  ASSERT_TRUE(Close());
  std::vector<SeenDialog> seen = watcher.Seen();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].caption, "Конфигурация шлюза изменена");
  EXPECT_EQ(seen[0].text, kRestartText);
  EXPECT_EQ(seen[0].icon, MessageIcon::kQuestion);
  std::string conf = dir.Read("zidezir.conf");
  EXPECT_NE(conf.find("Listener Port=1721\r\n"), std::string::npos) << conf;
  EXPECT_NE(conf.find("[VoiceDevices:1]\r\n0=PVK,6,Gate,10.0.0.8\r\n"), std::string::npos) << conf;
  EXPECT_NE(dir.Read("Zurerizeda.ini").find("[MainForm]"), std::string::npos);
}

TEST_F(FilesTest, LockedConfigurationKeepsTheWindowOpenWithTheLockMessage) {
  dir.Write("zidezir.conf", SampleConf());
  dir.Write("voice.ini", "");
  Start();
  Changed();
  {
    FileHold hold(Conf());
    ASSERT_TRUE(hold.held());
    watcher.Script({{IDOK, {}}, {IDNO, {}}});
    PostMessageW(Form().hwnd(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return watcher.Seen().size() == 2; }, 10000));
    Pump(100);
    EXPECT_TRUE(Form().Alive());  // No: stay, to close the other program and save
    SeenDialog lock = watcher.Seen()[0];
    EXPECT_EQ(lock.text, "Файл конфигурации шлюза zidezir.conf открыт в другой программе. Закройте файл zidezir.conf");
    EXPECT_EQ(lock.caption, "Внимание!");
    EXPECT_EQ(lock.icon, MessageIcon::kWarning);
    EXPECT_EQ(watcher.Seen()[1].text,
              "Изменения конфигурации не сохранены. Закрыть программу без сохранения изменений?");
    // The placement is saved also when the close is refused.
    EXPECT_TRUE(dir.Exists("Zurerizeda.ini"));
  }
  EXPECT_EQ(dir.Read("zidezir.conf"), SampleConf());
  watcher.Script({{IDNO, {}}});
  EXPECT_TRUE(Close());
  EXPECT_NE(dir.Read("zidezir.conf").find("Listener Port=1721"), std::string::npos);
}

TEST_F(FilesTest, ConfigurationLoadedWhileTheProgramFileIsAbsentIsSavedAsANewFile) {
  dir.Write("voice.ini", "");
  dir.Write("other.conf", SampleConf());
  Start();
  prompts.fileAnswers = {dir.File("other.conf")};
  Menu(kMenuOpen);
  watcher.Script({{IDNO, {}}});
  ASSERT_TRUE(Close());
  ASSERT_TRUE(dir.Exists("zidezir.conf"));
  EXPECT_NE(dir.Read("zidezir.conf").find("Name=Gate One\r\n"), std::string::npos);
  ASSERT_EQ(watcher.Seen().size(), 1u);
  EXPECT_EQ(watcher.Seen()[0].text, kRestartText);
  EXPECT_EQ(dir.Read("other.conf"), SampleConf());
}

}  // namespace
}  // namespace zz::test

namespace zz::test {
namespace {

// The settings file is a convenience: whatever keeps it from being read or written, the
// program says nothing of it, and the configuration is saved and the window closes as ever.
TEST_F(FilesTest, ASettingsFileThatCannotBeWrittenNeitherTrapsTheWindowNorStopsTheSave) {
  dir.Write("zidezir.conf", SampleConf());
  dir.Write("voice.ini", "");
  const std::string settings = "[MainForm]\r\nTop=40\r\nLeft=30\r\nHeight=700\r\nWidth=1100\r\n[CheckBoxVid]\r\nCheck=1\r\n";
  dir.Write("Zurerizeda.ini", settings);
  ASSERT_TRUE(MakeReadOnly(dir.File("Zurerizeda.ini")));
  Start();
  EXPECT_TRUE(watcher.Seen().empty());
  EXPECT_EQ(Bounds().left, 30);  // a read-only file still reads
  EXPECT_TRUE(Form().Extended());

  Changed();
  watcher.Script({{IDNO, {}}});
  ASSERT_TRUE(Close());
  ASSERT_EQ(watcher.Seen().size(), 1u);
  EXPECT_EQ(watcher.Seen()[0].text, kRestartText);
  EXPECT_NE(dir.Read("zidezir.conf").find("Listener Port=1721\r\n"), std::string::npos);
  EXPECT_EQ(dir.Read("Zurerizeda.ini"), settings);
}

TEST_F(FilesTest, ASettingsFileHeldByAnotherProgramGivesTheDefaultsWithoutAMessage) {
  dir.Write("voice.ini", "");
  const std::string settings = "[MainForm]\r\nTop=40\r\nLeft=30\r\nHeight=700\r\nWidth=1200\r\n[CheckBoxVid]\r\nCheck=1\r\n";
  dir.Write("Zurerizeda.ini", settings);
  {
    FileHold hold(dir.File("Zurerizeda.ini"));
    ASSERT_TRUE(hold.held());
    Start();
    EXPECT_TRUE(watcher.Seen().empty());
    EXPECT_EQ(Bounds().right - Bounds().left, ScaledWidth());  // the design size, not the stored one
    EXPECT_FALSE(Form().Extended());
    EXPECT_TRUE(Close());
    EXPECT_TRUE(watcher.Seen().empty());
  }
  EXPECT_EQ(dir.Read("Zurerizeda.ini"), settings);
}

// Files in a form the program cannot read, as other tools leave them: the window says once
// what is wrong with which file, starts without a configuration, and neither closing nor
// opening another file replaces a byte of them or of voice.ini.
TEST_F(FilesTest, FilesThatCannotBeReadAreToldAndNeverReplaced) {
  const std::string conf = "[System]\r\nName=Gate\r\n[Network]\r\nListener Port=1720\r\n";
  struct Unreadable {
    const char* name;
    std::string bytes;
    std::string told;  // what the message says is wrong
  };
  const Unreadable forms[] = {
      {"UTF-16", Utf16Le(conf), "сохранён в кодировке UTF-16 (Юникод)"},
      {"UTF-8 with BOM", "\xEF\xBB\xBF" + conf, "сохранён в кодировке UTF-8 с меткой BOM"},
      {"CR only", "[System]\rName=Gate\r[Network]\rListener Port=1720\r", "только символом CR"},
      {"binary", std::string("MZ\x90\0\x03\0\0\0[System]", 16), "содержит нулевые байты"},
      {"voice.ini", "[VoiceDevices:1]\r\n0=PVK,5,a,h\r\n", "список переговорных устройств"},
  };
  const std::string voice = "[VoiceDevices:1]\r\n0=PVK,5,Door,10.0.0.9\r\n";
  const std::string settings = "\xFF\xFE[\0M\0]\0";  // Zurerizeda.ini written by PowerShell
  for (const Unreadable& form : forms) {
    SCOPED_TRACE(form.name);
    dir.Write("zidezir.conf", form.bytes);
    dir.Write("voice.ini", voice);
    dir.Write("Zurerizeda.ini", settings);
    dir.Write("other.conf", form.bytes);
    watcher.Forget();
    Start();
    std::vector<SeenDialog> seen = watcher.Seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, "Внимание!");
    EXPECT_EQ(seen[0].icon, MessageIcon::kWarning);
    EXPECT_EQ(seen[0].text.rfind("Файл " + Conf() + " ", 0), 0u) << seen[0].text;
    EXPECT_NE(seen[0].text.find(form.told), std::string::npos) << seen[0].text;
    EXPECT_NE(seen[0].text.find("Пока файл не исправлен, программа не изменяет его."), std::string::npos);
    EXPECT_FALSE(State().loaded);
    EXPECT_EQ(Form().StatusBar1().PartText(0), "Файл конфигурации не загружен: показаны значения по умолчанию");
    // The same file chosen in the open dialog: told again, and nothing is taken from it.
    prompts.fileAnswers = {dir.File("other.conf")};
    Menu(kMenuOpen);
    ASSERT_EQ(watcher.Seen().size(), 2u);
    EXPECT_EQ(watcher.Seen()[1].text.rfind("Файл " + dir.File("other.conf") + " ", 0), 0u);
    EXPECT_FALSE(State().loaded);
    EXPECT_FALSE(State().modified);
    Changed();
    ASSERT_TRUE(Close());
    EXPECT_EQ(watcher.Seen().size(), 2u);  // no save, no restart question
    EXPECT_EQ(dir.Read("zidezir.conf"), form.bytes);
    EXPECT_EQ(dir.Read("voice.ini"), voice);
    EXPECT_EQ(dir.Read("Zurerizeda.ini"), settings);
  }
}

}  // namespace
}  // namespace zz::test
