// What the window's two comparison dialogs show, as a person reads it: the changes a save
// would write now, and what restoring a revision would change.
#pragma once

#include <string>
#include <vector>

#include "config_session.h"
#include "history.h"

namespace zz {

// A heading and the changes under it ("Сетевые настройки / Порт IP телефонии: 1720 → 1721").
struct ReportSection {
  std::string heading;
  std::vector<std::string> lines;
};

// What a save would write now against the program directory's zidezir.conf on disk (the
// session's table untouched), and what another program changed in zidezir.conf and
// voice.ini since the window read or wrote them.
std::vector<ReportSection> PendingChangesReport(ConfigSession& session);

// What the configuration file now on disk changed against the revision (restoring it undoes that).
std::vector<ReportSection> RevisionReport(const std::string& confPath, const Revision& revision);

// The sections as the text of a multi-line field: a blank line between them, each change
// on a line of its own.
std::string ReportText(const std::vector<ReportSection>& report);

}  // namespace zz
