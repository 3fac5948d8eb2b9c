// The main window as its user meets it with the mouse and the keyboard: clicks at the
// fields' real places, hints on hover (also of a disabled button), where the focus goes,
// Enter, the arrows, the page keys, and text the files cannot hold.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "app_texts.h"
#include "main_window_fixture.h"
#include "real_input.h"
#include "scripted_service.h"
#include "service_texts.h"
#include "win32/utf16.h"

namespace zz::test {
namespace {

class InputTest : public MainWindowTest {
 protected:
  void SetUp() override { dir.Write("voice.ini", ""); }

  void Show(NavButton page) {
    Click(Form().Panel1().Button(page));
    BringToFront(Form().hwnd());
    Pump(30);
  }
  // The hint that shows once the pointer rests on the control.
  std::string HintOnHover(HWND control) {
    BringToFront(Form().hwnd());
    PointAt(control);
    std::string shown;
    PumpUntil([&] { return !(shown = ShownHint(Form().Hints())).empty(); }, 4000);
    PointAt(Form().Panel1().hwnd(), {2, 2});  // away, so that the next hint starts afresh
    PumpUntil([&] { return ShownHint(Form().Hints()).empty(); }, 2000);
    return shown;
  }
  void Key(WORD key, bool ctrl = false, bool shift = false) {
    PressKey(key, ctrl, shift);
    Pump(60);
  }
  HWND Focus() const { return GetFocus(); }
};

TEST_F(InputTest, TheSwitchingFieldsOnTheSoundDiagramTakeTheirClicksKeysAndHints) {
  Start();
  Show(NavButton::kVoice);
  VoicePage& v = Form().PanelVoice();
  const std::pair<const EditField*, const char*> fields[] = {
      {&v.EditSilenceDetectionThreshold, text::kHintThreshold},
      {&v.EditSilenceDetectionSignalDeadband, text::kHintSignalDeadband},
      {&v.EditSilenceDetectionSilenceDeadband, text::kHintSilenceDeadband},
  };
  for (const auto& [field, hint] : fields) {
    HWND edit = field->control().hwnd();
    const std::string before = field->Text();
    ClickAt(edit);
    Pump(60);
    EXPECT_EQ(Focus(), edit) << hint;
    Key(VK_END);
    Key('0');
    EXPECT_EQ(field->Text(), before + "0") << hint;
    EXPECT_EQ(HintOnHover(edit), hint);
  }
}

TEST_F(InputTest, TheDisabledRunButtonShowsItsHintOnHover) {
  Start();  // no service to be had
  Show(NavButton::kService);
  HWND run = Form().PanelService().RunButton.hwnd();
  ASSERT_FALSE(IsWindowEnabled(run));
  EXPECT_EQ(HintOnHover(run), kServiceInitFailedHint);
  Close();

  ScriptedService starting(service_state::kStartPending);
  Start(&starting);
  Show(NavButton::kService);
  ASSERT_FALSE(IsWindowEnabled(Form().PanelService().RunButton.hwnd()));
  EXPECT_EQ(HintOnHover(Form().PanelService().RunButton.hwnd()), kRunButtonWaiting.hint);
  EXPECT_EQ(HintOnHover(Form().PanelService().Label1.hwnd()), kStateLabelHint);
}

// Tabbed to, the run button shows its focus as every push button does, so that Space does not
// start or stop the service unseen.
TEST_F(InputTest, TheRunButtonShowsTheFocusWhenTabbedTo) {
  ScriptedService service(service_state::kRunning);
  Start(&service);
  Show(NavButton::kService);
  ServicePanel& page = Form().PanelService();
  const HWND run = page.RunButton.hwnd();
  ASSERT_TRUE(IsWindowEnabled(run));
  SetFocus(page.StartTypeCB.control().hwnd());
  Pump(200);
  const std::vector<std::uint32_t> unfocused = Picture(run);
  Key(VK_TAB, false, true);  // Shift+Tab: back to the run button
  ASSERT_TRUE(PumpUntil([&] { return Focus() == run; }, 3000));
  Pump(200);
  const std::vector<std::uint32_t> focused = Picture(run);
  ASSERT_EQ(focused.size(), unfocused.size());
  int changed = 0;
  for (std::size_t i = 0; i < focused.size(); ++i) changed += focused[i] != unfocused[i];
  // A dotted rectangle inside the edge: every other pixel of its four sides.
  const ui::Rect r = page.RunButton.Bounds();
  EXPECT_GT(changed, (r.width + r.height) / 2);
}

TEST_F(InputTest, TheFocusStartsOnTheBlockGridAndNeverFallsIntoNothing) {
  ScriptedService service(service_state::kRunning);
  Start(&service);
  EXPECT_EQ(Focus(), Form().PanelTrl().StringGrid1.control().hwnd());

  // The focused run button is disabled by the poll: the focus goes on to the next field.
  Show(NavButton::kService);
  ServicePanel& page = Form().PanelService();
  SetFocus(page.RunButton.hwnd());
  service.SetState(service_state::kStopPending);
  Form().ServiceLogic().TimerTimer();
  EXPECT_FALSE(page.RunButton.Enabled());
  EXPECT_EQ(Focus(), page.StartTypeCB.control().hwnd());

  // A page switch takes the focus along to the page shown.
  Key(VK_TAB, true);  // Ctrl+Tab: from the service page round to the block page
  EXPECT_TRUE(Form().PanelTrl().Visible());
  EXPECT_TRUE(IsChild(Form().PanelTrl().hwnd(), Focus()));
  EXPECT_TRUE(IsWindowVisible(Focus()));
}

TEST_F(InputTest, PagesSwitchWithCtrlTabAndCtrlDigitsInTheBarsOrder) {
  Start();
  BringToFront(Form().hwnd());
  Key(VK_TAB, true);
  EXPECT_EQ(Form().CurrentPage(), 1);
  Key(VK_TAB, true);
  EXPECT_EQ(Form().CurrentPage(), 2);
  Key(VK_TAB, true, true);
  Key(VK_TAB, true, true);
  Key(VK_TAB, true, true);
  EXPECT_EQ(Form().CurrentPage(), 4);  // back round past the first
  for (int page = 0; page < 5; ++page) {
    Key(static_cast<WORD>('1' + page), true);
    EXPECT_EQ(Form().CurrentPage(), page);
    EXPECT_TRUE(IsChild(Form().hwnd(), Focus()));
  }
}

TEST_F(InputTest, EnterPressesTheFocusedButtonAndTheArrowsSelectInARadioGroup) {
  Start();
  Show(NavButton::kNetwork);
  NetworkPage& n = Form().PanelNetwork();
  n.EditNetworkListenerPort.SetText("5060");
  SetFocus(n.ButtonDefaultNetwork.hwnd());
  Key(VK_RETURN);
  EXPECT_EQ(n.EditNetworkListenerPort.Text(), "1720");
  EXPECT_TRUE(State().modified);

  // Enter and Escape in a field with a key filter are refused like any other key.
  SetFocus(n.EditNetworkListenerPort.control().hwnd());
  const int beeps = beeper.beeps;
  Key(VK_RETURN);
  Key(VK_ESCAPE);
  EXPECT_EQ(beeper.beeps - beeps, 2);
  EXPECT_EQ(n.EditNetworkListenerPort.Text(), "1720");
  EXPECT_TRUE(Form().Alive());

  Show(NavButton::kAdd);
  RadioGroupField& level = Form().PanelAdd().RadioGroupLogLevel;
  level.SetItemIndex(2);
  SetFocus(level.Button(2).hwnd());
  Key(VK_DOWN);
  EXPECT_EQ(level.ItemIndex(), 3);
  Key(VK_UP);
  Key(VK_UP);
  EXPECT_EQ(level.ItemIndex(), 1);
  EXPECT_EQ(Form().PanelAdd().RadioGroupLogSysLogLevel.ItemIndex(), 2);  // the other group stays
}

TEST_F(InputTest, TextTheFilesCannotHoldIsRefusedWhereItIsTypedOrPasted) {
  Start();
  Show(NavButton::kNetwork);
  EditField& name = Form().PanelNetwork().EditSystemName;
  name.SetText("Шлюз");
  SetFocus(name.control().hwnd());
  SendMessageW(name.control().hwnd(), EM_SETSEL, 4, 4);
  const int beeps = beeper.beeps;
  for (wchar_t ch : std::wstring(L"Ω№😀1")) SendMessageW(name.control().hwnd(), WM_CHAR, ch, 1);
  EXPECT_EQ(name.Text(), "Шлюз№1");
  EXPECT_EQ(beeper.beeps - beeps, 2);  // the Greek letter and the face (two halves, one beep)

  // A paste keeps what the file can hold.
  auto Paste = [&](const std::wstring& pasted) {
    ASSERT_TRUE(OpenClipboard(Form().hwnd()));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (pasted.size() + 1) * sizeof(wchar_t));
    memcpy(GlobalLock(memory), pasted.c_str(), (pasted.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
    SendMessageW(name.control().hwnd(), WM_PASTE, 0, 0);
  };
  Paste(L"-Ωαβ ok»");
  EXPECT_EQ(name.Text(), "Шлюз№1- ok»");
  EXPECT_EQ(beeper.beeps - beeps, 3);

  // A ";" would begin a comment on the key's line, and the file keeps 127 characters of it.
  SendMessageW(name.control().hwnd(), WM_CHAR, ';', 1);
  EXPECT_EQ(name.Text(), "Шлюз№1- ok»");
  EXPECT_EQ(beeper.beeps - beeps, 4);
  name.SetText("");
  Paste(std::wstring(L"a;b") + std::wstring(200, L'x'));
  EXPECT_EQ(name.Text(), "ab" + std::string(125, 'x'));
}

TEST_F(InputTest, ThePathOfTheServiceShowsWholeOnAsManyLinesAsItTakes) {
  ScriptedService service(service_state::kRunning);
  service.path = "\"C:\\Program Files\\VELTO Gateway\\Шлюз\\bin\\x64\\release\\zidezir-gateway-service.exe\" -service";
  Start(&service);
  ServicePanel& page = Form().PanelService();
  const std::vector<std::string> lines = page.PathLines();
  ASSERT_GE(lines.size(), 2u);
  std::string whole;
  for (const std::string& line : lines) whole += line;
  EXPECT_EQ(whole, service.path);
  EXPECT_GE(page.Label3.Bounds().height, static_cast<int>(lines.size()) * 16);
  EXPECT_TRUE(Form().PanelNetwork().Title().hwnd() == nullptr);  // only its group names the network page
}

TEST_F(InputTest, TheRestartsProgressWindowShowsOnTheScreenWhenTheWindowIsMinimised) {
  dir.Write("zidezir.conf", SampleConf());
  Start();
  RECT restored{}, work{};
  GetWindowRect(Form().hwnd(), &restored);
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  ShowWindow(Form().hwnd(), SW_MINIMIZE);
  Pump(100);
  Ed().EditSystemName().SetText("Changed");
  watcher.Script({{IDYES, {}}});
  std::atomic<bool> stop{false}, shown{false};
  RECT seen{};
  std::thread spy([&] {
    while (!stop) {
      HWND progress = FindWindowW(L"TFormPr", nullptr);
      if (progress && IsWindowVisible(progress) && !shown) {
        GetWindowRect(progress, &seen);
        shown = true;
      }
      Sleep(20);
    }
  });
  PostMessageW(Form().hwnd(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(PumpUntil([&] { return !Form().Alive(); }, 20000));
  stop = true;
  spy.join();
  ASSERT_TRUE(shown);
  EXPECT_GE(seen.left, work.left);
  EXPECT_GE(seen.top, work.top);
  EXPECT_LE(seen.right, work.right);
  EXPECT_LE(seen.bottom, work.bottom);
  EXPECT_LE(std::abs((seen.left + seen.right) - (restored.left + restored.right)), 2);
  EXPECT_LE(std::abs((seen.top + seen.bottom) - (restored.top + restored.bottom)), 2);
}

}  // namespace
}  // namespace zz::test
