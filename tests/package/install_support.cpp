#include "install_support.h"

#include <msi.h>
#include <msiquery.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <wrl/client.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "win32/utf16.h"

namespace zz::test {

namespace {

std::wstring TextOf(HWND window) {
  wchar_t text[1024] = {};
  SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, nullptr);
  return text;
}

struct WindowQuery {
  DWORD process;  // 0: any
  std::wstring className, caption;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM data) {
  auto* query = reinterpret_cast<WindowQuery*>(data);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (query->process != 0 && process != query->process) return TRUE;
  if (!IsWindowVisible(window)) return TRUE;
  if (!query->className.empty()) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (query->className != name) return TRUE;
  }
  if (!query->caption.empty() && TextOf(window) != query->caption) return TRUE;
  query->found.push_back(window);
  return TRUE;
}

}  // namespace

Started Start(const std::wstring& commandLine) {
  std::wstring line = commandLine;  // CreateProcessW may write into it
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
    throw std::runtime_error("cannot start " + Narrow(commandLine));
  }
  CloseHandle(info.hThread);
  return {Handle(info.hProcess), info.dwProcessId};
}

long WaitForExit(HANDLE process, DWORD milliseconds) {
  if (WaitForSingleObject(process, milliseconds) != WAIT_OBJECT_0) {
    TerminateProcess(process, 1);
    return -1;
  }
  DWORD code = 0;
  GetExitCodeProcess(process, &code);
  return static_cast<long>(code);
}

long RunToEnd(const std::wstring& commandLine, DWORD milliseconds) {
  Started started = Start(commandLine);
  return WaitForExit(started.process.get(), milliseconds);
}

std::optional<std::string> ReadBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::map<std::wstring, std::string> FilesUnder(const fs::path& dir) {
  std::map<std::wstring, std::string> files;
  std::error_code error;
  for (fs::recursive_directory_iterator it(dir, error), end; !error && it != end; it.increment(error)) {
    if (it->is_regular_file()) files[fs::relative(it->path(), dir).wstring()] = ReadBytes(it->path()).value_or("");
  }
  return files;
}

std::wstring PackageValue(const std::wstring& msi, const std::wstring& query) {
  PMSIHANDLE database, view, record;
  wchar_t value[1024] = {};
  DWORD size = 1024;
  if (MsiOpenDatabaseW(msi.c_str(), MSIDBOPEN_READONLY, &database) != ERROR_SUCCESS ||
      MsiDatabaseOpenViewW(database, query.c_str(), &view) != ERROR_SUCCESS || MsiViewExecute(view, 0) != ERROR_SUCCESS ||
      MsiViewFetch(view, &record) != ERROR_SUCCESS || MsiRecordGetStringW(record, 1, value, &size) != ERROR_SUCCESS) {
    return {};
  }
  return value;
}

std::wstring PackageProperty(const std::wstring& msi, const std::wstring& name) {
  return PackageValue(msi, L"SELECT `Value` FROM `Property` WHERE `Property` = '" + name + L"'");
}

std::vector<std::wstring> RelatedProducts(const std::wstring& upgradeCode) {
  std::vector<std::wstring> products;
  wchar_t product[39];
  for (DWORD i = 0; MsiEnumRelatedProductsW(upgradeCode.c_str(), 0, i, product) == ERROR_SUCCESS; ++i) {
    products.push_back(product);
  }
  return products;
}

std::wstring ProductInfo(const std::wstring& product, const wchar_t* property) {
  wchar_t value[1024] = {};
  DWORD size = 1024;
  if (MsiGetProductInfoW(product.c_str(), property, value, &size) != ERROR_SUCCESS) return {};
  return value;
}

SummaryValue PackageSummary(const std::wstring& msi, UINT property) {
  PMSIHANDLE summary;
  UINT type = 0;
  SummaryValue value;
  FILETIME time{};
  char text[1024] = {};
  DWORD size = sizeof text;
  if (MsiGetSummaryInformationW(0, msi.c_str(), 0, &summary) != ERROR_SUCCESS ||
      MsiSummaryInfoGetPropertyA(summary, property, &type, &value.number, &time, text, &size) != ERROR_SUCCESS) {
    return {};
  }
  value.bytes = text;
  return value;
}

std::optional<std::wstring> MachineString(const std::wstring& key, const wchar_t* name) {
  wchar_t value[4096] = {};
  DWORD size = sizeof value;
  if (RegGetValueW(HKEY_LOCAL_MACHINE, key.c_str(), name,
                   RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND | RRF_SUBKEY_WOW6464KEY, nullptr, value,
                   &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return std::wstring(value);
}

std::vector<std::wstring> SystemPathFolders() {
  const std::wstring path =
      MachineString(L"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment", L"Path").value_or(L"");
  std::vector<std::wstring> folders;
  for (std::size_t start = 0; start <= path.size();) {
    std::size_t end = std::min(path.find(L';', start), path.size());
    if (end > start) folders.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  return folders;
}

bool MachineKeyExists(const std::wstring& key) {
  HKEY opened = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ | KEY_WOW64_64KEY, &opened) != ERROR_SUCCESS) {
    return false;
  }
  RegCloseKey(opened);
  return true;
}

std::wstring UninstallKey(const std::wstring& product) {
  return L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + product;
}

std::vector<std::wstring> UninstallEntries(const std::wstring& displayName) {
  std::vector<std::wstring> entries;
  HKEY list = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, UninstallKey(L"").c_str(), 0, KEY_READ | KEY_WOW64_64KEY, &list) !=
      ERROR_SUCCESS) {
    return entries;
  }
  wchar_t name[256];
  for (DWORD i = 0, size = 256; RegEnumKeyExW(list, i, name, &size, nullptr, nullptr, nullptr, nullptr) ==
                                ERROR_SUCCESS;
       ++i, size = 256) {
    if (MachineString(UninstallKey(name), L"DisplayName") == displayName) entries.push_back(name);
  }
  RegCloseKey(list);
  return entries;
}

std::wstring KnownFolderPath(REFKNOWNFOLDERID id) {
  PWSTR path = nullptr;
  std::wstring result;
  if (SUCCEEDED(SHGetKnownFolderPath(id, 0, nullptr, &path))) result = path;
  CoTaskMemFree(path);
  return result;
}

std::vector<fs::path> ProgramsShortcuts(const std::wstring& caption) {
  std::vector<fs::path> found;
  for (const std::wstring& folder : {KnownFolderPath(FOLDERID_CommonPrograms), KnownFolderPath(FOLDERID_Programs)}) {
    fs::path link = fs::path(folder) / (caption + L".lnk");
    if (!folder.empty() && fs::exists(link)) found.push_back(link);
  }
  return found;
}

ShortcutTarget ReadShortcut(const fs::path& link) {
  ShortcutTarget target;
  Microsoft::WRL::ComPtr<IShellLinkW> shell;
  Microsoft::WRL::ComPtr<IPersistFile> file;
  wchar_t path[MAX_PATH] = {}, directory[MAX_PATH] = {}, description[INFOTIPSIZE] = {};
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&shell))) &&
      SUCCEEDED(shell.As(&file)) && SUCCEEDED(file->Load(link.wstring().c_str(), STGM_READ)) &&
      SUCCEEDED(shell->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH)) &&
      SUCCEEDED(shell->GetWorkingDirectory(directory, MAX_PATH)) &&
      SUCCEEDED(shell->GetDescription(description, INFOTIPSIZE))) {
    target = {path, directory, description};
  }
  return target;
}

std::vector<HWND> WindowsOf(DWORD process, const std::wstring& className, const std::wstring& caption) {
  WindowQuery query{process, className, caption, {}};
  EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&query));
  return query.found;
}

HWND WaitForWindow(DWORD process, const std::wstring& className, const std::wstring& caption, DWORD milliseconds) {
  for (const DWORD start = GetTickCount(); GetTickCount() - start <= milliseconds; Sleep(100)) {
    std::vector<HWND> found = WindowsOf(process, className, caption);
    if (!found.empty()) return found.front();
  }
  return nullptr;
}

std::string MessagesOf(DWORD process) {
  std::string texts;
  for (HWND box : WindowsOf(process, L"#32770")) texts += "[" + Narrow(TextOf(GetDlgItem(box, 0xFFFF))) + "] ";
  return texts;
}

namespace {

BOOL CALLBACK CollectChildText(HWND child, LPARAM data) {
  if (IsWindowVisible(child)) reinterpret_cast<std::vector<std::wstring>*>(data)->push_back(TextOf(child));
  return TRUE;
}

}  // namespace

std::vector<std::wstring> ChildTexts(HWND window) {
  std::vector<std::wstring> texts;
  EnumChildWindows(window, &CollectChildText, reinterpret_cast<LPARAM>(&texts));
  return texts;
}

HWND WaitForWindowWith(DWORD process, const std::wstring& caption, const std::wstring& childText,
                       DWORD milliseconds) {
  for (const DWORD start = GetTickCount(); GetTickCount() - start <= milliseconds; Sleep(100)) {
    for (HWND window : WindowsOf(process, L"", caption)) {
      std::vector<std::wstring> texts = ChildTexts(window);
      if (std::find(texts.begin(), texts.end(), childText) != texts.end()) return window;
    }
  }
  return nullptr;
}

std::wstring FocusedText(HWND window, const std::wstring& expected, DWORD milliseconds) {
  std::wstring text;
  for (const DWORD start = GetTickCount(); GetTickCount() - start <= milliseconds; Sleep(100)) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    text = GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) && info.hwndFocus
               ? TextOf(info.hwndFocus)
               : L"";
    if (text == expected) break;
  }
  return text;
}

std::wstring ProcessImage(DWORD process) {
  Handle opened(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process));
  if (!opened) return {};
  wchar_t path[MAX_PATH] = {};
  DWORD size = MAX_PATH;
  if (!QueryFullProcessImageNameW(opened.get(), 0, path, &size)) return {};
  return path;
}

}  // namespace zz::test
