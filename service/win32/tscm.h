// TSCM: the gateway service through the Windows service control manager. The program has
// one, ServiceControl, for its whole run.
#pragma once

#include <windows.h>
#include <winsvc.h>

#include <memory>
#include <mutex>

#include "sc_handle.h"
#include "service_api.h"

namespace zz {

class TSCM final : public ServiceApi {
 public:
  TSCM();  // opens the manager of the local machine; a failure makes every operation fail
  ~TSCM() override;
  TSCM(const TSCM&) = delete;
  TSCM& operator=(const TSCM&) = delete;

  bool Open(const std::string& name) override;
  bool CloseService();  // releases the service and its configuration; always true
  std::string StateText() override;
  std::uint32_t CurrentState() const override;
  ServiceStatus LastStatus() const override;
  std::string ExecutablePath() const override;
  std::uint32_t StartType() const override;
  bool SetStartType(std::uint32_t startType) override;
  bool Start() override;
  bool Stop() override;

  // The Windows error code of the last operation that failed (ERROR_INVALID_HANDLE when no
  // service was open); 0 while none has. Callers that tell the user why use it.
  std::uint32_t LastError() const;

 private:
  // The opened service, shared with every call under way, so that closing it never pulls
  // the handle from under a call of another thread.
  using ServiceRef = std::shared_ptr<const ScHandle>;
  ServiceRef Service() const;
  ServiceRef StatusService() const;
  bool Fail(DWORD error);  // keeps the code; false
  const QUERY_SERVICE_CONFIGW* Config() const;

  ScHandle manager_;  // set by the constructor only
  DWORD managerError_ = 0;

  // The lock guards the fields below and nothing else: every call into the service control
  // manager is made outside it, as those calls can take seconds (a start waits for the
  // service's process, a stop for its handler) and the poll of the window must not wait.
  mutable std::mutex mutex_;
  ServiceRef service_;
  // The status is queried through a connection of its own: the service control manager may
  // answer one call at a time per connection (Wine's does), and a poll must not queue
  // behind a start or a stop.
  ServiceRef statusService_;
  SERVICE_STATUS status_{};
  std::unique_ptr<unsigned char[]> config_;  // QUERY_SERVICE_CONFIGW with its strings
  DWORD lastError_ = 0;
};

}  // namespace zz
