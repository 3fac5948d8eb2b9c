// apply: a configuration file made to match a JSON document, through the window's rules,
// all or nothing, and written only when its settings change.
#include <filesystem>
#include <sstream>

#include "change_list.h"
#include "commands.h"
#include "configuration_json.h"
#include "file_form.h"
#include "file_system.h"
#include "guarded_write.h"
#include "voice_ini.h"
#include "zconf_texts.h"

namespace zz::zconf {

namespace {

namespace fs = std::filesystem;

// A refused document: the message names the document and the place in it; with --json the
// place is the failure's "path" as well.
int RefuseDocument(Io& io, const std::string& file, const DocumentError& error) {
  Refuse(io, DocumentRefused(file, error.path, error.text));
  if (io.json) {
    Json failure = JsonFailure(io.refusal, io.warnings);
    failure["path"] = error.path;
    io.out << JsonText(failure);
  }
  return kExitUsage;
}

// The empty configuration --create starts a new gateway's file from; unless kept, it goes
// again, so that a failed or checking run leaves nothing (the lock goes with its holder).
class NewFile {
 public:
  explicit NewFile(std::string path) : path_(std::move(path)) { made_ = WriteFileAtomic(path_, ""); }
  ~NewFile() {
    if (kept_) return;
    std::error_code ec;
    fs::remove(fs::u8path(path_), ec);
  }
  NewFile(const NewFile&) = delete;
  NewFile& operator=(const NewFile&) = delete;
  bool made() const { return made_; }
  void Keep() { kept_ = true; }

 private:
  std::string path_;
  bool made_ = false, kept_ = false;
};

// The file made to match the document; the exit code.
int Apply(const std::string& path, const DesiredConfiguration& desired, const CommandLine& line, Io& io,
          bool created = false) {
  const bool dryRun = line.Option("check") != nullptr;
  ConfDocument doc(path, io, "zconf " + line.command);
  // Another zconf or the window kept the lock: a later run may succeed.
  if (!doc.Load(!dryRun)) return doc.Failed() == kExitFailed ? kExitBusy : doc.Failed();
  if (!doc.RefuseLoadErrors(desired.Fields())) return kExitUsage;
  PutDesired(doc, desired);
  const std::string bytes = doc.SavedBytes();
  const std::vector<ConfigChange> changes =
      CompareConfigurations(ViewOfConfiguration(doc.Bytes()), ViewOfConfiguration(bytes));
  // The history's note says the same, without comparing the two again.
  doc.SetSummary(ChangesSummary(changes));
  std::ostringstream printed;
  if (dryRun || line.Option("diff")) PrintChanges(changes, printed);
  const Json extra = {{"msg", ApplyMessage(bytes != doc.Bytes(), dryRun, changes.size(), created)},
                      {"changes", ChangesJson(changes)}};
  // Settings, not bytes: a file whose settings are the document's stays as it is, however
  // its lines are written.
  if (changes.empty() && !created) return doc.Report(false, extra, printed.str());
  const int code = doc.Finish(desired.Fields(), extra, printed.str(), dryRun);
  // --check tells a script by the exit code alone that the file would change.
  return code == kExitOk && dryRun ? kExitFindings : code;
}

}  // namespace

int ApplyCommand(const CommandLine& line, Io& io) {
  if (!OnlyOptions(line, {"check", "diff", "create"}, io)) return kExitUsage;
  const auto& p = line.positional;
  if (p.size() != 2) return UsageError(io, line.command, WrongArguments("FILE DESIRED.json"));
  std::string text;
  if (ReadFault fault = TryReadFile(p[1], text); fault != ReadFault::kNone)
    return Refuse(io, FileProblemText(ProblemOf(fault), p[1]));
  try {
    // Every value is judged before the file is touched, the file's blocks with them.
    const DesiredConfiguration desired = ReadDesired(ParseDocument(text), io);
    std::string now;
    const ReadFault fault = TryReadFile(p[0], now);
    // A file another program holds open may be free on the next run.
    if (fault == ReadFault::kHeld) return Refuse(io, FileProblemText(FileProblem::kHeld, p[0]), kExitBusy);
    if (fault != ReadFault::kAbsent) return Apply(p[0], desired, line, io);
    // No lock file is made beside a file that is not there.
    if (!line.Option("create")) return Refuse(io, FileProblemText(FileProblem::kAbsent, p[0]) + NoFileHint());
    NewFile made(p[0]);
    if (!made.made()) return Refuse(io, CannotWrite(p[0]), kExitFailed);
    const int code = Apply(p[0], desired, line, io, true);
    if (code == kExitOk && !line.Option("check")) {
      made.Keep();
      // The gateway reads its units from voice.ini beside the configuration.
      const std::string voice = JoinPath(fs::u8path(p[0]).parent_path().u8string(), "voice.ini");
      if (!FileExists(voice)) {
        WriteRequest request;
        request.target = voice;
        request.role = FileRole::kVoiceList;
        request.bytes = VoiceFileOf(CurrentBytes(p[0]).value_or(""));
        request.note = {"zconf " + line.command, {}};
        const WriteOutcome written = WriteConfiguration(request);
        if (written.end != WriteEnd::kWritten && written.end != WriteEnd::kUnchanged) Warn(io, written.reason);
      }
    }
    return code;
  } catch (const DocumentError& error) {
    return RefuseDocument(io, p[1], error);
  } catch (const std::exception& error) {
    return Refuse(io, error.what(), kExitFailed);
  }
}

}  // namespace zz::zconf
