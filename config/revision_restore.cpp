#include "revision_restore.h"

#include "conf_loader.h"
#include "file_form.h"
#include "save_flows.h"
#include "voice_ini.h"

namespace zz {

namespace {

std::string RevisionConfPath(const Revision& revision) { return JoinPath(revision.folder, revision.file); }

}  // namespace

bool LoadRevision(ConfigSession& session, const Revision& revision) {
  const std::string path = RevisionConfPath(revision);
  std::string bytes;
  const FileProblem problem = ReadAs(path, FileRole::kConfiguration, bytes);
  if (problem != FileProblem::kNone) {
    session.prompts.Show({FileProblemText(problem, path), kWarningCaption, MessageIcon::kWarning, MessageButtons::kOk});
    return false;
  }
  LoadConfigBytes(session, session.ProgramFile(kConfFileName), bytes);
  session.state.modified = true;
  RebuildVoiceFile(path, session.ProgramFile(kVoiceFileName));
  RememberVoiceFile(session);  // the window's own change
  return true;
}

RestoreEnd RestoreRevision(ConfigSession& session, const Revision& revision) {
  std::string conf, voice;
  if (!ReadRevision(revision, conf, voice)) return RestoreEnd::kUnreadable;
  const std::string target = session.ProgramFile(kConfFileName);
  FileLock lock(target, kFileLockWait);
  if (lock.state() == FileLock::State::kBusy) return RestoreEnd::kBusy;
  std::optional<std::string> current;
  if (std::string bytes; ReadFileBytes(target, bytes)) current = std::move(bytes);
  if (current != conf) {
    const RevisionNote note{session.program, current && session.summarize ? session.summarize(*current, conf) : ""};
    if (!ReplaceKeepingHistory(target, current, conf, note).written) return RestoreEnd::kNotWritten;
  }
  RebuildVoiceFile(target, session.ProgramFile(kVoiceFileName));
  LoadConfigBytes(session, target, conf);
  RememberProgramFiles(session);
  return RestoreEnd::kRestored;
}

}  // namespace zz
