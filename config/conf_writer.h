// Writing the editor back as zidezir.conf: the lock test, the editor-to-entries step, the
// entry and list writers and the empty-value clean-up.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "config_session.h"

namespace zz {

// True when no other program holds the file: it opens exclusively, or it does not exist.
bool LockTest(const std::string& path);

// Copies every key field into its entry's value and rebuilds the two list bodies.
void EditorToEntries(Editor& editor, ConfParamTable& table);

// Entry writer and list writer: append the entry's lines (CR LF ends, UTF-8) to `out`.
void WriteEntry(const CONF_PARAM& e, std::string& out);
void WriteList(const CONF_PARAM& e, std::string& out);

// The 39 entries in schema order, each behind the lines it carries, then the foreign
// sections that followed the file's last entry. In front of
// DeviceSettings only the carried lines from the first section header on are written: the
// Devices section's own lines are rebuilt by the list writer, and any other line there
// would be read back into the Devices section.
std::string ComposeConfiguration(const ConfParamTable& table);

// Removes every line after the first, section headers apart, whose value (the text after
// its first "=") is empty;
// the lines are written back with CR LF.
std::string RemoveEmptyValues(std::string_view text);

// The lock test on zidezir.conf of the program directory; the lock message when it fails.
bool ConfigurationFree(ConfigSession& session);

}  // namespace zz
