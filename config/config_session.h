// What the load, the writer and the save flows share: the schema table, the editor, the
// prompts, the program directory and the main window's configuration state.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "conf_param.h"
#include "editor.h"
#include "file_system.h"
#include "messages.h"
#include "prompts.h"
#include "save_summaries.h"

namespace zz {

// A file's content as the window last read or wrote it; nothing for a file that was absent.
struct KnownFile {
  bool tracked = false;  // the window has looked at the file
  std::optional<std::string> bytes;
};

struct ConfigState {
  std::string currentPath;                          // the file last loaded, or chosen in Save As
  bool loaded = false;                              // a configuration file was loaded
  bool modified = false;                            // edits that comparing values cannot see
  std::string openDialogFileName = kConfFileName;   // the file name held by OpenDialog1
  // zidezir.conf and voice.ini of the program directory as loaded or last saved, so that a
  // save notices another program's change to them.
  KnownFile knownConf, knownVoice;
  bool historyWarned = false;  // the user was told that History\ could not be written
};

struct ConfigSession {
  ConfParamTable& table;
  Editor& editor;
  Prompts& prompts;
  std::string programDir;
  ConfigState state;
  SaveSummaries summaries{};           // of its saves, for the revisions
  std::string program = "zurerizeda";  // who saves, for the revisions
  // The file's lock for a save; none: waited for kFileLockWait. The window waits with a
  // dialog the user can cancel.
  std::function<std::unique_ptr<FileLock>(const std::string& target)> lockFile{};

  std::string ProgramFile(const std::string& name) const { return JoinPath(programDir, name); }
};

}  // namespace zz
