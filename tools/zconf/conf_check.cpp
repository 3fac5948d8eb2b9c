#include "conf_check.h"

#include <algorithm>
#include <map>

#include "conf_param.h"
#include "conf_scan.h"
#include "devices_body.h"
#include "key_rules.h"
#include "page_fields.h"
#include "text.h"
#include "voice_ini.h"

namespace zz::zconf {

namespace {

constexpr std::string_view kDevices = "Devices", kPrefixes = "Prefixes";
constexpr int kMaxPort = 65535, kMaxBlockPort = 255, kMaxUnitAddress = 255;

std::string Upper(std::string_view s) {
  std::string u(s);
  for (char& c : u)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return u;
}

bool AllDigits(std::string_view s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string Quoted(std::string_view s) { return "'" + std::string(s) + "'"; }

// "[min-]max", both numbers, min <= max.
bool IsDelayRange(std::string_view v) {
  std::size_t dash = v.find('-');
  std::string_view max = dash == std::string_view::npos ? v : v.substr(dash + 1);
  if (!AllDigits(max) || !StrictInt(max)) return false;
  if (dash == std::string_view::npos) return true;
  std::string_view min = v.substr(0, dash);
  return AllDigits(min) && StrictInt(min) && *StrictInt(min) <= *StrictInt(max);
}

Problem Error(std::string text) { return {Severity::kError, std::move(text)}; }
Problem Warning(std::string text) { return {Severity::kWarning, std::move(text)}; }

std::optional<Problem> CheckNumber(const std::string& name, std::string_view value, const KeyRule& rule) {
  std::optional<int> n = StrictInt(value);
  if (!n)
    return Error(name + ": " + Quoted(value) + " - не целое число; программа не примет его при загрузке");
  if (rule.accepts == Accepts::kMaxCalls) {
    if (*n < -1 || *n > rule.range.max)
      return Error(name + ": " + std::to_string(*n) + " вне диапазона от -1 до " + std::to_string(rule.range.max) +
                   "; в окне ничего не будет выбрано");
    if (*n == 0) return Warning(name + ": 0 читается как \"без ограничения\" и записывается как -1");
    return std::nullopt;
  }
  if (*n != ClampToRange(rule.range, *n))
    return Error(name + ": " + std::to_string(*n) + " вне диапазона от " + std::to_string(rule.range.min) + " до " +
                 std::to_string(rule.range.max) + "; программа запишет " +
                 std::to_string(ClampToRange(rule.range, *n)));
  return std::nullopt;
}

// A text key whose form the gateway needs.
std::optional<Problem> CheckForm(const std::string& name, int entry, std::string_view value) {
  bool port = entry == entry::kListenerPort || entry == entry::kBasePort || entry == entry::kControlServerPort;
  bool formed = port || entry == entry::kListenerInterface || entry == entry::kConnectionTimeout ||
                entry == entry::kAudioJitterDelay;
  if (!formed) return std::nullopt;
  if (value.empty()) return Warning("у " + name + " нет значения; программа удалит строку при сохранении");
  // -1 for anything but digits that make a number.
  const int n = AllDigits(value) ? StrictInt(value).value_or(-1) : -1;
  if (port && !(n >= 1 && n <= kMaxPort))
    return Error(name + ": " + Quoted(value) + " - не номер порта от 1 до " + std::to_string(kMaxPort));
  if (entry == entry::kListenerInterface && !IsIpv4Address(value))
    return Error(name + ": " + Quoted(value) + " - не адрес IPv4");
  if (entry == entry::kConnectionTimeout && n <= 0)
    return Error(name + ": " + Quoted(value) + " - не положительное число минут");
  if (entry == entry::kAudioJitterDelay && !IsDelayRange(value))
    return Error(name + ": " + Quoted(value) + " не имеет вида [мин-]макс, где мин <= макс");
  return std::nullopt;
}

// A VoiceDevices: section as the INI reader sees it.
struct VoiceSection {
  int line;
  std::string number;  // the text after the prefix
  struct Unit {
    int line;
    std::string value;  // as the INI reader returns it
  };
  std::vector<Unit> units;
};

// A key line's value as the INI reader returns it: trimmed, without matching quotes.
std::string IniValue(std::string_view raw) {
  std::string_view v = Trim(raw.substr(raw.find('=') + 1));
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
    v = v.substr(1, v.size() - 2);
  return std::string(v);
}

void CheckUnits(const VoiceSection& section, int block, std::vector<Finding>& findings) {
  std::map<int, std::size_t> addresses;  // address -> unit number
  for (std::size_t k = 0; k < section.units.size(); ++k) {
    const VoiceSection::Unit& u = section.units[k];
    std::string unit = "блок " + std::to_string(block) + ", устройство " + std::to_string(k + 1);
    auto error = [&](const std::string& text) { findings.push_back({u.line, Severity::kError, unit + ": " + text}); };
    UnitRecord record = ParseUnitRecord(u.value);
    std::string_view code = Trim(std::string_view(u.value).substr(0, u.value.find(',')));
    if (code != UnitTypeCode(record.typeName))
      findings.push_back({u.line, Severity::kWarning, unit + ": неизвестный тип " + Quoted(code) + " читается как TRLZN"});
    std::optional<int> address = AllDigits(record.address) ? StrictInt(record.address) : std::nullopt;
    if (!address || *address < 1 || *address > kMaxUnitAddress) {
      error("адрес " + Quoted(record.address) + " вне диапазона от 1 до " + std::to_string(kMaxUnitAddress));
    } else if (auto [it, fresh] = addresses.emplace(*address, k + 1); !fresh) {
      error("адрес " + std::to_string(*address) + " занят и устройством " + std::to_string(it->second));
    }
    if (std::count(u.value.begin(), u.value.end(), ',') > 3)
      error("в наименовании есть запятая; текст после неё читается как имя или IP-адрес");
    else if (record.host.empty())
      error("нет имени или IP-адреса");
  }
}

}  // namespace

bool IsIpv4Address(std::string_view text) {
  int parts = 0;
  std::size_t start = 0;
  for (;;) {
    std::size_t dot = text.find('.', start);
    std::string_view part = text.substr(start, dot == std::string_view::npos ? std::string_view::npos : dot - start);
    if (!AllDigits(part) || part.size() > 3 || *StrictInt(part) > 255) return false;
    ++parts;
    if (dot == std::string_view::npos) break;
    start = dot + 1;
  }
  return parts == 4;
}

std::optional<Problem> CheckKeyValue(const KeyField& field, std::string_view value, std::string_view uncut) {
  const std::string name = KeyName(field);
  if (CharCount(uncut) > kValueCapacity)
    return Error(name + ": значение длиннее " + std::to_string(kValueCapacity) + " символов; программа сохранит первые " +
                 std::to_string(kValueCapacity));
  KeyRule rule = RuleOf(field);
  switch (rule.accepts) {
    case Accepts::kText:
    case Accepts::kDigits:
    case Accepts::kInterface: return CheckForm(name, field.entry, value);
    case Accepts::kYesNo:
      if (!IsYes(value) && !EqualsAsciiNoCase(value, "no")) return Error(name + ": " + Quoted(value) + " читается как no");
      return std::nullopt;
    case Accepts::kMaxCalls:
    case Accepts::kPosition: return CheckNumber(name, value, rule);
    case Accepts::kLevel: {
      std::optional<int> n = StrictInt(value);
      if (n && *n >= -1 && *n <= rule.range.max) return std::nullopt;
      int read = std::clamp(LeadingInt(value), -1, rule.range.max);
      return Error(name + ": " + Quoted(value) + " читается как " + std::to_string(read));
    }
    case Accepts::kFlowControl:
      if (value == "1" || value == "3") return std::nullopt;
      return Error(name + ": " + Quoted(value) + " читается как " + (LeadingInt(value) == 3 ? "3" : "1"));
  }
  return std::nullopt;
}

std::vector<std::string> BlockErrors(const BlockRows& rows, std::size_t index, std::size_t compareUpTo) {
  std::vector<std::string> errors;
  const BlockRow& row = rows[index];
  const std::string n = std::to_string(index + 1);
  int port = PortFromCell(row[2]);
  if (port < 1 || port > kMaxBlockPort)
    errors.push_back("блок " + n + ": порт " + row[2] + " вне диапазона от 1 до " + std::to_string(kMaxBlockPort));
  bool ip = row[1] == kBlockTypeIp;
  if (ip && row[3].empty()) errors.push_back("у блока ТРЛ-МЕ " + n + " нет адреса");
  if (ip && !row[3].empty() && !IsIpv4Address(row[3]))
    errors.push_back("блок ТРЛ-МЕ " + n + ": " + Quoted(row[3]) + " - не адрес IPv4");
  for (std::size_t j = 0; j < std::min(compareUpTo, rows.size()); ++j) {
    if (j == index || rows[j][1] != row[1]) continue;
    std::string pair = std::to_string(std::min(j, index) + 1) + " и " + std::to_string(std::max(j, index) + 1);
    if (!ip && PortFromCell(rows[j][2]) == port)
      errors.push_back("блоки " + std::string(kBlockTypeSerial) + " " + pair + " оба на " + row[2]);
    if (ip && !row[3].empty() && rows[j][3] == row[3])
      errors.push_back("у блоков " + std::string(kBlockTypeIp) + " " + pair + " один адрес " + row[3]);
  }
  return errors;
}

std::vector<Finding> CheckConfiguration(std::string_view bytes) {
  std::vector<Finding> findings;
  auto add = [&findings](int line, const Problem& p) { findings.push_back({line, p.severity, p.text}); };

  enum class Place { kNone, kSchema, kVoice, kOther } place = Place::kNone;
  std::map<std::string, int> headers, keys;  // upper-cased names -> first line
  std::vector<VoiceSection> voices;
  std::vector<int> blockLines;
  BlockRows blocks;

  for (const ScannedLine& l : ScanLines(bytes)) {
    const CONF_LINE& line = l.line;
    if (line.isSection) {
      std::string_view iniName = HeaderName(line.raw);
      bool voice = iniName.substr(0, kVoiceSectionPrefix.size()) == kVoiceSectionPrefix;
      bool schema = IsSchemaSection(line.section);
      std::string id = voice ? Upper(iniName) : Upper(line.section);
      auto [first, fresh] = headers.emplace(id, l.number);
      place = voice ? Place::kVoice : schema ? Place::kSchema : Place::kOther;
      if (!fresh) {
        add(l.number, Warning("раздел [" + std::string(voice ? iniName : line.section) + "] повторяет строку " +
                              std::to_string(first->second) + (voice ? "; его строки не читаются" : "")));
        if (voice) place = Place::kOther;
      } else if (voice) {
        voices.push_back({l.number, std::string(Trim(iniName.substr(kVoiceSectionPrefix.size()))), {}});
      } else if (!schema && EqualsAsciiNoCase(iniName.substr(0, kVoiceSectionPrefix.size()), kVoiceSectionPrefix)) {
        add(l.number, Warning("раздел [" + std::string(iniName) + "] не читается: программа берёт только разделы, "
                              "имя которых начинается с 'VoiceDevices:' именно в таком написании"));
      } else if (!schema) {
        add(l.number, Warning("неизвестный раздел [" + std::string(iniName) + "]; программа сохраняет его строки"));
      }
      continue;
    }
    if (!line.isKey) continue;
    if (place == Place::kVoice) {
      if (!line.key.empty() && line.key[0] != ';') voices.back().units.push_back({l.number, IniValue(line.raw)});
      continue;
    }
    if (place == Place::kNone) add(l.number, Warning("ключ '" + line.key + "' стоит вне разделов"));
    if (place != Place::kSchema) continue;
    if (EqualsAsciiNoCase(line.section, kDevices)) {
      blockLines.push_back(l.number);
      blocks.push_back(BlockRowFromLine(static_cast<int>(blocks.size()) + 1, line.value, ""));
      continue;
    }
    auto [first, fresh] = keys.emplace(Upper(line.section) + "/" + Upper(line.key), l.number);
    if (!fresh)
      add(l.number, Warning("ключ '" + line.key + "' раздела [" + line.section + "] повторяет строку " +
                            std::to_string(first->second) + "; действует эта строка"));
    if (EqualsAsciiNoCase(line.section, kPrefixes)) continue;
    if (!l.field) {
      add(l.number, Warning("неизвестный ключ '" + line.key + "' в разделе [" + line.section + "]"));
      continue;
    }
    if (std::optional<Problem> p = CheckKeyValue(*l.field, line.value, l.uncutValue)) add(l.number, *p);
  }

  for (std::size_t i = 0; i < blocks.size(); ++i)
    for (const std::string& e : BlockErrors(blocks, i, i)) add(blockLines[i], Error(e));
  for (const VoiceSection& v : voices) {
    std::optional<int> n = AllDigits(v.number) ? StrictInt(v.number) : std::nullopt;
    if (!n || *n < 1 || *n > static_cast<int>(blocks.size())) {
      add(v.line, Error("раздел [VoiceDevices:" + v.number + "] не относится ни к одному блоку: блоков в файле " +
                        std::to_string(blocks.size())));
      continue;
    }
    CheckUnits(v, *n, findings);
  }
  std::stable_sort(findings.begin(), findings.end(), [](const Finding& a, const Finding& b) { return a.line < b.line; });
  return findings;
}

}  // namespace zz::zconf
