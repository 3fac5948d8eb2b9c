// dump, save, voice-rebuild and remove-block: the core's operations on files, for support.
#include "commands.h"
#include "conf_document.h"
#include "conf_loader.h"
#include "cp1251.h"
#include "file_form.h"
#include "file_system.h"
#include "guarded_write.h"
#include "history.h"
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

// Writes a file a command names through the guarded write; the result, with --json as one
// document.
int WriteNamed(Io& io, const std::string& path, FileRole role, std::string bytes, const std::string& program) {
  WriteRequest request;
  request.target = path;
  request.role = role;
  request.bytes = std::move(bytes);
  request.note = {program, {}};
  const WriteOutcome written = WriteConfiguration(request);
  if (int code = WriteRefusal(written, io)) return code;
  if (io.json)
    io.out << JsonText({{"file", path},
                        {"changed", written.end == WriteEnd::kWritten},
                        {"failed", false},
                        {"warnings", io.warnings}});
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
  // said after the write. Without VOICE the file's own intercom-unit lists are kept, as the
  // program keeps them in voice.ini from start-up to the save.
  const std::string own = VoiceFileOf(*bytes);
  VoicePart voice{VoiceRead::kRead, VoiceAppendix(own), own, FileProblem::kNone};
  if (p.size() == 3) {
    voice = ReadVoicePart(p[2]);
    if (voice.read == VoiceRead::kUnreadable) return Refuse(io, FileProblemText(voice.problem, p[2]));
  }
  EditorModel editor;
  ConfParamTable table;
  StreamPrompts prompts(io.err);
  ConfigSession session{table, editor, prompts, "", {}};
  LoadConfigBytes(session, p[0], *bytes);
  const int code = WriteNamed(io, p[1], FileRole::kConfiguration,
                              Utf8ToCp1251(SavedText(editor, table, voice.text, CleanUp::kBeforeAppend)), "zconf save");
  if (code == kExitOk && voice.read == VoiceRead::kMissing) prompts.Show(PlainMessage(kVoiceIniMissingText));
  return code;
}

int VoiceRebuildCommand(const CommandLine& line, Io& io) {
  if (!OnlyOptions(line, {}, io)) return kExitUsage;
  if (line.positional.size() != 2) return UsageError(io, line.command, WrongArguments("CONF VOICE"));
  std::optional<std::string> conf = ReadConfiguration(line.positional[0], io);
  if (!conf) return kExitUsage;
  return WriteNamed(io, line.positional[1], FileRole::kVoiceList, VoiceFileOf(*conf), "zconf voice-rebuild");
}

int RemoveBlockCommand(const CommandLine& line, Io& io) {
  if (!OnlyOptions(line, {}, io)) return kExitUsage;
  const auto& p = line.positional;
  std::optional<int> block = p.size() == 2 ? StrictInt(p[1]) : std::nullopt;
  if (!block) return UsageError(io, line.command, WrongArguments("VOICE N"));
  std::string bytes;
  if (FileProblem problem = ReadAs(p[0], FileRole::kVoiceList, bytes); problem != FileProblem::kNone)
    return Refuse(io, FileProblemText(problem, p[0]));
  IniFile voice("", bytes);
  voice.EraseSection(VoiceSectionName(*block));
  return WriteNamed(io, p[0], FileRole::kVoiceList, RenumberedSections(voice.Bytes(), kVoiceSectionPrefix, *block, -1),
                    "zconf remove-block");
}

}  // namespace zz::zconf
