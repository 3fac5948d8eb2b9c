// Holds a file open the way another program would: for reading and writing, sharing nothing.
#pragma once

#include <string>

namespace zz::test {

class FileHold {
 public:
  explicit FileHold(const std::string& path);
  ~FileHold();
  FileHold(const FileHold&) = delete;
  FileHold& operator=(const FileHold&) = delete;
  bool held() const;

 private:
  void* handle_;
};

// Marks a file read-only; false when this user can write it anyway (root on POSIX).
bool MakeReadOnly(const std::string& path);

}  // namespace zz::test
