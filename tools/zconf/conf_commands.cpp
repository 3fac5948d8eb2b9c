// get and set: the 26 keys of a configuration file.
#include <algorithm>

#include "commands.h"
#include "conf_check.h"
#include "conf_document.h"
#include "key_rules.h"
#include "text.h"
#include "zconf_texts.h"

namespace zz::zconf {

int GetCommand(const CommandLine& line, Io& io) {
  if (!OnlyOptions(line, {}, io)) return kExitUsage;
  const auto& p = line.positional;
  if (p.empty() || p.size() > 2) return UsageError(io, line.command, WrongArguments("FILE [KEY]"));
  std::vector<const KeyField*> fields;
  if (p.size() == 2) {
    const KeyField* field = FindKey(p[1]);
    if (!field) return Refuse(io, UnknownKey(Shown(p[1])));
    fields.push_back(field);
  } else {
    for (const KeyField& field : KeyFields()) fields.push_back(&field);
  }
  ConfDocument doc(p[0], io, "zconf " + line.command);
  if (!doc.Load()) return kExitUsage;

  Json json = Json::object();
  for (const KeyField* field : fields) {
    // What the editor-to-entries step would put in the entry.
    std::string value = CutChars(FieldValue(doc.Editor(), *field, doc.Table()[field->entry]), kValueCapacity);
    json[KeyName(*field)] = value;
    if (line.json) continue;
    if (p.size() == 2)
      io.out << value << "\n";
    else
      io.out << KeyName(*field) << "=" << value << "\n";
  }
  if (line.json) io.out << JsonText(json);
  return kExitOk;
}

int SetCommand(const CommandLine& line, Io& io) {
  if (!OnlyOptions(line, {}, io)) return kExitUsage;
  const auto& p = line.positional;
  if (p.size() < 2) return UsageError(io, line.command, WrongArguments("FILE KEY=VALUE..."));

  // Every value is judged before the file is touched: all are taken, or none.
  struct Assignment {
    const KeyField* field;
    std::string value;
  };
  std::vector<Assignment> assignments;
  std::vector<const KeyField*> fields;
  for (std::size_t i = 1; i < p.size(); ++i) {
    std::size_t eq = p[i].find('=');
    if (eq == std::string::npos) return Refuse(io, NotAssignment(Shown(p[i])));
    const KeyField* field = FindKey(p[i].substr(0, eq));
    if (!field) return Refuse(io, UnknownKey(Shown(p[i].substr(0, eq))));
    if (std::find(fields.begin(), fields.end(), field) != fields.end()) return Refuse(io, KeyTwice(KeyName(*field)));
    KeyRule rule = RuleOf(*field);
    const std::string raw = p[i].substr(eq + 1);
    std::optional<std::string> value = AcceptValue(rule, raw);
    if (!value) return Refuse(io, RefusedValue(KeyName(*field), Shown(raw), AcceptsText(rule)));
    // What check calls an error is not written; a warning is said and written.
    if (std::optional<Problem> problem = CheckKeyValue(*field, *value, *value)) {
      if (problem->severity == Severity::kError) return Refuse(io, problem->text);
      Warn(io, problem->text);
    }
    fields.push_back(field);
    assignments.push_back({field, *value});
  }

  ConfDocument doc(p[0], io, "zconf " + line.command);
  if (!doc.Load(true)) return doc.Failed();
  if (!doc.RefuseLoadErrors(fields)) return kExitUsage;
  for (const Assignment& a : assignments) LoadField(doc.Editor(), *a.field, a.value);
  return doc.Finish(fields);
}

}  // namespace zz::zconf
