// TFormInput: the record dialog of an intercom unit, created hidden at start; the block
// dialogs fill it in.
#pragma once

#include "ui/window.h"

namespace zz {

class TFormInput : public ui::Window {
 public:
  void CreateForm(HWND owner) {
    Create({L"TFormInput", "", WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME, CW_USEDEFAULT, CW_USEDEFAULT,
            400, 300, owner});
  }
};

}  // namespace zz
