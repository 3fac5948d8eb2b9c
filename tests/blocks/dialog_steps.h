// Steps taken on one of our modal dialogs from the dialog watcher's thread while the
// test's thread runs it: reading and filling its controls, pressing its buttons, and
// meeting the dialogs and message boxes it opens.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "dialog_watcher.h"
#include "unit_list.h"

namespace zz::test {

class DialogSteps {
 public:
  explicit DialogSteps(HWND dialog) : dialog_(dialog) {}

  HWND hwnd() const { return dialog_; }
  HWND Item(int id) const { return GetDlgItem(dialog_, id); }
  std::string Text(int id) const;
  void SetText(int id, const std::string& text) const;
  // A typed character, as the keyboard delivers it.
  void Type(int id, unsigned ch) const;
  bool Visible(int id) const { return IsWindowVisible(Item(id)) != FALSE; }
  bool Checked(int id) const;
  SeenDialog Describe() const { return DescribeDialog(dialog_); }

  // Presses a button whose handler opens no window; returns once the handler has run.
  void Click(int id) const;
  // Presses a button whose handler opens a dialog owned by this one; the dialog once it
  // shows, nullptr when none did.
  HWND Open(int id) const;
  // Waits until the dialog's thread is back in this dialog's message loop, or in that of
  // a dialog it opened meanwhile.
  void Settle() const;
  // The visible dialog owned by this one, waiting for it up to `milliseconds`.
  HWND Owned(int milliseconds) const;
  // Presses the button of this dialog that closes it and waits until it has gone.
  bool Close(int button) const;

 private:
  HWND dialog_;
};

// One use of the record dialog from the block dialog: what it proposed, and the message
// box that followed it, if any.
struct RecordUse {
  bool opened = false;
  std::string caption;
  std::vector<std::string> buttons;
  UnitFields proposed;
  std::optional<SeenDialog> message;
};

// Presses `button` of the block dialog (Button2Add or Button3Change), types `typed` into
// the record dialog (nothing: left as proposed) and closes it with `close`. When a message
// is expected it is met and answered OK.
RecordUse UseRecordDialog(const DialogSteps& block, int button, const std::optional<UnitFields>& typed,
                          int close = IDOK, bool expectMessage = false);

// The rows of a list view standing in for a string grid.
UnitRows GridRows(HWND list);

}  // namespace zz::test
