#include "conf_writer.h"

#include <algorithm>

#include "conf_line.h"
#include "cp1251.h"
#include "devices_body.h"
#include "key_fields.h"
#include "text.h"

namespace zz {

namespace {

constexpr const char* kLineEnd = "\r\n";

void WriteLine(std::string& out, std::string_view line) {
  out.append(line);
  out.append(kLineEnd);
}

}  // namespace

bool LockTest(const std::string& path) {
  const ExclusiveOpen open = TryExclusiveOpen(path);
  return open == ExclusiveOpen::kFree || open == ExclusiveOpen::kAbsent;
}

void EditorToEntries(Editor& editor, ConfParamTable& table) {
  for (const KeyField& field : KeyFields()) table[field.entry].SetValue(FieldValue(editor, field, table[field.entry]));
  CONF_PARAM& devices = table[entry::kDevicesBody];
  devices.entries = DevicesLines(editor.StringGrid1().Rows());
  CONF_PARAM& prefixes = table[entry::kPrefixesBody];
  prefixes.entries = editor.ListBoxPrefixes().Items();
}

namespace {

// The entry writer from one of the entry's lines on.
void WriteEntryFrom(const CONF_PARAM& e, LineList::const_iterator firstLine, std::string& out) {
  for (auto line = firstLine; line != e.lines.end(); ++line) WriteLine(out, Trim(*line));
  if (e.IsSection())
    out.append("[").append(e.section).append("]");
  else
    out.append(e.key).append("=").append(e.value);
  if (!e.comment.empty()) out.append(" ;").append(e.comment);
  out.append(kLineEnd);
}

}  // namespace

void WriteEntry(const CONF_PARAM& e, std::string& out) { WriteEntryFrom(e, e.lines.begin(), out); }

void WriteList(const CONF_PARAM& e, std::string& out) {
  // Trimmed like every other entry's lines, so repeated saves do not grow empty lines.
  for (const std::string& line : e.lines) WriteLine(out, Trim(line));
  bool devices = Trim(e.section) == "Devices";
  for (const std::string& line : e.entries) {
    std::string::size_type semicolon = devices ? line.find(';') : std::string::npos;
    if (!devices) {
      WriteLine(out, line);
    } else if (semicolon == std::string::npos) {
      WriteLine(out, Trim(line));  // a block without a comment keeps its one line
    } else {
      WriteLine(out, Trim(std::string_view(line).substr(0, semicolon)));
      WriteLine(out, Trim(std::string_view(line).substr(semicolon)));
    }
  }
  if (devices) {
    WriteLine(out, kDefaultDeviceComment);
    WriteLine(out, "");
  }
}

std::string ComposeConfiguration(const ConfParamTable& table) {
  std::string out;
  for (int n = 1; n < entry::kDevicesBody; ++n) WriteEntry(table[n], out);
  WriteList(table[entry::kDevicesBody], out);
  // The lines in front of DeviceSettings follow the Devices body, where a key line would be
  // read as a block: only another section, from its header on, may stand there.
  const CONF_PARAM& settings = table[entry::kDeviceSettings];
  WriteEntryFrom(settings,
                 std::find_if(settings.lines.begin(), settings.lines.end(),
                              [](const std::string& line) { return IsSectionHeader(line); }),
                 out);
  for (int n = entry::kFlowControl; n < entry::kPrefixesBody; ++n) WriteEntry(table[n], out);
  WriteList(table[entry::kPrefixesBody], out);
  for (int n = entry::kPrefixesBody + 1; n <= ConfParamTable::size(); ++n) WriteEntry(table[n], out);
  for (const std::string& line : table.trailing) WriteLine(out, Trim(line));
  return out;
}

std::string RemoveEmptyValues(std::string_view text) {
  // Lines are split as the loader reads them, so that a CR inside a carried line does not
  // turn into a line break that changes the meaning of the lines after it.
  std::vector<std::string> lines = SplitLfLines(text);
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    // Each line is judged by its own value; the first line of the file always stays, and so
    // does a section header, whose comment may end in "=" (without the header, the section's
    // keys would be read into the section before it).
    std::string::size_type eq = lines[i].find('=');
    bool empty = i > 0 && eq != std::string::npos && eq + 1 == lines[i].size() && !IsSectionHeader(lines[i]);
    if (!empty) WriteLine(out, lines[i]);
  }
  return out;
}

bool ConfigurationFree(ConfigSession& session) {
  if (LockTest(session.ProgramFile(kConfFileName))) return true;
  session.prompts.Show({kConfLockedText, kWarningCaption, MessageIcon::kWarning, MessageButtons::kOk});
  return false;
}

}  // namespace zz
