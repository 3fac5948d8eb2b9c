#include "zconf.h"

#include "conf_loader.h"
#include "conf_writer.h"
#include "cp1251.h"
#include "editor_model.h"
#include "ini_file.h"
#include "key_fields.h"
#include "save_flows.h"
#include "text.h"
#include "voice_ini.h"

namespace zz {

namespace {

constexpr int kExitOk = 0, kExitFailed = 1, kExitUsage = 2;

constexpr const char* kUsage =
    "usage: zconf dump FILE\n"
    "       zconf save IN OUT [VOICE]\n"
    "       zconf voice-rebuild CONF VOICE\n"
    "       zconf units VOICE N\n"
    "       zconf remove-block VOICE N\n";

class StreamPrompts : public Prompts {
 public:
  explicit StreamPrompts(std::ostream& err) : err_(err) {}
  MessageAnswer Show(const MessageSpec& message) override {
    err_ << "message: " << message.text << "\n";
    return message.buttons == MessageButtons::kYesNo ? MessageAnswer::kNo : MessageAnswer::kOk;
  }
  void ShowError(const std::string& message) override { err_ << "message: " << message << "\n"; }
  std::optional<std::string> OpenFile(const FileDialogSpec&) override { return std::nullopt; }
  std::optional<std::string> SaveFile(const FileDialogSpec&) override { return std::nullopt; }
  std::optional<std::string> InputBox(const std::string&, const std::string&, const std::string&) override {
    return std::nullopt;
  }

 private:
  std::ostream& err_;
};

// A fresh editor and schema table, loaded from one file.
struct Workbench {
  explicit Workbench(std::ostream& err) : prompts(err), session{table, editor, prompts, "", {}} {}
  bool Load(const std::string& path) {
    session.state.openDialogFileName = path;
    return LoadConfigFile(session, path);
  }

  ConfParamTable table;
  EditorModel editor;
  StreamPrompts prompts;
  ConfigSession session;
};

void Dump(Editor& editor, std::ostream& out) {
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

int DumpCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 2) return err << kUsage, kExitUsage;
  Workbench bench(err);
  if (!bench.Load(args[1])) return kExitFailed;
  Dump(bench.editor, out);
  return kExitOk;
}

int SaveCommand(const std::vector<std::string>& args, std::ostream& err) {
  if (args.size() != 3 && args.size() != 4) return err << kUsage, kExitUsage;
  Workbench bench(err);
  if (!bench.Load(args[1])) return kExitFailed;
  EditorToEntries(bench.editor, bench.table);
  std::string text = RemoveEmptyValues(ComposeConfiguration(bench.table));
  if (args.size() == 4) {
    // As the save sequence: the clean-up comes first, then voice.ini, when there is one.
    std::optional<std::string> voice;
    if (FileExists(args[3])) voice = VoiceAppendText(args[3]);
    if (voice)
      text += *voice;
    else
      bench.prompts.Show(PlainMessage(kVoiceIniMissingText));
  }
  if (!WriteFileAtomic(args[2], Utf8ToCp1251(text))) {
    bench.prompts.Show(PlainMessage(kSaveFailedPrefix + args[2]));
    return kExitFailed;
  }
  return kExitOk;
}

int VoiceRebuildCommand(const std::vector<std::string>& args, std::ostream& err) {
  if (args.size() != 3) return err << kUsage, kExitUsage;
  if (RebuildVoiceFile(args[1], args[2])) return kExitOk;
  err << "message: " << kSaveFailedPrefix << args[2] << "\n";
  return kExitFailed;
}

int UnitsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::optional<int> block = args.size() == 3 ? StrictInt(args[2]) : std::nullopt;
  if (!block) return err << kUsage, kExitUsage;
  for (const UnitRecord& unit : ReadBlockUnits(args[1], *block))
    out << unit.typeName << "|" << unit.address << "|" << unit.name << "|" << unit.host << "\n";
  return kExitOk;
}

int RemoveBlockCommand(const std::vector<std::string>& args, std::ostream& err) {
  std::optional<int> block = args.size() == 3 ? StrictInt(args[2]) : std::nullopt;
  if (!block) return err << kUsage, kExitUsage;
  StreamPrompts prompts(err);
  try {
    return RemoveBlockSection(args[1], *block, prompts) ? kExitOk : kExitFailed;
  } catch (const IniWriteError& e) {
    prompts.ShowError(e.what());
    return kExitFailed;
  }
}

}  // namespace

int RunZconf(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) return err << kUsage, kExitUsage;
  if (args[0] == "dump") return DumpCommand(args, out, err);
  if (args[0] == "save") return SaveCommand(args, err);
  if (args[0] == "voice-rebuild") return VoiceRebuildCommand(args, err);
  if (args[0] == "units") return UnitsCommand(args, out, err);
  if (args[0] == "remove-block") return RemoveBlockCommand(args, err);
  err << kUsage;
  return kExitUsage;
}

}  // namespace zz
