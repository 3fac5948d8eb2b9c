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
    if (FieldValue(session.editor, field, e) != e.value) return true;
  }
  return false;
}

std::optional<std::string> VoiceAppendText(const std::string& voicePath) { return VoiceAppendix(voicePath); }

namespace {

// The voice.ini lines to append; the missing-file message when there is no voice.ini.
std::string VoiceOrNotice(ConfigSession& session) {
  std::string path = session.ProgramFile(kVoiceFileName);
  std::optional<std::string> voice;
  if (FileExists(path)) voice = VoiceAppendText(path);
  if (!voice) session.prompts.Show(PlainMessage(kVoiceIniMissingText));
  return voice.value_or("");
}

}  // namespace

bool SaveSequence(ConfigSession& session) {
  std::optional<std::string> text = PrepareConfiguration(session);
  if (!text) return false;
  std::string final = RemoveEmptyValues(*text) + VoiceOrNotice(session);
  return CommitConfiguration(session, session.ProgramFile(kConfFileName), final);
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
  std::optional<std::string> text = PrepareConfiguration(session);
  if (!text) return;
  // Here the clean-up follows the append, so it also reaches the intercom-unit lines.
  std::string final = RemoveEmptyValues(*text + VoiceOrNotice(session));
  CommitConfiguration(session, *target, final);
  session.state.modified = true;
}

}  // namespace zz
