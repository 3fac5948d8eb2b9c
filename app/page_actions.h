// The field handlers of the pages that ask the user something, and the dialogs and
// documents of the main window, over the prompts seam.
#pragma once

#include <string>

#include "app_texts.h"
#include "editor.h"
#include "prompts.h"

namespace zz {

// ListBoxPrefixesDblClick: the selected line (-1: none) through the input box "Новое значение".
void EditPrefixLine(LinesControl& prefixes, int selected, Prompts& prompts, bool& modified);

// The file dialog of SpeedButton1.
FileDialogSpec TraceFileDialog();
// SpeedButton1Click: the chosen full path goes to the trace-file field.
void ChooseTraceFile(TextControl& traces, Prompts& prompts);

// OpenDialog1 with the file name it holds.
FileDialogSpec OpenDialog1(const std::string& fileName);

struct HelpDocument {
  const char* path;           // relative to the program directory
  const char* failedMessage;  // shown when the shell cannot open it
};
inline constexpr HelpDocument kSetupDocument{text::kDocSetup, text::kDocSetupFailed};    // "Настройки VELTO Gateway"
inline constexpr HelpDocument kManualDocument{text::kDocManual, text::kDocManualFailed};  // "Руководство пользователя"

// The shell's result of an open request: above 32 is success.
constexpr bool ShellOpenSucceeded(long long result) { return result > 32; }

}  // namespace zz
