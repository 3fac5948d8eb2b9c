// The history of a configuration file under History\ beside it: every version the program
// writes, and every version another program left in the file before a save replaced it,
// each with its own voice.ini and a note of who made it and what it changed.
//
// Revisions are numbered as network equipment numbers its archived configurations: 1 is the
// newest version other than the one the file holds now (so the configuration before the
// last save), 2 the one before it; the last kKeptRevisions of each file are kept. The folder
// of a version is named by its sequence number, so that a clock put back cannot reorder the
// history; several files of one folder share History\ and its numbers.
//
// The store is written as one transaction under its own lock (History\history.lock): a
// version is made whole in a draft folder ("~..."), the file is replaced, and only then does
// the draft get its number; drafts of a process that was stopped are removed by the next
// writer. Nothing under History\ that is a link is followed, and names that are not the
// store's own are left alone and reported.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "file_system.h"

namespace zz {

inline constexpr int kKeptRevisions = 50;
inline constexpr const char* kHistoryFolder = "History";
// A note is read up to this many bytes.
inline constexpr std::size_t kNoteLimit = 64 * 1024;

// Who made a version and what it changes against the one before it.
struct RevisionNote {
  std::string program;  // "zurerizeda", or "zconf" and its command
  std::string summary;  // one line
};

struct Revision {
  int number = 0;       // 1 is the newest
  std::string folder;   // where its files are
  std::string file;     // the configuration file's name, as the folder beside History\ holds it
  std::string date, time, user, computer, program, summary;
  bool damaged = false;  // its files cannot be read: listed, never restored
  bool knownGood = false;  // the gateway has run with it for its guard time
};

struct History {
  std::optional<Revision> current;   // number 0: the version the file holds now, when kept
  std::vector<Revision> revisions;   // newest first
  std::vector<std::string> foreign;  // names under History\ that the store did not make
};

// History\ in the folder of the configuration file.
std::string HistoryDir(const std::string& confPath);

// The file's revisions, newest first, and what else History\ holds; none when there is no
// history.
History ReadHistory(const std::string& confPath);
std::vector<Revision> ListRevisions(const std::string& confPath);

// Revision `number` of the file, or nothing.
std::optional<Revision> FindRevision(const std::string& confPath, int number);

// The bytes a revision holds: the configuration, and its voice.ini (empty when it has none).
// False for a damaged revision.
bool ReadRevision(const Revision& revision, std::string& confBytes, std::string& voiceBytes);

// The newest version the gateway has run with for its guard time, the current one included;
// nothing when none is known.
std::optional<Revision> LastKnownGood(const History& history);

// Records the version holding `ranWith` as one the gateway has run with: the newest such
// version, or, when the file holds those bytes and the history does not, the file's content
// kept as a version with `note` first. False when none holds them or the store cannot be written.
bool MarkKnownGood(const std::string& confPath, const std::string& ranWith, const RevisionNote& note);

// One change of the store: opened under its lock, versions staged as drafts, committed once
// the file they describe has been written. Drafts not committed are removed with it.
class HistoryTransaction {
 public:
  HistoryTransaction(const std::string& confPath, std::chrono::milliseconds wait);
  ~HistoryTransaction();
  HistoryTransaction(const HistoryTransaction&) = delete;
  HistoryTransaction& operator=(const HistoryTransaction&) = delete;

  // The store can be written: its lock is held and History\ is a folder of its own.
  bool Open() const { return open_; }
  // The configuration of the file's newest version; nothing when there is none or it is damaged.
  std::optional<std::string> Newest() const;
  // Makes a draft of `conf` as a version with its voice.ini (`voice`, or made from `conf` as
  // start-up makes it) and the note.
  // `made`, when known (seconds since 1970), is when it was written; else now.
  bool Stage(std::string_view conf, const RevisionNote& note, const std::optional<std::string>& voice = {},
             std::optional<std::int64_t> made = {});
  // Gives the drafts their numbers in the order they were staged, then lets the versions
  // beyond the newest kKeptRevisions go. False when a draft could not be committed.
  bool Commit();
  // Marks the newest version whose configuration is `conf` as known good; false when none is.
  bool MarkGood(const std::string& conf);

 private:
  std::string confPath_, dir_;
  std::optional<FileLock> lock_;
  bool open_ = false;
  std::vector<std::string> drafts_;
};

}  // namespace zz
