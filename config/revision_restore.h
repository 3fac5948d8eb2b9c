// A revision of zidezir.conf brought back into the program directory: loaded into the window
// as pending changes, for the user to look at and save with the usual flow; or written back
// at once, when the gateway did not start with the configuration that replaced it.
#pragma once

#include "config_session.h"
#include "guarded_write.h"
#include "history.h"

namespace zz {

// The revision's configuration in the editor and the table, as the program directory's
// zidezir.conf not yet saved (the modified flag set); voice.ini gets its intercom units as
// start-up makes them. False when the revision cannot be read as a configuration (told).
bool LoadRevision(ConfigSession& session, const Revision& revision);

// Writes the revision's configuration back over the file, byte for byte, through the
// guarded write; the history records the version as restored. A damaged revision is refused.
WriteOutcome RestoreVersion(const std::string& confPath, const Revision& revision, const std::string& program);

enum class RestoreEnd {
  kRestored,    // zidezir.conf holds the revision's bytes, and the window its configuration
  kUnreadable,  // the revision's files cannot be read
  kBusy,        // another program kept the file's lock for the whole wait
  kNotWritten,  // the file could not be replaced, or is not one the program may replace
};

// Writes the revision's configuration, byte for byte, over the program directory's
// zidezir.conf under the file's lock, the content it replaces kept as a revision; voice.ini
// is made from it as start-up makes it, and the window loads it as what was last saved.
RestoreEnd RestoreRevision(ConfigSession& session, const Revision& revision);

}  // namespace zz
