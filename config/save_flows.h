// The two flows that save the configuration, and change detection.
#pragma once

#include <optional>
#include <string>

#include "config_session.h"

namespace zz {

// True when the editor holds changes against what was last loaded or saved.
bool ChangeDetected(ConfigSession& session);

// The save run before a service start or stop and before closing: zidezir.conf of the
// program directory gets the 39 entries, the clean-up and voice.ini appended; a missing
// voice.ini is reported after the write. False when nothing was written: the lock test
// failed, voice.ini exists but cannot be read (reported with its path), or the file could
// not be replaced.
bool SaveSequence(ConfigSession& session);

// A dialog for configuration files: the zidezir filter and extension, read-only files
// hidden, the current directory kept, resizable.
FileDialogSpec ConfFileDialog(const std::string& fileName);

// SaveDialog1 of the main window: no overwrite prompt.
FileDialogSpec SaveDialog1();

// Save As (the File menu's "&Сохранить файл конфигурации"): the save sequence's checks and
// messages, with the clean-up after the append; a save that wrote the chosen file, or
// failed to, marks the editor modified.
void SaveAs(ConfigSession& session);

// The lines of a voice.ini file as a save appends them: two empty lines, then each line
// trimmed. Nothing when the file cannot be read.
std::optional<std::string> VoiceAppendText(const std::string& voicePath);

}  // namespace zz
