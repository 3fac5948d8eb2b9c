// apply: a configuration file made to match a JSON document, through the window's rules,
// all or nothing, and written only when it changes.
#include <sstream>

#include "change_list.h"
#include "commands.h"
#include "configuration_json.h"
#include "file_form.h"
#include "file_system.h"
#include "zconf_texts.h"

namespace zz::zconf {

namespace {

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

}  // namespace

int ApplyCommand(const CommandLine& line, Io& io) {
  if (!OnlyOptions(line, {"check", "diff"}, io)) return kExitUsage;
  const auto& p = line.positional;
  if (p.size() != 2) return UsageError(io, line.command, WrongArguments("FILE DESIRED.json"));
  const bool dryRun = line.Option("check") != nullptr;
  std::string text;
  if (ReadFault fault = TryReadFile(p[1], text); fault != ReadFault::kNone)
    return Refuse(io, FileProblemText(ProblemOf(fault), p[1]));
  try {
    // Every value is judged before the file is touched, the file's blocks with them.
    const DesiredConfiguration desired = ReadDesired(ParseDocument(text), io);
    ConfDocument doc(p[0], io, "zconf " + line.command);
    if (!doc.Load(!dryRun)) return doc.Failed();
    if (!doc.RefuseLoadErrors(desired.Fields())) return kExitUsage;
    PutDesired(doc, desired);
    const std::optional<std::string> bytes = doc.SavedBytes();
    if (!bytes) return kExitFailed;
    const std::vector<ConfigChange> changes =
        CompareConfigurations(ViewOfConfiguration(doc.Bytes()), ViewOfConfiguration(*bytes));
    std::ostringstream printed;
    if (dryRun || line.Option("diff")) PrintChanges(changes, printed);
    const Json extra = {{"msg", ApplyMessage(*bytes != doc.Bytes(), dryRun, changes.size())},
                        {"changes", ChangesJson(changes)}};
    return doc.Finish(desired.Fields(), extra, printed.str(), dryRun);
  } catch (const DocumentError& error) {
    return RefuseDocument(io, p[1], error);
  } catch (const std::exception& error) {
    return Refuse(io, error.what(), kExitFailed);
  }
}

}  // namespace zz::zconf
