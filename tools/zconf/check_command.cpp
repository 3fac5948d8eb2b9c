// check: the findings of a configuration file, as FILE:LINE: error|warning: text.
#include "commands.h"
#include "conf_check.h"
#include "file_system.h"
#include "json_writer.h"
#include "zconf_texts.h"

namespace zz::zconf {

int CheckCommand(const CommandLine& line, Io& io) {
  if (!OnlyOptions(line, {}, io)) return kExitUsage;
  if (line.positional.size() != 1) return UsageError(io, line.command, "FILE");
  const std::string& path = line.positional[0];
  std::string bytes;
  if (!ReadFileBytes(path, bytes)) return Refuse(io, CannotRead(path));

  std::vector<Finding> findings = CheckConfiguration(bytes);
  int errors = 0;
  JsonWriter json;
  json.BeginObject().Member("file", path).Key("findings").BeginArray();
  for (const Finding& f : findings) {
    const char* severity = f.severity == Severity::kError ? "error" : "warning";
    errors += f.severity == Severity::kError;
    if (line.json)
      json.BeginObject().Member("line", f.line).Member("severity", severity).Member("text", f.text).EndObject();
    else
      io.out << path << ":" << f.line << ": " << severity << ": " << f.text << "\n";
  }
  json.EndArray()
      .Member("errors", errors)
      .Member("warnings", static_cast<int>(findings.size()) - errors)
      .EndObject();
  if (line.json) io.out << json.Text();
  return errors > 0 ? kExitFindings : kExitOk;
}

}  // namespace zz::zconf
