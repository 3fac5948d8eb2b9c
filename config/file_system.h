// The few file operations the configuration store needs, one implementation per platform.
// Paths are UTF-8.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zz {

// Why a file could not be read.
enum class ReadFault {
  kNone,
  kAbsent,  // no such file (or folder on its path)
  kFolder,  // a folder, not a file
  kHeld,    // another program holds it without sharing
  kDenied,  // access denied
  kFailed,  // any other failure of the open or the read
};

// Reads the whole file as raw bytes, or its first `limit` bytes. With `followLinks` false a
// symbolic link, junction or other reparse point is not opened (kDenied).
ReadFault TryReadFile(const std::string& path, std::string& bytes, std::size_t limit = SIZE_MAX,
                      bool followLinks = true);

// Reads the whole file as raw bytes; false when it cannot be opened or read.
inline bool ReadFileBytes(const std::string& path, std::string& bytes) {
  return TryReadFile(path, bytes) == ReadFault::kNone;
}

// Replaces the file in one step: the bytes go to a temporary file beside it (".NAME.zz-*"),
// which is then moved over the target, durably. On failure the previous file is untouched.
bool WriteFileAtomic(const std::string& path, std::string_view bytes);

// What a path names, the path itself and not what a link points to.
enum class EntryKind { kAbsent, kFile, kFolder, kLink, kOther };
EntryKind KindOf(const std::string& path);

struct FolderEntry {
  std::string name;
  EntryKind kind = EntryKind::kOther;
};
// The entries of a folder ("." and ".." left out); none when it cannot be listed.
std::vector<FolderEntry> ListFolder(const std::string& path);

// Makes a folder that does not exist yet; false when the name is taken or it cannot be made.
bool MakeFolder(const std::string& path);
// Makes a file that does not exist yet with the bytes, on disk before it returns; no link
// is followed.
bool WriteNewFile(const std::string& path, std::string_view bytes);
// Renames a file or folder to a name that is free, durably (the folder's entry on disk).
bool MoveToFreeName(const std::string& from, const std::string& to);
// Removes a file, an empty folder or a link itself (never what a link points to).
bool RemoveEntry(const std::string& path);
// Removes a folder and what it holds; links inside are removed, never followed.
bool RemoveTree(const std::string& path);
// Leftover temporary files of WriteFileAtomic for the target, from a process that was stopped
// before it could remove them. Run it under the target's lock.
void RemoveLeftoverTemporaries(const std::string& path);

bool FileExists(const std::string& path);

// When the file was last written, in seconds since 1970 (UTC); nothing when it cannot be told.
std::optional<std::int64_t> ModifiedTime(const std::string& path);

enum class ExclusiveOpen {
  kFree,      // opened for reading and writing with no sharing, and closed again
  kAbsent,    // the file does not exist
  kHeld,      // another program has it open
  kReadOnly,  // the file is read-only
  kDenied,    // not accessible
};

// Opens an existing file for reading and writing, denying every kind of sharing, and closes it.
ExclusiveOpen TryExclusiveOpen(const std::string& path);

// An exclusive lock of a configuration file among the programs that change it (the window
// and zconf), held while the object lives: a lock file beside it ("zidezir.conf.lock"),
// open without sharing.
class FileLock {
 public:
  enum class State {
    kHeld,         // this process holds the lock
    kBusy,         // another holder kept it for the whole wait
    kUnavailable,  // no lock file can be made there (a folder this user cannot write)
    kNotAFile,     // the lock's name is taken by a folder or a link, which is left alone
  };
  // Tries until the lock is had or `wait` has passed. `lockPath` is the lock file itself.
  FileLock(const std::string& lockPath, std::chrono::milliseconds wait);
  // The lock of a file: "FILE.lock" beside it.
  static std::string LockPathOf(const std::string& path) { return path + ".lock"; }
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;
  State state() const { return state_; }

 private:
  std::string path_;
  std::intptr_t handle_ = -1;
  State state_ = State::kUnavailable;
};

inline constexpr std::chrono::milliseconds kFileLockWait{10000};

// The user this process runs as, and the computer's name (empty when they cannot be had).
std::string UserName();
std::string ComputerName();

// dir + separator + name; dir may be empty.
std::string JoinPath(const std::string& dir, const std::string& name);

}  // namespace zz
