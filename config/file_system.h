// The few file operations the configuration store needs, one implementation per platform.
// Paths are UTF-8.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

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

// Reads the whole file as raw bytes.
ReadFault TryReadFile(const std::string& path, std::string& bytes);

// Reads the whole file as raw bytes; false when it cannot be opened or read.
inline bool ReadFileBytes(const std::string& path, std::string& bytes) {
  return TryReadFile(path, bytes) == ReadFault::kNone;
}

// Replaces the file in one step: the bytes go to a temporary file beside it, which is
// then moved over the target. On failure the previous file is untouched.
bool WriteFileAtomic(const std::string& path, std::string_view bytes);

bool FileExists(const std::string& path);

enum class ExclusiveOpen {
  kFree,    // opened for reading and writing with no sharing, and closed again
  kAbsent,  // the file does not exist
  kDenied,  // held by another program, read-only or not accessible
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
  };
  // Tries until the lock is had or `wait` has passed.
  FileLock(const std::string& path, std::chrono::milliseconds wait);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;
  State state() const { return state_; }

 private:
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
