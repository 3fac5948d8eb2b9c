#include "main_form.h"

#include <algorithm>


#include "app_texts.h"
#include "conf_loader.h"
#include "file_form.h"
#include "file_system.h"
#include "ini_file.h"
#include "messages.h"
#include "page_actions.h"
#include "page_defaults.h"
#include "placement.h"
#include "save_flows.h"
#include "ui/library.h"
#include "voice_ini.h"
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
      session_{parts.table, editor_, parts.prompts, parts.programDir, {}},
      servicePage_(parts.service, service_, session_, *this, [this] { SavePlacement(); }, parts.restartPause) {}

TMainForm::~TMainForm() {
  if (hwnd()) KillTimer(hwnd(), kTimerId);
}

std::array<Page*, 5> TMainForm::Pages() { return {&trl_, &network_, &voice_, &add_, &service_}; }

void TMainForm::CreateForm() {
  // The window opens at the system's DPI; a monitor of another DPI rescales it at once.
  const ui::Scale scale(ui::SystemDpi());
  fonts_ = std::make_unique<ui::FontSet>(scale.Dpi());
  context_.scale = scale;
  context_.fonts = fonts_.get();
  Create({L"TMainForm", text::kMainCaption, kFormStyle, WS_EX_CONTROLPARENT, CW_USEDEFAULT, CW_USEDEFAULT,
          scale(kMinWidth), scale(kMinHeight)});
  tips_ = ui::Tooltip::Create(hwnd());
  tips_.SetAutoPop(kHintHidePause);
  context_.tips = tips_;

  CreateMenu();
  panel1_.CreateBar(hwnd(), scale, *fonts_);
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
  status_.SetParts({scale(500), scale(300), scale(50)});
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
    menuItemPictures_.emplace_back(item.id, item.picture);
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
  DrawMenuPictures();
}

void TMainForm::DrawMenuPictures() {
  // The window draws them itself (WM_DRAWITEM): a menu draws a bitmap of its own without its
  // transparency on some systems, a dark square behind the picture.
  menuPictures_.clear();
  for (const auto& [id, kind] : menuItemPictures_) {
    menuPictures_.push_back(DrawPicture(kind, context_.scale(16)));
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_BITMAP;
    info.hbmpItem = HBMMENU_CALLBACK;
    SetMenuItemInfoW(menu_, static_cast<UINT>(id), FALSE, &info);
  }
}

const ui::Picture* TMainForm::MenuPicture(UINT id) const {
  for (std::size_t i = 0; i < menuItemPictures_.size(); ++i)
    if (static_cast<UINT>(menuItemPictures_[i].first) == id) return &menuPictures_[i];
  return nullptr;
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

void TMainForm::OnDpiChanged(int dpi, const RECT& suggested) {
  if (dpi == context_.scale.Dpi()) return;
  const ui::Scale scale(dpi);
  auto fonts = std::make_unique<ui::FontSet>(dpi);
  context_.scale = scale;
  context_.fonts = fonts.get();  // the controls take the new fonts before the old ones go
  panel1_.Rescale(scale, *fonts);
  for (Page* page : Pages()) page->Rescale();
  status_.SetFont(fonts->Regular());
  status_.SetParts({scale(500), scale(300), scale(50)});
  fonts_ = std::move(fonts);
  DrawMenuPictures();
  SetWindowPos(hwnd(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  Layout();
  RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
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
    state.currentPath.clear();
  } else if (!LoadConfigFile(session_, state.currentPath)) {
    // Its message was the one to give. Nothing is loaded, so nothing is saved over the file,
    // and voice.ini keeps the intercom units until the file can be read.
    editor_.ShowConfigPath(text::kConfigurationNotLoaded);
    return;
  }
  const std::string voice = session_.ProgramFile(kVoiceFileName);
  if (!FileExists(voice)) parts_.prompts.Show(PlainMessage(kVoiceIniMissingText));
  // Made anew from the configuration also when it was missing (as on a first start after
  // installing): without it the intercom units would be out of reach of the block dialog,
  // and every save would write the configuration without them.
  RebuildVoiceFile(session_.ProgramFile(kConfFileName), voice);
}

void TMainForm::HidePages() {
  for (Page* page : {static_cast<Page*>(&trl_), static_cast<Page*>(&network_), static_cast<Page*>(&service_),
                     static_cast<Page*>(&voice_), static_cast<Page*>(&add_)})
    page->Show(false);
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
  const Page* pages[] = {&trl_, &network_, &voice_, &add_, &service_};
  for (int i = 0; i < 5; ++i)
    if (pages[i]->Visible()) return i;
  return 0;
}

void TMainForm::ShowPageAt(int index) { NavClick(static_cast<NavButton>(((index % 5) + 5) % 5)); }

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
}

void TMainForm::mSaveasClick() { SaveAs(session_); }

void TMainForm::OpenDocument(const HelpDocument& document) {
  std::wstring path = Widen(session_.ProgramFile(document.path));
  using ShellExecuteFn = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
  static const ShellExecuteFn shellExecute = ui::LibraryFunction<ShellExecuteFn>(L"shell32.dll", "ShellExecuteW");
  const auto result = shellExecute ? reinterpret_cast<INT_PTR>(shellExecute(hwnd(), L"open", path.c_str(), nullptr,
                                                                            nullptr, SW_RESTORE))
                                   : 0;
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
  std::string bytes;
  // Written by another tool in another encoding: the settings are a convenience, the file
  // is the user's.
  if (IsFormProblem(ReadAs(parts_.settingsFileName, FileRole::kSettings, bytes))) return;
  IniFile ini(parts_.settingsFileName, bytes);
  try {
    ini.Batch([&] {
      ini.WriteInteger(kPlacementSection, "Top", r.top);
      ini.WriteInteger(kPlacementSection, "Left", r.left);
      ini.WriteInteger(kPlacementSection, "Height", r.bottom - r.top);
      ini.WriteInteger(kPlacementSection, "Width", r.right - r.left);
      ini.WriteString(kViewSection, kViewKey, Extended() ? "1" : "0");
    });
  } catch (const IniWriteError&) {
    // The placement is a convenience: a settings file that cannot be written (read-only,
    // locked, a folder the user may not write to, a full disk) must not keep the window
    // open or stand in the way of saving the configuration.
  }
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
      // The design's minimum, but never more than the screen holds: on a small screen (or a
      // large scale) the whole window must still fit.
      MONITORINFO monitor{};
      monitor.cbSize = sizeof monitor;
      GetMonitorInfoW(MonitorFromWindow(hwnd(), MONITOR_DEFAULTTONEAREST), &monitor);
      const RECT& work = monitor.rcWork;
      auto* info = reinterpret_cast<MINMAXINFO*>(lp);
      info->ptMinTrackSize = {std::min<LONG>(context_.scale(kMinWidth), work.right - work.left),
                              std::min<LONG>(context_.scale(kMinHeight), work.bottom - work.top)};
      return 0;
    }
    case WM_DPICHANGED:
      OnDpiChanged(HIWORD(wp), *reinterpret_cast<const RECT*>(lp));
      return 0;
    case WM_ACTIVATE:
      OnActivate(LOWORD(wp) != WA_INACTIVE);
      return 0;
    case WM_SETFOCUS:
      RestoreFocus();
      return 0;
    case WM_MEASUREITEM: {
      auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
      const ui::Picture* picture = item->CtlType == ODT_MENU ? MenuPicture(item->itemID) : nullptr;
      if (!picture) break;
      item->itemWidth = static_cast<UINT>(picture->width() + context_.scale(4));  // a gap before the text
      item->itemHeight = static_cast<UINT>(picture->height());
      return TRUE;
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
      const ui::Picture* picture = item->CtlType == ODT_MENU ? MenuPicture(item->itemID) : nullptr;
      if (!picture) break;
      const int top = item->rcItem.top + (item->rcItem.bottom - item->rcItem.top - picture->height()) / 2;
      picture->Draw(item->hDC, item->rcItem.left, top, (item->itemState & (ODS_GRAYED | ODS_DISABLED)) != 0);
      return TRUE;
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

void TMainForm::OnActivate(bool active) {
  if (!active) {
    HWND focus = GetFocus();
    if (focus && IsChild(hwnd(), focus)) lastFocus_ = focus;
    return;
  }
  if (!IsIconic(hwnd())) RestoreFocus();
}

void TMainForm::RestoreFocus() {
  // The window itself takes no keys: the focus goes to the field that had it last, or to
  // the first field of the page on show.
  if (lastFocus_ && IsWindow(lastFocus_) && IsWindowVisible(lastFocus_) && IsWindowEnabled(lastFocus_)) {
    SetFocus(lastFocus_);
    return;
  }
  for (Page* page : Pages()) {
    if (!page->Visible()) continue;
    if (HWND first = page->FirstField()) SetFocus(first);
    return;
  }
}

bool TMainForm::PreTranslateMessage(MSG& msg) {
  if (!IsWindow(hwnd()) || (msg.hwnd != hwnd() && !IsChild(hwnd(), msg.hwnd))) return false;
  if (msg.message == WM_KEYDOWN) {
    const bool ctrl = GetKeyState(VK_CONTROL) < 0, shift = GetKeyState(VK_SHIFT) < 0;
    if (ctrl && msg.wParam == VK_TAB) {
      ShowPageAt(CurrentPage() + (shift ? -1 : 1));
      return true;
    }
    if (ctrl && msg.wParam >= '1' && msg.wParam <= '5') {
      ShowPageAt(static_cast<int>(msg.wParam - '1'));
      return true;
    }
    if (msg.wParam == VK_RETURN && !ctrl) {
      for (Page* page : Pages())
        if (page->Visible() && page->PressEnter(GetFocus())) return true;
    }
  }
  return IsDialogMessageW(hwnd(), &msg) != FALSE;
}

void TMainForm::ShowProgress() {
  if (!formPr_) return;
  // Made when first needed: the restart is the only time it shows.
  if (!formPr_->Alive()) formPr_->CreateForm(hwnd());
  // Over the window where it stands when restored, and always on the screen.
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  RECT over{};
  if (IsIconic(hwnd()) && GetWindowPlacement(hwnd(), &placement))
    over = placement.rcNormalPosition;
  else
    GetWindowRect(hwnd(), &over);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromRect(&over, MONITOR_DEFAULTTONEAREST), &monitor);
  formPr_->ShowCentred(over, monitor.rcWork);
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
