#include "document_schema.h"

#include <cctype>

#include "block_list.h"
#include "block_texts.h"
#include "configuration_json.h"
#include "key_rules.h"

namespace zz::zconf {

namespace {

// A text with blanks around it, as the reader trims them.
std::string Padded(const std::string& inner) { return "^\\s*" + inner + "\\s*$"; }

// ASCII letters in either case: "PVK" -> "[Pp][Vv][Kk]".
std::string Caseless(const std::string& text) {
  std::string pattern;
  for (char c : text)
    pattern += std::isalpha(static_cast<unsigned char>(c))
                   ? std::string("[") + static_cast<char>(std::toupper(c)) + static_cast<char>(std::tolower(c)) + "]"
                   : std::string(1, c);
  return pattern;
}

Json Pattern(const std::string& pattern) { return {{"type", "string"}, {"pattern", pattern}}; }

// A whole number, or the same written as a string (an inventory's variables are strings).
Json Number(int min, int max, const std::string& digits = "[-+]?[0-9]+") {
  return {{"anyOf", {{{"type", "integer"}, {"minimum", min}, {"maximum", max}}, Pattern(Padded(digits))}}};
}

Json KeyValue(const KeyRule& rule) {
  switch (rule.accepts) {
    case Accepts::kText: return {{"type", "string"}, {"maxLength", 127}, {"pattern", "^[^;]*$"}};
    case Accepts::kDigits: return {{"anyOf", {{{"type", "integer"}, {"minimum", 0}}, Pattern(Padded("[0-9]*"))}}};
    case Accepts::kInterface: return {{"anyOf", {{{"type", "integer"}, {"minimum", 0}}, Pattern(Padded("[0-9.]*"))}}};
    case Accepts::kYesNo:
      return {{"anyOf", {{{"type", "boolean"}}, Pattern(Padded("(" + Caseless("yes") + "|" + Caseless("no") + ")"))}}};
    // -1 and "" are what an export writes for a list or group without a choice.
    case Accepts::kMaxCalls: return Number(rule.range.min, rule.range.max, "([-+]?[0-9]+)?");
    case Accepts::kLevel: return Number(-1, rule.range.max);
    case Accepts::kPosition: return Number(rule.range.min, rule.range.max);
    case Accepts::kFlowControl: return {{"anyOf", {{{"enum", {1, 3}}}, Pattern(Padded("[13]"))}}};
  }
  return Json::object();
}

// An object with the members named and nothing else but remarks ("_..." and "$schema").
Json Closed(Json properties, Json required) {
  properties["$schema"] = {{"type", "string"}};
  return {{"type", "object"},
          {"properties", std::move(properties)},
          {"patternProperties", {{"^_", Json::object()}}},
          {"additionalProperties", false},
          {"required", std::move(required)}};
}

Json UnitSchema() {
  std::string types;
  for (const char* name : kUnitTypeNames) types += (types.empty() ? "" : "|") + Caseless(UnitTypeCode(name));
  return Closed({{"type", Pattern(Padded("(" + types + ")"))},
                 {"address", Number(1, 255, "[0-9]{1,9}")},
                 {"name", {{"type", "string"}, {"pattern", "^[^,]*$"}}},
                 {"host", {{"type", "string"}}}},
                {"type", "address", "host"});
}

Json BlockSchema() {
  const std::string serial = "(" + std::string(kBlockTypeSerial) + "|" + Caseless("TRL-M") + ")";
  const std::string ip = "(" + std::string(kBlockTypeIp) + "|" + Caseless("TRL-ME") + ")";
  Json block = Closed({{"type", Pattern(Padded("(" + serial + "|" + ip + ")"))},
                       {"port", Number(kBlockPortRange.min, kBlockPortRange.max, "[0-9]{1,9}")},
                       {"address", {{"type", "string"}}},
                       {"comment", {{"type", "string"}}},
                       {"units", {{"type", "array"}, {"items", UnitSchema()}}}},
                      {"type"});
  // What tells the block from the file's others: its port (ТРЛ-М) or its address (ТРЛ-МЕ).
  block["allOf"] = {
      {{"if", {{"properties", {{"type", Pattern(Padded(serial))}}}}}, {"then", {{"required", {"port"}}}}},
      {{"if", {{"properties", {{"type", Pattern(Padded(ip))}}}}},
       {"then", {{"required", {"address"}}, {"properties", {{"address", Pattern("\\S")}}}}}}};
  return block;
}

}  // namespace

Json DocumentSchema() {
  Json keys = Json::object();
  for (const KeyField& field : KeyFields()) keys[KeyName(field)] = KeyValue(RuleOf(field));
  Json keysObject = Closed(std::move(keys), Json::array());
  keysObject["properties"].erase("$schema");
  Json schema = Closed({{"version", {{"const", kDocumentVersion}}},
                        {"product_version", {{"type", "string"}}},
                        {"computer", {{"type", "string"}}},
                        {"keys", std::move(keysObject)},
                        {"prefixes", {{"type", "array"}, {"items", Pattern("^[^=;\\[][^=;]*=\\s*[^\\s;][^;]*$")}}},
                        {"blocks", {{"type", "array"}, {"items", BlockSchema()}}}},
                       {"version"});
  Json head = {{"$schema", "http://json-schema.org/draft-07/schema#"}, {"$id", kDocumentSchemaId},
               {"title", "zconf export and apply document"}};
  head.update(schema);
  return head;
}

}  // namespace zz::zconf
