// MainMenu1, the main window's menu bar: popups of items, some with a small picture that the
// window draws itself (a menu draws a bitmap of its own without its transparency on some
// systems, a dark square behind the picture). The items themselves are made in
// TMainForm::CreateMenu and answered in TMainForm::OnCommand (main_form_menu.cpp).
#pragma once

#include <windows.h>

#include <optional>
#include <utility>
#include <vector>

#include "pictures.h"
#include "ui/dpi.h"
#include "ui/picture.h"

namespace zz {

// Menu command identifiers.
enum MenuId : int {
  kMenuOpen = 40001,  // mOpen
  kMenuSaveAs,        // mSaveas
  kMenuExit,          // mExit
  kMenuExtended,      // CheckBoxVid
  kMenuHelpSetup,     // VELTOGateway1
  kMenuHelpManual,    // N2
  kMenuAbout,         // "О программе…"
  kMenuShowChanges,   // "Показать изменения…"
  kMenuHistory,       // "История изменений…"
};

class MainMenu {
 public:
  MainMenu() = default;
  MainMenu(const MainMenu&) = delete;
  MainMenu& operator=(const MainMenu&) = delete;

  // A popup appended to the bar (made on first use).
  HMENU Popup(const char* caption);
  void Add(HMENU popup, int id, const char* caption, std::optional<PictureKind> picture = std::nullopt);
  void Separator(HMENU popup);
  // The bar on the window, with its pictures drawn at the scale.
  void Attach(HWND window, const ui::Scale& scale);
  // The pictures again for a new DPI.
  void Rescale(const ui::Scale& scale);

  HMENU handle() const { return menu_; }
  bool Checked(int id) const;
  void SetChecked(int id, bool checked) const;

  // WM_MEASUREITEM and WM_DRAWITEM of an item with a picture; false for anything else.
  bool Measure(MEASUREITEMSTRUCT& item) const;
  bool Draw(const DRAWITEMSTRUCT& item) const;

 private:
  const ui::Picture* PictureOf(UINT id) const;

  HMENU menu_ = nullptr;
  ui::Scale scale_;
  std::vector<std::pair<int, PictureKind>> kinds_;
  std::vector<ui::Picture> pictures_;
};

}  // namespace zz
