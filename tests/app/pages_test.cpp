// The pages of the real main window: navigation, key filters, hints, items, defaults,
// prefix editing, the trace-file chooser, the view switch and the help documents.
#include <gtest/gtest.h>

#include <functional>

#include "app_texts.h"
#include "main_window_fixture.h"
#include "page_fields.h"
#include "win32/utf16.h"

namespace zz::test {
namespace {

class PagesTest : public MainWindowTest {
 protected:
  void SetUp() override {
    dir.Write("voice.ini", "");
    Start();
  }
};

TEST_F(PagesTest, EachNavigationButtonShowsItsPageOnly) {
  TMainForm& f = Form();
  std::vector<std::pair<NavButton, Page*>> table = {
      {NavButton::kNetwork, &f.PanelNetwork()}, {NavButton::kVoice, &f.PanelVoice()},
      {NavButton::kAdd, &f.PanelAdd()},         {NavButton::kService, &f.PanelService()},
      {NavButton::kTrl, &f.PanelTrl()},
  };
  std::vector<Page*> pages;
  for (auto& row : table) pages.push_back(row.second);
  EXPECT_TRUE(f.PanelTrl().Visible());  // after start
  for (auto& [button, page] : table) {
    Click(f.Panel1().Button(button));
    for (Page* other : pages) EXPECT_EQ(other->Visible(), other == page) << static_cast<int>(button);
    // The page fills the area right of the navigation bar.
    ui::Rect r = ui::Control(page->hwnd()).Bounds();
    EXPECT_EQ(r.x, 201);
    EXPECT_EQ(r.height, ui::Control(f.Panel1().hwnd()).Bounds().height);
  }
  EXPECT_EQ(f.Panel1().Button(NavButton::kTrl).Text(), "Блоки ТРЛ-М");
  EXPECT_EQ(f.Panel1().Button(NavButton::kClose).Text(), "Закрыть");
  EXPECT_EQ(f.PanelVoice().Title().Text(), "Настройки звука");
  EXPECT_EQ(f.PanelService().Title().Text(), "Служба ZIDEZIR");
}

TEST_F(PagesTest, CloseButtonClosesTheWindow) {
  Click(Form().Panel1().Button(NavButton::kClose));
  EXPECT_TRUE(PumpUntil([&] { return !Form().Alive(); }, 10000));
}

TEST_F(PagesTest, DoubleClickOnThePortLabelClosesTheWindow) {
  Click(Form().Panel1().Button(NavButton::kNetwork));
  SendMessageW(Form().PanelNetwork().hwnd(), WM_COMMAND,
               MAKEWPARAM(Form().PanelNetwork().Label8.Id(), STN_DBLCLK),
               reinterpret_cast<LPARAM>(Form().PanelNetwork().Label8.hwnd()));
  EXPECT_TRUE(PumpUntil([&] { return !Form().Alive(); }, 10000));
}

TEST_F(PagesTest, KeyFiltersDiscardWithABeepAndLetThroughWhatTheyAdmit) {
  NetworkPage& n = Form().PanelNetwork();
  VoicePage& v = Form().PanelVoice();
  struct Case {
    const EditField* edit;
    unsigned ch;
    bool passes;
  };
  const unsigned kEnter = 13, kEscape = 27, kCtrlV = 22, kCyrillicA = 0x0430;
  std::vector<Case> cases;
  for (const EditField* digits : {&n.EditNetworkListenerPort, &n.EditControlServerPort,
                                  &n.EditControlServerConnectionTimeout, &n.EditPollServerBasePort,
                                  &v.EditSilenceDetectionThreshold, &v.EditAudioTxBuffer}) {
    for (unsigned ch : {unsigned('0'), unsigned('9')}) cases.push_back({digits, ch, true});
    for (unsigned ch : {unsigned('a'), unsigned('-'), unsigned(' '), unsigned('.'), kEnter, kEscape, kCtrlV, kCyrillicA})
      cases.push_back({digits, ch, false});
  }
  for (unsigned ch : {unsigned('0'), unsigned('.'), unsigned('7')}) cases.push_back({&n.EditNetworkListenerInterface, ch, true});
  for (unsigned ch : {unsigned(':'), unsigned('x'), unsigned('-'), kEnter})
    cases.push_back({&n.EditNetworkListenerInterface, ch, false});

  for (const Case& c : cases) {
    EditField edit = *c.edit;
    edit.SetText("1");
    SendMessageW(edit.control().hwnd(), EM_SETSEL, 1, 1);
    int before = beeper.beeps;
    Type(edit, c.ch);
    std::string expected = c.passes ? std::string("1") + static_cast<char>(c.ch) : "1";
    EXPECT_EQ(edit.Text(), expected) << "char " << c.ch;
    EXPECT_EQ(beeper.beeps - before, c.passes ? 0 : 1) << "char " << c.ch;
  }

  // Backspace passes and deletes; "0.0.0.0" goes in key by key.
  EditField port = n.EditNetworkListenerPort;
  port.SetText("172");
  SendMessageW(port.control().hwnd(), EM_SETSEL, 3, 3);
  Type(port, 8);
  EXPECT_EQ(port.Text(), "17");
  EditField iface = n.EditNetworkListenerInterface;
  iface.SetText("");
  int before = beeper.beeps;
  TypeText(iface, "0.0.0.0");
  EXPECT_EQ(iface.Text(), "0.0.0.0");
  EXPECT_EQ(beeper.beeps, before);
  // Free fields take anything.
  EditField name = n.EditSystemName;
  name.SetText("");
  TypeText(name, "a-b c");
  EXPECT_EQ(name.Text(), "a-b c");
  EXPECT_EQ(beeper.beeps, before);
}

TEST_F(PagesTest, FieldsCarryTheirHints) {
  TMainForm& f = Form();
  NetworkPage& n = f.PanelNetwork();
  VoicePage& v = f.PanelVoice();
  std::vector<std::pair<HWND, std::string>> table = {
      {n.EditNetworkListenerInterface.control().hwnd(),
       "Сетевой интерфейс, к которому будет привязана программа.\r\nПо умолчанию  \"0.0.0.0\" (привязка ко всем интерфейсам)"},
      {n.EditNetworkListenerPort.control().hwnd(),
       "Сетевой порт, на котором проограмма ожидает входящие звонки.\r\nПо умолчанию 1720"},
      {n.EditGatekeeperID.control().hwnd(), "Идентификатор гейткипера. \r\nПо умолчанию - пустая строка"},
      {n.ComboBoxH323DisableH245InSetup.control().hwnd(),
       "Значение \"Да\" для отключения H.245 на этапе SETUP.\r\nПо умолчанию \"Нет\""},
      {v.EditSilenceDetectionSignalDeadband.control().hwnd(), "Интервал появления сигнала (мс). \r\nПо умолчанию 100"},
      {v.ComboBoxMaxCall.control().hwnd(), "Количество переговоров"},
      {v.EditAudioTxBuffer.control().hwnd(),
       "Величина задержки передачи звука в переговорное устройство (мс). \r\nЗадержка необходима для предотвращения "
       "отсекания начала фразы \r\nдиспетчера в режиме автоматического переключения «прием–передача».\r\nПо "
       "умолчанию  200"},
      {f.PanelAdd().SpeedButton1.hwnd(),
       "Открыть файл, в который будет выводиться дополнительная \r\nотладочная информация (трассировка). \r\nПо "
       "умолчанию трассировка не ведется"},
      {f.PanelTrl().ComboBoxVoise.control().hwnd(),
       "Опрашивать состояние кнопок вызова блоков и формировать\r\nисходящие вызовы H.323 через шлюз zidezir"},
      {f.PanelService().StartTypeCB.control().hwnd(), "Установка типа запуска службы (По умолчанию - Авто)"},
      {f.PanelService().Label1.hwnd(), "Текущее состояние службы"},
      {f.PanelService().Label3.hwnd(), "Путь к исполняемому файлу"},
  };
  for (const auto& [control, hint] : table) EXPECT_EQ(f.Hints().ToolText(control), hint);
}

TEST_F(PagesTest, ListsAndUpDownsHaveTheirItemsRangesAndSteps) {
  TMainForm& f = Form();
  auto items = [](const IndexControl& list) {
    std::vector<std::string> out;
    for (int i = 0; i < list.ItemCount(); ++i) out.push_back(list.ItemText(i));
    return out;
  };
  const std::vector<std::string> yesNo = {"Нет", "Да"};
  EXPECT_EQ(items(f.PanelNetwork().ComboBoxNetworkNeedGatekeeper), yesNo);
  EXPECT_EQ(items(f.PanelNetwork().ComboBoxH323DisableFastStart), yesNo);
  EXPECT_EQ(items(f.PanelTrl().ComboBoxVoise), yesNo);
  EXPECT_EQ(items(f.PanelVoice().ComboBoxMaxCall),
            (std::vector<std::string>{"Неограничено", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
  const std::vector<std::string> levels(kLevelItems.begin(), kLevelItems.end());
  EXPECT_EQ(items(f.PanelAdd().RadioGroupLogSysLogLevel), levels);
  EXPECT_EQ(items(f.PanelAdd().RadioGroupLogLevel), levels);
  EXPECT_EQ(f.PanelAdd().RadioGroupLogSysLogLevel.group().Text(),
            "Уровень протоколирования событий в системном журнале");
  EXPECT_EQ(f.PanelTrl().CheckBoxDeviceSettingsRTS.control().Text(), "Аппаратное управление (RTS/CTS)");
  EXPECT_FALSE(f.PanelVoice().CheckBoxLogLogAudio.control().Visible());
  EXPECT_EQ(f.PanelVoice().CheckBoxLogLogAudio.control().Text(), "   Записывать переговоры в файл AudioLog.dat");
  EXPECT_EQ(f.PanelAdd().EditLogTraces.control().Bounds().width, 481);

  struct Range {
    const UpDownField* upDown;
    int min, max, step;
  };
  VoicePage& v = f.PanelVoice();
  for (const Range& r : {Range{&v.UpDownTresholdVoise, 0, 1000, 10}, Range{&v.UpDownDirectionalSignal, 0, 5000, 100},
                         Range{&v.UpDownDirectionSilents, 0, 5000, 100}, Range{&v.UpDownTxBufer, 0, 1000, 10}}) {
    int min = -1, max = -1;
    r.upDown->control().GetRange(min, max);
    EXPECT_EQ(min, r.min);
    EXPECT_EQ(max, r.max);
    EXPECT_EQ(r.upDown->control().Step(), r.step);
  }
  // The arrows step the number in the edit, and stop at the range's end.
  UpDownField threshold = v.UpDownTresholdVoise;
  threshold.SetPosition(995);
  EXPECT_EQ(v.EditSilenceDetectionThreshold.Text(), "995");
  HWND buddy = v.EditSilenceDetectionThreshold.control().hwnd();
  SendMessageW(buddy, WM_KEYDOWN, VK_UP, 0);
  SendMessageW(buddy, WM_KEYUP, VK_UP, 0);
  EXPECT_EQ(v.EditSilenceDetectionThreshold.Text(), "1000");
  threshold.SetPosition(5000);
  EXPECT_EQ(v.EditSilenceDetectionThreshold.Text(), "1000");  // no thousands separator either
}

TEST_F(PagesTest, DefaultsButtonsSetTheirOwnPageAndTheModifiedFlag) {
  TMainForm& f = Form();
  Ed().EditSystemName().SetText("Other");
  Ed().ComboBoxNetworkNeedGatekeeper().SetItemIndex(1);
  Ed().ListBoxPrefixes().SetItems({"7=77"});
  Ed().UpDownTxBufer().SetPosition(900);
  Ed().RadioGroupLogLevel().SetItemIndex(5);
  Ed().EditLogTraces().SetText("C:\\t.txt");
  Ed().ComboBoxVoise().SetItemIndex(1);
  Ed().CheckBoxDeviceSettingsRTS().SetChecked(true);

  State().modified = false;
  Click(f.PanelAdd().ButtonDefaultAdd);
  EXPECT_EQ(Ed().RadioGroupLogLevel().ItemIndex(), 2);
  EXPECT_EQ(Ed().RadioGroupLogSysLogLevel().ItemIndex(), 2);
  EXPECT_EQ(Ed().EditLogTraces().Text(), "");
  EXPECT_FALSE(State().modified);
  EXPECT_EQ(Ed().EditSystemName().Text(), "Other");  // other pages untouched

  Click(f.PanelNetwork().ButtonDefaultNetwork);
  EXPECT_TRUE(State().modified);
  EXPECT_EQ(Ed().EditSystemName().Text(), "VELTO Gateway");
  EXPECT_EQ(Ed().EditNetworkListenerInterface().Text(), "0.0.0.0");
  EXPECT_EQ(Ed().EditNetworkListenerPort().Text(), "1720");
  EXPECT_EQ(Ed().ComboBoxNetworkNeedGatekeeper().ItemIndex(), 0);
  EXPECT_EQ(Ed().EditControlServerConnectionTimeout().Text(), "15");
  EXPECT_EQ(Ed().ListBoxPrefixes().Items(),
            (std::vector<std::string>{"0=0", "1=1", "2=2", "3=3", "4=4", "5=5", "6=6", "7=7", "8=8", "9=9"}));
  EXPECT_EQ(Ed().UpDownTxBufer().Position(), 900);

  State().modified = false;
  Click(f.PanelVoice().ButtonDefaultAudio);
  EXPECT_TRUE(State().modified);
  EXPECT_EQ(f.PanelVoice().EditAudioTxBuffer.Text(), "200");
  EXPECT_EQ(Ed().EditAudioAudioJitterDelay().Text(), "50-250");
  EXPECT_EQ(Ed().ComboBoxMaxCall().ItemIndex(), 0);

  State().modified = false;
  Click(f.PanelTrl().Button1Def);
  EXPECT_TRUE(State().modified);
  EXPECT_EQ(Ed().ComboBoxVoise().ItemIndex(), 0);
  EXPECT_FALSE(Ed().CheckBoxDeviceSettingsRTS().Checked());
}

TEST_F(PagesTest, PrefixLineIsEditedThroughTheInputBox) {
  NetworkPage& n = Form().PanelNetwork();
  Menu(kMenuExtended);
  Click(Form().Panel1().Button(NavButton::kNetwork));
  ASSERT_TRUE(n.ListBoxPrefixes.control().Visible());
  n.ListBoxPrefixes.SetItems({"1=11", "2=22", "3=33"});
  const ui::ListBox& list = n.ListBoxPrefixes.control();
  auto doubleClick = [&] {
    RECT item{};
    SendMessageW(list.hwnd(), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
    LPARAM at = MAKELPARAM(item.left + 4, item.top + 3);
    SendMessageW(list.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(list.hwnd(), WM_LBUTTONUP, 0, at);
    SendMessageW(list.hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageW(list.hwnd(), WM_LBUTTONUP, 0, at);
  };

  // Cancel leaves the line.
  State().modified = false;
  watcher.Script({{IDCANCEL, std::string("ignored")}});
  doubleClick();
  Pump(50);
  ASSERT_EQ(watcher.Seen().size(), 1u);
  EXPECT_EQ(watcher.Seen()[0].caption, "Новое значение");
  EXPECT_EQ(watcher.Seen()[0].text, "");
  EXPECT_EQ(watcher.Seen()[0].editText, "2=22");
  EXPECT_EQ(n.ListBoxPrefixes.Items(), (std::vector<std::string>{"1=11", "2=22", "3=33"}));
  EXPECT_FALSE(State().modified);

  // OK replaces it as typed, an empty text too.
  watcher.Script({{IDOK, std::string("2=222")}, {IDOK, std::string("")}});
  doubleClick();
  Pump(50);
  EXPECT_EQ(n.ListBoxPrefixes.Items(), (std::vector<std::string>{"1=11", "2=222", "3=33"}));
  EXPECT_TRUE(State().modified);
  doubleClick();
  Pump(50);
  EXPECT_EQ(n.ListBoxPrefixes.Items(), (std::vector<std::string>{"1=11", "", "3=33"}));

  // With no line selected nothing opens.
  list.SetCurSel(-1);
  size_t seen = watcher.Seen().size();
  SendMessageW(n.hwnd(), WM_COMMAND, MAKEWPARAM(list.Id(), LBN_DBLCLK), reinterpret_cast<LPARAM>(list.hwnd()));
  Pump(100);
  EXPECT_EQ(watcher.Seen().size(), seen);
}

TEST_F(PagesTest, TraceFileChooserPutsTheChosenPathIntoTheField) {
  LogsPage& logs = Form().PanelAdd();
  logs.EditLogTraces.SetText("before");
  prompts.fileAnswers = {std::nullopt, std::string("C:\\logs\\Trace.txt")};
  Click(logs.SpeedButton1);
  EXPECT_EQ(logs.EditLogTraces.Text(), "before");
  ASSERT_EQ(prompts.dialogs.size(), 1u);
  EXPECT_EQ(prompts.dialogs[0].fileName, "Trace.txt");
  EXPECT_EQ(prompts.dialogs[0].defaultExt, "txt");
  EXPECT_EQ(prompts.dialogs[0].filter, "*.txt|*.txt");
  EXPECT_FALSE(prompts.dialogs[0].fileMustExist);
  State().modified = false;
  Click(logs.SpeedButton1);
  EXPECT_EQ(logs.EditLogTraces.Text(), "C:\\logs\\Trace.txt");
  EXPECT_FALSE(State().modified);
}

TEST_F(PagesTest, ViewSwitchShowsThePrefixesAndSurvivesARestart) {
  EXPECT_FALSE(Form().PanelNetwork().GroupBox8.Visible());
  Click(Form().Panel1().Button(NavButton::kNetwork));
  Menu(kMenuExtended);
  EXPECT_TRUE(Form().Extended());
  EXPECT_TRUE(Form().PanelNetwork().GroupBox8.Visible());
  EXPECT_EQ(Form().PanelNetwork().GroupBox8.Text(), "Префиксы номеров абонентов");
  Restart();
  EXPECT_TRUE(Form().Extended());
  Click(Form().Panel1().Button(NavButton::kNetwork));
  EXPECT_TRUE(Form().PanelNetwork().GroupBox8.Visible());
  Menu(kMenuExtended);
  EXPECT_FALSE(Form().PanelNetwork().GroupBox8.Visible());
  Restart();
  EXPECT_FALSE(Form().Extended());
}

TEST_F(PagesTest, MenuHasItsItemsAndTheCheckItem) {
  HMENU menu = Form().MainMenu1();
  auto text = [](HMENU m, UINT pos) {
    wchar_t buffer[128] = {};
    GetMenuStringW(m, pos, buffer, 128, MF_BYPOSITION);
    return Narrow(buffer);
  };
  ASSERT_EQ(GetMenuItemCount(menu), 3);
  EXPECT_EQ(text(menu, 0), "&Файл");
  EXPECT_EQ(text(menu, 1), "Вид");
  EXPECT_EQ(text(menu, 2), "Помощь");
  HMENU file = GetSubMenu(menu, 0);
  ASSERT_EQ(GetMenuItemCount(file), 7);
  EXPECT_EQ(text(file, 0), "&Загрузить файл конфигурации");
  EXPECT_EQ(text(file, 1), "&Сохранить файл конфигурации");
  EXPECT_TRUE(GetMenuState(file, 2, MF_BYPOSITION) & MF_SEPARATOR);
  EXPECT_EQ(text(file, 3), "&Показать изменения…");
  EXPECT_EQ(text(file, 4), "&История изменений…");
  EXPECT_TRUE(GetMenuState(file, 5, MF_BYPOSITION) & MF_SEPARATOR);
  EXPECT_EQ(text(file, 6), "&Выход");
  EXPECT_EQ(text(GetSubMenu(menu, 1), 0), "Расширенный");
  EXPECT_EQ(text(GetSubMenu(menu, 2), 0), "Настройки VELTO Gateway");
  EXPECT_EQ(text(GetSubMenu(menu, 2), 1), "Руководство пользователя");
  ASSERT_EQ(GetMenuItemCount(GetSubMenu(menu, 2)), 4);
  EXPECT_TRUE(GetMenuState(GetSubMenu(menu, 2), 2, MF_BYPOSITION) & MF_SEPARATOR);
  EXPECT_EQ(text(GetSubMenu(menu, 2), 3), "О программе…");
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_BITMAP;
  GetMenuItemInfoW(file, 0, TRUE, &info);
  EXPECT_NE(info.hbmpItem, nullptr);  // the items carry pictures
}

}  // namespace
}  // namespace zz::test
