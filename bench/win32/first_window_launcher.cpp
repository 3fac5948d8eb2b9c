// Starts a Windows program and measures, with the performance counter, the time from
// CreateProcessW until the program shows its first top-level window and waits for input
// (WaitForInputIdle): it prints "first-window-ms" and the milliseconds. Then it closes that
// window with WM_CLOSE and waits for the program to end.
//
//   first_window_launcher PROGRAM
//
// The program runs in its own directory. A message box of the program (at start or on
// closing), no window within a minute, or no end after the close is reported on the error
// output with exit code 1; the program is then ended.
#include <windows.h>

#include <cstdio>
#include <string>

#include "win32/handle.h"

namespace {

constexpr DWORD kStartTimeoutMs = 60000;
constexpr DWORD kCloseTimeoutMs = 15000;
constexpr DWORD kPollMs = 1;
constexpr int kExitFailed = 1, kExitUsage = 2;
constexpr int kMessageBoxTextId = 0xFFFF;  // the text control of a message box

// The visible top-level windows of one process: its first ordinary window, and the text of
// any dialog box it shows.
struct ProcessWindows {
  DWORD processId = 0;
  HWND window = nullptr;
  bool dialog = false;
  std::wstring dialogText;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM param) {
  auto* found = reinterpret_cast<ProcessWindows*>(param);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  if (processId != found->processId || !IsWindowVisible(window)) return TRUE;
  wchar_t className[64] = {};
  GetClassNameW(window, className, 64);
  if (std::wstring(className) == L"#32770") {
    wchar_t text[512] = {};
    GetDlgItemTextW(window, kMessageBoxTextId, text, 512);
    found->dialog = true;
    found->dialogText = text;
  } else if (!found->window) {
    found->window = window;
  }
  return TRUE;
}

ProcessWindows FindWindows(DWORD processId) {
  ProcessWindows found;
  found.processId = processId;
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

void Report(const std::wstring& text) {
  int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string utf8(size > 0 ? static_cast<std::size_t>(size) : 0, '\0');
  if (size > 0) WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, utf8.data(), size, nullptr, nullptr);
  std::fprintf(stderr, "first_window_launcher: %s\n", utf8.c_str());
}

int Fail(HANDLE process, const std::wstring& text) {
  Report(text);
  TerminateProcess(process, 1);
  WaitForSingleObject(process, kCloseTimeoutMs);
  return kExitFailed;
}

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to, const LARGE_INTEGER& frequency) {
  return static_cast<double>(to.QuadPart - from.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

std::wstring DirectoryOf(const std::wstring& path) {
  std::wstring::size_type cut = path.find_last_of(L"\\/");
  return cut == std::wstring::npos ? std::wstring(L".") : path.substr(0, cut);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: first_window_launcher PROGRAM\n");
    return kExitUsage;
  }
  const std::wstring program = argv[1];
  const std::wstring directory = DirectoryOf(program);
  std::wstring commandLine = L"\"" + program + L"\"";

  LARGE_INTEGER frequency, started, shown;
  QueryPerformanceFrequency(&frequency);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  QueryPerformanceCounter(&started);
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, directory.c_str(),
                      &startup, &info)) {
    Report(L"cannot start " + program + L" (error " + std::to_wstring(GetLastError()) + L")");
    return kExitFailed;
  }
  zz::Handle process(info.hProcess);
  zz::Handle thread(info.hThread);

  // Input-idle alone can come from a message box's loop, and a window alone may not be
  // painted yet: the first window counts once both hold.
  ProcessWindows windows;
  for (;;) {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    double elapsed = Milliseconds(started, now, frequency);
    if (elapsed > kStartTimeoutMs) return Fail(process.get(), L"no window within a minute");
    DWORD idle = WaitForInputIdle(process.get(), kStartTimeoutMs - static_cast<DWORD>(elapsed));
    if (idle == WAIT_FAILED) return Fail(process.get(), L"the program does not wait for input");
    windows = FindWindows(info.dwProcessId);
    if (windows.dialog) return Fail(process.get(), L"a message box at start: " + windows.dialogText);
    if (idle == 0 && windows.window) break;
    if (WaitForSingleObject(process.get(), kPollMs) == WAIT_OBJECT_0) {
      Report(L"the program ended without a window");
      return kExitFailed;
    }
  }
  QueryPerformanceCounter(&shown);

  PostMessageW(windows.window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.get(), kCloseTimeoutMs) != WAIT_OBJECT_0) {
    ProcessWindows left = FindWindows(info.dwProcessId);
    return Fail(process.get(), left.dialog ? L"a message box on closing: " + left.dialogText
                                           : std::wstring(L"the program did not end after WM_CLOSE"));
  }
  std::printf("first-window-ms %.3f\n", Milliseconds(started, shown, frequency));
  return 0;
}
