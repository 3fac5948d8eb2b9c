#include "guarded_write.h"

#include "config_changes.h"
#include "messages.h"

namespace zz {

namespace {

WriteOutcome Ended(WriteEnd end, std::string reason = {}) {
  WriteOutcome outcome;
  outcome.end = end;
  outcome.reason = std::move(reason);
  return outcome;
}

}  // namespace

std::optional<std::string> CurrentBytes(const std::string& path) {
  std::string bytes;
  if (ReadFileBytes(path, bytes)) return bytes;
  return std::nullopt;
}

WriteOutcome WriteConfiguration(const WriteRequest& request) {
  const std::string& target = request.target;
  const std::string lockPath = FileLock::LockPathOf(target);
  std::optional<FileLock> lock;
  if (!request.lockHeld) lock.emplace(lockPath, request.wait);
  switch (lock ? lock->state() : FileLock::State::kHeld) {
    case FileLock::State::kBusy: return Ended(WriteEnd::kBusy, ConfigurationBusyText(target));
    case FileLock::State::kNotAFile: return Ended(WriteEnd::kRefused, text::history::LockNotAFile(lockPath));
    default: break;  // a folder that takes no lock file takes no configuration either: the write tells
  }
  RemoveLeftoverTemporaries(target);

  std::string bytes;
  const FileProblem problem = ReadAs(target, request.role, bytes);
  if (problem == FileProblem::kHeld) return Ended(WriteEnd::kBusy, FileProblemText(problem, target));
  if (problem != FileProblem::kNone && problem != FileProblem::kAbsent)
    return Ended(WriteEnd::kRefused, FileProblemText(problem, target));
  WriteOutcome outcome;
  if (problem == FileProblem::kNone) outcome.found = bytes;
  if (request.expected && *request.expected != outcome.found) {
    outcome.end = WriteEnd::kChanged;
    return outcome;
  }
  if (outcome.found == request.bytes) {
    outcome.end = WriteEnd::kUnchanged;
    return outcome;
  }
  if (outcome.found) {
    switch (TryExclusiveOpen(target)) {
      case ExclusiveOpen::kHeld: return Ended(WriteEnd::kBusy, FileProblemText(FileProblem::kHeld, target));
      case ExclusiveOpen::kReadOnly: return Ended(WriteEnd::kNotWritten, text::history::ReadOnly(target));
      default: break;
    }
  }

  std::optional<HistoryTransaction> history;
  if (request.role == FileRole::kConfiguration) {
    history.emplace(target, request.wait);
    bool kept = history->Open();
    // What another program left in the file is kept before it is replaced: as a version of
    // its own, committed at once, since it was there whatever happens next. An empty file is
    // nothing to go back to.
    if (kept && outcome.found && !outcome.found->empty() && history->Newest() != outcome.found)
      kept = history->Stage(*outcome.found, {text::history::kFoundProgram, text::history::kFoundSummary},
                            std::nullopt, ModifiedTime(target)) &&
             history->Commit();
    RevisionNote note = request.note;
    // The comparison is worth its time only for a version the history will keep.
    if (kept && note.summary.empty() && outcome.found)
      note.summary = request.summaries ? request.summaries->Summary(*outcome.found, request.bytes)
                                       : SaveSummary(*outcome.found, request.bytes);
    outcome.historyKept = kept && history->Stage(request.bytes, note, request.voiceBytes);
  }
  if (!WriteFileAtomic(target, request.bytes)) {
    outcome.end = WriteEnd::kNotWritten;
    outcome.reason = kSaveFailedPrefix + target;
    return outcome;  // the drafts go with the transaction
  }
  if (history && outcome.historyKept) outcome.historyKept = history->Commit();
  if (!outcome.historyKept) outcome.reason = HistoryNotKeptText(HistoryDir(target));
  outcome.end = WriteEnd::kWritten;
  return outcome;
}

}  // namespace zz
