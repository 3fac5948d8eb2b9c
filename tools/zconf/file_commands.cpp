// dump, save, voice-rebuild and remove-block: the core's operations on files, for support.
#include "commands.h"
#include "conf_document.h"
#include "conf_loader.h"
#include "conf_writer.h"
#include "cp1251.h"
#include "file_system.h"
#include "ini_file.h"
#include "json_writer.h"
#include "save_flows.h"
#include "text.h"
#include "voice_ini.h"

namespace zz::zconf {

namespace {

void DumpText(Editor& editor, std::ostream& out) {
  for (const KeyField& field : KeyFields()) out << field.control << "=" << FieldState(editor, field) << "\n";
  BlockRows rows = editor.StringGrid1().Rows();
  for (std::size_t r = 0; r < rows.size(); ++r) {
    out << "StringGrid1[" << r + 1 << "]=";
    for (int c = 0; c < kBlockColumns; ++c) out << (c ? "|" : "") << rows[r][static_cast<std::size_t>(c)];
    out << "\n";
  }
  std::vector<std::string> items = editor.ListBoxPrefixes().Items();
  for (std::size_t i = 0; i < items.size(); ++i) out << "ListBoxPrefixes[" << i << "]=" << items[i] << "\n";
}

// The same, as one JSON document: edits as text, check boxes as booleans, the other
// controls as numbers.
void DumpJson(Editor& editor, std::ostream& out) {
  JsonWriter json;
  json.BeginObject().Key("fields").BeginObject();
  for (const KeyField& field : KeyFields()) {
    std::string state = FieldState(editor, field);
    json.Key(field.control);
    if (std::holds_alternative<TextAccessor>(field.accessor))
      json.String(state);
    else if (std::holds_alternative<CheckAccessor>(field.accessor))
      json.Bool(state == "1");
    else
      json.Number(LeadingInt(state));
  }
  json.EndObject().Key("StringGrid1").BeginArray();
  for (const BlockRow& row : editor.StringGrid1().Rows()) {
    json.BeginArray();
    for (const std::string& cell : row) json.String(cell);
    json.EndArray();
  }
  json.EndArray().Key("ListBoxPrefixes").BeginArray();
  for (const std::string& item : editor.ListBoxPrefixes().Items()) json.String(item);
  out << json.EndArray().EndObject().Text();
}

}  // namespace

int DumpCommand(const CommandLine& line, Io& io) {
  if (!OnlyOptions(line, {}, io)) return kExitUsage;
  if (line.positional.size() != 1) return UsageError(io, line.command, "FILE");
  EditorModel editor;
  ConfParamTable table;
  StreamPrompts prompts(io.err);
  ConfigSession session{table, editor, prompts, "", {}};
  // The open failure is the window's own message: the file name.
  session.state.openDialogFileName = line.positional[0];
  if (!LoadConfigFile(session, line.positional[0])) return kExitFindings;
  if (line.json)
    DumpJson(editor, io.out);
  else
    DumpText(editor, io.out);
  return kExitOk;
}

int SaveCommand(const CommandLine& line, Io& io) {
  const auto& p = line.positional;
  if (!OnlyOptions(line, {}, io)) return kExitUsage;
  if (p.size() != 2 && p.size() != 3) return UsageError(io, line.command, "IN, OUT and perhaps VOICE");
  EditorModel editor;
  ConfParamTable table;
  StreamPrompts prompts(io.err);
  ConfigSession session{table, editor, prompts, "", {}};
  session.state.openDialogFileName = p[0];
  if (!LoadConfigFile(session, p[0])) return kExitFindings;
  EditorToEntries(editor, table);
  std::string text = RemoveEmptyValues(ComposeConfiguration(table));
  if (p.size() == 3) {
    // As the save sequence: the clean-up comes first, then voice.ini, when there is one.
    std::optional<std::string> voice;
    if (FileExists(p[2])) voice = VoiceAppendix(p[2]);
    if (voice)
      text += *voice;
    else
      prompts.Show(PlainMessage(kVoiceIniMissingText));
  }
  if (!WriteFileAtomic(p[1], Utf8ToCp1251(text))) {
    prompts.Show(PlainMessage(kSaveFailedPrefix + p[1]));
    return kExitFindings;
  }
  return kExitOk;
}

int VoiceRebuildCommand(const CommandLine& line, Io& io) {
  if (!OnlyOptions(line, {}, io)) return kExitUsage;
  if (line.positional.size() != 2) return UsageError(io, line.command, "CONF and VOICE");
  if (RebuildVoiceFile(line.positional[0], line.positional[1])) return kExitOk;
  io.err << "message: " << kSaveFailedPrefix << line.positional[1] << "\n";
  return kExitFindings;
}

int RemoveBlockCommand(const CommandLine& line, Io& io) {
  if (!OnlyOptions(line, {}, io)) return kExitUsage;
  const auto& p = line.positional;
  std::optional<int> block = p.size() == 2 ? StrictInt(p[1]) : std::nullopt;
  if (!block) return UsageError(io, line.command, "VOICE and a block number N");
  StreamPrompts prompts(io.err);
  try {
    return RemoveBlockSection(p[0], *block, prompts) ? kExitOk : kExitFindings;
  } catch (const IniWriteError& e) {
    prompts.ShowError(e.what());
    return kExitFindings;
  }
}

}  // namespace zz::zconf
