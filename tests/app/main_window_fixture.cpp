#include "main_window_fixture.h"

#include <commctrl.h>

#include "real_input.h"

namespace zz::test {

std::optional<std::string> ScriptedFilePrompts::FileDialogOver(HWND, const FileDialogSpec& dialog, bool) {
  dialogs.push_back(dialog);
  if (fileAnswers.empty()) return std::nullopt;
  std::optional<std::string> answer = fileAnswers.front();
  fileAnswers.pop_front();
  return answer;
}

void MainWindowTest::SetUpTestSuite() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES | ICC_ANIMATE_CLASS |
                                                     ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES | ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&controls);
}

void MainWindowTest::Start(ServiceApi* service) {
  service_ = service ? service : &noService;
  table_ = std::make_unique<ConfParamTable>();
  form_ = std::make_unique<TMainForm>(
      MainFormParts{dir.Path(), *table_, settingsFileName, prompts, beeper, *service_, std::chrono::milliseconds(2000),
                    guard});
  form_->CreateForm();
  prompts.SetOwner(form_->hwnd());
  form_->FormCreate();
  formPr_ = std::make_unique<TFormPr>();
  formPr_->CreateForm(form_->hwnd());
  form_->SetProgressWindow(formPr_.get());
  form_->ShowForm();
  // As the program's message loop: the keyboard of the main window.
  SetPumpFilter([form = form_.get()](MSG& msg) { return form->Alive() && form->PreTranslateMessage(msg); });
  Pump(50);
}

bool MainWindowTest::Close() {
  if (!form_ || !form_->Alive()) return true;
  PostMessageW(form_->hwnd(), WM_CLOSE, 0, 0);
  return PumpUntil([&] { return !form_->Alive(); }, 10000);
}

void MainWindowTest::Restart() {
  EXPECT_TRUE(Close());
  Start(service_);
}

void MainWindowTest::TearDown() {
  if (form_ && form_->Alive()) {
    watcher.Script({{IDNO, {}}});
    if (!Close()) DestroyWindow(form_->hwnd());
  }
  SetPumpFilter(nullptr);
  formPr_.reset();
  form_.reset();
}

void MainWindowTest::Type(const EditField& edit, unsigned ch) const {
  SendMessageW(edit.control().hwnd(), WM_CHAR, ch, 1);
}

void MainWindowTest::TypeText(const EditField& edit, const std::string& ascii) const {
  for (char c : ascii) Type(edit, static_cast<unsigned char>(c));
}

void MainWindowTest::Click(const ui::Button& button) const { button.Click(); }

void MainWindowTest::RetypeLast(const EditField& field, char key) {
  BringToFront(form_->hwnd());
  const HWND edit = field.control().hwnd();
  // Just after a message box the display may still give its place the click: again then.
  for (int attempt = 0; attempt < 6 && GetFocus() != edit; ++attempt) {
    ClickAt(edit);
    PumpUntil([&] { return GetFocus() == edit; }, 500);
  }
  ASSERT_EQ(GetFocus(), edit);
  std::string expected = field.Text();
  expected.replace(expected.size() - 1, 1, 1, key);
  for (WORD k : {WORD{VK_END}, WORD{VK_BACK}, static_cast<WORD>(key)}) PressKey(k);
  EXPECT_TRUE(PumpUntil([&] { return field.Text() == expected; }, 2000)) << field.Text();
}

void MainWindowTest::Menu(int id) const { SendMessageW(form_->hwnd(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }

std::string SampleConf() {
  return "[System]\n"
         "Name=Gate One\n"
         "Admin=\n"
         "[Network]\n"
         "Listener Interface=10.0.0.5\n"
         "Listener Port=1720\n"
         "Need Gatekeeper=yes\n"
         "Gatekeeper=gk\n"
         "Gatekeeper ID=\n"
         "Gatekeeper Password=\n"
         "[H323]\n"
         "Disable Fast Start=no\n"
         "Disable H245 Tunneling=no\n"
         "Disable H245 In Setup=no\n"
         "[Audio]\n"
         "Max Calls=4\n"
         "TxBuffer=300\n"
         "Audio Jitter Delay=50-250\n"
         "Enable Polling=yes\n"
         "[SilenceDetection]\n"
         "Threshold=70\n"
         "Signal Deadband=300\n"
         "Silence Deadband=600\n"
         "[Log]\n"
         "SysLog Level=3\n"
         "Level=2\n"
         "Traces=\n"
         "Log Audio=no\n"
         "[Devices]\n"
         "0=1\n"
         ";Hall\n"
         "1=4,192.168.1.201\n"
         ";Store\n"
         "[DeviceSettings]\n"
         "Flow Control=3\n"
         "[Prefixes]\n"
         "1=11\n"
         "2=22\n"
         "[PollServer]\n"
         "Base Port=3000\n"
         "[ControlServer]\n"
         "Port=4000\n"
         "Connection Timeout=15\n"
         "[VoiceDevices:1]\n"
         "0=PVK,5,Door,10.0.0.9\n";
}

std::vector<int> StatusPartEdges(const ui::StatusBar& bar) {
  std::vector<int> edges(static_cast<std::size_t>(SendMessageW(bar.hwnd(), SB_GETPARTS, 0, 0)));
  SendMessageW(bar.hwnd(), SB_GETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  return edges;
}

std::string ShownHint(const ui::Tooltip& tips) {
  // The text on show is the tooltip window's own text (a tracked hint is no current tool).
  return IsWindowVisible(tips.hwnd()) ? tips.Text() : std::string();
}

}  // namespace zz::test
