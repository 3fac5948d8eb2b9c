#include "save_flows.h"

#include "conf_writer.h"
#include "cp1251.h"
#include "guarded_write.h"
#include "history.h"
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
  if (problem == FileProblem::kAbsent) return {VoiceRead::kMissing, {}, {}, problem};
  if (problem != FileProblem::kNone) return {VoiceRead::kUnreadable, {}, {}, problem};
  return {VoiceRead::kRead, VoiceAppendix(bytes), bytes, problem};
}

std::string SavedText(Editor& editor, ConfParamTable& table, const std::string& voiceText, CleanUp cleanUp) {
  EditorToEntries(editor, table);
  std::string conf = ComposeConfiguration(table);
  std::string text =
      cleanUp == CleanUp::kBeforeAppend ? RemoveEmptyValues(conf) + voiceText : RemoveEmptyValues(conf + voiceText);
  // A foreign line whose first bytes are those of a byte-order mark, carried to the top of
  // the file, would make the saved file read as UTF: a blank line goes in front of it.
  if (StartsWithByteOrderMark(Utf8ToCp1251(CutChars(text, 3)))) text.insert(0, "\r\n");
  return text;
}

bool Replaceable(Prompts& prompts, const std::string& target) {
  std::string bytes;
  FileProblem problem = ReadAs(target, FileRole::kConfiguration, bytes);
  if (!IsFormProblem(problem)) return true;
  prompts.Show({FileProblemText(problem, target), kWarningCaption, MessageIcon::kWarning, MessageButtons::kOk});
  return false;
}

namespace {

bool SameAsKnown(const KnownFile& known, const std::optional<std::string>& now) {
  return !known.tracked || known.bytes == now;
}

// The program directory's files changed by another program since the window read them:
// the user chooses between writing over that change and going back (the default).
bool MayWriteOver(ConfigSession& session, const std::optional<std::string>& conf,
                  const std::optional<std::string>& voice) {
  std::string files;
  if (!SameAsKnown(session.state.knownConf, conf)) files = session.ProgramFile(kConfFileName);
  if (!SameAsKnown(session.state.knownVoice, voice))
    files += (files.empty() ? "" : " и ") + session.ProgramFile(kVoiceFileName);
  if (files.empty()) return true;
  return session.prompts.Show({ChangedElsewhereText(files), kWarningCaption, MessageIcon::kWarning,
                               MessageButtons::kYesNoDefaultNo}) == MessageAnswer::kYes;
}

// voice.ini as the window knew it, when the user chose to write over another program's change
// to it; nothing when the file is as the window knew it, or the window knew none.
std::optional<std::string> VoiceToWriteBack(const ConfigSession& session, const std::optional<std::string>& voiceNow) {
  const KnownFile& known = session.state.knownVoice;
  if (SameAsKnown(known, voiceNow) || !known.bytes) return std::nullopt;
  return known.bytes;
}

// What both flows do: the lock test, voice.ini read, the questions, then the one guarded
// write of the whole file with its history, and only then the notice that voice.ini is
// missing. No lock is held while the user answers: when another program changes the files
// between the answer and the write, the questions come again. False when nothing was written.
bool SaveWithVoice(ConfigSession& session, const std::string& target, CleanUp cleanUp) {
  if (!ConfigurationFree(session)) return false;
  const std::string voicePath = session.ProgramFile(kVoiceFileName);
  const bool programFile = target == session.ProgramFile(kConfFileName);
  for (;;) {
    const std::optional<std::string> current = CurrentBytes(target), voiceNow = CurrentBytes(voicePath);
    if (programFile && !MayWriteOver(session, current, voiceNow)) return false;
    // Written over, the other program's change to voice.ini is gone from the save and the file.
    const std::optional<std::string> voiceBack = programFile ? VoiceToWriteBack(session, voiceNow) : std::nullopt;
    VoicePart voice = voiceBack ? VoicePart{VoiceRead::kRead, VoiceAppendix(*voiceBack), *voiceBack, FileProblem::kNone}
                                : ReadVoicePart(voicePath);
    if (voice.read == VoiceRead::kUnreadable) {
      // Saving without it would drop every intercom-unit list from the file.
      session.prompts.Show(PlainMessage(FileProblemText(voice.problem, voicePath)));
      return false;
    }
    WriteRequest request;
    request.target = target;
    request.bytes = Utf8ToCp1251(SavedText(session.editor, session.table, voice.text, cleanUp));
    request.note = {session.program, {}};
    // The version keeps the voice.ini this save appended.
    if (voice.read == VoiceRead::kRead) request.voiceBytes = voice.bytes;
    request.summaries = &session.summaries;
    request.expected = current;
    // The lock is taken only now that the user has answered.
    const std::unique_ptr<FileLock> lock =
        session.lockFile ? session.lockFile(target)
                         : std::make_unique<FileLock>(FileLock::LockPathOf(target), kFileLockWait);
    request.lockHeld = lock->state() == FileLock::State::kHeld;
    WriteOutcome written;
    if (lock->state() == FileLock::State::kBusy)
      written.end = WriteEnd::kBusy;
    else if (lock->state() == FileLock::State::kNotAFile)
      written = {WriteEnd::kRefused, true, text::history::LockNotAFile(FileLock::LockPathOf(target)), {}};
    else
      written = WriteConfiguration(request);
    // Another program wrote between the question and the write: the question comes again.
    if (written.end == WriteEnd::kChanged) continue;
    if (written.end != WriteEnd::kWritten && written.end != WriteEnd::kUnchanged) {
      // The table holds the editor's values now; only the flag still reports them as unsaved.
      session.state.modified = true;
      if (written.end == WriteEnd::kBusy)
        session.prompts.Show(
            {ConfigurationBusyText(target), kWarningCaption, MessageIcon::kWarning, MessageButtons::kOk});
      else
        session.prompts.Show(
            PlainMessage(written.end == WriteEnd::kRefused ? written.reason : kSaveFailedPrefix + target));
      return false;
    }
    if (!written.historyKept && !session.state.historyWarned) {
      session.state.historyWarned = true;
      session.prompts.Show({written.reason, kWarningCaption, MessageIcon::kWarning, MessageButtons::kOk});
    }
    session.state.modified = false;
    if (voiceBack) {
      WriteRequest back;
      back.target = voicePath;
      back.role = FileRole::kVoiceList;
      back.bytes = *voiceBack;
      back.note = {session.program, {}};
      WriteConfiguration(back);
    }
    if (programFile) RememberProgramFiles(session);
    if (voice.read == VoiceRead::kMissing) session.prompts.Show(PlainMessage(kVoiceIniMissingText));
    return true;
  }
}

}  // namespace

void RememberProgramFiles(ConfigSession& session) {
  session.state.knownConf = {true, CurrentBytes(session.ProgramFile(kConfFileName))};
  RememberVoiceFile(session);
}

void RememberVoiceFile(ConfigSession& session) {
  session.state.knownVoice = {true, CurrentBytes(session.ProgramFile(kVoiceFileName))};
}

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
