#include "main_form.h"

#include <shellapi.h>

#include "app_texts.h"
#include "conf_loader.h"
#include "file_system.h"
#include "ini_file.h"
#include "messages.h"
#include "page_actions.h"
#include "page_defaults.h"
#include "placement.h"
#include "save_flows.h"
#include "voice_ini.h"
#include "win32/utf16.h"

namespace zz {

namespace {

constexpr DWORD kFormStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

}  // namespace

TMainForm::TMainForm(const MainFormParts& parts)
    : parts_(parts),
      context_{nullptr, nullptr, nullptr, {}, parts.beeper, parts.prompts, session_.state, [this] { mExitClick(); }},
      trl_(context_),
      network_(context_),
      voice_(context_),
      add_(context_),
      service_(context_),
      editor_(network_, voice_, add_, trl_, status_),
      session_{parts.table, editor_, parts.prompts, parts.programDir, {}},
      servicePage_(parts.service, service_, session_, *this, [this] { SavePlacement(); }, parts.restartPause) {}

TMainForm::~TMainForm() {
  if (hwnd()) KillTimer(hwnd(), kTimerId);
}

void TMainForm::CreateForm() {
  font_ = ui::MakeFont(L"MS Sans Serif", -13);
  boldFont_ = ui::MakeFont(L"MS Sans Serif", -13, true);
  titleFont_ = ui::MakeFont(L"MS Sans Serif", -18, true);
  Create({L"TMainForm", text::kMainCaption, kFormStyle, WS_EX_CONTROLPARENT, CW_USEDEFAULT, CW_USEDEFAULT, kMinWidth,
          kMinHeight});
  tips_ = ui::Tooltip::Create(hwnd());
  tips_.SetAutoPop(kHintHidePause);
  context_.font = font_.get();
  context_.boldFont = boldFont_.get();
  context_.titleFont = titleFont_.get();
  context_.tips = tips_;

  CreateMenu();
  panel1_.CreateBar(hwnd(), font_.get());
  trl_.CreatePage(hwnd(), text::kNavTrl);
  network_.CreatePage(hwnd(), text::kNavNetwork);
  voice_.CreatePage(hwnd(), text::kNavVoice);
  add_.CreatePage(hwnd(), text::kNavAdd);
  service_.CreatePage(hwnd(), kServicePageHeading);
  status_ = ui::StatusBar(ui::CreateControl(STATUSCLASSNAMEW, "", WS_VISIBLE | CCS_NORESIZE | CCS_NOPARENTALIGN |
                                                                       CCS_NODIVIDER | SBARS_SIZEGRIP,
                                            0, {0, 0, 100, kStatusBarHeight}, hwnd(), 2, font_.get()));
  status_.SetParts({500, 300, 50});
  BindHandlers();
  Layout();

  // The creation's own steps: the service page, the grid header (made with the grid), the hints.
  servicePage_.Initialize();
  SetTimer(hwnd(), kTimerId, static_cast<UINT>(kServicePollInterval.count()), nullptr);
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

void TMainForm::CreateMenu() {
  struct Item {
    int id;
    const char* caption;
    PictureKind picture;
  };
  auto add = [this](HMENU popup, const Item& item) {
    AppendMenuW(popup, MF_STRING, static_cast<UINT_PTR>(item.id), Widen(item.caption).c_str());
    menuPictures_.push_back(DrawPicture(item.picture, 16));
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_BITMAP;
    info.hbmpItem = menuPictures_.back().handle();
    SetMenuItemInfoW(popup, static_cast<UINT>(item.id), FALSE, &info);
  };
  menu_ = ::CreateMenu();
  HMENU file = CreatePopupMenu();
  add(file, {kMenuOpen, text::kMenuOpen, PictureKind::kOpenFile});
  add(file, {kMenuSaveAs, text::kMenuSaveAs, PictureKind::kSaveFile});
  AppendMenuW(file, MF_SEPARATOR, 0, nullptr);  // N5
  add(file, {kMenuExit, text::kMenuExit, PictureKind::kExit});
  HMENU view = CreatePopupMenu();
  AppendMenuW(view, MF_STRING, kMenuExtended, Widen(text::kMenuExtended).c_str());
  HMENU help = CreatePopupMenu();
  add(help, {kMenuHelpSetup, text::kMenuHelpSetup, PictureKind::kHelpSetup});
  add(help, {kMenuHelpManual, text::kMenuHelpManual, PictureKind::kHelpManual});
  AppendMenuW(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(file), Widen(text::kMenuFile).c_str());
  AppendMenuW(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(view), Widen(text::kMenuView).c_str());
  AppendMenuW(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(help), Widen(text::kMenuHelp).c_str());
  SetMenu(hwnd(), menu_);
}

void TMainForm::Layout() {
  RECT client{};
  GetClientRect(hwnd(), &client);
  const int height = client.bottom - kStatusBarHeight;
  panel1_.Place(height);
  const ui::Rect pageArea{kNavBarWidth, 0, client.right - kNavBarWidth, height};
  for (Page* page : {static_cast<Page*>(&trl_), static_cast<Page*>(&network_), static_cast<Page*>(&voice_),
                     static_cast<Page*>(&add_), static_cast<Page*>(&service_)})
    page->Place(pageArea);
  status_.Move({0, height, client.right, kStatusBarHeight});
}

void TMainForm::ShowForm(int show) {
  ShowWindow(hwnd(), show);
  UpdateWindow(hwnd());
}

void TMainForm::FormCreate() {
  parts_.settingsFileName = JoinPath(parts_.programDir, kPlacementFileName);
  RestorePlacement();
  SpeedButtonTrlClick();
  ConfigState& state = session_.state;
  state.currentPath = session_.ProgramFile(kConfFileName);
  if (FileExists(state.currentPath))
    LoadConfigFile(session_, state.currentPath);
  else
    state.currentPath.clear();
  const std::string voice = session_.ProgramFile(kVoiceFileName);
  if (FileExists(voice))
    RebuildVoiceFile(session_.ProgramFile(kConfFileName), voice);
  else
    parts_.prompts.Show(PlainMessage(kVoiceIniMissingText));
}

void TMainForm::HidePages() {
  for (Page* page : {static_cast<Page*>(&trl_), static_cast<Page*>(&network_), static_cast<Page*>(&service_),
                     static_cast<Page*>(&voice_), static_cast<Page*>(&add_)})
    page->Show(false);
}

void TMainForm::ShowPage(Page& page) {
  HidePages();
  Layout();
  page.Show(true);
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
  LoadConfigFile(session_, *chosen);
  state.modified = true;
  MergeVoiceSections(*chosen, session_.ProgramFile(kVoiceFileName));
}

void TMainForm::mSaveasClick() { SaveAs(session_); }

void TMainForm::OpenDocument(const HelpDocument& document) {
  std::wstring path = Widen(session_.ProgramFile(document.path));
  auto result = reinterpret_cast<INT_PTR>(ShellExecuteW(hwnd(), L"open", path.c_str(), nullptr, nullptr, SW_RESTORE));
  if (!ShellOpenSucceeded(result)) parts_.prompts.Show(PlainMessage(document.failedMessage));
}

void TMainForm::VELTOGateway1Click() { OpenDocument(kSetupDocument); }

void TMainForm::N2Click() { OpenDocument(kManualDocument); }

bool TMainForm::Extended() const { return (GetMenuState(menu_, kMenuExtended, MF_BYCOMMAND) & MF_CHECKED) != 0; }

void TMainForm::CheckBoxVidClick() { network_.ShowPrefixes(Extended()); }

void TMainForm::RestorePlacement() {
  IniFile ini(parts_.settingsFileName);
  RECT r{};
  GetWindowRect(hwnd(), &r);
  Placement p{r.top, r.left, r.bottom - r.top, r.right - r.left};
  p.top = ini.ReadInteger(kPlacementSection, "Top", p.top);
  p.left = ini.ReadInteger(kPlacementSection, "Left", p.left);
  p.height = ini.ReadInteger(kPlacementSection, "Height", p.height);
  p.width = ini.ReadInteger(kPlacementSection, "Width", p.width);
  SetWindowPos(hwnd(), nullptr, p.left, p.top, p.width, p.height, SWP_NOZORDER | SWP_NOACTIVATE);
  bool checked = ini.ReadInteger(kViewSection, kViewKey, 0) != 0;
  CheckMenuItem(menu_, kMenuExtended, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
  GetWindowRect(hwnd(), &r);
  p = BoundPlacement({r.top, r.left, r.bottom - r.top, r.right - r.left}, GetSystemMetrics(SM_CXSCREEN),
                     GetSystemMetrics(SM_CYSCREEN));
  SetWindowPos(hwnd(), nullptr, p.left, p.top, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE);
  InvalidateRect(hwnd(), nullptr, TRUE);
  CheckBoxVidClick();
}

void TMainForm::SavePlacement() {
  RECT r{};
  WINDOWPLACEMENT wp{};
  wp.length = sizeof wp;
  // A minimised or maximised window keeps the placement it comes back to.
  if ((IsIconic(hwnd()) || IsZoomed(hwnd())) && GetWindowPlacement(hwnd(), &wp))
    r = wp.rcNormalPosition;
  else
    GetWindowRect(hwnd(), &r);
  IniFile ini(parts_.settingsFileName);
  ini.Batch([&] {
    ini.WriteInteger(kPlacementSection, "Top", r.top);
    ini.WriteInteger(kPlacementSection, "Left", r.left);
    ini.WriteInteger(kPlacementSection, "Height", r.bottom - r.top);
    ini.WriteInteger(kPlacementSection, "Width", r.right - r.left);
    ini.WriteString(kViewSection, kViewKey, Extended() ? "1" : "0");
  });
}

void TMainForm::FormCloseQuery(bool& canClose) { servicePage_.FormCloseQuery(canClose); }

void TMainForm::OnClose() {
  bool canClose = true;
  FormCloseQuery(canClose);
  if (canClose && hwnd()) DestroyWindow(hwnd());
}

void TMainForm::OnCommand(int id) {
  switch (id) {
    case kMenuOpen: return mOpenClick();
    case kMenuSaveAs: return mSaveasClick();
    case kMenuExit: return mExitClick();
    case kMenuExtended:
      CheckMenuItem(menu_, kMenuExtended, MF_BYCOMMAND | (Extended() ? MF_UNCHECKED : MF_CHECKED));
      return CheckBoxVidClick();
    case kMenuHelpSetup: return VELTOGateway1Click();
    case kMenuHelpManual: return N2Click();
    default: return;
  }
}

LRESULT TMainForm::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
      if (lp == 0) OnCommand(LOWORD(wp));
      return 0;
    case WM_SIZE:
      if (status_.hwnd()) Layout();
      return 0;
    case WM_GETMINMAXINFO: {
      auto* info = reinterpret_cast<MINMAXINFO*>(lp);
      info->ptMinTrackSize = {kMinWidth, kMinHeight};
      return 0;
    }
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

void TMainForm::ShowProgress() {
  if (formPr_) formPr_->ShowCentred(hwnd());
}

void TMainForm::CloseProgress() {
  if (formPr_) formPr_->Close();
}

void TMainForm::BeginWaitCursor() {
  waitCursor_ = true;
  savedCursor_ = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
}

void TMainForm::EndWaitCursor() {
  waitCursor_ = false;
  SetCursor(savedCursor_ ? savedCursor_ : LoadCursorW(nullptr, IDC_ARROW));
}

void TMainForm::DisableInput() { EnableWindow(hwnd(), FALSE); }

void TMainForm::EnableInput() { EnableWindow(hwnd(), TRUE); }

void TMainForm::PumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

}  // namespace zz
