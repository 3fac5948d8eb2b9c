#include "program_dir.h"

#include <windows.h>

#include "win32/utf16.h"

namespace zz {

std::string ProgramDirectory() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD got = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (got == 0) return {};
    if (got < path.size()) {
      path.resize(got);
      break;
    }
    path.resize(path.size() * 2);
  }
  std::wstring::size_type cut = path.find_last_of(L"\\/");
  return Narrow(cut == std::wstring::npos ? std::wstring() : path.substr(0, cut));
}

}  // namespace zz
