// export: the whole configuration as one JSON document, for apply on this gateway or another.
#include "commands.h"
#include "configuration_json.h"
#include "document_schema.h"
#include "file_form.h"
#include "file_system.h"
#include "zconf_texts.h"

namespace zz::zconf {

int ExportCommand(const CommandLine& line, Io& io) {
  if (!OnlyOptions(line, {}, io)) return kExitUsage;
  const auto& p = line.positional;
  if (p.empty() || p.size() > 2) return UsageError(io, line.command, WrongArguments("FILE [OUT]"));
  ConfDocument doc(p[0], io, "zconf " + line.command);
  if (!doc.Load()) return kExitUsage;
  const Json document = ExportConfiguration(doc);
  if (p.size() == 1) {
    // ASCII reaches a file unchanged through any shell and code page; --json gives the one
    // line every --json output is.
    io.out << (line.json ? JsonText(document) : document.dump(2, ' ', true) + "\n");
    return kExitOk;
  }
  // A file for a person to read and edit: UTF-8, the Russian text as it is.
  const std::string& out = p[1];
  const std::string bytes = document.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
  std::string now;
  const bool existed = ReadFileBytes(out, now);
  if (existed && !now.empty() && FormProblem(now, FileRole::kConfiguration) == FileProblem::kNone)
    return Refuse(io, WouldOverwriteConfiguration(out));
  const bool changed = !existed || now != bytes;
  if (changed && !WriteFileAtomic(out, bytes)) return Refuse(io, CannotWrite(out), kExitFailed);
  if (line.json) io.out << JsonText({{"file", out}, {"changed", changed}, {"failed", false}, {"warnings", io.warnings}});
  return kExitOk;
}

int SchemaCommand(const CommandLine& line, Io& io) {
  if (!OnlyOptions(line, {}, io)) return kExitUsage;
  if (!line.positional.empty()) return UsageError(io, line.command, WrongArguments("нет"));
  io.out << DocumentSchema().dump(2, ' ', true) + "\n";
  return kExitOk;
}

}  // namespace zz::zconf
