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
  std::string ExecutablePath() const override;
  std::uint32_t StartType() const override;
  bool SetStartType(std::uint32_t startType) override;
  bool Start() override;
  bool Stop() override;

 private:
  const QUERY_SERVICE_CONFIGW* Config() const;

  ScHandle manager_;
  ScHandle service_;
  SERVICE_STATUS status_{};
  std::unique_ptr<unsigned char[]> config_;  // QUERY_SERVICE_CONFIGW with its strings
  // The poll of the user-interface thread and the restart thread both reach the status.
  mutable std::mutex mutex_;
};

}  // namespace zz
