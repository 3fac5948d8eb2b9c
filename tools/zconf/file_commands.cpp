// dump, save, voice-rebuild and remove-block: the core's operations on files, for support.
#include "commands.h"
#include "conf_document.h"
#include "conf_loader.h"
#include "cp1251.h"
#include "file_form.h"
#include "file_system.h"
#include "ini_file.h"
#include "save_flows.h"
#include "text.h"
#include "voice_ini.h"
#include "zconf_texts.h"

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
  Json fields = Json::object();
  for (const KeyField& field : KeyFields()) {
    std::string state = FieldState(editor, field);
    if (std::holds_alternative<TextAccessor>(field.accessor))
      fields[field.control] = state;
    else if (std::holds_alternative<CheckAccessor>(field.accessor))
      fields[field.control] = state == "1";
    else
      fields[field.control] = LeadingInt(state);
  }
  Json json;
  json["fields"] = fields;
  json["StringGrid1"] = Json::array();
  for (const BlockRow& row : editor.StringGrid1().Rows()) json["StringGrid1"].push_back(row);
  json["ListBoxPrefixes"] = editor.ListBoxPrefixes().Items();
  out << JsonText(json);
}

// The result of a command that writes a file it names: with --json one document.
int Written(Io& io, const std::string& path) {
  if (io.json) io.out << JsonText({{"file", path}, {"changed", true}, {"failed", false}, {"warnings", io.warnings}});
  return kExitOk;
}

}  // namespace

int DumpCommand(const CommandLine& line, Io& io) {
  if (!OnlyOptions(line, {}, io)) return kExitUsage;
  if (line.positional.size() != 1) return UsageError(io, line.command, WrongArguments("FILE"));
  std::optional<std::string> bytes = ReadConfiguration(line.positional[0], io);
  if (!bytes) return kExitUsage;
  EditorModel editor;
  ConfParamTable table;
  StreamPrompts prompts(io.err);
  ConfigSession session{table, editor, prompts, "", {}};
  LoadConfigBytes(session, line.positional[0], *bytes);
  if (line.json)
    DumpJson(editor, io.out);
  else
    DumpText(editor, io.out);
  return kExitOk;
}

int SaveCommand(const CommandLine& line, Io& io) {
  const auto& p = line.positional;
  if (!OnlyOptions(line, {}, io)) return kExitUsage;
  if (p.size() != 2 && p.size() != 3) return UsageError(io, line.command, WrongArguments("IN OUT [VOICE]"));
  std::optional<std::string> bytes = ReadConfiguration(p[0], io);
  if (!bytes) return kExitUsage;
  // As the save sequence: voice.ini that cannot be read stops the save; a missing one is
  // said after the write.
  VoicePart voice;
  if (p.size() == 3) {
    voice = ReadVoicePart(p[2]);
    if (voice.read == VoiceRead::kUnreadable) return Refuse(io, FileProblemText(voice.problem, p[2]));
  }
  EditorModel editor;
  ConfParamTable table;
  StreamPrompts prompts(io.err);
  ConfigSession session{table, editor, prompts, "", {}};
  LoadConfigBytes(session, p[0], *bytes);
  if (!WriteFileAtomic(p[1], Utf8ToCp1251(SavedText(editor, table, voice.text, CleanUp::kBeforeAppend))))
    return Refuse(io, CannotWrite(p[1]), kExitFailed);
  if (p.size() == 3 && voice.read == VoiceRead::kMissing) prompts.Show(PlainMessage(kVoiceIniMissingText));
  return Written(io, p[1]);
}

int VoiceRebuildCommand(const CommandLine& line, Io& io) {
  if (!OnlyOptions(line, {}, io)) return kExitUsage;
  if (line.positional.size() != 2) return UsageError(io, line.command, WrongArguments("CONF VOICE"));
  if (!ReadConfiguration(line.positional[0], io)) return kExitUsage;
  if (!RebuildVoiceFile(line.positional[0], line.positional[1]))
    return Refuse(io, CannotWrite(line.positional[1]), kExitFailed);
  return Written(io, line.positional[1]);
}

int RemoveBlockCommand(const CommandLine& line, Io& io) {
  if (!OnlyOptions(line, {}, io)) return kExitUsage;
  const auto& p = line.positional;
  std::optional<int> block = p.size() == 2 ? StrictInt(p[1]) : std::nullopt;
  if (!block) return UsageError(io, line.command, WrongArguments("VOICE N"));
  std::string bytes;
  if (FileProblem problem = ReadAs(p[0], FileRole::kVoiceList, bytes); problem != FileProblem::kNone)
    return Refuse(io, FileProblemText(problem, p[0]));
  StreamPrompts prompts(io.err);
  try {
    if (!RemoveBlockSection(p[0], *block, prompts)) return kExitFailed;
  } catch (const std::exception& e) {
    return Refuse(io, e.what(), kExitFailed);
  }
  return Written(io, p[0]);
}

}  // namespace zz::zconf
