// check: the findings of a configuration file, as FILE:LINE: error|warning: text.
#include "commands.h"
#include "conf_check.h"
#include "file_form.h"
#include "json_out.h"
#include "zconf_texts.h"

namespace zz::zconf {

namespace {

// A finding stands on one line.
std::string OneLine(std::string text) {
  for (char& c : text)
    if (c == '\n') c = ' ';
  return text;
}

}  // namespace

int CheckCommand(const CommandLine& line, Io& io) {
  if (!OnlyOptions(line, {}, io)) return kExitUsage;
  if (line.positional.size() != 1) return UsageError(io, line.command, WrongArguments("FILE"));
  const std::string& path = line.positional[0];
  std::string bytes;
  FileProblem problem = ReadAs(path, FileRole::kConfiguration, bytes);
  if (problem != FileProblem::kNone && !IsFormProblem(problem)) return Refuse(io, FileProblemText(problem, path));

  // A file the program cannot read as a configuration is one error, on its first line.
  std::vector<Finding> findings = problem == FileProblem::kNone
                                      ? CheckConfiguration(bytes)
                                      : std::vector<Finding>{{1, Severity::kError, OneLine(FileProblemText(problem, path))}};
  int errors = 0;
  Json list = Json::array();
  for (const Finding& f : findings) {
    const char* severity = f.severity == Severity::kError ? "error" : "warning";
    errors += f.severity == Severity::kError;
    if (line.json)
      list.push_back({{"line", f.line}, {"severity", severity}, {"text", f.text}});
    else
      io.out << path << ":" << f.line << ": " << severity << ": " << f.text << "\n";
  }
  if (line.json) {
    Json json;
    json["file"] = path;
    json["findings"] = list;
    json["errors"] = errors;
    json["warnings"] = static_cast<int>(findings.size()) - errors;
    io.out << JsonText(json);
  }
  return errors > 0 ? kExitFindings : kExitOk;
}

}  // namespace zz::zconf
