// The main window's side of Zurerizeda.ini (Winpos): its placement and view switch, and the
// widths of the block grid's and the block dialog's columns.
#include <algorithm>

#include "ini_file.h"
#include "main_form.h"
#include "ui/dialog.h"

namespace zz {

WindowSettings TMainForm::CurrentSettings() const {
  RECT r{};
  WINDOWPLACEMENT wp{};
  wp.length = sizeof wp;
  // A minimised or maximised window keeps the placement it comes back to.
  if ((IsIconic(hwnd()) || IsZoomed(hwnd())) && GetWindowPlacement(hwnd(), &wp))
    r = wp.rcNormalPosition;
  else
    GetWindowRect(hwnd(), &r);
  return {{r.top, r.left, r.bottom - r.top, r.right - r.left},
          Extended(),
          trl_.StringGrid1Columns.Widths(),
          trl_.unitColumns};
}

void TMainForm::RestorePlacement() {
  const WindowSettings s = ReadWindowSettings(parts_.settingsFileName, CurrentSettings());
  const Placement& p = s.placement;
  // A size remembered from a larger screen is cut to this one's work area.
  const RECT work = ui::WorkAreaOf(hwnd());
  SetWindowPos(hwnd(), nullptr, p.left, p.top, std::min<int>(p.width, work.right - work.left),
               std::min<int>(p.height, work.bottom - work.top), SWP_NOZORDER | SWP_NOACTIVATE);
  menu_.SetChecked(kMenuExtended, s.extended);
  if (s.blockColumns) trl_.StringGrid1Columns.SetWidths(*s.blockColumns);
  if (s.unitColumns) trl_.unitColumns = *s.unitColumns;
  RECT r{};
  GetWindowRect(hwnd(), &r);
  const Placement bound = BoundPlacement({r.top, r.left, r.bottom - r.top, r.right - r.left},
                                         GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  SetWindowPos(hwnd(), nullptr, bound.left, bound.top, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE);
  InvalidateRect(hwnd(), nullptr, TRUE);
  CheckBoxVidClick();
}

void TMainForm::SavePlacement() {
  try {
    WriteWindowSettings(parts_.settingsFileName, CurrentSettings());
  } catch (const IniWriteError&) {
    // The placement is a convenience: a settings file that cannot be written (read-only,
    // locked, a folder the user may not write to, a full disk) must not keep the window
    // open or stand in the way of saving the configuration.
  }
}

}  // namespace zz
