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

// A console shows the text as characters whatever its code page; a pipe or a file gets the
// UTF-8 bytes exactly as written, with no translation of line ends.
void Emit(DWORD stdHandle, FILE* stream, const std::string& text) {
  if (text.empty()) return;
  HANDLE h = GetStdHandle(stdHandle);
  DWORD mode = 0;
  if (h != INVALID_HANDLE_VALUE && GetConsoleMode(h, &mode)) {
    std::wstring wide = zz::Widen(text);
    DWORD written = 0;
    WriteConsoleW(h, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    return;
  }
  std::fwrite(text.data(), 1, text.size(), stream);
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
