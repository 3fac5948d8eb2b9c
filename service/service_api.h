// The service seam: the operations of the gateway service's controller. TSCM is the
// product; tests of the page and the restart run against a scripted double.
#pragma once

#include <cstdint>
#include <string>

namespace zz {

// Windows service states and start types, as the service control manager reports them.
namespace service_state {
inline constexpr std::uint32_t kStopped = 1;
inline constexpr std::uint32_t kStartPending = 2;
inline constexpr std::uint32_t kStopPending = 3;
inline constexpr std::uint32_t kRunning = 4;
inline constexpr std::uint32_t kContinuePending = 5;
inline constexpr std::uint32_t kPausePending = 6;
inline constexpr std::uint32_t kPaused = 7;
}  // namespace service_state

namespace start_type {
inline constexpr std::uint32_t kBoot = 0;
inline constexpr std::uint32_t kSystem = 1;
inline constexpr std::uint32_t kAuto = 2;
inline constexpr std::uint32_t kDemand = 3;
inline constexpr std::uint32_t kDisabled = 4;
}  // namespace start_type

// A status query's answer as the service reported it: the checkpoint advances while a pending
// state makes progress, and the wait hint is how long the service asked to be given before
// the next advance.
struct ServiceStatus {
  std::uint32_t state = 0;
  std::uint32_t checkPoint = 0;
  std::uint32_t waitHintMs = 0;
  std::uint32_t exitCode = 0;         // the Windows error the service stopped with, 0 when none
  std::uint32_t specificExitCode = 0;  // the service's own code, when exitCode says it has one
};

// Every operation may be called from the user-interface thread and from the restart thread
// at the same time. Failures show only in the results: false, "?" or an empty text.
class ServiceApi {
 public:
  virtual ~ServiceApi() = default;
  // Opens the named service and reads its status and configuration.
  virtual bool Open(const std::string& name) = 0;
  // A fresh status query: the state's text, "?" when there is no service or the query fails.
  virtual std::string StateText() = 0;
  // The state left by the last status query or stop request.
  virtual std::uint32_t CurrentState() const = 0;
  // The whole status left by the last status query; a controller that keeps no more than the
  // state gives that alone.
  virtual ServiceStatus LastStatus() const {
    ServiceStatus status;
    status.state = CurrentState();
    return status;
  }
  // The executable path as registered, quotes and arguments included (UTF-8).
  virtual std::string ExecutablePath() const = 0;
  // The start type read by Open, kept in step by SetStartType; 0 before a successful Open.
  virtual std::uint32_t StartType() const = 0;
  virtual bool SetStartType(std::uint32_t startType) = 0;
  virtual bool Start() = 0;
  virtual bool Stop() = 0;
};

}  // namespace zz
