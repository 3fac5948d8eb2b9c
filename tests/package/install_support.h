// What the installer test looks at: programs it runs and waits for, the files of a folder,
// what Windows Installer has registered, Start-menu shortcuts and other processes' windows.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "win32/handle.h"

namespace zz::test {

namespace fs = std::filesystem;

// A program started by the test.
struct Started {
  Handle process;
  DWORD id = 0;
};
Started Start(const std::wstring& commandLine);
// The exit code, or -1 when the process did not end in time.
long WaitForExit(HANDLE process, DWORD milliseconds);
// Start and WaitForExit in one.
long RunToEnd(const std::wstring& commandLine, DWORD milliseconds = 180000);

// Every file under a folder with its bytes, by path relative to it ("Doc\Help.pdf").
std::map<std::wstring, std::string> FilesUnder(const fs::path& dir);
std::optional<std::string> ReadBytes(const fs::path& file);

// The first column of the first row a query of a package's database finds, read from the
// .msi file; "" when there is none.
std::wstring PackageValue(const std::wstring& msi, const std::wstring& query);
// A value of the package's Property table.
std::wstring PackageProperty(const std::wstring& msi, const std::wstring& name);
// The installed products of an upgrade code.
std::vector<std::wstring> RelatedProducts(const std::wstring& upgradeCode);
// MsiGetProductInfoW of an installed product; "" when unknown.
std::wstring ProductInfo(const std::wstring& product, const wchar_t* property);
// A property of the package's summary (PID_SUBJECT, PID_CODEPAGE, ...): its number, or its text
// as the bytes the summary holds.
struct SummaryValue {
  int number = 0;
  std::string bytes;
};
SummaryValue PackageSummary(const std::wstring& msi, UINT property);
// A string value in the 64-bit view of HKEY_LOCAL_MACHINE, unexpanded; nothing when the value
// is missing.
std::optional<std::wstring> MachineString(const std::wstring& key, const wchar_t* name);
// The folders of the system PATH, as the machine's environment holds them.
std::vector<std::wstring> SystemPathFolders();
bool MachineKeyExists(const std::wstring& key);
// The key of a product in the installed programs list.
std::wstring UninstallKey(const std::wstring& product);
// The entries of the installed programs list (their keys' names) that show this name.
std::vector<std::wstring> UninstallEntries(const std::wstring& displayName);

// A folder of the system (FOLDERID_...), or "".
std::wstring KnownFolderPath(REFKNOWNFOLDERID id);

// The shortcuts of that caption in the Start menu's Programs, for all users and for this one:
// a per-machine package puts its shortcut in the first, and Wine in the second.
std::vector<fs::path> ProgramsShortcuts(const std::wstring& caption);
struct ShortcutTarget {
  std::wstring path, workingDirectory, description;
};
ShortcutTarget ReadShortcut(const fs::path& link);

// Visible top-level windows of a process (0: of any), with a class and a caption when given.
std::vector<HWND> WindowsOf(DWORD process, const std::wstring& className = L"", const std::wstring& caption = L"");
// The first such window that shows up within the time given, or null.
HWND WaitForWindow(DWORD process, const std::wstring& className, const std::wstring& caption, DWORD milliseconds);
// The texts of the message boxes a process shows, each in brackets.
std::string MessagesOf(DWORD process);
// The texts of a window's visible child controls, in their order.
std::vector<std::wstring> ChildTexts(HWND window);
// The first visible top-level window of a process with that caption and a visible child of that
// text that shows up within the time given, or null.
HWND WaitForWindowWith(DWORD process, const std::wstring& caption, const std::wstring& childText,
                       DWORD milliseconds);
// The text of the control that has the keyboard focus in the window's thread, once it is that
// text or the time given is over.
std::wstring FocusedText(HWND window, const std::wstring& expected, DWORD milliseconds = 5000);
std::wstring ProcessImage(DWORD process);

}  // namespace zz::test
