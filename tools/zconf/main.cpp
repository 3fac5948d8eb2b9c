#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "command_line.h"
#include "text_output.h"
#include "zconf.h"
#include "zconf_texts.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <optional>

#include "win32/system_library.h"
#include "win32/utf16.h"

namespace {

// The code page Windows' own console tools write a pipe or a file in: the console's output
// code page, which Windows PowerShell and cmd decode it with; the OEM code page without a
// console.
UINT PipeCodePage() {
  UINT page = GetConsoleOutputCP();
  return page ? page : GetOEMCP();
}

// The text in the code page of a pipe or a file, or nothing when the code page cannot carry
// every character of it exactly (no "?" and no look-alike letters).
std::optional<std::string> Encoded(const std::wstring& wide, UINT page) {
  if (page == CP_UTF8) return zz::Narrow(wide);
  const int length = static_cast<int>(wide.size());
  BOOL lost = FALSE;
  int n = WideCharToMultiByte(page, WC_NO_BEST_FIT_CHARS, wide.data(), length, nullptr, 0, nullptr, &lost);
  if (n <= 0 || lost) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(page, WC_NO_BEST_FIT_CHARS, wide.data(), length, bytes.data(), n, nullptr, &lost);
  return bytes;
}

class Output {
 public:
  explicit Output(zz::zconf::TextEncoding encoding)
      : page_(encoding == zz::zconf::TextEncoding::kUtf8 ? CP_UTF8 : PipeCodePage()) {}

  // A console shows the text as characters whatever its code page; a pipe or a file gets it
  // in the output's code page (JSON is ASCII, the same in any), with no translation of line
  // ends. False when the code page could not carry it and nothing was written.
  bool Emit(DWORD stdHandle, FILE* stream, const std::string& text) const {
    if (text.empty()) return true;
    HANDLE h = GetStdHandle(stdHandle);
    DWORD mode = 0;
    std::wstring wide = zz::Widen(text);
    if (h != INVALID_HANDLE_VALUE && GetConsoleMode(h, &mode)) {
      DWORD written = 0;
      WriteConsoleW(h, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
      return true;
    }
    std::optional<std::string> bytes = Encoded(wide, page_);
    if (!bytes) return false;
    std::fwrite(bytes->data(), 1, bytes->size(), stream);
    std::fflush(stream);
    return true;
  }

  // Why text is missing, in the product's language where the code page carries it.
  void EmitCannotCarry() const {
    if (!Emit(STD_ERROR_HANDLE, stderr, "zconf: " + zz::zconf::CodePageCannotCarry(page_) + "\n"))
      Emit(STD_ERROR_HANDLE, stderr, "zconf: " + zz::zconf::CodePageCannotCarryAscii(page_) + "\n");
  }

 private:
  UINT page_;
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  zz::LoadLibrariesFromSystem32Only();
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(zz::Narrow(argv[i]));
  const zz::zconf::EncodingChoice encoding = zz::zconf::TakeEncodingOption(args);
  const Output output(encoding.encoding);
  std::ostringstream out, err;
  int code = encoding.error.empty() ? zz::RunZconf(args, out, err)
                                    : zz::zconf::EncodingUsageError(args, encoding, out, err);
  const bool outCarried = output.Emit(STD_OUTPUT_HANDLE, stdout, out.str());
  const bool errCarried = output.Emit(STD_ERROR_HANDLE, stderr, err.str());
  if (outCarried && errCarried) return code;
  output.EmitCannotCarry();
  return code == zz::zconf::kExitOk ? zz::zconf::kExitFailed : code;
}
#else
int main(int argc, char** argv) {
  // Text is UTF-8 here whatever is asked.
  std::vector<std::string> args(argv + 1, argv + argc);
  const zz::zconf::EncodingChoice encoding = zz::zconf::TakeEncodingOption(args);
  if (!encoding.error.empty()) return zz::zconf::EncodingUsageError(args, encoding, std::cout, std::cerr);
  return zz::RunZconf(args, std::cout, std::cerr);
}
#endif
