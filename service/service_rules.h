// The rules of the service page as plain functions.
#pragma once

#include <cstdint>
#include <string>

#include "service_texts.h"

namespace zz {

// The text of a service state; "?" for a code outside 1..7.
std::string StateTextFor(std::uint32_t state);

// How the run button looks in a state: running and stopped have their own rows, every
// other state (pending, paused, unknown) disables the button.
const RunButtonLook& RunButtonLookFor(std::uint32_t state);

// English words for a state and a start type, for the command line and logs: "running",
// "stop-pending", ...; "unknown" for a code without one.
const char* StateWord(std::uint32_t state);
const char* StartTypeWord(std::uint32_t startType);

// The StartTypeCB item carrying the start type; -1 when none does (boot or system start).
int StartTypeItemIndex(std::uint32_t startType);

}  // namespace zz
