#include <iostream>
#include <string>
#include <vector>

#include "zconf.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include "win32/utf16.h"

int wmain(int argc, wchar_t** argv) {
  // UTF-8 bytes exactly as written: no translation of line ends.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(zz::Narrow(argv[i]));
  return zz::RunZconf(args, std::cout, std::cerr);
}
#else
int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return zz::RunZconf(args, std::cout, std::cerr);
}
#endif
