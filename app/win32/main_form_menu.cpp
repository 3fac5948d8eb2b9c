// The main window's menu: its items, in the order they show, and what each does. A new item
// is one line in CreateMenu and one case in OnCommand.
#include "app_texts.h"
#include "main_form.h"

namespace zz {

void TMainForm::CreateMenu() {
  HMENU file = menu_.Popup(text::kMenuFile);  // mFile
  menu_.Add(file, kMenuOpen, text::kMenuOpen, PictureKind::kOpenFile);
  menu_.Add(file, kMenuSaveAs, text::kMenuSaveAs, PictureKind::kSaveFile);
  menu_.Separator(file);
  menu_.Add(file, kMenuShowChanges, text::kMenuShowChanges);
  menu_.Add(file, kMenuHistory, text::kMenuHistory);
  menu_.Separator(file);  // N5
  menu_.Add(file, kMenuExit, text::kMenuExit, PictureKind::kExit);
  HMENU view = menu_.Popup(text::kMenuView);  // N3
  menu_.Add(view, kMenuExtended, text::kMenuExtended);
  HMENU help = menu_.Popup(text::kMenuHelp);  // N1
  menu_.Add(help, kMenuHelpSetup, text::kMenuHelpSetup, PictureKind::kHelpSetup);
  menu_.Add(help, kMenuHelpManual, text::kMenuHelpManual, PictureKind::kHelpManual);
  menu_.Separator(help);
  menu_.Add(help, kMenuAbout, text::kMenuAbout);
  menu_.Attach(hwnd(), context_.scale);
}

void TMainForm::OnCommand(int id) {
  switch (id) {
    case kMenuOpen: return mOpenClick();
    case kMenuSaveAs: return mSaveasClick();
    case kMenuShowChanges: return mShowChangesClick();
    case kMenuHistory: return mHistoryClick();
    case kMenuExit: return mExitClick();
    case kMenuExtended:
      menu_.SetChecked(kMenuExtended, !Extended());
      return CheckBoxVidClick();
    case kMenuHelpSetup: return VELTOGateway1Click();
    case kMenuHelpManual: return N2Click();
    case kMenuAbout: return mAboutClick();
    default: return;
  }
}

}  // namespace zz
