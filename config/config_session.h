// What the load, the writer and the save flows share: the schema table, the editor, the
// prompts, the program directory and the main window's configuration state.
#pragma once

#include <string>

#include "conf_param.h"
#include "editor.h"
#include "file_system.h"
#include "messages.h"
#include "prompts.h"

namespace zz {

struct ConfigState {
  std::string currentPath;                          // the file last loaded, or chosen in Save As
  bool loaded = false;                              // a configuration file was loaded
  bool modified = false;                            // edits that comparing values cannot see
  std::string openDialogFileName = kConfFileName;   // the file name held by OpenDialog1
};

struct ConfigSession {
  ConfParamTable& table;
  Editor& editor;
  Prompts& prompts;
  std::string programDir;
  ConfigState state;

  std::string ProgramFile(const std::string& name) const { return JoinPath(programDir, name); }
};

}  // namespace zz
