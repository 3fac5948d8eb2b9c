#include <windows.h>

#include "../file_system.h"
#include "handle.h"
#include "utf16.h"

namespace zz {

namespace {

std::wstring DirectoryOf(const std::wstring& path) {
  std::wstring::size_type cut = path.find_last_of(L"\\/");
  if (cut == std::wstring::npos) return L".";
  if (cut == 2 && path[1] == L':') return path.substr(0, 3);
  return path.substr(0, cut);
}

bool WriteAll(HANDLE h, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD chunk = bytes.size() > 0x40000000u ? 0x40000000u : static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    if (!WriteFile(h, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

}  // namespace

ReadFault TryReadFile(const std::string& path, std::string& bytes) {
  bytes.clear();
  const std::wstring wide = Widen(path);
  Handle file(CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    const DWORD error = GetLastError();
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return ReadFault::kFolder;
    switch (error) {
      case ERROR_FILE_NOT_FOUND:
      case ERROR_PATH_NOT_FOUND:
      case ERROR_INVALID_NAME:
      case ERROR_BAD_NETPATH: return ReadFault::kAbsent;
      case ERROR_SHARING_VIOLATION:
      case ERROR_LOCK_VIOLATION: return ReadFault::kHeld;
      case ERROR_ACCESS_DENIED: return ReadFault::kDenied;
      default: return ReadFault::kFailed;
    }
  }
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size)) return ReadFault::kFailed;
  bytes.reserve(static_cast<std::size_t>(size.QuadPart));
  char buf[65536];
  for (;;) {
    DWORD got = 0;
    if (!::ReadFile(file.get(), buf, sizeof buf, &got, nullptr)) {
      const DWORD error = GetLastError();
      bytes.clear();
      return error == ERROR_LOCK_VIOLATION ? ReadFault::kHeld : ReadFault::kFailed;
    }
    if (got == 0) return ReadFault::kNone;
    bytes.append(buf, got);
  }
}

bool WriteFileAtomic(const std::string& path, std::string_view bytes) {
  std::wstring target = Widen(path);
  DWORD attributes = GetFileAttributesW(target.c_str());
  bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  if (exists && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) return false;

  wchar_t temp[MAX_PATH + 16];
  if (!GetTempFileNameW(DirectoryOf(target).c_str(), L"zz", 0, temp)) return false;
  bool ok;
  {
    Handle file(CreateFileW(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    ok = file && WriteAll(file.get(), bytes) && FlushFileBuffers(file.get());
  }
  if (ok) {
    // ReplaceFileW keeps the target's attributes and security; a new target is simply moved in.
    ok = (exists && ReplaceFileW(target.c_str(), temp, nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                                 nullptr)) ||
         MoveFileExW(temp, target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  }
  if (!ok) DeleteFileW(temp);
  return ok;
}

bool FileExists(const std::string& path) {
  DWORD attributes = GetFileAttributesW(Widen(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

ExclusiveOpen TryExclusiveOpen(const std::string& path) {
  Handle file(CreateFileW(Widen(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file) return ExclusiveOpen::kFree;
  DWORD error = GetLastError();
  return (error == ERROR_FILE_NOT_FOUND) ? ExclusiveOpen::kAbsent : ExclusiveOpen::kDenied;
}

FileLock::FileLock(const std::string& path, std::chrono::milliseconds wait) {
  const std::wstring lockPath = Widen(path + ".lock");
  const auto end = std::chrono::steady_clock::now() + wait;
  for (;;) {
    // Gone with the last handle, so that no stale lock file is left behind.
    HANDLE h = CreateFileW(lockPath.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
      handle_ = reinterpret_cast<std::intptr_t>(h);
      state_ = State::kHeld;
      return;
    }
    const DWORD error = GetLastError();
    // Held by another (or being deleted by its last holder): wait. Denied without a holder:
    // the folder cannot take the file.
    const bool held = error == ERROR_SHARING_VIOLATION ||
                      (error == ERROR_ACCESS_DENIED && GetFileAttributesW(lockPath.c_str()) != INVALID_FILE_ATTRIBUTES);
    if (!held) return;
    if (std::chrono::steady_clock::now() >= end) {
      state_ = State::kBusy;
      return;
    }
    Sleep(20);
  }
}

FileLock::~FileLock() {
  if (handle_ != -1) CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

std::string UserName() {
  wchar_t name[257] = {};
  DWORD size = 257;
  return GetUserNameW(name, &size) ? Narrow(name) : std::string();
}

std::string ComputerName() {
  wchar_t name[MAX_COMPUTERNAME_LENGTH + 1] = {};
  DWORD size = MAX_COMPUTERNAME_LENGTH + 1;
  return GetComputerNameW(name, &size) ? Narrow(name) : std::string();
}

std::string JoinPath(const std::string& dir, const std::string& name) {
  if (dir.empty()) return name;
  char last = dir.back();
  if (last == '\\' || last == '/') return dir + name;
  return dir + "\\" + name;
}

}  // namespace zz
