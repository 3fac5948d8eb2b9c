#include "tscm.h"

#include "service_rules.h"
#include "win32/utf16.h"

namespace zz {

TSCM::TSCM() : manager_(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS)) {}

TSCM::~TSCM() {
  CloseService();
  manager_.Close();
}

bool TSCM::Open(const std::string& name) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!manager_) return false;
  config_.reset();
  service_ = ScHandle(OpenServiceW(manager_.get(), Widen(name).c_str(), SERVICE_ALL_ACCESS));
  if (!service_) return false;
  SERVICE_STATUS status{};
  if (!QueryServiceStatus(service_.get(), &status)) return false;
  status_ = status;

  // The first call only reports the size the configuration needs.
  DWORD needed = 0;
  QueryServiceConfigW(service_.get(), nullptr, 0, &needed);
  if (needed < sizeof(QUERY_SERVICE_CONFIGW)) return false;
  std::unique_ptr<unsigned char[]> buffer(new unsigned char[needed]);
  auto* config = reinterpret_cast<QUERY_SERVICE_CONFIGW*>(buffer.get());
  if (!QueryServiceConfigW(service_.get(), config, needed, &needed)) return false;
  // Kept only when filled, so that a failed read never leaves garbage to be read later.
  config_ = std::move(buffer);
  return true;
}

bool TSCM::CloseService() {
  std::lock_guard<std::mutex> lock(mutex_);
  service_.Close();
  config_.reset();
  return true;
}

const QUERY_SERVICE_CONFIGW* TSCM::Config() const {
  return service_ && config_ ? reinterpret_cast<const QUERY_SERVICE_CONFIGW*>(config_.get()) : nullptr;
}

std::string TSCM::StateText() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!service_) return kStateUnknownText;
  SERVICE_STATUS status{};
  // A failed query leaves the last reported state in place.
  if (!QueryServiceStatus(service_.get(), &status)) return kStateUnknownText;
  status_ = status;
  return StateTextFor(status_.dwCurrentState);
}

std::uint32_t TSCM::CurrentState() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return status_.dwCurrentState;
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
  std::lock_guard<std::mutex> lock(mutex_);
  if (!service_) return false;
  if (!ChangeServiceConfigW(service_.get(), SERVICE_NO_CHANGE, startType, SERVICE_NO_CHANGE, nullptr, nullptr,
                            nullptr, nullptr, nullptr, nullptr, nullptr))
    return false;
  if (config_) reinterpret_cast<QUERY_SERVICE_CONFIGW*>(config_.get())->dwStartType = startType;
  return true;
}

bool TSCM::Start() {
  std::lock_guard<std::mutex> lock(mutex_);
  return service_ && StartServiceW(service_.get(), 0, nullptr) != 0;
}

bool TSCM::Stop() {
  std::lock_guard<std::mutex> lock(mutex_);
  // The system writes the service's status into the record, also for some refusals.
  return service_ && ControlService(service_.get(), SERVICE_CONTROL_STOP, &status_) != 0;
}

}  // namespace zz
