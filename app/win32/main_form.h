// TMainForm: the main window with its navigation bar, five pages, menu and status bar.
// The program directory, the process-wide state and the seams come in from outside, so
// tests run the real window on a temporary directory.
#pragma once

#include <array>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "block_page.h"
#include "config_session.h"
#include "control_editor.h"
#include "form_pr.h"
#include "logs_page.h"
#include "main_menu.h"
#include "nav_bar.h"
#include "network_page.h"
#include "page_actions.h"
#include "service_page.h"
#include "service_page_panel.h"
#include "ui/fonts.h"
#include "ui/gdi.h"
#include "ui/window.h"
#include "voice_page.h"
#include "winpos.h"

namespace zz {

struct MainFormParts {
  std::string programDir;
  ConfParamTable& table;          // ConfParams
  std::string& settingsFileName;  // SettingsFileName
  Prompts& prompts;
  Beeper& beeper;
  ServiceApi& service;  // ServiceControl
  std::chrono::milliseconds restartPause = kRestartPause;
  std::chrono::milliseconds guard = kDefaultGuard;  // the watch after a start with a new configuration
};

inline constexpr int kMinWidth = 1045, kMinHeight = 670;
inline constexpr int kStatusBarHeight = 25;
inline constexpr std::array<int, 3> kStatusPartWidths = {500, 300, 50};  // StatusBar1's panels
inline constexpr UINT_PTR kTimerId = 1;
inline constexpr int kHintHidePause = 15000;

class TMainForm : public ui::Window, private RestartUi {
 public:
  explicit TMainForm(const MainFormParts& parts);
  ~TMainForm() override;

  // The creation: the window and its controls, the service page, the grid header, hints.
  void CreateForm();
  void FormCreate();
  void SetProgressWindow(TFormPr* progress) { formPr_ = progress; }
  // Shows the window with the focus on the block grid.
  void ShowForm(int show = SW_SHOW);
  // The keyboard of the main window, for the message loop before the message is dispatched:
  // Enter presses the focused button, Ctrl+Tab, Ctrl+Shift+Tab and Ctrl+1 to Ctrl+5 switch
  // the pages, Tab and the arrows move between the fields. True when the message is used.
  bool PreTranslateMessage(MSG& msg);
  // The program ends when this window is destroyed.
  void EndProgramOnDestroy() { quitOnDestroy_ = true; }

  // The handlers, named after their controls.
  void HidePages();
  void SpeedButtonTrlClick() { ShowPage(trl_); }
  void SpeedButtonNetworkClick() { ShowPage(network_); }
  void SpeedButtonVoiceClick() { ShowPage(voice_); }
  void SpeedButtonAddClick() { ShowPage(add_); }
  void SpeedButtonServiceClick() { ShowPage(service_); }
  void mExitClick();
  void mOpenClick();
  void mSaveasClick();
  // main_form_history.cpp: the comparison of what a save would write, and the history.
  void mShowChangesClick();
  void mHistoryClick();
  void VELTOGateway1Click();
  void N2Click();
  void mAboutClick();
  void CheckBoxVidClick();
  void RestorePlacement();
  void SavePlacement();

  // What tests and the other forms read.
  ConfigSession& Session() { return session_; }
  Editor& EditorSeam() { return editor_; }
  const NavBar& Panel1() const { return panel1_; }
  // The pages, made if they are not yet.
  NetworkPage& PanelNetwork() { return static_cast<NetworkPage&>(Made(network_)); }
  VoicePage& PanelVoice() { return static_cast<VoicePage&>(Made(voice_)); }
  LogsPage& PanelAdd() { return static_cast<LogsPage&>(Made(add_)); }
  BlockPage& PanelTrl() { return trl_; }
  ServicePanel& PanelService() { return static_cast<ServicePanel&>(Made(service_)); }
  ServicePage& ServiceLogic() { return servicePage_; }
  const ui::StatusBar& StatusBar1() const { return status_; }
  const ui::Tooltip& Hints() const { return tips_; }
  HMENU MainMenu1() const { return menu_.handle(); }
  bool Extended() const;
  std::int32_t LastServiceState() const { return servicePage_.LastServiceState(); }
  int Dpi() const { return context_.scale.Dpi(); }
  // The design's colours, or the system's in high contrast (asked of the system at creation
  // and whenever its colours or settings change).
  void ApplyColourScheme(bool highContrast);
  bool HighContrast() const { return context_.highContrast; }
  // The page on show, in the navigation bar's order (0: blocks ... 4: service).
  int CurrentPage() const;

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  void ReportError(const std::string& message) override { parts_.prompts.ShowError(message); }

 private:
  // main_form_menu.cpp: the menu's items and what each does.
  void CreateMenu();
  void OnCommand(int id);
  // main_form_placement.cpp: Zurerizeda.ini.
  WindowSettings CurrentSettings() const;
  // main_form_keys.cpp: the keyboard and the focus.
  void OnActivate(bool active);
  void RestoreFocus();
  // main_form_dpi.cpp: the window at another DPI, and the smallest it may be.
  void OnDpiChanged(int dpi, const RECT& suggested);
  POINT MinimumSize() const;

  // No zidezir.conf in the program folder: the pages start with their defaults.
  void StartWithoutConfiguration();
  void Layout();
  std::vector<int> StatusParts() const;
  void ShowPage(Page& page);
  Page& Made(Page& page);
  void ShowPageAt(int index);
  // The pages in the navigation bar's order.
  // The pages in the navigation bar's order.
  Page& PageOf(PageId id);
  std::array<Page*, kPageCount> Pages();
  std::array<const Page*, kPageCount> Pages() const;
  void OpenDocument(const HelpDocument& document);
  void FormCloseQuery(bool& canClose);
  void OnClose();
  void NavClick(NavButton button);
  void BindHandlers();

  // RestartUi (main_form_restart.cpp)
  void ShowProgress() override;
  void CloseProgress() override;
  void BeginWaitCursor() override;
  void EndWaitCursor() override;
  void DisableInput() override;
  void EnableInput() override;
  void PumpMessages() override;
  void ShowWatch(const std::string& text) override;

  MainFormParts parts_;
  std::unique_ptr<ui::FontSet> fonts_;  // the pages hold on to it: replaced, never moved
  ui::Tooltip tips_;
  PageContext context_;
  NavBar panel1_;
  BlockPage trl_;
  NetworkPage network_;
  VoicePage voice_;
  LogsPage add_;
  ServicePanel service_;
  ui::StatusBar status_;
  ControlEditor editor_;
  ConfigSession session_;
  ServicePage servicePage_;
  MainMenu menu_;
  HWND lastFocus_ = nullptr;  // given back when the window is activated again
  TFormPr* formPr_ = nullptr;
  bool quitOnDestroy_ = false;
  bool waitCursor_ = false;
  HCURSOR savedCursor_ = nullptr;
};

}  // namespace zz
