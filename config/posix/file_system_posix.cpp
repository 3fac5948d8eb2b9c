#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <pwd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
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

bool WriteAll(int fd, std::string_view bytes) {
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

ReadFault TryReadFile(const std::string& path, std::string& bytes) {
  bytes.clear();
  Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) {
    switch (errno) {
      case ENOENT:
      case ENOTDIR: return ReadFault::kAbsent;
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
  bytes.reserve(static_cast<std::size_t>(st.st_size));
  char buf[65536];
  for (;;) {
    ssize_t n = ::read(fd.get(), buf, sizeof buf);
    if (n < 0) {
      if (errno == EINTR) continue;
      bytes.clear();
      return ReadFault::kFailed;
    }
    if (n == 0) return ReadFault::kNone;
    bytes.append(buf, static_cast<std::size_t>(n));
  }
}

bool WriteFileAtomic(const std::string& path, std::string_view bytes) {
  std::string::size_type slash = path.rfind('/');
  std::string dir = slash == std::string::npos ? "." : path.substr(0, slash);
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  std::string tmpl = dir + "/." + name + ".XXXXXX";
  std::vector<char> tmp(tmpl.begin(), tmpl.end());
  tmp.push_back('\0');
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
  if (ok && ::rename(tmp.data(), path.c_str()) == 0) return true;
  ::unlink(tmp.data());
  return false;
}

bool FileExists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

ExclusiveOpen TryExclusiveOpen(const std::string& path) {
  // The nearest POSIX equivalent of an open without sharing: a read-write open
  // and a non-blocking exclusive advisory lock.
  Fd fd(::open(path.c_str(), O_RDWR | O_CLOEXEC));
  if (fd.get() < 0) return errno == ENOENT ? ExclusiveOpen::kAbsent : ExclusiveOpen::kDenied;
  if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) return ExclusiveOpen::kDenied;
  ::flock(fd.get(), LOCK_UN);
  return ExclusiveOpen::kFree;
}

FileLock::FileLock(const std::string& path, std::chrono::milliseconds wait) {
  const std::string lockPath = path + ".lock";
  Fd fd(::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644));
  if (fd.get() < 0) return;
  const auto end = std::chrono::steady_clock::now() + wait;
  for (;;) {
    if (::flock(fd.get(), LOCK_EX | LOCK_NB) == 0) {
      handle_ = fd.release();
      state_ = State::kHeld;
      return;
    }
    if (errno != EWOULDBLOCK || std::chrono::steady_clock::now() >= end) {
      state_ = errno == EWOULDBLOCK ? State::kBusy : State::kUnavailable;
      return;
    }
    ::usleep(20000);
  }
}

FileLock::~FileLock() {
  if (handle_ >= 0) ::close(static_cast<int>(handle_));  // releases the lock
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
