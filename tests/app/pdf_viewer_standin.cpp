// A stand-in PDF viewer for the tests of the help menu: registered for ".pdf" in the test
// prefix, it appends the document path it was given and the show command it was started
// with, as one UTF-8 line "path<TAB>show", to the file named by ZZ_PDF_VIEWER_LOG, and ends.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "win32/handle.h"
#include "win32/utf16.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
  wchar_t log[MAX_PATH * 2] = {};
  if (!GetEnvironmentVariableW(L"ZZ_PDF_VIEWER_LOG", log, MAX_PATH * 2)) return 2;
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  std::wstring document = (argv && argc > 1) ? argv[1] : L"";
  if (argv) LocalFree(argv);

  std::string line = zz::Narrow(document) + "\t" + std::to_string(show) + "\n";
  zz::Handle file(CreateFileW(log, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  if (!file || !WriteFile(file.get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr)) return 1;
  return 0;
}
