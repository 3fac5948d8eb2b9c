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

WriteOutcome RestoreVersion(const std::string& confPath, const Revision& revision, const std::string& program) {
  std::string conf, voice;
  if (!ReadRevision(revision, conf, voice)) {
    WriteOutcome refused;
    refused.end = WriteEnd::kRefused;
    refused.reason = text::history::Damaged(revision.folder);
    return refused;
  }
  WriteRequest request;
  request.target = confPath;
  request.bytes = conf;
  request.note = {program, text::history::Restored(revision.date + " " + revision.time)};
  return WriteConfiguration(request);
}

RestoreEnd RestoreRevision(ConfigSession& session, const Revision& revision) {
  std::string conf, voice;
  if (!ReadRevision(revision, conf, voice)) return RestoreEnd::kUnreadable;
  const std::string target = session.ProgramFile(kConfFileName);
  const WriteOutcome written = RestoreVersion(target, revision, session.program);
  if (written.end == WriteEnd::kBusy) return RestoreEnd::kBusy;
  if (written.end != WriteEnd::kWritten && written.end != WriteEnd::kUnchanged) return RestoreEnd::kNotWritten;
  RebuildVoiceFile(target, session.ProgramFile(kVoiceFileName));
  LoadConfigBytes(session, target, conf);
  RememberProgramFiles(session);
  return RestoreEnd::kRestored;
}

}  // namespace zz
