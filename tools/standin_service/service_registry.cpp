#include "service_registry.h"

#include <vector>

#include "state_wait.h"
#include "win32/sc_handle.h"
#include "win32/utf16.h"

namespace zz::standin {

namespace {

constexpr std::chrono::milliseconds kPollStep{25};

DWORD OpenNamed(const std::wstring& name, DWORD access, ScHandle& manager, ScHandle& service) {
  manager = ScHandle(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
  if (!manager) return GetLastError();
  service = ScHandle(OpenServiceW(manager.get(), name.c_str(), access));
  return service ? ERROR_SUCCESS : GetLastError();
}

DWORD LastErrorUnless(BOOL ok) { return ok ? ERROR_SUCCESS : GetLastError(); }

DWORD CurrentState(SC_HANDLE service) {
  SERVICE_STATUS status{};
  return QueryServiceStatus(service, &status) ? status.dwCurrentState : 0;
}

}  // namespace

DWORD InstallService(const std::wstring& name, const std::wstring& commandLine, DWORD startType) {
  ScHandle manager(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
  if (!manager) return GetLastError();
  ScHandle service(CreateServiceW(manager.get(), name.c_str(), name.c_str(), SERVICE_ALL_ACCESS,
                                  SERVICE_WIN32_OWN_PROCESS, startType, SERVICE_ERROR_NORMAL,
                                  commandLine.c_str(), nullptr, nullptr, nullptr, nullptr, nullptr));
  if (service) return ERROR_SUCCESS;
  DWORD error = GetLastError();
  if (error != ERROR_SERVICE_EXISTS) return error;
  service = ScHandle(OpenServiceW(manager.get(), name.c_str(), SERVICE_ALL_ACCESS));
  if (!service) return GetLastError();
  return LastErrorUnless(ChangeServiceConfigW(service.get(), SERVICE_NO_CHANGE, startType, SERVICE_NO_CHANGE,
                                              commandLine.c_str(), nullptr, nullptr, nullptr, nullptr, nullptr,
                                              nullptr));
}

DWORD RemoveService(const std::wstring& name) {
  ScHandle manager, service;
  DWORD error = OpenNamed(name, SERVICE_ALL_ACCESS, manager, service);
  if (error == ERROR_SERVICE_DOES_NOT_EXIST) return ERROR_SUCCESS;
  if (error != ERROR_SUCCESS) return error;
  // A service still starting cannot take the stop yet.
  if (CurrentState(service.get()) == SERVICE_START_PENDING) WaitForState(service.get(), SERVICE_RUNNING);
  if (CurrentState(service.get()) != SERVICE_STOPPED) {
    SERVICE_STATUS status{};
    ControlService(service.get(), SERVICE_CONTROL_STOP, &status);
    if (!WaitForState(service.get(), SERVICE_STOPPED)) return ERROR_SERVICE_REQUEST_TIMEOUT;
  }
  return LastErrorUnless(DeleteService(service.get()));
}

DWORD ConfigureStartType(const std::wstring& name, DWORD startType) {
  ScHandle manager, service;
  if (DWORD error = OpenNamed(name, SERVICE_CHANGE_CONFIG, manager, service)) return error;
  return LastErrorUnless(ChangeServiceConfigW(service.get(), SERVICE_NO_CHANGE, startType, SERVICE_NO_CHANGE,
                                              nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr));
}

DWORD StartNamedService(const std::wstring& name) {
  ScHandle manager, service;
  if (DWORD error = OpenNamed(name, SERVICE_START, manager, service)) return error;
  return LastErrorUnless(StartServiceW(service.get(), 0, nullptr));
}

DWORD StopNamedService(const std::wstring& name) {
  ScHandle manager, service;
  if (DWORD error = OpenNamed(name, SERVICE_STOP, manager, service)) return error;
  SERVICE_STATUS status{};
  return LastErrorUnless(ControlService(service.get(), SERVICE_CONTROL_STOP, &status));
}

DWORD QueryState(const std::wstring& name, DWORD& state) {
  ScHandle manager, service;
  if (DWORD error = OpenNamed(name, SERVICE_QUERY_STATUS, manager, service)) return error;
  SERVICE_STATUS status{};
  if (!QueryServiceStatus(service.get(), &status)) return GetLastError();
  state = status.dwCurrentState;
  return ERROR_SUCCESS;
}

bool WaitForState(SC_HANDLE service, DWORD state, std::chrono::milliseconds timeout) {
  const auto poll = [service] { return static_cast<std::uint32_t>(CurrentState(service)); };
  return WaitForServiceState(poll, state, timeout, kPollStep).end == StateWaitEnd::kReached;
}

std::wstring ModuleDirectory() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return {};
    if (n < buffer.size()) {
      std::wstring path(buffer.data(), n);
      return path.substr(0, path.find_last_of(L"\\/") + 1);
    }
    buffer.resize(buffer.size() * 2);
  }
}

std::wstring WindowsPath(const std::string& path) {
  if (!path.empty() && path[0] == '/') {
    // Wine's own mapping of a Unix path to the drive that shows it.
    using DosName = WCHAR*(CDECL*)(const char*);
    auto dosName = reinterpret_cast<DosName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_dos_name")));
    if (dosName) {
      if (WCHAR* mapped = dosName(path.c_str())) {
        std::wstring result(mapped);
        HeapFree(GetProcessHeap(), 0, mapped);
        return result;
      }
    }
  }
  std::wstring wide = Widen(path);
  DWORD n = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (n == 0) return wide;
  std::wstring full(n, L'\0');
  n = GetFullPathNameW(wide.c_str(), n, full.data(), nullptr);
  full.resize(n);
  return full;
}

}  // namespace zz::standin
