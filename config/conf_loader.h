// Reading zidezir.conf into the schema table and the editor.
#pragma once

#include <string>
#include <string_view>

#include "config_session.h"

namespace zz {

// Loads the file; false (with the open-failure message) when it cannot be opened.
bool LoadConfigFile(ConfigSession& session, const std::string& fileName);

// The load proper, over the file's bytes; `fileName` becomes the current configuration path.
void LoadConfigBytes(ConfigSession& session, const std::string& fileName, std::string_view bytes);

}  // namespace zz
