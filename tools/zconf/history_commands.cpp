// diff, history and restore: configurations compared as a person reads them, and the
// revisions every save keeps under History\.
#include "change_list.h"
#include "commands.h"
#include "conf_document.h"
#include "file_form.h"
#include "file_system.h"
#include "history.h"
#include "messages.h"
#include "revision_restore.h"
#include "zconf_texts.h"

namespace zz::zconf {

namespace {

// Revision N of the file, or nothing (with the message).
std::optional<Revision> RevisionOf(const std::string& path, const std::string& number, Io& io) {
  std::optional<int> n = PlainNumber(number);
  if (!n) {
    Refuse(io, NotANumber(kRevisionWord, Shown(number)));
    return std::nullopt;
  }
  std::optional<Revision> revision = FindRevision(path, *n);
  if (!revision) Refuse(io, NoRevision(*n, path, ListRevisions(path).size()));
  return revision;
}

std::string RevisionLabel(const Revision& r) { return r.date + " " + r.time; }

}  // namespace

int DiffCommand(const CommandLine& line, Io& io) {
  if (!OnlyOptions(line, {}, io)) return kExitUsage;
  const auto& p = line.positional;
  if (p.size() != 2) return UsageError(io, line.command, WrongArguments("A B | FILE N"));
  std::optional<std::string> before, after;
  // FILE N: what FILE changes against its revision N.
  if (PlainNumber(p[1]) && !FileExists(p[1])) {
    std::optional<Revision> revision = RevisionOf(p[0], p[1], io);
    if (!revision) return kExitUsage;
    std::string conf, voice;
    if (!ReadRevision(*revision, conf, voice)) return Refuse(io, text::history::Damaged(revision->folder));
    before = conf;
    after = ReadConfiguration(p[0], io);
  } else {
    before = ReadConfiguration(p[0], io);
    if (before) after = ReadConfiguration(p[1], io);
  }
  if (!before || !after) return kExitUsage;
  const std::vector<ConfigChange> changes =
      CompareConfigurations(ViewOfConfiguration(*before), ViewOfConfiguration(*after));
  if (line.json)
    io.out << JsonText({{"equal", changes.empty()}, {"changes", ChangesJson(changes)}});
  else
    PrintChanges(changes, io.out);
  // As diff: 0 equal, 1 different.
  return changes.empty() ? kExitOk : kExitFindings;
}

int HistoryCommand(const CommandLine& line, Io& io) {
  if (!OnlyOptions(line, {}, io)) return kExitUsage;
  if (line.positional.size() != 1) return UsageError(io, line.command, WrongArguments("FILE"));
  const std::string& path = line.positional[0];
  if (!ReadConfiguration(path, io)) return kExitUsage;
  const History history = ReadHistory(path);
  for (const std::string& name : history.foreign) Warn(io, text::history::Foreign(HistoryDir(path), name));
  Json list = Json::array();
  std::vector<Revision> shown = history.revisions;
  if (history.current) shown.insert(shown.begin(), *history.current);
  for (const Revision& r : shown) {
    if (line.json)
      list.push_back({{"number", r.number},
                      {"date", r.date},
                      {"time", r.time},
                      {"user", r.user},
                      {"computer", r.computer},
                      {"program", r.program},
                      {"summary", r.summary},
                      {"damaged", r.damaged}});
    else
      io.out << r.number << "|" << r.date << "|" << r.time << "|" << r.user << "|" << r.computer << "|" << r.program
             << "|" << r.summary << "\n";
  }
  if (line.json) io.out << JsonText(list);
  return kExitOk;
}

int RestoreRevision(const std::string& path, const std::string& number, Io& io) {
  if (!ReadConfiguration(path, io)) return kExitUsage;
  std::optional<Revision> revision = RevisionOf(path, number, io);
  if (!revision) return kExitUsage;
  const WriteOutcome written = RestoreVersion(path, *revision, "zconf restore " + number);
  if (int code = WriteRefusal(written, io)) return code;
  if (io.json)
    io.out << JsonText({{"file", path},
                        {"changed", written.end == WriteEnd::kWritten},
                        {"failed", false},
                        {"warnings", io.warnings},
                        {"revision", revision->number},
                        {"saved", RevisionLabel(*revision)}});
  return kExitOk;
}

int RestoreCommand(const CommandLine& line, Io& io) {
  if (!OnlyOptions(line, {}, io)) return kExitUsage;
  if (line.positional.size() != 2) return UsageError(io, line.command, WrongArguments("FILE N"));
  return RestoreRevision(line.positional[0], line.positional[1], io);
}

}  // namespace zz::zconf
