#include <windows.h>

#include <string>

#include "test_support.h"
#include "win32/handle.h"
#include "win32/utf16.h"

namespace zz::test {

namespace {

// Wine's own name of a Windows path on the Unix side; empty on Windows.
std::string UnixName(const std::string& path) {
  using Convert = char*(CDECL*)(const wchar_t*);
  static const auto convert = reinterpret_cast<Convert>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  if (!convert) return {};
  char* name = convert(Widen(path).c_str());
  if (!name) return {};
  std::string unix(name);
  HeapFree(GetProcessHeap(), 0, name);
  return unix;
}

}  // namespace

bool MakeLink(const std::string& target, const std::string& link) {
  const std::string unixTarget = UnixName(target), unixLink = UnixName(link);
  if (unixTarget.empty() || unixLink.empty()) {
    // Windows itself: a symbolic link to a folder (developer mode or an elevated test).
    return CreateSymbolicLinkW(Widen(link).c_str(), Widen(target).c_str(),
                               SYMBOLIC_LINK_FLAG_DIRECTORY | SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE) != 0;
  }
  // Wine keeps links as Unix ones, which a Unix program makes.
  std::wstring command = L"start.exe /wait /unix /bin/ln -s \"" + Widen(unixTarget) + L"\" \"" + Widen(unixLink) + L"\"";
  STARTUPINFOW startup{sizeof startup};
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return false;
  Handle thread(process.hThread), waited(process.hProcess);
  WaitForSingleObject(waited.get(), 10000);
  return GetFileAttributesW(Widen(link).c_str()) != INVALID_FILE_ATTRIBUTES || UnixName(link).size() > 0;
}

}  // namespace zz::test
