// What a save changes in a file besides what was asked: keys that the program adds,
// removes or rewrites, and foreign lines that it moves to another section or leaves out.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "key_fields.h"

namespace zz::zconf {

// The changes from `before` to `after` (both Windows-1251 files), leaving out the keys
// `asked` and the Devices, Prefixes and VoiceDevices: sections (the blocks and units a
// command changes). One text each, in the order of the keys and then of the lines.
std::vector<std::string> SaveEffects(std::string_view before, std::string_view after,
                                     const std::vector<const KeyField*>& asked);

}  // namespace zz::zconf
