#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "zconf.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>

#include "ui/library.h"
#include "win32/utf16.h"

namespace {

// The code page Windows' own console tools write a pipe or a file in: the console's output
// code page, which Windows PowerShell and cmd decode it with; the OEM code page without a
// console.
UINT PipeCodePage() {
  UINT page = GetConsoleOutputCP();
  return page ? page : GetOEMCP();
}

// A console shows the text as characters whatever its code page; a pipe or a file gets it
// in that code page (JSON is ASCII, the same in any), with no translation of line ends.
void Emit(DWORD stdHandle, FILE* stream, const std::string& text) {
  if (text.empty()) return;
  HANDLE h = GetStdHandle(stdHandle);
  DWORD mode = 0;
  std::wstring wide = zz::Widen(text);
  if (h != INVALID_HANDLE_VALUE && GetConsoleMode(h, &mode)) {
    DWORD written = 0;
    WriteConsoleW(h, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    return;
  }
  const UINT page = PipeCodePage();
  std::string bytes = text;
  if (page != CP_UTF8) {
    int n = WideCharToMultiByte(page, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    bytes.assign(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    if (n > 0)
      WideCharToMultiByte(page, 0, wide.data(), static_cast<int>(wide.size()), bytes.data(), n, nullptr, nullptr);
  }
  std::fwrite(bytes.data(), 1, bytes.size(), stream);
  std::fflush(stream);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  zz::ui::LoadLibrariesFromSystem32Only();
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(zz::Narrow(argv[i]));
  std::ostringstream out, err;
  int code = zz::RunZconf(args, out, err);
  Emit(STD_OUTPUT_HANDLE, stdout, out.str());
  Emit(STD_ERROR_HANDLE, stderr, err.str());
  return code;
}
#else
int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return zz::RunZconf(args, std::cout, std::cerr);
}
#endif
