// Start-up of the real main window with and without its files.
#include <gtest/gtest.h>

#include <algorithm>

#include "app_texts.h"
#include "main_window_fixture.h"
#include "messages.h"
#include "win32/utf16.h"

namespace zz::test {
namespace {

using StartupTest = MainWindowTest;

// An empty program folder starts with the values of the four defaults buttons, says so in the
// status bar, and a Save As writes those values: no yes/no list left blank to be saved as "yes".
TEST_F(StartupTest, WithoutAnyFileSaysVoiceIniIsMissingAndStartsWithTheDefaults) {
  Start();
  std::vector<SeenDialog> seen = watcher.Seen();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text, "Не найден файл voice.ini");
  EXPECT_EQ(seen[0].caption, text::kProgramTitle);
  EXPECT_EQ(seen[0].icon, MessageIcon::kNone);

  EXPECT_FALSE(State().loaded);
  EXPECT_FALSE(State().modified);
  EXPECT_EQ(State().currentPath, "");
  EXPECT_EQ(settingsFileName, dir.File("Zurerizeda.ini"));
  EXPECT_EQ(Form().StatusBar1().PartText(0), text::kNoConfigurationLoaded);
  struct Shown {
    const char* what;
    std::string text;
    const char* expected;
  };
  NetworkPage& network = Form().PanelNetwork();
  VoicePage& voice = Form().PanelVoice();
  const Shown shown[] = {
      {"need gatekeeper", network.ComboBoxNetworkNeedGatekeeper.control().Text(), "Нет"},
      {"fast start", network.ComboBoxH323DisableFastStart.control().Text(), "Нет"},
      {"H245 tunneling", network.ComboBoxH323DisableH245Tunneling.control().Text(), "Нет"},
      {"H245 in setup", network.ComboBoxH323DisableH245InSetup.control().Text(), "Нет"},
      {"polling", Form().PanelTrl().ComboBoxVoise.control().Text(), "Нет"},
      {"listener port", network.EditNetworkListenerPort.Text(), "1720"},
      {"threshold", voice.EditSilenceDetectionThreshold.Text(), "50"},
      {"jitter", Ed().EditAudioAudioJitterDelay().Text(), "50-250"},
  };
  for (const Shown& s : shown) EXPECT_EQ(s.text, s.expected) << s.what;
  EXPECT_EQ(Ed().ComboBoxMaxCall().ItemIndex(), 0);
  EXPECT_EQ(Ed().RadioGroupLogLevel().ItemIndex(), 2);
  EXPECT_EQ(Ed().ListBoxPrefixes().Items().size(), 10u);
  EXPECT_FALSE(Form().Extended());
  EXPECT_FALSE(Form().PanelNetwork().GroupBox8.Visible());
  EXPECT_EQ(dir.Read("voice.ini"), "");  // made, empty: there are no units to keep

  prompts.fileAnswers = {dir.File("first.conf")};
  Menu(kMenuSaveAs);
  const std::string saved = dir.Read("first.conf");
  for (const char* line : {"Need Gatekeeper=no\r\n", "Disable Fast Start=no\r\n", "Disable H245 Tunneling=no\r\n",
                           "Disable H245 In Setup=no\r\n", "Enable Polling=no\r\n", "Listener Port=1720\r\n"})
    EXPECT_NE(saved.find(line), std::string::npos) << line << saved;
  EXPECT_EQ(saved.find("=yes"), std::string::npos) << saved;

  // Closing without a loaded configuration saves nothing but the placement.
  EXPECT_TRUE(Close());
  EXPECT_FALSE(dir.Exists("zidezir.conf"));
  std::string settings = dir.Read("Zurerizeda.ini");
  EXPECT_NE(settings.find("[MainForm]"), std::string::npos);
  EXPECT_NE(settings.find("[CheckBoxVid]\r\nCheck=0"), std::string::npos);
  EXPECT_EQ(watcher.Seen().size(), 1u);
}

TEST_F(StartupTest, FrameHasItsCaptionSizesPanelsHeaderAndHintTime) {
  Start();
  HWND h = Form().hwnd();
  wchar_t caption[128] = {};
  GetWindowTextW(h, caption, 128);
  EXPECT_EQ(Narrow(caption), "Настройка шлюза VELTO Gateway");
  RECT r{};
  GetWindowRect(h, &r);
  EXPECT_EQ(r.right - r.left, 1045);
  EXPECT_EQ(r.bottom - r.top, 670);
  // The window cannot be made smaller than its design size.
  SetWindowPos(h, nullptr, 0, 0, 400, 300, SWP_NOMOVE | SWP_NOZORDER);
  GetWindowRect(h, &r);
  EXPECT_EQ(r.right - r.left, 1045);
  EXPECT_EQ(r.bottom - r.top, 670);

  EXPECT_EQ(StatusPartEdges(Form().StatusBar1()), (std::vector<int>{500, 800, 850}));
  EXPECT_EQ(Form().StatusBar1().Bounds().height, 25);
  EXPECT_EQ(Form().Panel1().Button(NavButton::kTrl).Bounds().width, 185);
  EXPECT_EQ(Form().Hints().AutoPop(), 15000);

  const ui::ListView& grid = Form().PanelTrl().StringGrid1.control();
  ASSERT_EQ(grid.ColumnCount(), 5);
  const char* headers[] = {" N", " Тип блока", " Порт", " IP адрес", " Комментарий"};
  // The design's widths where the headers fit them; the comment column gives up what the
  // others took beyond them.
  const int widths[] = {48, 81, 69, 132, 245};
  const GridColumns& columns = Form().PanelTrl().StringGrid1Columns;
  for (int c = 0; c < 5; ++c) {
    EXPECT_EQ(grid.ColumnText(c), headers[c]) << c;
    if (c < 4) {
      EXPECT_EQ(grid.ColumnWidth(c), std::max(widths[c], columns.Minimum(c))) << c;
    }
  }
  EXPECT_GE(grid.ColumnWidth(4), std::max(widths[4] - 30, columns.Minimum(4)));
  EXPECT_TRUE(ListView_GetExtendedListViewStyle(grid.hwnd()) & LVS_EX_FULLROWSELECT);
  EXPECT_EQ(grid.ItemCount(), 1);  // the empty row of a list without blocks
}

TEST_F(StartupTest, WithConfigurationAndVoiceIniLoadsTheFieldsAndRebuildsTheUnitLists) {
  dir.Write("zidezir.conf", SampleConf());
  dir.Write("voice.ini", "[VoiceDevices:7]\r\n0=MSD,1,Old,host\r\n");
  Start();
  EXPECT_TRUE(watcher.Seen().empty());
  EXPECT_TRUE(State().loaded);
  EXPECT_FALSE(State().modified);
  EXPECT_EQ(State().currentPath, Conf());
  EXPECT_EQ(Form().StatusBar1().PartText(0), Conf());
  EXPECT_EQ(Ed().EditSystemName().Text(), "Gate One");
  EXPECT_EQ(Ed().EditNetworkListenerInterface().Text(), "10.0.0.5");
  EXPECT_EQ(Ed().ComboBoxNetworkNeedGatekeeper().ItemIndex(), 1);
  EXPECT_EQ(Form().PanelVoice().EditAudioTxBuffer.Text(), "300");
  EXPECT_EQ(Ed().RadioGroupLogSysLogLevel().ItemIndex(), 3);
  EXPECT_TRUE(Form().PanelAdd().RadioGroupLogSysLogLevel.Button(3).Checked());
  EXPECT_TRUE(Ed().CheckBoxDeviceSettingsRTS().Checked());
  EXPECT_EQ(Ed().ListBoxPrefixes().Items(), (std::vector<std::string>{"1=11", "2=22"}));

  const ui::ListView& grid = Form().PanelTrl().StringGrid1.control();
  ASSERT_EQ(grid.ItemCount(), 2);
  EXPECT_EQ(grid.ItemText(0, 0), "1");
  EXPECT_EQ(grid.ItemText(0, 1), "ТРЛ-М");
  EXPECT_EQ(grid.ItemText(0, 2), "COM1");
  EXPECT_EQ(grid.ItemText(1, 1), "ТРЛ-МЕ");
  EXPECT_EQ(grid.ItemText(1, 3), "192.168.1.201");
  EXPECT_EQ(grid.ItemText(1, 4), "Store");

  // voice.ini now holds the configuration's sections only.
  std::string voice = dir.Read("voice.ini");
  EXPECT_NE(voice.find("[VoiceDevices:1]"), std::string::npos);
  EXPECT_NE(voice.find("0=PVK,5,Door,10.0.0.9"), std::string::npos);
  EXPECT_EQ(voice.find("VoiceDevices:7"), std::string::npos);
  EXPECT_TRUE(Visible(Form().PanelTrl()));
}

TEST_F(StartupTest, WithoutVoiceIniTheUnitsOfTheConfigurationAreKeptAndSaved) {
  dir.Write("zidezir.conf", SampleConf());
  Start();
  std::vector<SeenDialog> seen = watcher.Seen();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text, "Не найден файл voice.ini");
  EXPECT_TRUE(State().loaded);
  EXPECT_EQ(Ed().EditSystemName().Text(), "Gate One");
  // As on a first start after installing: voice.ini is made from the configuration, and the
  // next save keeps the intercom units.
  EXPECT_EQ(dir.Read("voice.ini"), "[VoiceDevices:1]\r\n0=PVK,5,Door,10.0.0.9\r\n");
  Ed().EditSystemName().SetText("Gate Two");
  watcher.Script({{IDNO, {}}});
  ASSERT_TRUE(Close());
  const std::string saved = dir.Read("zidezir.conf");
  EXPECT_NE(saved.find("Name=Gate Two\r\n"), std::string::npos);
  EXPECT_NE(saved.find("[VoiceDevices:1]\r\n0=PVK,5,Door,10.0.0.9\r\n"), std::string::npos) << saved;
}

TEST_F(StartupTest, BadIntegerIsReportedInAnErrorBoxAndTheWindowGoesOn) {
  dir.Write("zidezir.conf", "[Audio]\nTxBuffer=abc\n[System]\nName=After\n");
  dir.Write("voice.ini", "");
  Start();
  std::vector<SeenDialog> seen = watcher.Seen();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text, "'abc' is not a valid integer value");
  EXPECT_EQ(seen[0].icon, MessageIcon::kError);
  EXPECT_EQ(Ed().UpDownTxBufer().Position(), 200);
  EXPECT_EQ(Ed().EditSystemName().Text(), "After");
  Click(Form().Panel1().Button(NavButton::kNetwork));
  EXPECT_TRUE(Visible(Form().PanelNetwork()));
}

TEST_F(StartupTest, NavigationBarPaintsTheGradient) {
  Start();
  Pump(100);
  HWND bar = Form().Panel1().hwnd();
  HDC dc = GetDC(bar);
  // Right of the buttons: one level less every two rows, black from row 510.
  EXPECT_EQ(GetPixel(dc, 197, 4), RGB(253, 253, 253));
  EXPECT_EQ(GetPixel(dc, 197, 300), RGB(105, 105, 105));
  EXPECT_EQ(GetPixel(dc, 197, 509), RGB(1, 1, 1));
  EXPECT_EQ(GetPixel(dc, 197, 540), RGB(0, 0, 0));
  ReleaseDC(bar, dc);
}

}  // namespace
}  // namespace zz::test
