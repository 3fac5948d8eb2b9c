// The entry of zurerizeda.exe and the process-wide state.
#include <windows.h>
#include <commctrl.h>

#include <stdexcept>
#include <string>

#include "app_texts.h"
#include "block_list_handlers.h"
#include "conf_param.h"
#include "form_pr.h"
#include "main_form.h"
#include "program_dir.h"
#include "ui/accessible.h"
#include "ui/system_beeper.h"
#include "ui/win_prompts.h"
#include "uinput.h"
#include "win32/system_library.h"
#include "win32/tscm.h"

namespace zz {

// Constructed in this order before the entry runs, destroyed in reverse after it: the
// service controller opens the manager, the settings path starts empty, then the schema.
TSCM ServiceControl;
std::string SettingsFileName;
ConfParamTable ConfParams;

namespace {

// The general error handler: the error's message in an error box, and the program goes on.
template <class Handler>
void Guarded(Prompts& prompts, Handler&& handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    prompts.ShowError(e.what());
  } catch (...) {
    prompts.ShowError("");
  }
}

void MessageLoop(TMainForm& mainForm) {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (mainForm.PreTranslateMessage(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

int Run(int show) {
  const ui::Apartment apartment;
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES | ICC_ANIMATE_CLASS |
                                                     ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES | ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&controls);
  SystemBeeper beeper;
  const std::string programDir = ProgramDirectory();
  WinPrompts prompts;
  prompts.SetBeeper(beeper);
  prompts.SetInitialDir(programDir);
  TMainForm MainForm({programDir, ConfParams, SettingsFileName, prompts, beeper, ServiceControl});
  MainForm.CreateForm();
  prompts.SetOwner(MainForm.hwnd());
  MainForm.EndProgramOnDestroy();
  Guarded(prompts, [&] { MainForm.FormCreate(); });
  TFormInput FormInput(beeper);
  BlockListHandlers blocks(MainForm.PanelTrl(), MainForm.Session(), FormInput, prompts, MainForm.hwnd());
  TFormPr FormPr;  // its window is made when a restart first shows it
  MainForm.SetProgressWindow(&FormPr);
  MainForm.ShowForm(show);
  MessageLoop(MainForm);
  return 0;
}

}  // namespace

}  // namespace zz

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
  // Before anything loads a library; the static objects above need only the libraries the
  // program imports, which Windows loads from System32 whatever the program's folder holds.
  zz::LoadLibrariesFromSystem32Only();
  try {
    return zz::Run(show);
  } catch (const std::exception& e) {
    zz::ui::ShowErrorBox(nullptr, e.what(), zz::text::kProgramTitle);
  } catch (...) {
    zz::ui::ShowErrorBox(nullptr, "", zz::text::kProgramTitle);
  }
  return 1;
}
