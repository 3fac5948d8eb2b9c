#include <windows.h>

#include "file_hold.h"
#include "win32/utf16.h"

namespace zz::test {

FileHold::FileHold(const std::string& path)
    : handle_(CreateFileW(Widen(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr)) {}

FileHold::~FileHold() {
  if (held()) CloseHandle(handle_);
}

bool FileHold::held() const { return handle_ != INVALID_HANDLE_VALUE; }

bool MakeReadOnly(const std::string& path) {
  return SetFileAttributesW(Widen(path).c_str(), FILE_ATTRIBUTE_READONLY) != 0;
}

}  // namespace zz::test
