// The two flows that save the configuration, and change detection.
#pragma once

#include <optional>
#include <string>

#include "config_session.h"
#include "file_form.h"

namespace zz {

// voice.ini as a save appends it.
enum class VoiceRead { kRead, kMissing, kUnreadable };
struct VoicePart {
  VoiceRead read = VoiceRead::kMissing;
  std::string text;                          // two empty lines, then its lines trimmed; empty unless read
  std::string bytes;                         // the file as read
  FileProblem problem = FileProblem::kNone;  // why it cannot be read
};
VoicePart ReadVoicePart(const std::string& voicePath);

// Where the clean-up of empty values runs: the save sequence runs it before the append,
// Save As after it, so that it also reaches the intercom-unit lines.
enum class CleanUp { kBeforeAppend, kAfterAppend };

// The text every save writes (UTF-8, CR LF): the editor's values into the schema entries,
// the 39 entries with the lines they carry, the clean-up, and voice.ini's text appended.
std::string SavedText(Editor& editor, ConfParamTable& table, const std::string& voiceText, CleanUp cleanUp);

// False for a file that the save sequence would replace and that cannot be read as a
// configuration (it is kept: see file_form.h); the problem is told to the user. An absent
// file is replaceable.
bool Replaceable(Prompts& prompts, const std::string& target);

// True when the editor holds changes against what was last loaded or saved.
bool ChangeDetected(ConfigSession& session);

// The save run before a service start or stop and before closing: zidezir.conf of the
// program directory gets the 39 entries, the clean-up and voice.ini appended; a missing
// voice.ini is reported after the write. Like every save it holds the file's lock (another
// program's save is waited for, a while), keeps the content it replaces as a revision
// (History\ that cannot be written is told once, and does not stop it), and writes
// nothing when the content stays the same. Another program's change to zidezir.conf or
// voice.ini since the window read them is not written over unless the user says so. False
// when nothing was written: the lock test failed, the user went back, voice.ini exists but
// cannot be read (reported with its path), or the file could not be replaced.
bool SaveSequence(ConfigSession& session);

// Takes zidezir.conf and voice.ini of the program directory as they are now as the content
// the window knows (at start-up), or voice.ini alone (when the window has written it).
void RememberProgramFiles(ConfigSession& session);
void RememberVoiceFile(ConfigSession& session);

// A dialog for configuration files: the zidezir filter and extension, read-only files
// hidden, the current directory kept, resizable.
FileDialogSpec ConfFileDialog(const std::string& fileName);

// SaveDialog1 of the main window: no overwrite prompt.
FileDialogSpec SaveDialog1();

// Save As (the File menu's "&Сохранить файл конфигурации"): the save sequence's checks and
// messages, with the clean-up after the append; a save that wrote the chosen file, or
// failed to, marks the editor modified.
void SaveAs(ConfigSession& session);

}  // namespace zz
