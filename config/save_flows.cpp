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

VoicePart ReadVoicePart(const std::string& voicePath) {
  std::string bytes;
  FileProblem problem = ReadAs(voicePath, FileRole::kVoiceList, bytes);
  if (problem == FileProblem::kAbsent) return {VoiceRead::kMissing, {}, problem};
  if (problem != FileProblem::kNone) return {VoiceRead::kUnreadable, {}, problem};
  return {VoiceRead::kRead, VoiceAppendix(bytes), problem};
}

std::string SavedText(Editor& editor, ConfParamTable& table, const std::string& voiceText, CleanUp cleanUp) {
  EditorToEntries(editor, table);
  std::string conf = ComposeConfiguration(table);
  return cleanUp == CleanUp::kBeforeAppend ? RemoveEmptyValues(conf) + voiceText : RemoveEmptyValues(conf + voiceText);
}

bool Replaceable(Prompts& prompts, const std::string& target) {
  std::string bytes;
  FileProblem problem = ReadAs(target, FileRole::kConfiguration, bytes);
  if (!IsFormProblem(problem)) return true;
  prompts.Show({FileProblemText(problem, target), kWarningCaption, MessageIcon::kWarning, MessageButtons::kOk});
  return false;
}

namespace {

// What both flows do: the lock test, voice.ini read, the one write of the whole file, and
// only then the notice that voice.ini is missing. False when nothing was written.
bool SaveWithVoice(ConfigSession& session, const std::string& target, CleanUp cleanUp) {
  if (!ConfigurationFree(session)) return false;
  const std::string voicePath = session.ProgramFile(kVoiceFileName);
  VoicePart voice = ReadVoicePart(voicePath);
  if (voice.read == VoiceRead::kUnreadable) {
    // Saving without it would drop every intercom-unit list from the file.
    session.prompts.Show(PlainMessage(FileProblemText(voice.problem, voicePath)));
    return false;
  }
  if (!CommitConfiguration(session, target, SavedText(session.editor, session.table, voice.text, cleanUp)))
    return false;
  if (voice.read == VoiceRead::kMissing) session.prompts.Show(PlainMessage(kVoiceIniMissingText));
  return true;
}

}  // namespace

bool SaveSequence(ConfigSession& session) {
  // The program directory's file is written without the user naming it (after a file was
  // opened from elsewhere, say): one it cannot read keeps what it holds. Save As writes the
  // file the user chose.
  const std::string target = session.ProgramFile(kConfFileName);
  return Replaceable(session.prompts, target) && SaveWithVoice(session, target, CleanUp::kBeforeAppend);
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
