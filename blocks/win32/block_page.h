// PanelTrl: the block list StringGrid1 with its buttons, and the block settings.
#pragma once

#include "ui/page.h"

namespace zz {

class BlockPage : public Page {
 public:
  explicit BlockPage(PageContext& context);

  GridColumns StringGrid1Columns;
  BlockGridField StringGrid1;
  ui::Button ButtonEdit, ButtonAdd, ButtonDel;
  ComboField ComboBoxVoise{kYesNoItems};
  CheckField CheckBoxDeviceSettingsRTS;
  ui::Button Button1Def;

  // The handlers of the block list; a double-click on a row acts as ButtonEdit.
  std::function<void()> onEdit, onAdd, onDel;
  std::function<void(int row)> onSelectRow;  // 1-based, as the grid's rows count
  std::function<void()> onDefaults;

  // The column widths of the block dialog's unit list: the dialog lives for one use, the
  // widths the user gives its columns for the whole run and, in Zurerizeda.ini, beyond.
  ColumnWidths unitColumns;

 protected:
  void CreateFields() override;
  void OnRescaled() override { StringGrid1Columns.Rescale(layout_.scale().Dpi()); }
  void OnCommand(HWND control, int code) override;
  LRESULT OnNotify(const NMHDR& header) override;
  bool OnEnter(HWND focus) override;
};

}  // namespace zz
