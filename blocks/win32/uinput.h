// Uinput: the record dialog TFormInput, of one intercom unit. The program makes one at start
// and reuses it: its fields outlive every use, so what one use leaves the next one finds.
#pragma once

#include <string>

#include "key_filters.h"
#include "ui/dialog.h"
#include "unit_list_actions.h"

namespace zz {

class TFormInput : public ui::Dialog {
 public:
  enum ControlId : int { kComboBox1 = 101, kEditType, kUpDown1, kEditName, kEditIP };
  static constexpr int kClientWidth = 275, kClientHeight = 236;

  explicit TFormInput(Beeper& beeper) : beeper_(beeper) {}

  // Shows the dialog modally over `owner` with the fields; true when closed with OK.
  bool ShowModal(HWND owner, const std::string& caption);

  // ComboBox1's index, EditType's, EditName's and EditIP's texts.
  UnitFields fields;
  // The beep of the key filters, for the block dialog's fields too.
  Beeper& Beeps() { return beeper_; }

 protected:
  void OnInit() override;
  void OnOK() override;
  void OnCancel() override;

 private:
  // Reads the controls back into the fields.
  void KeepFields();

  Beeper& beeper_;
};

}  // namespace zz
