// What the comparison dialogs share: the read-only field of several lines that holds a
// comparison, and the margins and buttons of their design.
#pragma once

#include <windows.h>

namespace zz {

// Wrapped, scrolled, read-only, reached by Tab; Enter in it presses the dialog's default button.
inline constexpr DWORD kReportFieldStyle =
    WS_TABSTOP | WS_GROUP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY | ES_NOHIDESEL;

inline constexpr int kDialogMargin = 12;
inline constexpr int kDialogButtonWidth = 120, kDialogButtonHeight = 30;

}  // namespace zz
