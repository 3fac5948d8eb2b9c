// The history of a configuration file: before a save replaces the file, the version being
// replaced is kept, with the folder's voice.ini, as one revision under History\ beside it.
// Revisions are numbered as network equipment numbers its archived configurations: 1 is
// the newest (the configuration before the last save), 2 the one before it; the last
// kKeptRevisions of each file are kept.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zz {

inline constexpr int kKeptRevisions = 50;
inline constexpr const char* kHistoryFolder = "History";

// Who made a save and what it changes, for the revision it leaves.
struct RevisionNote {
  std::string program;  // "zurerizeda", or "zconf" and its command
  std::string summary;  // one line: what the new save changes against the revision
};

struct Revision {
  int number = 0;       // 1 is the newest
  std::string folder;   // where its files are
  std::string file;     // the configuration file's name, as the folder beside History\ holds it
  std::string date, time, user, computer, program, summary;
};

// History\ in the folder of the configuration file.
std::string HistoryDir(const std::string& confPath);

// Keeps `confBytes` (the file's content being replaced) and the folder's voice.ini as the
// newest revision of the file. False when History\ cannot be written; nothing of a
// revision that could not be written whole is left.
bool StoreRevision(const std::string& confPath, std::string_view confBytes, const RevisionNote& note);

// The file's revisions, newest first; none when there is no history.
std::vector<Revision> ListRevisions(const std::string& confPath);

// Revision `number` of the file, or nothing.
std::optional<Revision> FindRevision(const std::string& confPath, int number);

// The bytes a revision holds: the configuration, and voice.ini (empty when the folder had none).
bool ReadRevision(const Revision& revision, std::string& confBytes, std::string& voiceBytes);

// Removes the file's revisions beyond the newest `keep`.
void PruneRevisions(const std::string& confPath, int keep = kKeptRevisions);

struct Replacement {
  bool written = false;      // the file holds the new bytes
  bool historyKept = false;  // what it held before is a revision (or it held nothing)
};

// Replaces the file, whose content is `current` (nothing when it is absent), with `bytes`
// in one step; the content replaced is kept as a revision first, and the revisions beyond
// the newest kKeptRevisions go once the file is written. A revision that cannot be kept
// does not stop the write. Run it under the file's lock.
Replacement ReplaceKeepingHistory(const std::string& confPath, const std::optional<std::string>& current,
                                  std::string_view bytes, const RevisionNote& note);

}  // namespace zz
