// The one way a configuration file or an intercom-unit list is written, by the window and by
// every zconf command: under the file's lock, a file that cannot be read as what it should
// be is refused, equal bytes are not written again, a configuration's versions go to its
// history (the one the file held, when another program left it, and the one written), and
// the file is replaced in one step.
#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "file_form.h"
#include "file_system.h"
#include "history.h"
#include "save_summaries.h"

namespace zz {

enum class WriteEnd {
  kWritten,     // the file holds the new bytes
  kUnchanged,   // it held them already: nothing was written
  kBusy,        // another program kept the lock or holds the file open: try again later
  kChanged,     // the file is not what the change was made on: nothing was written
  kRefused,     // the file (or its lock's name) is not what it should be: kept as it is
  kNotWritten,  // the write failed (read-only, full disk): the file is as it was
};

struct WriteOutcome {
  WriteEnd end = WriteEnd::kNotWritten;
  bool historyKept = true;  // kWritten: the versions are in History\ (always, for a unit list)
  std::string reason;       // why, for every end but kWritten and kUnchanged, in the user's words
  std::optional<std::string> found;  // what the file held under the lock; nothing when absent
};

struct WriteRequest {
  std::string target;
  FileRole role = FileRole::kConfiguration;
  std::string bytes;  // Windows-1251
  RevisionNote note;
  // The intercom-unit list that went with the configuration (voice.ini); unset: made from it.
  std::optional<std::string> voiceBytes;
  // A configuration's note without a summary gets one from what the file held (when it held
  // anything) and the new bytes; a session's own summaries spare reading its last save again.
  SaveSummaries* summaries = nullptr;
  // The content the change was made on (nothing: the file was absent); unset: any.
  std::optional<std::optional<std::string>> expected;
  bool lockHeld = false;  // the caller holds the file's lock already (since it read the file)
  std::chrono::milliseconds wait = kFileLockWait;
};

WriteOutcome WriteConfiguration(const WriteRequest& request);

// The file's bytes as the guarded write would find them; nothing when it is absent or unreadable.
std::optional<std::string> CurrentBytes(const std::string& path);

}  // namespace zz
