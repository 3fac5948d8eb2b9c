// The history of zidezir.conf through the real window: every save keeps what it replaced,
// byte for byte; a revision restored through the history dialog and saved makes the file what
// it held; a History\ that cannot be written is told once and stops no save; another
// program's change is shown, and kept when the user says "Нет".
#include <gtest/gtest.h>

#include "app_texts.h"
#include "blocks_window_fixture.h"
#include "changes_dialog.h"
#include "guarded_write.h"
#include "history.h"
#include "history_dialog.h"
#include "messages.h"
#include "real_input.h"
#include "win32/system_library.h"
#include "win32/utf16.h"

namespace zz::test {
namespace {

// Makes a folder one nothing can be written into, not even by root (Wine keeps no read-only
// folders), or writable again: the file system's immutable flag, set by chattr, a Unix program
// that Wine starts without a handle to wait on; true once a probe folder shows the change.
bool SetImmutable(const std::string& folder, bool immutable) {
  using UnixName = char*(CDECL*)(LPCWSTR);
  const std::wstring path = Widen(folder);
  static int probes = 0;
  char* unix = LibraryFunction<UnixName>(L"kernel32.dll", "wine_get_unix_file_name")(path.c_str());
  std::wstring command = std::wstring(L"Z:\\usr\\bin\\chattr ") + (immutable ? L"+i" : L"-i") + L" \"" + Widen(unix) + L"\"";
  HeapFree(GetProcessHeap(), 0, unix);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  return CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process) &&
         PumpUntil([&] {
           // A new name each time: one made just before the flag came cannot be taken away.
           const std::wstring probe = path + L"\\probe" + std::to_wstring(++probes);
           const bool writable = CreateDirectoryW(probe.c_str(), nullptr) != FALSE;
           RemoveDirectoryW(probe.c_str());
           return writable != immutable;
         });
}

// The message box a dialog of ours has just opened (nothing after 5 s).
HWND OwnedBox(HWND owner) {
  struct Search {
    HWND owner, found;
  } search{owner, nullptr};
  for (int i = 0; i < 100 && !search.found; ++i) {
    EnumThreadWindows(
        GetWindowThreadProcessId(owner, nullptr),
        [](HWND w, LPARAM p) {
          auto* s = reinterpret_cast<Search*>(p);
          wchar_t name[16] = {};
          GetClassNameW(w, name, 16);
          if (GetWindow(w, GW_OWNER) == s->owner && std::wstring(name) == L"#32770" && IsWindowVisible(w)) s->found = w;
          return s->found ? FALSE : TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    if (!search.found) Sleep(50);
  }
  return search.found;
}

class HistoryTest : public BlocksWindowTest {
 protected:
  void TypePort(char lastDigit) {
    Click(Form().Panel1().Button(NavButton::kNetwork));
    RetypeLast(Form().PanelNetwork().EditNetworkListenerPort, lastDigit);
  }
  // Closes the window, which saves, and answers the restart question "Нет"; the file then.
  std::string SaveOnClose() {
    watcher.Script({{IDNO}});
    EXPECT_TRUE(Close());
    return dir.Read("zidezir.conf");
  }
  std::vector<std::string> RevisionConfs(std::string* newestVoice = nullptr) {
    std::vector<std::string> confs;
    for (const Revision& r : ListRevisions(Conf())) {
      std::string conf, voice;
      EXPECT_TRUE(ReadRevision(r, conf, voice));
      if (newestVoice && confs.empty()) *newestVoice = voice;
      confs.push_back(conf);
    }
    return confs;
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
  static std::string TextOf(HWND dialog, int id) { return ui::Control(GetDlgItem(dialog, id)).Text(); }
};

TEST_F(HistoryTest, SavesKeepWhatTheyReplacedAndARevisionRestoredAndSavedIsWhatItHeld) {
  StartWithBlocks(SampleConf(), "");
  const std::string original = dir.Read("zidezir.conf"), voice0 = dir.Read("voice.ini");
  TypePort('1');
  const std::string first = SaveOnClose();
  std::string voice;
  EXPECT_EQ(RevisionConfs(&voice), std::vector<std::string>{original});
  EXPECT_EQ(voice, voice0);
  // The version the save made is kept too, with what it changed; the one before it was
  // found on disk, as the window had loaded it.
  const Revision note = ReadHistory(Conf()).current.value_or(Revision{});
  EXPECT_EQ(note.program + " | " + note.summary, "zurerizeda | Сетевые настройки / Порт IP телефонии: 1720 → 1721");
  EXPECT_FALSE(note.user.empty() || note.computer.empty() || note.date.empty() || note.time.empty());
  EXPECT_EQ(ListRevisions(Conf())[0].program, text::history::kFoundProgram);

  StartWithBlocks("", "");  // block 2 deleted with the mouse, and saved
  BringToFront(Form().hwnd());
  ClickAt(Grid1().hwnd(), OnRow(Grid1().hwnd(), 1));
  Pump(60);
  ClickAt(Trl().ButtonDel.hwnd());
  Pump(60);
  const std::string second = SaveOnClose();
  EXPECT_EQ(RevisionConfs(), (std::vector<std::string>{first, original}));

  // Revision 1 through the dialog, by the keyboard: the File menu, the arrows, Tab, Enter;
  // a double-click on revision 2 before only looks at it.
  StartWithBlocks("", "");
  TypePort('5');  // unsaved: the restore asks before it replaces it
  std::vector<std::string> reports;
  std::string hint, doubleClicked, question, rowTip;
  WithDialog([] { for (WORD key : {VK_F10, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}) PressKey(key); },
             [&](HWND dialog) {
               const HWND list = GetDlgItem(dialog, TFormHistory::kList);
               EXPECT_TRUE(FocusReaches(list));
               DoubleClickAt(list, OnRow(list, 1));
               Sleep(500);
               EXPECT_TRUE(IsWindowEnabled(dialog));  // no question, no restore
               doubleClicked = TextOf(dialog, TFormHistory::kCompare);
               // The list's hint: the whole note of the row on show.
               PointAt(list, OnRow(list, 1));
               PumpUntil([&] { return (rowTip = ShownHint()).rfind("Версия 2, ", 0) == 0; }, 4000);
               PressKey(VK_UP);
               Sleep(300);
               for (WORD key : {VK_DOWN, VK_UP}) {
                 reports.push_back(TextOf(dialog, TFormHistory::kCompare));
                 PressKey(key);
                 Sleep(300);
               }
               PointAt(GetDlgItem(dialog, IDOK));
               PumpUntil([&] { return (hint = ShownHint()) == text::kHintRestore; }, 4000);
               for (int i = 0; i < 3; ++i) PressKey(VK_TAB);
               EXPECT_TRUE(FocusReaches(GetDlgItem(dialog, IDOK)));
               // The question's default is "Нет": Enter on it keeps the dialog open.
               PressKey(VK_RETURN);
               HWND box = OwnedBox(dialog);
               ASSERT_NE(box, nullptr);
               question = DescribeDialog(box).text;
               GUITHREADINFO focus{};
               focus.cbSize = sizeof focus;
               GetGUIThreadInfo(GetWindowThreadProcessId(box, nullptr), &focus);
               EXPECT_EQ(focus.hwndFocus, GetDlgItem(box, IDNO));
               PressKey(VK_RETURN);
               EXPECT_TRUE(Gone(box));
               EXPECT_TRUE(IsWindow(dialog));
               PressKey(VK_RETURN);
               box = OwnedBox(dialog);
               ASSERT_NE(box, nullptr);
               watcher.Script({{IDYES}});  // the window's own question, once the dialog is gone
               PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED),
                            reinterpret_cast<LPARAM>(GetDlgItem(box, IDYES)));
             });
  // Older to newer, as the notes of the list read.
  const std::string blockGone = "• Блоки ТРЛ-М / блок 2 удалён: ТРЛ-МЕ, COM4, 192.168.1.201, «Store», 0 устройств\r\n";
  EXPECT_EQ(reports, (std::vector<std::string>{
                         text::ReportRestoreChanges(1) + "\r\n" + blockGone,
                         text::ReportRestoreChanges(2) + "\r\n" + blockGone +
                             "• Сетевые настройки / Порт IP телефонии: 1720 → 1721\r\n"}));
  EXPECT_EQ(doubleClicked, reports[1]);
  const Revision two = ListRevisions(Conf())[1];
  EXPECT_EQ(rowTip, text::HistoryRowTip(2, two.program, two.summary, false));
  EXPECT_EQ(hint, text::kHintRestore);
  ASSERT_TRUE(PumpUntil([&] { return watcher.Seen().size() == 2; }, 5000));
  EXPECT_EQ(question.rfind("Загрузить в окно версию 1 от ", 0), 0u) << question;
  EXPECT_EQ(watcher.Seen()[1].text.rfind("В окне есть несохранённые изменения. Заменить их версией 1 от ", 0), 0u);
  // The status bar tells it whole.
  const ui::StatusBar& status = Form().StatusBar1();
  const std::string told = status.PartText(0);
  EXPECT_EQ(told.rfind("Версия 1 от ", 0), 0u) << told;
  HDC dc = GetDC(status.hwnd());
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(status.hwnd(), WM_GETFONT, 0, 0)));
  SIZE extent{};
  const std::wstring wide = Widen(told);
  GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &extent);
  SelectObject(dc, old);
  ReleaseDC(status.hwnd(), dc);
  EXPECT_LT(extent.cx, StatusPartEdges(status)[0] - 8);
  // In the window, unsaved; the usual close saves it.
  EXPECT_EQ(Ed().EditNetworkListenerPort().Text(), "1721");
  EXPECT_EQ(Rows().size(), 2u);
  EXPECT_EQ(dir.Read("zidezir.conf"), second);
  EXPECT_EQ(SaveOnClose(), first);
  EXPECT_EQ(RevisionConfs()[0], second);
}

TEST_F(HistoryTest, AHistoryThatCannotBeWrittenIsToldOnceAndStopsNoSave) {
  CreateDirectoryW(Widen(HistoryDir(Conf())).c_str(), nullptr);
  ASSERT_TRUE(SetImmutable(HistoryDir(Conf()), true));
  StartWithBlocks(SampleConf(), "");
  TypePort('3');
  prompts.fileAnswers = {Conf()};
  Menu(kMenuSaveAs);  // to the program's own file
  EXPECT_NE(dir.Read("zidezir.conf").find("Listener Port=1723\r\n"), std::string::npos);
  TypePort('4');
  EXPECT_NE(SaveOnClose().find("Listener Port=1724\r\n"), std::string::npos);
  const std::vector<SeenDialog> seen = watcher.Seen();
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].text, HistoryNotKeptText(HistoryDir(Conf())));
  EXPECT_EQ(seen[1].caption, "Конфигурация шлюза изменена");
  EXPECT_TRUE(ListRevisions(Conf()).empty());
  EXPECT_TRUE(SetImmutable(HistoryDir(Conf()), false));
}

TEST_F(HistoryTest, AnotherProgramsChangeIsShownAndNoKeepsItOnDiskWithTheWindowOpen) {
  StartWithBlocks(SampleConf(), "");
  TypePort('1');
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
  EXPECT_EQ(report, "Сохранение изменит в файле " + Conf() + ":\r\n" +
                        "• Сетевые настройки / Порт IP телефонии: 1720 → 1721\r\n"
                        "• Сетевые настройки / Название шлюза: Gate Two → Gate One\r\n\r\n"
                        "После того как программа загрузила или сохранила конфигурацию, другая программа изменила "
                        "файл " + Conf() + ":\r\n" +
                        "• Сетевые настройки / Название шлюза: Gate One → Gate Two\r\n");

  watcher.Forget();
  watcher.Script({{IDNO}, {IDNO}});  // not over theirs; and not leaving without saving
  PostMessageW(Form().hwnd(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(PumpUntil([&] { return watcher.Seen().size() == 2; }, 10000));
  Pump(100);
  EXPECT_TRUE(Form().Alive());
  EXPECT_EQ(watcher.Seen()[0].text, ChangedElsewhereText(Conf()));
  EXPECT_EQ(dir.Read("zidezir.conf"), theirs);
  watcher.Script({{IDNO}, {IDYES}});  // leaving without saving leaves it so too
  EXPECT_TRUE(Close());
  EXPECT_EQ(dir.Read("zidezir.conf"), theirs);
  EXPECT_TRUE(ListRevisions(Conf()).empty());

  // A unit another program added to voice.ini, written over: gone from both files.
  StartWithBlocks("", "");
  const std::string voice = dir.Read("voice.ini");
  TypePort('2');
  dir.Write("voice.ini", voice + "[VoiceDevices:2]\r\n0=MSD,2,Outside,h\r\n");
  watcher.Script({{IDYES}, {IDNO}});  // over their change; no restart
  EXPECT_TRUE(Close());
  EXPECT_EQ(watcher.Seen()[0].text, ChangedElsewhereText(dir.File("voice.ini")));
  EXPECT_EQ(dir.Read("zidezir.conf").find("Outside"), std::string::npos);
  EXPECT_NE(dir.Read("zidezir.conf").find("Listener Port=1722"), std::string::npos);
  EXPECT_EQ(dir.Read("voice.ini"), voice);
}

// Another program saving when the window saves: the window waits in its dialog and keeps
// answering; "Не ждать" writes nothing. Waiting to the end, the window finds what the other
// program wrote, asks before it writes over it, and both versions are in the history.
TEST_F(HistoryTest, TheWindowWaitsForAnotherSaveAndLosesNoVersion) {
  StartWithBlocks(SampleConf(), "");
  TypePort('1');
  const std::string before = dir.Read("zidezir.conf");
  auto theirLock = std::make_unique<FileLock>(FileLock::LockPathOf(Conf()), std::chrono::milliseconds(0));
  ASSERT_EQ(theirLock->state(), FileLock::State::kHeld);

  watcher.Script({{IDCANCEL}, {IDOK}, {IDNO}});  // not waiting; told; not leaving without saving
  PostMessageW(Form().hwnd(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(PumpUntil([&] { return watcher.Seen().size() == 3; }, 10000));
  EXPECT_EQ(watcher.Seen()[0].caption, text::kLockWaitCaption);
  EXPECT_EQ(watcher.Seen()[0].buttons, std::vector<std::string>{text::kStopWaitingButton});
  EXPECT_EQ(watcher.Seen()[1].text, ConfigurationBusyText(Conf()));
  EXPECT_TRUE(Form().Alive());
  EXPECT_EQ(dir.Read("zidezir.conf"), before);

  std::string theirs = before;
  theirs.replace(theirs.find("Name=Gate One"), 13, "Name=Gate Two");
  bool answered = false;
  watcher.Forget();
  watcher.Script({{IDCANCEL, std::nullopt,
                   [&](HWND wait) {
                     DWORD_PTR length = 0;
                     answered = SendMessageTimeoutW(Form().hwnd(), WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000,
                                                    &length) != 0;
                     // As zconf writes under the lock it holds, then lets it go.
                     WriteRequest request;
                     request.target = Conf();
                     request.bytes = theirs;
                     request.note = {"zconf set", "Name"};
                     request.lockHeld = true;
                     EXPECT_EQ(WriteConfiguration(request).end, WriteEnd::kWritten);
                     theirLock.reset();
                     EXPECT_TRUE(Gone(wait));
                   }},
                  {IDYES},    // over their change
                  {IDNO}});  // no restart
  EXPECT_TRUE(Close());
  EXPECT_TRUE(answered);
  ASSERT_GE(watcher.Seen().size(), 2u);
  EXPECT_EQ(watcher.Seen()[1].text, ChangedElsewhereText(Conf()));
  EXPECT_NE(dir.Read("zidezir.conf").find("Listener Port=1721\r\n"), std::string::npos);
  EXPECT_EQ(RevisionConfs(), (std::vector<std::string>{theirs, before}));
}

}  // namespace
}  // namespace zz::test
