// A list of configuration changes as zconf prints it: one change a line, or JSON.
#pragma once

#include <ostream>
#include <vector>

#include "config_changes.h"
#include "json_out.h"

namespace zz::zconf {

// [{"kind": "changed|added|removed", "page", "what", "from", "to", "text"}, ...]
Json ChangesJson(const std::vector<ConfigChange>& changes);

void PrintChanges(const std::vector<ConfigChange>& changes, std::ostream& out);

}  // namespace zz::zconf
