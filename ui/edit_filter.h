// What an edit of ours lets in. Typed characters pass the field's key filter, when it has
// one, and must have a byte in Windows-1251, the encoding of the files its text reaches;
// pasted text loses the characters those files cannot hold. A refused character beeps.
#pragma once

#include <windows.h>

#include <optional>

#include "key_filters.h"

namespace zz {

struct EditInput {
  std::optional<KeyFilter> keys;  // typing only: pasted text is not held to it
  // Enter and Escape reach the key filter (and beep) instead of the window's default and
  // cancel handling: for the fields of the main window, which has neither.
  bool filterDialogKeys = false;
  // The text is a value on a line of zidezir.conf, where ";" begins a comment: refused.
  bool lineValue = false;
  // The most characters the field takes (0: no limit), as the file keeps no more.
  int maxLength = 0;
};

void AttachEditInput(HWND edit, const EditInput& input, Beeper& beeper);

}  // namespace zz
