#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <random>

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

// What a path's attributes make of it: a reparse point (symbolic link, junction, or a Unix
// link under Wine) is a link whatever it points to.
EntryKind KindOfAttributes(DWORD attributes) {
  if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) return EntryKind::kLink;
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return EntryKind::kFolder;
  return (attributes & FILE_ATTRIBUTE_DEVICE) ? EntryKind::kOther : EntryKind::kFile;
}

std::string BaseName(const std::string& path) {
  std::string::size_type cut = path.find_last_of("\\/");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string TemporaryPrefix(const std::string& path) { return "." + BaseName(path) + ".zz-"; }

std::string TemporaryName(const std::string& path) {
  const std::wstring wide = Widen(path);
  wchar_t suffix[32];
  swprintf(suffix, 32, L"%08lx%08x", GetCurrentProcessId(), std::random_device{}());
  return JoinPath(Narrow(DirectoryOf(wide)), TemporaryPrefix(path) + Narrow(suffix));
}

}  // namespace

ReadFault TryReadFile(const std::string& path, std::string& bytes, std::size_t limit, bool followLinks) {
  bytes.clear();
  const std::wstring wide = Widen(path);
  if (!followLinks && KindOf(path) == EntryKind::kLink) return ReadFault::kDenied;
  Handle file(CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL | (followLinks ? 0 : FILE_FLAG_OPEN_REPARSE_POINT), nullptr));
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
  bytes.reserve(std::min(limit, static_cast<std::size_t>(size.QuadPart)));
  char buf[65536];
  while (bytes.size() < limit) {
    DWORD got = 0;
    const DWORD want = static_cast<DWORD>(std::min<std::size_t>(sizeof buf, limit - bytes.size()));
    if (!::ReadFile(file.get(), buf, want, &got, nullptr)) {
      const DWORD error = GetLastError();
      bytes.clear();
      return error == ERROR_LOCK_VIOLATION ? ReadFault::kHeld : ReadFault::kFailed;
    }
    if (got == 0) return ReadFault::kNone;
    bytes.append(buf, got);
  }
  return ReadFault::kNone;
}

bool WriteFileAtomic(const std::string& path, std::string_view bytes) {
  std::wstring target = Widen(path);
  DWORD attributes = GetFileAttributesW(target.c_str());
  bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  if (exists && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) return false;

  // Named after the target, so that a leftover of a stopped process is known for what it is.
  std::wstring temp;
  bool ok = false;
  for (int attempt = 0; attempt < 100 && !ok; ++attempt) {
    temp = Widen(TemporaryName(path));
    Handle file(CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file && GetLastError() == ERROR_FILE_EXISTS) continue;
    if (!file) return false;
    ok = WriteAll(file.get(), bytes) && FlushFileBuffers(file.get());
    if (!ok) break;
  }
  if (ok) {
    // ReplaceFileW keeps the target's attributes and security; a new target is simply moved in.
    ok = (exists && ReplaceFileW(target.c_str(), temp.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                                 nullptr)) ||
         MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  }
  if (!ok) DeleteFileW(temp.c_str());
  return ok;
}

EntryKind KindOf(const std::string& path) {
  // The directory entry's own attributes: Wine reports a link to a file as a link there only.
  WIN32_FIND_DATAW data{};
  HANDLE find = FindFirstFileW(Widen(path).c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) {
    // A drive's root has no entry of its own.
    const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
    return attributes == INVALID_FILE_ATTRIBUTES ? EntryKind::kAbsent : KindOfAttributes(attributes);
  }
  FindClose(find);
  return KindOfAttributes(data.dwFileAttributes);
}

std::vector<FolderEntry> ListFolder(const std::string& path) {
  std::vector<FolderEntry> entries;
  WIN32_FIND_DATAW data{};
  HANDLE find = FindFirstFileW(Widen(JoinPath(path, "*")).c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return entries;
  do {
    const std::wstring name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    entries.push_back({Narrow(name), KindOfAttributes(data.dwFileAttributes)});
  } while (FindNextFileW(find, &data));
  FindClose(find);
  return entries;
}

bool MakeFolder(const std::string& path) { return CreateDirectoryW(Widen(path).c_str(), nullptr) != 0; }

bool WriteNewFile(const std::string& path, std::string_view bytes) {
  Handle file(CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                          FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
  return file && WriteAll(file.get(), bytes) && FlushFileBuffers(file.get());
}

bool MoveToFreeName(const std::string& from, const std::string& to) {
  return MoveFileExW(Widen(from).c_str(), Widen(to).c_str(), MOVEFILE_WRITE_THROUGH) != 0;
}

bool RemoveEntry(const std::string& path) {
  const std::wstring wide = Widen(path);
  return KindOf(path) == EntryKind::kFolder ? RemoveDirectoryW(wide.c_str()) != 0 : DeleteFileW(wide.c_str()) != 0;
}

void RemoveLeftoverTemporaries(const std::string& path) {
  const std::wstring wide = Widen(path);
  const std::string dir = Narrow(DirectoryOf(wide));
  const std::string prefix = TemporaryPrefix(path);
  for (const FolderEntry& e : ListFolder(dir))
    if (e.kind == EntryKind::kFile && e.name.rfind(prefix, 0) == 0) RemoveEntry(JoinPath(dir, e.name));
}

std::optional<std::int64_t> ModifiedTime(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(Widen(path).c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
  ULARGE_INTEGER ticks{};  // 100 ns since 1601
  ticks.LowPart = data.ftLastWriteTime.dwLowDateTime;
  ticks.HighPart = data.ftLastWriteTime.dwHighDateTime;
  constexpr std::uint64_t kTicksTo1970 = 116444736000000000ull;
  if (ticks.QuadPart < kTicksTo1970) return std::nullopt;
  return static_cast<std::int64_t>((ticks.QuadPart - kTicksTo1970) / 10000000ull);
}

bool FileExists(const std::string& path) {
  DWORD attributes = GetFileAttributesW(Widen(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

ExclusiveOpen TryExclusiveOpen(const std::string& path) {
  Handle file(CreateFileW(Widen(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file) return ExclusiveOpen::kFree;
  const DWORD error = GetLastError();
  if (error == ERROR_FILE_NOT_FOUND) return ExclusiveOpen::kAbsent;
  if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION) return ExclusiveOpen::kHeld;
  const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return ExclusiveOpen::kReadOnly;
  return ExclusiveOpen::kDenied;
}

FileLock::FileLock(const std::string& lockFile, std::chrono::milliseconds wait)
    : path_(lockFile) {
  const std::wstring lockPath = Widen(lockFile);
  const auto end = std::chrono::steady_clock::now() + wait;
  for (;;) {
    // A folder or a link in the lock's place is never opened, cleared or deleted.
    const EntryKind kind = KindOf(lockFile);
    if (kind != EntryKind::kAbsent && kind != EntryKind::kFile) {
      state_ = State::kNotAFile;
      return;
    }
    HANDLE h = CreateFileW(lockPath.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, 0, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
      const bool created = GetLastError() != ERROR_ALREADY_EXISTS;
      BY_HANDLE_FILE_INFORMATION info{};
      if (!GetFileInformationByHandle(h, &info) ||
          (info.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY))) {
        CloseHandle(h);
        state_ = State::kNotAFile;
        return;
      }
      // Gone with the handle, so that no lock file is left behind: only a file this open made,
      // never one that was there (which may be another file seen through a link).
      FILE_DISPOSITION_INFO disposition{TRUE};
      if (created) SetFileInformationByHandle(h, FileDispositionInfo, &disposition, sizeof disposition);
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
