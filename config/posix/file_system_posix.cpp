#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <pwd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "../file_system.h"

namespace zz {

namespace {

class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  int release() {
    int fd = fd_;
    fd_ = -1;
    return fd;
  }

 private:
  int fd_;
};

// Tests stop a command at its Nth change on disk (ZZ_FAULT=abort:N, as a process killed there)
// or make that change fail (ZZ_FAULT=fail:N, as a full disk). Built into test trees only.
bool Fault() {
#ifdef ZZ_FAULT_POINTS
  static const std::pair<bool, long> plan = [] {
    const char* text = std::getenv("ZZ_FAULT");
    if (!text) return std::pair<bool, long>{false, 0};
    const std::string s(text);
    const bool abort = s.rfind("abort:", 0) == 0;
    const std::size_t colon = s.find(':');
    return std::pair<bool, long>{abort, colon == std::string::npos ? 0 : std::atol(s.c_str() + colon + 1)};
  }();
  static long count = 0;
  if (plan.second <= 0 || ++count != plan.second) return false;
  std::fprintf(stderr, "zz-fault %ld\n", count);
  if (plan.first) ::_exit(99);
  errno = ENOSPC;
  return true;
#else
  return false;
#endif
}

std::string ParentOf(const std::string& path) {
  std::string::size_type slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// A rename or a new entry reaches the disk with its folder.
bool SyncFolder(const std::string& folder) {
  if (Fault()) return false;
  Fd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  return fd.get() >= 0 && ::fsync(fd.get()) == 0;
}

bool WriteAll(int fd, std::string_view bytes) {
  if (Fault()) return false;
  while (!bytes.empty()) {
    ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

}  // namespace

ReadFault TryReadFile(const std::string& path, std::string& bytes, std::size_t limit, bool followLinks) {
  bytes.clear();
  Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | (followLinks ? 0 : O_NOFOLLOW)));
  if (fd.get() < 0) {
    switch (errno) {
      case ENOENT:
      case ENOTDIR: return ReadFault::kAbsent;
      case ELOOP:
      case EACCES:
      case EPERM: return ReadFault::kDenied;
      default: return ReadFault::kFailed;
    }
  }
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) return ReadFault::kFailed;
  if (S_ISDIR(st.st_mode)) return ReadFault::kFolder;
  // Another program's exclusive hold, as a file opened without sharing is on Windows.
  if (::flock(fd.get(), LOCK_SH | LOCK_NB) != 0) return errno == EWOULDBLOCK ? ReadFault::kHeld : ReadFault::kFailed;
  bytes.reserve(std::min(limit, static_cast<std::size_t>(st.st_size)));
  char buf[65536];
  while (bytes.size() < limit) {
    ssize_t n = ::read(fd.get(), buf, std::min(sizeof buf, limit - bytes.size()));
    if (n < 0) {
      if (errno == EINTR) continue;
      bytes.clear();
      return ReadFault::kFailed;
    }
    if (n == 0) return ReadFault::kNone;
    bytes.append(buf, static_cast<std::size_t>(n));
  }
  return ReadFault::kNone;
}

bool WriteFileAtomic(const std::string& path, std::string_view bytes) {
  std::string::size_type slash = path.rfind('/');
  std::string dir = ParentOf(path);
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  std::string tmpl = dir + "/." + name + ".zz-XXXXXX";
  std::vector<char> tmp(tmpl.begin(), tmpl.end());
  tmp.push_back('\0');
  if (Fault()) return false;
  Fd fd(::mkstemp(tmp.data()));
  if (fd.get() < 0) return false;
  struct stat st {};
  bool exists = ::stat(path.c_str(), &st) == 0;
  mode_t mode = exists ? (st.st_mode & 07777) : 0644;
  // A read-only target stays protected, as it is on Windows.
  if (exists && ::access(path.c_str(), W_OK) != 0) {
    ::unlink(tmp.data());
    return false;
  }
  bool ok = ::fchmod(fd.get(), mode) == 0 && WriteAll(fd.get(), bytes) && ::fsync(fd.get()) == 0;
  ok = (::close(fd.release()) == 0) && ok;
  if (ok && !Fault() && ::rename(tmp.data(), path.c_str()) == 0) return SyncFolder(dir);
  ::unlink(tmp.data());
  return false;
}

EntryKind KindOf(const std::string& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0) return EntryKind::kAbsent;
  if (S_ISLNK(st.st_mode)) return EntryKind::kLink;
  if (S_ISDIR(st.st_mode)) return EntryKind::kFolder;
  return S_ISREG(st.st_mode) ? EntryKind::kFile : EntryKind::kOther;
}

std::vector<FolderEntry> ListFolder(const std::string& path) {
  std::vector<FolderEntry> entries;
  Fd fd(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
  if (fd.get() < 0) return entries;
  DIR* dir = ::fdopendir(fd.get());
  if (!dir) return entries;
  fd.release();
  while (const dirent* e = ::readdir(dir)) {
    const std::string name = e->d_name;
    if (name == "." || name == "..") continue;
    entries.push_back({name, KindOf(JoinPath(path, name))});
  }
  ::closedir(dir);
  return entries;
}

bool MakeFolder(const std::string& path) {
  if (Fault()) return false;
  return ::mkdir(path.c_str(), 0755) == 0 && SyncFolder(ParentOf(path));
}

bool WriteNewFile(const std::string& path, std::string_view bytes) {
  if (Fault()) return false;
  Fd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644));
  if (fd.get() < 0) return false;
  bool ok = WriteAll(fd.get(), bytes) && !Fault() && ::fsync(fd.get()) == 0;
  return (::close(fd.release()) == 0) && ok;
}

bool MoveToFreeName(const std::string& from, const std::string& to) {
  if (Fault()) return false;
  // rename() would also take the name of an empty folder; link() refuses any taken name,
  // but not for folders, so a taken name is looked at first, and the move is checked after.
  if (KindOf(to) != EntryKind::kAbsent) return false;
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) != 0) return false;
  return SyncFolder(ParentOf(to));
}

bool RemoveEntry(const std::string& path) {
  if (Fault()) return false;
  if (KindOf(path) == EntryKind::kFolder) return ::rmdir(path.c_str()) == 0;
  return ::unlink(path.c_str()) == 0;
}

void RemoveLeftoverTemporaries(const std::string& path) {
  const std::string dir = ParentOf(path);
  std::string::size_type slash = path.rfind('/');
  const std::string prefix = "." + (slash == std::string::npos ? path : path.substr(slash + 1)) + ".zz-";
  for (const FolderEntry& e : ListFolder(dir))
    if (e.kind == EntryKind::kFile && e.name.rfind(prefix, 0) == 0) RemoveEntry(JoinPath(dir, e.name));
}

std::optional<std::int64_t> ModifiedTime(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return std::nullopt;
  return static_cast<std::int64_t>(st.st_mtime);
}

bool FileExists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

ExclusiveOpen TryExclusiveOpen(const std::string& path) {
  // The nearest POSIX equivalent of an open without sharing: a read-write open
  // and a non-blocking exclusive advisory lock.
  Fd fd(::open(path.c_str(), O_RDWR | O_CLOEXEC));
  if (fd.get() < 0) {
    if (errno == ENOENT) return ExclusiveOpen::kAbsent;
    if (errno == EROFS || (errno == EACCES && ::access(path.c_str(), W_OK) != 0 && ::access(path.c_str(), R_OK) == 0))
      return ExclusiveOpen::kReadOnly;
    return ExclusiveOpen::kDenied;
  }
  if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) return ExclusiveOpen::kHeld;
  ::flock(fd.get(), LOCK_UN);
  return ExclusiveOpen::kFree;
}

FileLock::FileLock(const std::string& lockPath, std::chrono::milliseconds wait)
    : path_(lockPath) {
  const auto end = std::chrono::steady_clock::now() + wait;
  for (;;) {
    const EntryKind kind = KindOf(lockPath);
    if (kind != EntryKind::kAbsent && kind != EntryKind::kFile) {
      state_ = State::kNotAFile;
      return;
    }
    Fd fd(::open(lockPath.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644));
    if (fd.get() < 0) {
      state_ = errno == ELOOP ? State::kNotAFile : State::kUnavailable;
      return;
    }
    if (::flock(fd.get(), LOCK_EX | LOCK_NB) == 0) {
      // The holder before may have removed the file while this one waited for it: the lock
      // is the file that has the name now.
      struct stat held {}, named {};
      if (::fstat(fd.get(), &held) == 0 && ::lstat(lockPath.c_str(), &named) == 0 && held.st_ino == named.st_ino &&
          held.st_dev == named.st_dev) {
        handle_ = fd.release();
        state_ = State::kHeld;
        return;
      }
      continue;
    }
    if (errno != EWOULDBLOCK) return;
    if (std::chrono::steady_clock::now() >= end) {
      state_ = State::kBusy;
      return;
    }
    ::usleep(20000);
  }
}

FileLock::~FileLock() {
  if (handle_ < 0) return;
  // No lock file is left behind; the next holder sees that the name has gone.
  ::unlink(path_.c_str());
  ::close(static_cast<int>(handle_));  // releases the lock
}

std::string UserName() {
  if (const passwd* user = ::getpwuid(::geteuid())) return user->pw_name;
  const char* name = std::getenv("USER");
  return name ? name : "";
}

std::string ComputerName() {
  char name[HOST_NAME_MAX + 1] = {};
  return ::gethostname(name, sizeof name - 1) == 0 ? name : "";
}

std::string JoinPath(const std::string& dir, const std::string& name) {
  if (dir.empty()) return name;
  if (dir.back() == '/') return dir + name;
  return dir + "/" + name;
}

}  // namespace zz
