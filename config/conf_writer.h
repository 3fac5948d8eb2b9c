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

// The 39 entries in schema order. Clears the lines of the DeviceSettings entry, which hold
// the Devices section's old comment lines whose current form the list writer writes.
std::string ComposeConfiguration(ConfParamTable& table);

// Removes every line after the first, section headers apart, whose value (the text after
// its first "=") is empty;
// the lines are written back with CR LF.
std::string RemoveEmptyValues(std::string_view text);

// The lock test on zidezir.conf of the program directory (the lock message when it fails),
// then the editor-to-entries step; the composed text, or nothing when the lock test failed.
std::optional<std::string> PrepareConfiguration(ConfigSession& session);

// Replaces the target with the final text (Windows-1251). On failure the save-failed
// message is shown and the modified flag stays; on success it is cleared.
bool CommitConfiguration(ConfigSession& session, const std::string& target, const std::string& text);

// Save the configuration: PrepareConfiguration, then CommitConfiguration of its text.
bool SaveConfiguration(ConfigSession& session, const std::string& target);

}  // namespace zz
