// Every window of the program at the DPI of the process: the main window on each page, the
// block dialog, the record dialog, the input box, the about box and the progress window keep
// their design at 96 DPI, and at 144 and 192 DPI their physical size, with every control
// inside its parent, no text or column header cut off, none on another that takes input, and
// none under another window.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "about_box.h"
#include "app_texts.h"
#include "blocks_window_fixture.h"
#include "changes_dialog.h"
#include "cp1251.h"
#include "history_dialog.h"
#include "layout_check.h"
#include "real_input.h"
#include "ui/dialog.h"
#include "ui/dpi.h"
#include "utrlm.h"
#include "win32/utf16.h"
#include "zz_version.h"

namespace zz::test {
namespace {

constexpr const char* kExpectedDpiVariable = "ZZ_EXPECT_DPI";

SIZE SizeOf(HWND h, bool client) {
  RECT r{};
  if (client)
    GetClientRect(h, &r);
  else
    GetWindowRect(h, &r);
  return {r.right - r.left, r.bottom - r.top};
}

// Within 2 % of the design's length at the DPI.
void ExpectScaled(long actual, int design, int dpi, const char* what) {
  const double expected = design * dpi / 96.0;
  EXPECT_NEAR(static_cast<double>(actual), expected, expected * 0.02) << what << " at " << dpi << " DPI";
}

void ExpectSound(HWND window, const std::string& where) {
  for (const std::string& f : LayoutFindings(window)) ADD_FAILURE() << where << ": " << f;
}

using LayoutAtSystemDpi = BlocksWindowTest;

TEST_F(LayoutAtSystemDpi, EveryWindowKeepsItsPhysicalSizeAndItsControlsTheirPlaces) {
  const int dpi = ui::SystemDpi();
  if (const char* expected = std::getenv(kExpectedDpiVariable)) {
    ASSERT_EQ(dpi, std::atoi(expected));
  }
  StartWithBlocks(ConfWithManyUnits(255), "");
  EXPECT_EQ(Form().Dpi(), dpi);
  const SIZE main = SizeOf(Form().hwnd(), false);
  ExpectScaled(main.cx, kMinWidth, dpi, "main window width");
  ExpectScaled(main.cy, kMinHeight, dpi, "main window height");
  ExpectScaled(Form().Panel1().Button(NavButton::kTrl).Bounds().width, 185, dpi, "navigation button");

  const std::pair<NavButton, const char*> pages[] = {{NavButton::kTrl, "blocks"},  {NavButton::kNetwork, "network"},
                                                     {NavButton::kVoice, "sound"}, {NavButton::kAdd, "logs"},
                                                     {NavButton::kService, "service"}};
  for (const auto& [button, name] : pages) {
    Click(Form().Panel1().Button(button));
    Pump(20);
    ExpectSound(Form().hwnd(), name);
  }
  Menu(kMenuExtended);  // the prefix list of the network page
  Click(Form().Panel1().Button(NavButton::kNetwork));
  Pump(20);
  ExpectSound(Form().hwnd(), "network, extended");

  // The input box of a prefix line.
  NetworkPage& network = Form().PanelNetwork();
  network.ListBoxPrefixes.control().SetCurSel(0);
  SIZE inputBox{};
  watcher.Script({{IDCANCEL, std::nullopt, [&](HWND box) {
                     inputBox = SizeOf(box, true);
                     ExpectSound(box, "input box");
                   }}});
  SendMessageW(network.hwnd(), WM_COMMAND, MAKEWPARAM(network.ListBoxPrefixes.control().Id(), LBN_DBLCLK),
               reinterpret_cast<LPARAM>(network.ListBoxPrefixes.control().hwnd()));
  ExpectScaled(inputBox.cy, 110, dpi, "input box height");

  // The block dialog of block 1, opened with the keyboard from the list: it shows its first
  // unit of 255, current, with the numbers and type names whole; and the record dialog of it.
  Click(Form().Panel1().Button(NavButton::kTrl));
  SIZE block{}, record{};
  int topRow = -1, currentRow = -1;
  bool firstRowShown = false;
  std::vector<std::string> cut;
  ASSERT_TRUE(WithBlockDialog(
      [&] {
        BringToFront(Form().hwnd());
        ClickAt(Grid1().hwnd(), OnRow(Grid1().hwnd(), 0));
        PressKey(VK_RETURN);
      },
      [&](const DialogSteps& d) {
        // As it stands once shown and painted.
        d.Settle();
        Sleep(300);
        d.Settle();
        block = SizeOf(d.hwnd(), false);
        ExpectSound(d.hwnd(), "block dialog");
        const HWND grid = d.Item(TFormTRLM::kStringGrid2);
        const ui::ListView list(grid);
        topRow = list.TopIndex();
        currentRow = list.Selected();
        RECT header{}, row{};
        GetWindowRect(ListView_GetHeader(grid), &header);
        ListView_GetItemRect(grid, 0, &row, LVIR_BOUNDS);
        MapWindowPoints(grid, nullptr, reinterpret_cast<POINT*>(&row), 2);
        firstRowShown = row.top >= header.bottom - 1;
        // Whole: the text and the cell's margins.
        const std::pair<int, const char*> whole[] = {{0, "255"}, {1, kUnitTypeNames[0]}, {1, kUnitTypeNames[1]},
                                                     {1, kUnitTypeNames[2]}, {2, "255"}};
        for (const auto& [column, text] : whole)
          if (list.ColumnWidth(column) < list.StringWidth(text) + 12) cut.push_back(text);
        HWND rec = d.Open(TFormTRLM::kButton3Change);
        ASSERT_NE(rec, nullptr);
        record = SizeOf(rec, true);
        ExpectSound(rec, "record dialog");
        DialogSteps(rec).Close(IDCANCEL);
      },
      IDCANCEL));
  EXPECT_EQ(topRow, 0);
  EXPECT_EQ(currentRow, 0);
  EXPECT_TRUE(firstRowShown);
  EXPECT_EQ(cut, std::vector<std::string>{});
  ExpectScaled(block.cx, TFormTRLM::kWidth, dpi, "block dialog width");
  ExpectScaled(block.cy, TFormTRLM::kHeight, dpi, "block dialog height");
  ExpectScaled(record.cx, TFormInput::kClientWidth, dpi, "record dialog width");
  ExpectScaled(record.cy, TFormInput::kClientHeight, dpi, "record dialog height");

  // The about box from the help menu: the version and the places of the files; Esc closes it,
  // as it closes every dialog of the program.
  SIZE about{};
  std::vector<std::string> aboutTexts;
  bool closedByEscape = false;
  watcher.Script({{IDOK, std::nullopt, [&](HWND box) {
                     about = SizeOf(box, true);
                     ExpectSound(box, "about box");
                     for (int id : {TFormAbout::kVersion, TFormAbout::kProgramDir, TFormAbout::kConfFile,
                                    TFormAbout::kVoiceFile, TFormAbout::kSettingsFile})
                       aboutTexts.push_back(ui::Control(GetDlgItem(box, id)).Text());
                     BringToFront(box);
                     EXPECT_TRUE(FocusReaches(GetDlgItem(box, IDOK)));
                     PressKey(VK_ESCAPE);
                     closedByEscape = Gone(box);
                   }}});
  const std::size_t seenBefore = watcher.Seen().size();
  Menu(kMenuAbout);
  // The watcher records the box once its steps are done, which may be after it closed.
  EXPECT_TRUE(PumpUntil([&] { return watcher.Seen().size() > seenBefore; }, 8000));
  ExpectScaled(about.cx, TFormAbout::kClientWidth, dpi, "about box width");
  ExpectScaled(about.cy, TFormAbout::kClientHeight, dpi, "about box height");
  EXPECT_EQ(aboutTexts, (std::vector<std::string>{std::string("Версия ") + ZZ_VERSION_TEXT, dir.Path(), Conf(),
                                                  dir.File("voice.ini"), dir.File("Zurerizeda.ini")}));
  EXPECT_TRUE(closedByEscape);

  TFormPr progress;
  progress.CreateForm(Form().hwnd());
  RECT over{}, work{};
  GetWindowRect(Form().hwnd(), &over);
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  progress.ShowCentred(over, work);
  Pump(20);
  ExpectScaled(SizeOf(progress.hwnd(), true).cx, TFormPr::kClientWidth, dpi, "progress window width");
  ExpectScaled(SizeOf(progress.hwnd(), true).cy, TFormPr::kClientHeight, dpi, "progress window height");
  ExpectSound(progress.hwnd(), "progress window");
}

// The two dialogs of the File menu that compare configurations, with something to show: a
// pending change, and a revision in the history whose date and time show whole.
TEST_F(LayoutAtSystemDpi, TheComparisonAndHistoryDialogsKeepTheirSizeAndTheirControlsTheirPlaces) {
  const int dpi = ui::SystemDpi();
  StartWithBlocks(SampleConf(), "");
  AddRevision(ConfWithManyUnits(40), "Блоки ТРЛ-М / блок 1");
  Ed().EditNetworkListenerPort().SetText("1721");
  for (int menu : {kMenuShowChanges, kMenuHistory}) {
    const bool history = menu == kMenuHistory;
    SIZE size{};
    std::string dateCut;
    watcher.Script({{IDCANCEL, std::nullopt, [&](HWND box) {
                       size = SizeOf(box, true);
                       ExpectSound(box, history ? "history dialog" : "changes dialog");
                       const ui::ListView list(GetDlgItem(box, TFormHistory::kList));
                       if (history && list.ColumnWidth(1) < list.StringWidth(list.ItemText(0, 1)) + 12)
                         dateCut = list.ItemText(0, 1);
                     }}});
    const std::size_t seenBefore = watcher.Seen().size();
    Menu(menu);
    EXPECT_TRUE(PumpUntil([&] { return watcher.Seen().size() > seenBefore; }, 8000));
    ExpectScaled(size.cx, history ? TFormHistory::kClientWidth : TFormChanges::kClientWidth, dpi, "dialog width");
    ExpectScaled(size.cy, history ? TFormHistory::kClientHeight : TFormChanges::kClientHeight, dpi, "dialog height");
    EXPECT_EQ(dateCut, "");
  }
}

// Moved to a monitor of another DPI, the window gets WM_DPICHANGED with the size the system
// suggests, and lays itself out again; back on the first monitor it is as it was.
TEST_F(LayoutAtSystemDpi, TheWindowFollowsItsMonitorToAnotherDpi) {
  StartWithBlocks(SampleConf(), "");
  // To another DPI the screen still holds the window at.
  const int first = Form().Dpi(), second = first == 96 ? 144 : 96;
  const ui::ListView& grid = Grid1();
  const int columnBefore = grid.ColumnWidth(4);
  auto moveTo = [&](int dpi) {
    RECT r{};
    GetWindowRect(Form().hwnd(), &r);
    RECT suggested{r.left, r.top, r.left + MulDiv(kMinWidth, dpi, 96), r.top + MulDiv(kMinHeight, dpi, 96)};
    SendMessageW(Form().hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    Pump(30);
  };
  moveTo(second);
  EXPECT_EQ(Form().Dpi(), second);
  ExpectScaled(SizeOf(Form().hwnd(), false).cx, kMinWidth, second, "main window width");
  ExpectScaled(Form().Panel1().Button(NavButton::kTrl).Bounds().width, 185, second, "navigation button");
  EXPECT_NEAR(grid.ColumnWidth(4), MulDiv(columnBefore, second, first), 2) << "comment column";
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Trl().ButtonAdd.hwnd(), WM_GETFONT, 0, 0)), sizeof font, &font);
  EXPECT_EQ(-font.lfHeight, ScaleToDpi(13, second));
  for (NavButton page :
       {NavButton::kTrl, NavButton::kNetwork, NavButton::kVoice, NavButton::kAdd, NavButton::kService}) {
    Click(Form().Panel1().Button(page));
    ExpectSound(Form().hwnd(), "after the move, page " + std::to_string(static_cast<int>(page)));
  }
  moveTo(first);
  EXPECT_EQ(SizeOf(Form().hwnd(), false).cx, MulDiv(kMinWidth, first, 96));
  EXPECT_EQ(Form().Panel1().Button(NavButton::kTrl).Bounds().width, MulDiv(185, first, 96));
  EXPECT_NEAR(grid.ColumnWidth(4), columnBefore, 1);
}

// The same in a process of its own at each DPI: the system DPI is the prefix's LogPixels,
// read when a process starts.
class LogPixels {
 public:
  explicit LogPixels(DWORD dpi) {
    DWORD size = sizeof old_;
    had_ = RegGetValueW(HKEY_CURRENT_USER, kKey, L"LogPixels", RRF_RT_REG_DWORD, nullptr, &old_, &size) ==
           ERROR_SUCCESS;
    Set(dpi);
  }
  ~LogPixels() {
    if (had_)
      Set(old_);
    else
      RegDeleteKeyValueW(HKEY_CURRENT_USER, kKey, L"LogPixels");
  }
  LogPixels(const LogPixels&) = delete;
  LogPixels& operator=(const LogPixels&) = delete;

 private:
  static constexpr const wchar_t* kKey = L"Control Panel\\Desktop";
  static void Set(DWORD dpi) {
    RegSetKeyValueW(HKEY_CURRENT_USER, kKey, L"LogPixels", REG_DWORD, &dpi, sizeof dpi);
  }
  DWORD old_ = 96;
  bool had_ = false;
};

// `desktop` ("NAME,WxH") runs it on a Wine desktop of that size, through Wine's explorer.
DWORD RunSelf(const std::wstring& arguments, DWORD dpi, const std::wstring& desktop = L"") {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring command = L"\"" + std::wstring(self) + L"\" " + arguments;
  if (!desktop.empty()) command = L"explorer.exe /desktop=" + desktop + L" " + command;
  SetEnvironmentVariableW(Widen(kExpectedDpiVariable).c_str(), std::to_wstring(dpi).c_str());
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  BOOL started = CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                &process);
  SetEnvironmentVariableW(Widen(kExpectedDpiVariable).c_str(), nullptr);
  if (!started) return 0xFFFFFFFF;
  WaitForSingleObject(process.hProcess, 180000);
  DWORD code = 0xFFFFFFFF;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code;
}

TEST(LayoutAtOtherDpi, At144And192DotsPerInch) {
  if (std::getenv(kExpectedDpiVariable)) GTEST_SKIP() << "runs in the parent process only";
  for (DWORD dpi : {144u, 192u}) {
    LogPixels at(dpi);
    EXPECT_EQ(RunSelf(L"--gtest_filter=LayoutAtSystemDpi.*-*OnASmallScreen*", dpi), 0u) << dpi << " DPI";
  }
}

// High contrast, with a white-on-black scheme of the user's: the sound diagram, the service
// state and the navigation bar draw in the scheme's colours, none in the design's own; in the
// normal scheme they keep the design's. Pictures of both schemes are left beside the test
// program (layout-shots/*.bmp) for a person to look at.
class SystemColours {
 public:
  explicit SystemColours(const std::vector<std::pair<int, COLORREF>>& colours) {
    for (const auto& [index, colour] : colours) {
      indices_.push_back(index);
      old_.push_back(GetSysColor(index));
      wanted_.push_back(colour);
    }
    SetSysColors(static_cast<int>(indices_.size()), indices_.data(), wanted_.data());
  }
  ~SystemColours() { SetSysColors(static_cast<int>(indices_.size()), indices_.data(), old_.data()); }
  SystemColours(const SystemColours&) = delete;
  SystemColours& operator=(const SystemColours&) = delete;

 private:
  std::vector<int> indices_;
  std::vector<COLORREF> old_, wanted_;
};

const std::vector<std::pair<int, COLORREF>> kWhiteOnBlack{
    {COLOR_WINDOW, RGB(0, 0, 0)},          {COLOR_WINDOWTEXT, RGB(255, 255, 255)}, {COLOR_BTNFACE, RGB(0, 0, 0)},
    {COLOR_BTNTEXT, RGB(255, 255, 255)},   {COLOR_HIGHLIGHT, RGB(26, 235, 255)},   {COLOR_GRAYTEXT, RGB(63, 242, 63)},
    {COLOR_HIGHLIGHTTEXT, RGB(0, 0, 0)}};

// The window's picture as a BMP file in layout-shots beside the test program.
void SaveShot(HWND window, const std::vector<std::uint32_t>& pixels, const std::string& name) {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring dir(self);
  dir = dir.substr(0, dir.find_last_of(L'\\')) + L"\\layout-shots";
  CreateDirectoryW(dir.c_str(), nullptr);
  RECT r{};
  GetWindowRect(window, &r);
  BITMAPINFOHEADER info{sizeof info, r.right - r.left, -(r.bottom - r.top), 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  const DWORD bytes = static_cast<DWORD>(pixels.size() * sizeof(std::uint32_t));
  BITMAPFILEHEADER head{0x4D42, static_cast<DWORD>(sizeof head + sizeof info) + bytes, 0, 0, sizeof head + sizeof info};
  HANDLE file = CreateFileW((dir + L"\\" + Widen(name) + L".bmp").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(file, &head, sizeof head, &written, nullptr);
  WriteFile(file, &info, sizeof info, &written, nullptr);
  WriteFile(file, pixels.data(), bytes, &written, nullptr);
  CloseHandle(file);
}

// How many pixels of a picture show the colour.
std::size_t Count(const std::vector<std::uint32_t>& pixels, COLORREF colour) {
  const std::uint32_t wanted = (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
  std::size_t n = 0;
  for (std::uint32_t p : pixels) n += (p & 0xFFFFFF) == wanted;
  return n;
}

using HighContrastScheme = BlocksWindowTest;

TEST_F(HighContrastScheme, TheDiagramTheServiceStateAndTheNavigationBarTakeTheSchemesColours) {
  StartWithBlocks(SampleConf(), "");
  const HWND main = Form().hwnd();
  BringToFront(main);
  // The design's own colours of the diagram's lines, bars and texts, and of the state.
  const COLORREF diagram[] = {RGB(200, 0, 0), RGB(0, 90, 200), RGB(60, 160, 60), RGB(230, 170, 40), RGB(140, 90, 0)};
  EXPECT_FALSE(Form().HighContrast());  // as the system says (Wine never turns it on)
  for (bool highContrast : {false, true}) {
    const std::string scheme = highContrast ? "high-contrast" : "normal";
    std::optional<SystemColours> colours;
    if (highContrast) colours.emplace(kWhiteOnBlack);
    Form().ApplyColourScheme(highContrast);

    Click(Form().Panel1().Button(NavButton::kVoice));
    Pump(50);
    std::vector<std::uint32_t> shot = Picture(main);
    SaveShot(main, shot, scheme + "-sound");
    if (highContrast) {
      for (COLORREF c : diagram) EXPECT_EQ(Count(shot, c), 0u) << scheme << ": the diagram's colour " << std::hex << c;
    } else {
      EXPECT_GT(Count(shot, RGB(0, 90, 200)), 100u) << "the signal's blue";
    }
    const std::vector<std::uint32_t> bar = Picture(Form().Panel1().hwnd());
    // Plain in high contrast: most of the bar is the scheme's face colour; a gradient otherwise.
    const std::size_t face = Count(bar, GetSysColor(COLOR_BTNFACE));
    if (highContrast)
      EXPECT_GT(face, bar.size() / 2) << scheme << ": the navigation bar";
    else
      EXPECT_LT(face, bar.size() / 2) << scheme << ": the navigation bar";

    Click(Form().Panel1().Button(NavButton::kService));
    Form().PanelService().SetStateText("выполняется");  // as the poll of a running service
    Pump(50);
    shot = Picture(main);
    SaveShot(main, shot, scheme + "-service");
    const std::vector<std::uint32_t> state = Picture(Form().PanelService().Label1.hwnd());
    EXPECT_EQ(Count(state, kStateBlue) > 0, !highContrast) << scheme << ": the state's blue";
    if (highContrast) {
      EXPECT_GT(Count(state, RGB(255, 255, 255)), 0u) << "the state in the scheme's text colour";
    }
    Click(Form().Panel1().Button(NavButton::kTrl));
    Pump(50);
    SaveShot(main, Picture(main), scheme + "-blocks");
  }
  Form().ApplyColourScheme(false);
}

// A small screen at a large scale: 200 % on 1920×1080 and 125 % on 1366×768, each process on
// a Wine desktop of that size. The main window fits the work area, its navigation bar shows
// every button, and each page scrolls every control the keyboard reaches into view when it
// takes the focus; the dialogs open whole within the work area, smaller than their design
// where it does not fit, with their controls sound.
constexpr const char* kExpectedScreenVariable = "ZZ_EXPECT_SCREEN";

void ExpectWithin(HWND window, const RECT& area, const std::string& where) {
  RECT r{};
  GetWindowRect(window, &r);
  EXPECT_TRUE(r.left >= area.left && r.top >= area.top && r.right <= area.right && r.bottom <= area.bottom)
      << where << " at (" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ") in (" << area.left
      << "," << area.top << ")-(" << area.right << "," << area.bottom << ")";
}

RECT ClientOnScreen(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void ExpectWithinWorkArea(HWND window, const std::string& where) {
  ExpectWithin(window, ui::WorkAreaOf(window), where);
  ExpectSound(window, where);
}

TEST_F(LayoutAtSystemDpi, OnASmallScreenEveryDialogOpensWithinTheWorkArea) {
  const char* screen = std::getenv(kExpectedScreenVariable);
  if (!screen) GTEST_SKIP() << "runs on a small desktop only";
  EXPECT_EQ(std::to_string(GetSystemMetrics(SM_CXSCREEN)) + "x" + std::to_string(GetSystemMetrics(SM_CYSCREEN)),
            screen);
  StartWithBlocks(ConfWithManyUnits(40), "");
  const HWND main = Form().hwnd();
  const RECT work = ui::WorkAreaOf(main);
  ExpectWithin(main, work, "main window");
  Menu(kMenuExtended);  // the prefix list of the network page
  for (NavButton page : {NavButton::kTrl, NavButton::kNetwork, NavButton::kVoice, NavButton::kAdd, NavButton::kService}) {
    Click(Form().Panel1().Button(page));
    Pump(20);
    for (int b = 0; b < kNavButtonCount; ++b)
      ExpectWithin(Form().Panel1().Button(static_cast<NavButton>(b)).hwnd(), ClientOnScreen(main), "navigation button");
    for (const AccessibleControl& control : FocusableControls(main)) {
      SetFocus(control.hwnd);
      Pump(10);
      ExpectWithin(control.hwnd, ClientOnScreen(GetParent(control.hwnd)),
                   "page " + std::to_string(static_cast<int>(page)) + ", focused \"" + control.byRule + "\"");
    }
  }
  Click(Form().Panel1().Button(NavButton::kTrl));
  SelectRow(1);
  ASSERT_TRUE(WithBlockDialog([&] { Click(Trl().ButtonEdit); },
                              [&](const DialogSteps& d) {
                                d.Settle();
                                ExpectWithinWorkArea(d.hwnd(), "block dialog");
                                HWND record = d.Open(TFormTRLM::kButton3Change);
                                ASSERT_NE(record, nullptr);
                                ExpectWithinWorkArea(record, "record dialog");
                                DialogSteps(record).Close(IDCANCEL);
                              },
                              IDCANCEL));
  watcher.Script({{IDOK, std::nullopt, [&](HWND box) { ExpectWithinWorkArea(box, "about box"); }}});
  const std::size_t seenBefore = watcher.Seen().size();
  Menu(kMenuAbout);
  EXPECT_TRUE(PumpUntil([&] { return watcher.Seen().size() > seenBefore; }, 8000));
}

TEST(LayoutOnSmallScreens, At200PercentOn1920x1080And125PercentOn1366x768) {
  if (std::getenv(kExpectedDpiVariable)) GTEST_SKIP() << "runs in the parent process only";
  const std::pair<DWORD, const wchar_t*> screens[] = {{192u, L"1920x1080"}, {120u, L"1366x768"}};
  TempDir reports;
  for (const auto& [dpi, size] : screens) {
    // Wine's explorer does not hand on the program's exit code: its test report tells.
    const std::string report = reports.File(Narrow(size) + ".xml");
    LogPixels at(dpi);
    SetEnvironmentVariableW(Widen(kExpectedScreenVariable).c_str(), size);
    RunSelf(L"--gtest_filter=LayoutAtSystemDpi.OnASmallScreen* --gtest_output=xml:" + Widen(report), dpi,
            std::wstring(L"zz") + size + L"," + size);
    SetEnvironmentVariableW(Widen(kExpectedScreenVariable).c_str(), nullptr);
    const std::string xml = reports.Read(Narrow(size) + ".xml");
    EXPECT_NE(xml.find("tests=\"1\" failures=\"0\""), std::string::npos) << Narrow(size) << "\n" << xml;
  }
}

}  // namespace
}  // namespace zz::test
