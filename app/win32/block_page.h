// PanelTrl: the block list StringGrid1 with its buttons, and the block settings.
#pragma once

#include "page.h"

namespace zz {

class BlockPage : public Page {
 public:
  using Page::Page;

  BlockGridField StringGrid1;
  ui::Button ButtonEdit, ButtonAdd, ButtonDel;
  ComboField ComboBoxVoise{kYesNoItems};
  CheckField CheckBoxDeviceSettingsRTS;
  ui::Button Button1Def;

  // The handlers of the block list; a double-click on a row acts as ButtonEdit.
  std::function<void()> onEdit, onAdd, onDel;
  std::function<void(int row)> onSelectRow;  // 1-based, as the grid's rows count
  std::function<void()> onDefaults;

 protected:
  void CreateFields() override;
  void OnCommand(HWND control, int code) override;
  LRESULT OnNotify(const NMHDR& header) override;
  bool OnEnter(HWND focus) override;
};

}  // namespace zz
