// The history of zidezir.conf through the real window: every save keeps what it replaced,
// byte for byte; a History\ that cannot be written is told once and stops no save; a revision
// restored through the history dialog and saved makes the file what it held; and another
// program's change is shown, and kept when the user says "Нет".
#include <gtest/gtest.h>

#include "app_texts.h"
#include "blocks_window_fixture.h"
#include "changes_dialog.h"
#include "history.h"
#include "history_dialog.h"
#include "messages.h"
#include "real_input.h"
#include "win32/utf16.h"

namespace zz::test {
namespace {

// A folder nothing can be written into, not even by root (Wine keeps no read-only folders):
// the file system's immutable flag, set and cleared by chattr, a Unix program Wine starts
// without a handle to wait on; a probe folder shows when the flag has come and gone.
class ReadOnlyFolder {
 public:
  explicit ReadOnlyFolder(const std::string& path) : path_(path) {
    ok_ = Chattr("+i") && PumpUntil([&] { return !Writable(); }, 5000);
  }
  ~ReadOnlyFolder() {
    if (Chattr("-i")) PumpUntil([&] { return Writable(); }, 5000);
  }
  bool ok() const { return ok_; }

 private:
  bool Writable() const {
    const std::wstring probe = Widen(path_) + L"\\probe";
    if (!CreateDirectoryW(probe.c_str(), nullptr)) return false;
    RemoveDirectoryW(probe.c_str());
    return true;
  }
  bool Chattr(const char* flag) const {
    using UnixName = char*(CDECL*)(LPCWSTR);
    auto unixName =
        reinterpret_cast<UnixName>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name"));
    char* unix = unixName ? unixName(Widen(path_).c_str()) : nullptr;
    if (!unix) return false;
    std::wstring command = L"Z:\\usr\\bin\\chattr " + Widen(flag) + L" \"" + Widen(unix) + L"\"";
    HeapFree(GetProcessHeap(), 0, unix);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
      return false;
    for (HANDLE h : {process.hThread, process.hProcess})
      if (h) CloseHandle(h);
    return true;
  }
  std::string path_;
  bool ok_ = false;
};

class HistoryTest : public BlocksWindowTest {
 protected:
  // The port typed as the user types it: its last digit replaced.
  void TypePortEnding(char digit) {
    Click(Form().Panel1().Button(NavButton::kNetwork));
    RetypeLast(Form().PanelNetwork().EditNetworkListenerPort, digit);
  }
  // Block 2 deleted with the mouse, its units with it.
  void DeleteBlockTwo() {
    Click(Form().Panel1().Button(NavButton::kTrl));
    BringToFront(Form().hwnd());
    ClickAt(Grid1().hwnd(), OnRow(Grid1().hwnd(), 1));
    Pump(60);
    ClickAt(Trl().ButtonDel.hwnd());
    Pump(60);
  }
  // Closes the window, which saves, and answers the restart question "Нет"; the file then.
  std::string SaveOnClose() {
    watcher.Script({{IDNO}});
    EXPECT_TRUE(Close());
    return dir.Read("zidezir.conf");
  }
  std::vector<std::pair<std::string, std::string>> RevisionBytes() {
    std::vector<std::pair<std::string, std::string>> bytes;
    for (const Revision& r : ListRevisions(Conf())) {
      std::string conf, voice;
      EXPECT_TRUE(ReadRevision(r, conf, voice));
      bytes.emplace_back(conf, voice);
    }
    return bytes;
  }
  // A dialog of ours opened by `open`, met on the watcher's thread by `steps`, which close it.
  void WithDialog(const std::function<void()>& open, const std::function<void(HWND)>& steps) {
    const std::size_t before = watcher.Seen().size();
    watcher.Script({{IDCANCEL, std::nullopt, [&](HWND dialog) {
                       BringToFront(dialog);
                       steps(dialog);
                       EXPECT_TRUE(Gone(dialog));
                     }}});
    open();
    EXPECT_TRUE(PumpUntil([&] { return watcher.Seen().size() > before; }, 10000));
  }
  // The hint that shows once the pointer rests on the control.
  static std::string HintOnHover(HWND control) {
    PointAt(control);
    std::string shown;
    for (int i = 0; i < 80 && shown.empty(); ++i) {
      Sleep(50);
      EnumWindows(
          [](HWND w, LPARAM found) {
            wchar_t cls[64] = {}, text[512] = {};
            DWORD process = 0;
            GetWindowThreadProcessId(w, &process);
            GetClassNameW(w, cls, 64);
            if (process == GetCurrentProcessId() && IsWindowVisible(w) && lstrcmpiW(cls, TOOLTIPS_CLASSW) == 0 &&
                GetWindowTextW(w, text, 512) > 0)
              *reinterpret_cast<std::string*>(found) = Narrow(text);
            return TRUE;
          },
          reinterpret_cast<LPARAM>(&shown));
    }
    return shown;
  }
  static std::string TextOf(HWND dialog, int id) {
    wchar_t buffer[8192] = {};
    SendMessageTimeoutW(GetDlgItem(dialog, id), WM_GETTEXT, 8192, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG,
                        2000, nullptr);
    return Narrow(buffer);
  }
};

TEST_F(HistoryTest, EverySaveKeepsWhatItReplacedAndAHistoryThatCannotBeWrittenIsToldOnce) {
  StartWithBlocks(SampleConf(), "");
  const std::string original = dir.Read("zidezir.conf"), voice0 = dir.Read("voice.ini");
  TypePortEnding('1');
  const std::string first = SaveOnClose();
  EXPECT_NE(first.find("Listener Port=1721\r\n"), std::string::npos);
  ASSERT_EQ(RevisionBytes(), (std::vector<std::pair<std::string, std::string>>{{original, voice0}}));
  const Revision note = ListRevisions(Conf())[0];
  EXPECT_EQ(note.program, "zurerizeda");
  EXPECT_EQ(note.summary, "Сетевые настройки / Порт IP телефонии: 1720 → 1721");
  EXPECT_FALSE(note.user.empty() || note.computer.empty() || note.date.empty() || note.time.empty());

  StartWithBlocks("", "");
  const std::string voice1 = dir.Read("voice.ini");
  DeleteBlockTwo();
  const std::string second = SaveOnClose();
  EXPECT_NE(second, first);
  EXPECT_EQ(RevisionBytes(),
            (std::vector<std::pair<std::string, std::string>>{{first, voice1}, {original, voice0}}));
  EXPECT_EQ(ListRevisions(Conf())[0].summary, "Блоки ТРЛ-М / блок 2 удалён: ТРЛ-МЕ, COM4, 192.168.1.201, «Store», 0 устройств");

  // History\ read-only: Save As to the program's file and the close's save both write the
  // file; the user is told once.
  ReadOnlyFolder readOnly(HistoryDir(Conf()));
  ASSERT_TRUE(readOnly.ok());
  StartWithBlocks("", "");
  TypePortEnding('3');
  prompts.fileAnswers = {Conf()};
  Menu(kMenuSaveAs);
  EXPECT_NE(dir.Read("zidezir.conf").find("Listener Port=1723\r\n"), std::string::npos);
  TypePortEnding('4');
  const std::string fourth = SaveOnClose();
  EXPECT_NE(fourth.find("Listener Port=1724\r\n"), std::string::npos) << fourth;
  const std::vector<SeenDialog> seen = watcher.Seen();
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].text, HistoryNotKeptText(HistoryDir(Conf())));
  EXPECT_EQ(seen[0].caption, "Внимание!");
  EXPECT_EQ(seen[1].caption, "Конфигурация шлюза изменена");
  EXPECT_EQ(RevisionBytes().size(), 2u);
}

TEST_F(HistoryTest, ARevisionRestoredThroughTheHistoryDialogAndSavedMakesTheFileWhatItHeld) {
  StartWithBlocks(SampleConf(), "");
  TypePortEnding('1');
  const std::string first = SaveOnClose();
  StartWithBlocks("", "");
  DeleteBlockTwo();
  const std::string second = SaveOnClose();
  StartWithBlocks("", "");
  TypePortEnding('5');  // unsaved: the restore asks before it replaces this

  std::vector<std::string> rows, reports;
  std::string hint;
  WithDialog(
      [&] {
        // File menu by the keyboard: F10, the popup, its fourth item.
        BringToFront(Form().hwnd());
        for (WORD key : {VK_F10, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}) PressKey(key);
      },
      [&](HWND dialog) {
        const HWND list = GetDlgItem(dialog, TFormHistory::kList);
        EXPECT_TRUE(FocusReaches(list));
        hint = HintOnHover(GetDlgItem(dialog, IDOK));
        const ui::ListView view(list);
        for (int r = 0; r < view.ItemCount(); ++r) rows.push_back(view.ItemText(r, 0) + " " + view.ItemText(r, 4));
        reports.push_back(TextOf(dialog, TFormHistory::kCompare));
        PressKey(VK_DOWN);
        Sleep(300);
        reports.push_back(TextOf(dialog, TFormHistory::kCompare));
        PressKey(VK_UP);
        // Tab past the folder and the comparison to "Восстановить", and Enter presses it.
        for (int i = 0; i < 3; ++i) PressKey(VK_TAB);
        EXPECT_TRUE(FocusReaches(GetDlgItem(dialog, IDOK)));
        watcher.Script({{IDYES}});  // the question about the unsaved change
        PressKey(VK_RETURN);
      });
  EXPECT_EQ(rows, (std::vector<std::string>{"1 zurerizeda", "2 zurerizeda"}));
  EXPECT_EQ(hint, text::kHintRestore);
  ASSERT_EQ(reports.size(), 2u);
  EXPECT_EQ(reports[0], "Восстановление версии 1 изменит текущую конфигурацию так:\r\n"
                        "• Блоки ТРЛ-М / блок 2 добавлен: ТРЛ-МЕ, COM4, 192.168.1.201, «Store», 0 устройств\r\n");
  EXPECT_EQ(reports[1], "Восстановление версии 2 изменит текущую конфигурацию так:\r\n"
                        "• Блоки ТРЛ-М / блок 2 добавлен: ТРЛ-МЕ, COM4, 192.168.1.201, «Store», 0 устройств\r\n"
                        "• Сетевые настройки / Порт IP телефонии: 1721 → 1720\r\n");
  ASSERT_TRUE(PumpUntil([&] { return watcher.Seen().size() == 2; }, 5000));
  EXPECT_EQ(watcher.Seen()[1].text.rfind("В окне есть несохранённые изменения. Заменить их версией 1 от ", 0), 0u);

  // The revision is in the window, unsaved; the usual close saves it.
  EXPECT_EQ(Ed().EditNetworkListenerPort().Text(), "1721");
  EXPECT_EQ(Rows().size(), 2u);
  EXPECT_TRUE(State().modified);
  EXPECT_EQ(dir.Read("zidezir.conf"), second);
  EXPECT_EQ(SaveOnClose(), first);
  EXPECT_EQ(RevisionBytes()[0].first, second);
}

TEST_F(HistoryTest, AnotherProgramsChangeIsShownAndNoKeepsItOnDiskWithTheWindowOpen) {
  StartWithBlocks(SampleConf(), "");
  TypePortEnding('1');
  std::string theirs = dir.Read("zidezir.conf");
  theirs.replace(theirs.find("Name=Gate One"), 13, "Name=Gate Two");
  dir.Write("zidezir.conf", theirs);

  std::string report;
  WithDialog([&] { Menu(kMenuShowChanges); },
             [&](HWND dialog) {
               EXPECT_TRUE(FocusReaches(GetDlgItem(dialog, TFormChanges::kReport)));
               report = TextOf(dialog, TFormChanges::kReport);
               PressKey(VK_ESCAPE);
             });
  EXPECT_EQ(report, "Сохранение изменит в файле " + Conf() + ":\r\n"
                    "• Сетевые настройки / Порт IP телефонии: 1720 → 1721\r\n"
                    "• Сетевые настройки / Название шлюза: Gate Two → Gate One\r\n"
                    "\r\n"
                    "После того как программа загрузила или сохранила конфигурацию, другая программа изменила файл " +
                        Conf() + ":\r\n"
                    "• Сетевые настройки / Название шлюза: Gate One → Gate Two\r\n");

  watcher.Forget();
  watcher.Script({{IDNO}, {IDNO}});
  PostMessageW(Form().hwnd(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(PumpUntil([&] { return watcher.Seen().size() == 2; }, 10000));
  Pump(100);
  EXPECT_TRUE(Form().Alive());
  EXPECT_EQ(watcher.Seen()[0].text, ChangedElsewhereText(Conf()));
  EXPECT_EQ(watcher.Seen()[1].text, "Изменения конфигурации не сохранены. Закрыть программу без сохранения изменений?");
  EXPECT_EQ(dir.Read("zidezir.conf"), theirs);
  // Leaving without saving leaves it so too.
  watcher.Script({{IDNO}, {IDYES}});
  EXPECT_TRUE(Close());
  EXPECT_EQ(dir.Read("zidezir.conf"), theirs);
  EXPECT_TRUE(ListRevisions(Conf()).empty());
}

}  // namespace
}  // namespace zz::test
