#include "save_flows.h"

#include "conf_writer.h"
#include "cp1251.h"
#include "key_fields.h"
#include "text.h"
#include "voice_ini.h"

namespace zz {

bool ChangeDetected(ConfigSession& session) {
  if (session.state.modified) return true;
  for (const KeyField& field : KeyFields()) {
    const CONF_PARAM& e = session.table[field.entry];
    // What the file would hold: a character Windows-1251 lacks reaches it as "?".
    if (ThroughCp1251(FieldValue(session.editor, field, e)) != e.value) return true;
  }
  return false;
}

std::optional<std::string> VoiceAppendText(const std::string& voicePath) { return VoiceAppendix(voicePath); }

namespace {

enum class VoiceRead { kRead, kMissing, kUnreadable };

// voice.ini of the program directory as a save appends it.
struct VoicePart {
  VoiceRead read;
  std::string text;  // empty unless read
};

VoicePart ReadVoicePart(const std::string& path) {
  std::optional<std::string> text = VoiceAppendText(path);
  if (text) return {VoiceRead::kRead, *text};
  return {FileExists(path) ? VoiceRead::kUnreadable : VoiceRead::kMissing, {}};
}

enum class CleanUp { kBeforeAppend, kAfterAppend };

// What both flows do: the lock test, voice.ini read, the one write of the whole file, and
// only then the notice that voice.ini is missing. False when nothing was written.
bool SaveWithVoice(ConfigSession& session, const std::string& target, CleanUp cleanUp) {
  if (!ConfigurationFree(session)) return false;
  const std::string voicePath = session.ProgramFile(kVoiceFileName);
  VoicePart voice = ReadVoicePart(voicePath);
  if (voice.read == VoiceRead::kUnreadable) {
    // Saving without it would drop every intercom-unit list from the file.
    session.prompts.Show(PlainMessage(kOpenFileFailedPrefix + voicePath));
    return false;
  }
  EditorToEntries(session.editor, session.table);
  std::string conf = ComposeConfiguration(session.table);
  std::string final = cleanUp == CleanUp::kBeforeAppend ? RemoveEmptyValues(conf) + voice.text
                                                        : RemoveEmptyValues(conf + voice.text);
  if (!CommitConfiguration(session, target, final)) return false;
  if (voice.read == VoiceRead::kMissing) session.prompts.Show(PlainMessage(kVoiceIniMissingText));
  return true;
}

}  // namespace

bool SaveSequence(ConfigSession& session) {
  return SaveWithVoice(session, session.ProgramFile(kConfFileName), CleanUp::kBeforeAppend);
}

FileDialogSpec ConfFileDialog(const std::string& fileName) {
  FileDialogSpec dialog;
  dialog.fileName = fileName;
  dialog.filter = "Zidezir file (*.conf)|*.conf";
  dialog.defaultExt = "conf";
  dialog.hideReadOnly = true;
  dialog.noChangeDir = true;
  dialog.resizable = true;
  return dialog;
}

FileDialogSpec SaveDialog1() {
  FileDialogSpec dialog = ConfFileDialog(kConfFileName);
  dialog.overwritePrompt = false;
  return dialog;
}

void SaveAs(ConfigSession& session) {
  std::optional<std::string> target = session.prompts.SaveFile(SaveDialog1());
  if (!target) return;
  session.state.currentPath = *target;
  // Here the clean-up follows the append, so it also reaches the intercom-unit lines.
  if (SaveWithVoice(session, *target, CleanUp::kAfterAppend)) session.state.modified = true;
}

}  // namespace zz
