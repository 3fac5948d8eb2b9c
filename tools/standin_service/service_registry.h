// Registering the stand-in gateway service with the service control manager. Every
// operation returns the Windows error code of its failure, or ERROR_SUCCESS.
#pragma once

#include <windows.h>
#include <winsvc.h>

#include <chrono>
#include <string>

namespace zz::standin {

inline constexpr std::chrono::milliseconds kSettleTimeout{15000};

// Creates the service (own process, demand start unless told otherwise); an existing one
// gets the new executable path and start type instead.
DWORD InstallService(const std::wstring& name, const std::wstring& commandLine, DWORD startType);

// Stops the service when it runs, waits until it has stopped, and deletes it. An absent
// service counts as removed.
DWORD RemoveService(const std::wstring& name);

DWORD ConfigureStartType(const std::wstring& name, DWORD startType);
DWORD StartNamedService(const std::wstring& name);
DWORD StopNamedService(const std::wstring& name);
DWORD QueryState(const std::wstring& name, DWORD& state);

// Polls until the service reports `state`; false when it does not within `timeout`, or when
// it passed the pending state towards it and came to rest in another.
bool WaitForState(SC_HANDLE service, DWORD state, std::chrono::milliseconds timeout = kSettleTimeout);

// The directory of the running executable, with a trailing backslash.
std::wstring ModuleDirectory();

// A path as Windows sees it: Unix paths (under Wine) are mapped to their drive.
std::wstring WindowsPath(const std::string& path);

}  // namespace zz::standin
