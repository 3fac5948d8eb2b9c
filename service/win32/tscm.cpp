#include "tscm.h"

#include <utility>

#include "service_rules.h"
#include "win32/utf16.h"

namespace zz {

TSCM::TSCM() : manager_(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS)) {
  if (!manager_) managerError_ = GetLastError();
}

TSCM::~TSCM() {
  CloseService();
  manager_.Close();
}

TSCM::ServiceRef TSCM::Service() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return service_;
}

TSCM::ServiceRef TSCM::StatusService() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return statusService_;
}

bool TSCM::Fail(DWORD error) {
  std::lock_guard<std::mutex> lock(mutex_);
  lastError_ = error;
  return false;
}

std::uint32_t TSCM::LastError() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return lastError_;
}

namespace {

// The configuration record with its strings, or nothing (the error in `error`).
std::unique_ptr<unsigned char[]> QueryConfig(SC_HANDLE service, DWORD& error) {
  // The first call only reports the size the configuration needs.
  DWORD needed = 0;
  QueryServiceConfigW(service, nullptr, 0, &needed);
  if (needed < sizeof(QUERY_SERVICE_CONFIGW)) {
    error = GetLastError();
    return nullptr;
  }
  std::unique_ptr<unsigned char[]> buffer(new unsigned char[needed]);
  if (!QueryServiceConfigW(service, reinterpret_cast<QUERY_SERVICE_CONFIGW*>(buffer.get()), needed, &needed)) {
    error = GetLastError();
    return nullptr;  // kept only when filled, so that no garbage is read later
  }
  return buffer;
}

// The service opened for status queries through a second connection to the manager; the
// connection lives as long as the handle is shared.
std::shared_ptr<const ScHandle> OpenForStatus(const std::string& name) {
  struct Connection {
    ScHandle manager, service;
  };
  auto c = std::make_shared<Connection>();
  c->manager = ScHandle(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT));
  if (c->manager) c->service = ScHandle(OpenServiceW(c->manager.get(), Widen(name).c_str(), SERVICE_QUERY_STATUS));
  if (!c->service) return nullptr;
  return std::shared_ptr<const ScHandle>(c, &c->service);
}

}  // namespace

bool TSCM::Open(const std::string& name) {
  if (!manager_) return Fail(managerError_);
  std::shared_ptr<ScHandle> service;
  if (SC_HANDLE h = OpenServiceW(manager_.get(), Widen(name).c_str(), SERVICE_ALL_ACCESS))
    service = std::make_shared<ScHandle>(h);
  DWORD error = service ? ERROR_SUCCESS : GetLastError();
  SERVICE_STATUS status{};
  std::unique_ptr<unsigned char[]> config;
  ServiceRef statusService;
  if (service) {
    statusService = OpenForStatus(name);
    if (!statusService) statusService = service;  // queries then share the one connection
    if (QueryServiceStatus(service->get(), &status))
      config = QueryConfig(service->get(), error);
    else
      error = GetLastError();
  }

  ServiceRef released, releasedStatus;  // an earlier service, closed once the lock is left
  std::lock_guard<std::mutex> lock(mutex_);
  released = std::exchange(service_, std::move(service));  // kept also when a query failed
  releasedStatus = std::exchange(statusService_, std::move(statusService));
  if (status.dwCurrentState != 0) status_ = status;
  config_ = std::move(config);
  if (error != ERROR_SUCCESS) lastError_ = error;
  return error == ERROR_SUCCESS;
}

bool TSCM::CloseService() {
  ServiceRef released, releasedStatus;  // closed once the lock is left and no call uses them
  std::lock_guard<std::mutex> lock(mutex_);
  released = std::exchange(service_, nullptr);
  releasedStatus = std::exchange(statusService_, nullptr);
  config_.reset();
  return true;
}

const QUERY_SERVICE_CONFIGW* TSCM::Config() const {
  return service_ && config_ ? reinterpret_cast<const QUERY_SERVICE_CONFIGW*>(config_.get()) : nullptr;
}

std::string TSCM::StateText() {
  ServiceRef service = StatusService();
  SERVICE_STATUS status{};
  // A failed query leaves the last reported state in place.
  if (!service || !QueryServiceStatus(service->get(), &status)) {
    Fail(service ? GetLastError() : ERROR_INVALID_HANDLE);
    return kStateUnknownText;
  }
  std::lock_guard<std::mutex> lock(mutex_);
  status_ = status;
  return StateTextFor(status.dwCurrentState);
}

std::uint32_t TSCM::CurrentState() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return status_.dwCurrentState;
}

ServiceStatus TSCM::LastStatus() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return {status_.dwCurrentState, status_.dwCheckPoint, status_.dwWaitHint, status_.dwWin32ExitCode,
          status_.dwServiceSpecificExitCode};
}

std::string TSCM::ExecutablePath() const {
  std::lock_guard<std::mutex> lock(mutex_);
  const QUERY_SERVICE_CONFIGW* config = Config();
  return config && config->lpBinaryPathName ? Narrow(config->lpBinaryPathName) : std::string();
}

std::uint32_t TSCM::StartType() const {
  std::lock_guard<std::mutex> lock(mutex_);
  const QUERY_SERVICE_CONFIGW* config = Config();
  return config ? config->dwStartType : 0;
}

bool TSCM::SetStartType(std::uint32_t startType) {
  ServiceRef service = Service();
  if (!service) return Fail(ERROR_INVALID_HANDLE);
  if (!ChangeServiceConfigW(service->get(), SERVICE_NO_CHANGE, startType, SERVICE_NO_CHANGE, nullptr, nullptr,
                            nullptr, nullptr, nullptr, nullptr, nullptr))
    return Fail(GetLastError());
  std::lock_guard<std::mutex> lock(mutex_);
  if (config_) reinterpret_cast<QUERY_SERVICE_CONFIGW*>(config_.get())->dwStartType = startType;
  return true;
}

bool TSCM::Start() {
  ServiceRef service = Service();
  if (!service) return Fail(ERROR_INVALID_HANDLE);
  return StartServiceW(service->get(), 0, nullptr) != 0 || Fail(GetLastError());
}

bool TSCM::Stop() {
  ServiceRef service = Service();
  if (!service) return Fail(ERROR_INVALID_HANDLE);
  SERVICE_STATUS status{};
  bool stopped = ControlService(service->get(), SERVICE_CONTROL_STOP, &status) != 0;
  DWORD error = stopped ? ERROR_SUCCESS : GetLastError();
  std::lock_guard<std::mutex> lock(mutex_);
  // The system writes the service's status also for some refusals.
  if (status.dwCurrentState != 0) status_ = status;
  if (!stopped) lastError_ = error;
  return stopped;
}

}  // namespace zz
