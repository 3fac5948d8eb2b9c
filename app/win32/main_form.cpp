// TMainForm: its making, pages, handlers and messages. The menu, the placement, the DPI,
// the keyboard and the restart's window have files of their own (main_form_*.cpp).
#include "main_form.h"

#include <algorithm>

#include "about_box.h"
#include "app_texts.h"
#include "conf_loader.h"
#include "file_form.h"
#include "file_system.h"
#include "lock_wait_dialog.h"
#include "messages.h"
#include "page_actions.h"
#include "page_defaults.h"
#include "save_flows.h"
#include "ui/colours.h"
#include "voice_ini.h"
#include "win32/system_library.h"
#include "win32/utf16.h"

namespace zz {

namespace {

constexpr DWORD kFormStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

}  // namespace

TMainForm::TMainForm(const MainFormParts& parts)
    : parts_(parts),
      context_{nullptr, ui::Scale(), {}, parts.beeper, parts.prompts, session_.state, [this] { mExitClick(); }},
      trl_(context_),
      network_(context_),
      voice_(context_),
      add_(context_),
      service_(context_),
      editor_(network_, voice_, add_, trl_, status_),
      session_{parts.table, editor_, parts.prompts, parts.programDir, {}, {}, "zurerizeda",
               [this](const std::string& target) { return TFormLockWait::Acquire(hwnd(), target); }},
      servicePage_(parts.service, service_, session_, *this, [this] { SavePlacement(); }, parts.restartPause,
                   parts.guard) {}

TMainForm::~TMainForm() {
  if (hwnd()) KillTimer(hwnd(), kTimerId);
}

Page& TMainForm::PageOf(PageId id) {
  switch (id) {
    case PageId::kTrl: return trl_;
    case PageId::kNetwork: return network_;
    case PageId::kVoice: return voice_;
    case PageId::kAdd: return add_;
    case PageId::kService: break;
  }
  return service_;
}

std::array<Page*, kPageCount> TMainForm::Pages() {
  std::array<Page*, kPageCount> pages{};
  for (std::size_t i = 0; i < kPageCount; ++i) pages[i] = &PageOf(kPages[i].id);
  return pages;
}

std::array<const Page*, kPageCount> TMainForm::Pages() const {
  // Only looks: the pages are the same objects.
  const std::array<Page*, kPageCount> pages = const_cast<TMainForm*>(this)->Pages();
  std::array<const Page*, kPageCount> seen{};
  std::copy(pages.begin(), pages.end(), seen.begin());
  return seen;
}

std::vector<int> TMainForm::StatusParts() const {
  std::vector<int> widths;
  for (int w : kStatusPartWidths) widths.push_back(context_.scale(w));
  return widths;
}

void TMainForm::CreateForm() {
  // The window opens at the system's DPI; a monitor of another DPI rescales it at once.
  const ui::Scale scale(ui::SystemDpi());
  fonts_ = std::make_unique<ui::FontSet>(scale.Dpi());
  context_.scale = scale;
  context_.fonts = fonts_.get();
  Create({L"TMainForm", text::kMainCaption, kFormStyle, WS_EX_CONTROLPARENT, CW_USEDEFAULT, CW_USEDEFAULT,
          scale(kMinWidth), scale(kMinHeight)});
  // No larger than the work area (a small screen at a large scale): the pages scroll instead.
  const POINT fit = MinimumSize();
  SetWindowPos(hwnd(), nullptr, 0, 0, fit.x, fit.y, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  tips_ = ui::Tooltip::Create(hwnd());
  tips_.SetAutoPop(kHintHidePause);
  context_.tips = tips_;

  CreateMenu();
  panel1_.CreateBar(hwnd(), scale, *fonts_);
  ApplyColourScheme(ui::HighContrastOn());
  // The block page shows first; the others are made when first shown (their fields, and the
  // service page its state, keep what they are given until then), so that the window shows
  // sooner.
  trl_.CreatePage(hwnd(), text::kNavTrl);
  network_.Declare(hwnd(), "");  // the network page has no title of its own
  voice_.Declare(hwnd(), text::kNavVoice);
  add_.Declare(hwnd(), text::kNavAdd);
  service_.Declare(hwnd(), kServicePageHeading);
  status_ = ui::StatusBar(ui::CreateControl(STATUSCLASSNAMEW, "", WS_VISIBLE | CCS_NORESIZE | CCS_NOPARENTALIGN |
                                                                       CCS_NODIVIDER | SBARS_SIZEGRIP,
                                            0, {0, 0, 100, scale(kStatusBarHeight)}, hwnd(), 2, fonts_->Regular()));
  status_.SetParts(StatusParts());
  BindHandlers();
  Layout();

  // The creation's own steps: the service page, the grid header (made with the grid), the hints.
  servicePage_.Initialize();
  SetTimer(hwnd(), kTimerId, static_cast<UINT>(kServicePollInterval.count()), nullptr);
  const int dpi = ui::WindowDpi(hwnd());
  if (dpi != scale.Dpi()) {
    RECT r{};
    GetWindowRect(hwnd(), &r);
    OnDpiChanged(dpi, {r.left, r.top, r.left + ui::Scale(dpi)(kMinWidth), r.top + ui::Scale(dpi)(kMinHeight)});
  }
}

void TMainForm::ApplyColourScheme(bool highContrast) {
  context_.highContrast = highContrast;
  panel1_.SetHighContrast(highContrast);
  RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void TMainForm::BindHandlers() {
  panel1_.onClick = [this](NavButton b) { NavClick(b); };
  panel1_.onError = [this](const std::string& message) { ReportError(message); };
  bool& modified = session_.state.modified;
  network_.onDefaults = [this, &modified] { ButtonDefaultNetworkClick(editor_, modified); };
  voice_.onDefaults = [this, &modified] { ButtonDefaultAudioClick(editor_, modified); };
  add_.onDefaults = [this] { ButtonDefaultAddClick(editor_); };
  trl_.onDefaults = [this, &modified] { Button1DefClick(editor_, modified); };
  service_.onRun = [this] { servicePage_.RunButtonClick(); };
  service_.onStartType = [this] { servicePage_.StartTypeCBClick(); };
}

void TMainForm::Layout() {
  RECT client{};
  GetClientRect(hwnd(), &client);
  const int statusHeight = context_.scale(kStatusBarHeight);
  const int height = client.bottom - statusHeight;
  panel1_.Place(height);
  const int barWidth = panel1_.Width();
  const ui::Rect pageArea{barWidth, 0, client.right - barWidth, height};
  for (Page* page : Pages()) page->Place(pageArea);
  status_.Move({0, height, client.right, statusHeight});
}

void TMainForm::ShowForm(int show) {
  ShowWindow(hwnd(), show);
  UpdateWindow(hwnd());
  lastFocus_ = trl_.StringGrid1.control().hwnd();
  SetFocus(lastFocus_);
}

void TMainForm::FormCreate() {
  parts_.settingsFileName = JoinPath(parts_.programDir, kPlacementFileName);
  RestorePlacement();
  SpeedButtonTrlClick();
  ConfigState& state = session_.state;
  state.currentPath = session_.ProgramFile(kConfFileName);
  if (!FileExists(state.currentPath)) {
    StartWithoutConfiguration();
  } else if (!LoadConfigFile(session_, state.currentPath)) {
    // Its message was the one to give. Nothing is loaded, so nothing is saved over the file,
    // and voice.ini keeps the intercom units until the file can be read.
    StartWithoutConfiguration();
    return;
  }
  const std::string voice = session_.ProgramFile(kVoiceFileName);
  if (!FileExists(voice)) parts_.prompts.Show(PlainMessage(kVoiceIniMissingText));
  // Made anew from the configuration also when it was missing (as on a first start after
  // installing): without it the intercom units would be out of reach of the block dialog,
  // and every save would write the configuration without them.
  RebuildVoiceFile(session_.ProgramFile(kConfFileName), voice);
  RememberProgramFiles(session_);
}

void TMainForm::StartWithoutConfiguration() {
  // Rather than blank lists, which a save would write as "yes" for every yes/no list nobody
  // chose, the values of the four defaults buttons; nothing counts as changed by them.
  session_.state.currentPath.clear();
  bool untouched = false;
  ButtonDefaultNetworkClick(editor_, untouched);
  ButtonDefaultAudioClick(editor_, untouched);
  ButtonDefaultAddClick(editor_);
  Button1DefClick(editor_, untouched);
  status_.SetPartText(0, text::kNoConfigurationLoaded);
}

void TMainForm::HidePages() {
  for (Page* page : Pages()) page->Show(false);
}

Page& TMainForm::Made(Page& page) {
  if (!page.hwnd()) {
    page.EnsureCreated();
    Layout();
  }
  return page;
}

void TMainForm::ShowPage(Page& page) {
  Made(page);
  HidePages();
  Layout();
  page.Show(true);
  // The focus follows to the page shown, unless it is elsewhere on the window (the bar).
  HWND focus = GetFocus();
  if (!focus || focus == hwnd() || !IsWindowVisible(focus) || IsChild(panel1_.hwnd(), focus)) {
    if (HWND first = page.FirstField()) SetFocus(first);
  }
}

int TMainForm::CurrentPage() const {
  const auto pages = Pages();
  for (std::size_t i = 0; i < pages.size(); ++i)
    if (pages[i]->Visible()) return static_cast<int>(i);
  return 0;
}

void TMainForm::ShowPageAt(int index) {
  const int count = static_cast<int>(Pages().size());
  NavClick(static_cast<NavButton>(((index % count) + count) % count));
}

void TMainForm::NavClick(NavButton button) {
  switch (button) {
    case NavButton::kTrl: return SpeedButtonTrlClick();
    case NavButton::kNetwork: return SpeedButtonNetworkClick();
    case NavButton::kVoice: return SpeedButtonVoiceClick();
    case NavButton::kAdd: return SpeedButtonAddClick();
    case NavButton::kService: return SpeedButtonServiceClick();
    case NavButton::kClose: return mExitClick();
  }
}

void TMainForm::mExitClick() { PostMessageW(hwnd(), WM_CLOSE, 0, 0); }

void TMainForm::mOpenClick() {
  ConfigState& state = session_.state;
  std::optional<std::string> chosen = parts_.prompts.OpenFile(OpenDialog1(state.openDialogFileName));
  if (!chosen) return;
  state.openDialogFileName = *chosen;
  // A file that could not be loaded changes nothing: the window still holds what it held.
  if (!LoadConfigFile(session_, *chosen)) return;
  state.modified = true;
  MergeVoiceSections(*chosen, session_.ProgramFile(kVoiceFileName));
  RememberVoiceFile(session_);  // the window's own change
}

void TMainForm::mSaveasClick() { SaveAs(session_); }

void TMainForm::OpenDocument(const HelpDocument& document) {
  std::wstring path = Widen(session_.ProgramFile(document.path));
  using ShellExecuteFn = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
  static const ShellExecuteFn shellExecute = LibraryFunction<ShellExecuteFn>(L"shell32.dll", "ShellExecuteW");
  const auto result = shellExecute ? reinterpret_cast<INT_PTR>(shellExecute(hwnd(), L"open", path.c_str(), nullptr,
                                                                            nullptr, SW_RESTORE))
                                   : 0;
  if (!ShellOpenSucceeded(result)) parts_.prompts.Show(PlainMessage(document.failedMessage));
}

void TMainForm::VELTOGateway1Click() { OpenDocument(kSetupDocument); }

void TMainForm::N2Click() { OpenDocument(kManualDocument); }

void TMainForm::mAboutClick() {
  TFormAbout about;
  about.programDir = parts_.programDir;
  about.confFile = session_.ProgramFile(kConfFileName);
  about.voiceFile = session_.ProgramFile(kVoiceFileName);
  about.settingsFile = session_.ProgramFile(kPlacementFileName);
  about.ShowModal(hwnd());
}

bool TMainForm::Extended() const { return menu_.Checked(kMenuExtended); }

void TMainForm::CheckBoxVidClick() { network_.ShowPrefixes(Extended()); }

void TMainForm::FormCloseQuery(bool& canClose) { servicePage_.FormCloseQuery(canClose); }

void TMainForm::OnClose() {
  bool canClose = true;
  FormCloseQuery(canClose);
  if (canClose && hwnd()) DestroyWindow(hwnd());
}

LRESULT TMainForm::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
      if (lp == 0) OnCommand(LOWORD(wp));
      return 0;
    case WM_SIZE:
      if (status_.hwnd()) Layout();
      return 0;
    case WM_GETMINMAXINFO:
      reinterpret_cast<MINMAXINFO*>(lp)->ptMinTrackSize = MinimumSize();
      return 0;
    case WM_SYSCOLORCHANGE:
      // The common controls take the new colours when told.
      EnumChildWindows(
          hwnd(),
          [](HWND child, LPARAM) {
            SendMessageW(child, WM_SYSCOLORCHANGE, 0, 0);
            return TRUE;
          },
          0);
      ApplyColourScheme(ui::HighContrastOn());
      return 0;
    case WM_SETTINGCHANGE:
      ApplyColourScheme(ui::HighContrastOn());
      break;
    case WM_DPICHANGED:
      OnDpiChanged(HIWORD(wp), *reinterpret_cast<const RECT*>(lp));
      return 0;
    case WM_ACTIVATE:
      OnActivate(LOWORD(wp) != WA_INACTIVE);
      return 0;
    case WM_SETFOCUS:
      RestoreFocus();
      return 0;
    case WM_MEASUREITEM:
      if (menu_.Measure(*reinterpret_cast<MEASUREITEMSTRUCT*>(lp))) return TRUE;
      break;
    case WM_DRAWITEM:
      if (menu_.Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp))) return TRUE;
      break;
    case WM_TIMER:
      if (wp == kTimerId) servicePage_.TimerTimer();
      return 0;
    case WM_SETCURSOR:
      if (waitCursor_) {
        SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
      }
      break;
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_DESTROY:
      KillTimer(hwnd(), kTimerId);
      SavePlacement();  // FormClose
      if (quitOnDestroy_) PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return ui::Window::HandleMessage(msg, wp, lp);
}

}  // namespace zz
