#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>

#include "file_hold.h"

namespace zz::test {

FileHold::FileHold(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDWR);
  if (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    fd = -1;
  }
  handle_ = reinterpret_cast<void*>(static_cast<std::intptr_t>(fd));
}

FileHold::~FileHold() {
  if (held()) ::close(static_cast<int>(reinterpret_cast<std::intptr_t>(handle_)));
}

bool FileHold::held() const { return reinterpret_cast<std::intptr_t>(handle_) >= 0; }

bool MakeReadOnly(const std::string& path) {
  if (::chmod(path.c_str(), 0444) != 0) return false;
  return ::access(path.c_str(), W_OK) != 0;
}

}  // namespace zz::test
