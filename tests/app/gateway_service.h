// The stand-in gateway as the window tests register it with Wine's service control manager.
#pragma once

#include <string>

#include "main_window_fixture.h"
#include "service_registry.h"

namespace zz::test {

inline const std::wstring kGatewayService = L"VELTO Gateway";

// The service's state, 0 when the manager cannot tell.
inline DWORD GatewayState() {
  DWORD state = 0;
  return standin::QueryState(kGatewayService, state) == ERROR_SUCCESS ? state : 0;
}

inline bool WaitGatewayState(DWORD wanted, int milliseconds = 15000) {
  return PumpUntil([&] { return GatewayState() == wanted; }, milliseconds);
}

}  // namespace zz::test
