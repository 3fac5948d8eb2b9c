#include "conf_param.h"

#include "text.h"

namespace zz {

CONF_PARAM::CONF_PARAM(const std::string& sectionName) : section(CutChars(sectionName, kSectionCapacity)) {}

CONF_PARAM::CONF_PARAM(const std::string& sectionName, const std::string& keyName)
    : section(CutChars(sectionName, kSectionCapacity)), key(CutChars(keyName, kKeyCapacity)) {}

void CONF_PARAM::SetValue(const std::string& text) { value = CutChars(text, kValueCapacity); }

void CONF_PARAM::SetComment(const std::string& text) { comment = CutChars(text, kCommentCapacity); }

void CONF_PARAM::AttachLines(const LineList& list) { lines = list; }

void CONF_PARAM::AddEntry(const std::string& text) { entries.push_back(text); }

void CONF_PARAM::Reset() {
  lines.clear();
  entries.clear();
  comment.clear();
  value.clear();
  present = false;
}

void CONF_PARAM::Store(const std::string& newValue, const std::string& newComment, LineList& pending) {
  SetValue(newValue);
  AttachLines(pending);
  pending.clear();
  SetComment(newComment);
  present = true;
}

ConfParamTable::ConfParamTable()
    : entries_{{
          CONF_PARAM("System"),
          CONF_PARAM("System", "Name"),
          CONF_PARAM("System", "Admin"),
          CONF_PARAM("Network"),
          CONF_PARAM("Network", "Listener Interface"),
          CONF_PARAM("Network", "Listener Port"),
          CONF_PARAM("Network", "Need Gatekeeper"),
          CONF_PARAM("Network", "Gatekeeper"),
          CONF_PARAM("Network", "Gatekeeper ID"),
          CONF_PARAM("Network", "Gatekeeper Password"),
          CONF_PARAM("H323"),
          CONF_PARAM("H323", "Disable Fast Start"),
          CONF_PARAM("H323", "Disable H245 Tunneling"),
          CONF_PARAM("H323", "Disable H245 In Setup"),
          CONF_PARAM("Audio"),
          CONF_PARAM("Audio", "Max Calls"),
          CONF_PARAM("Audio", "TxBuffer"),
          CONF_PARAM("Audio", "Audio Jitter Delay"),
          CONF_PARAM("Audio", "Enable Polling"),
          CONF_PARAM("SilenceDetection"),
          CONF_PARAM("SilenceDetection", "Threshold"),
          CONF_PARAM("SilenceDetection", "Signal Deadband"),
          CONF_PARAM("SilenceDetection", "Silence Deadband"),
          CONF_PARAM("Log"),
          CONF_PARAM("Log", "SysLog Level"),
          CONF_PARAM("Log", "Level"),
          CONF_PARAM("Log", "Traces"),
          CONF_PARAM("Log", "Log Audio"),
          CONF_PARAM("Devices"),
          CONF_PARAM("Devices"),
          CONF_PARAM("DeviceSettings"),
          CONF_PARAM("DeviceSettings", "Flow Control"),
          CONF_PARAM("Prefixes"),
          CONF_PARAM("Prefixes"),
          CONF_PARAM("PollServer"),
          CONF_PARAM("PollServer", "Base Port"),
          CONF_PARAM("ControlServer"),
          CONF_PARAM("ControlServer", "Port"),
          CONF_PARAM("ControlServer", "Connection Timeout"),
      }} {}

void ResetConfParams(ConfParamTable& table) {
  for (int n = 1; n <= ConfParamTable::size(); ++n) table[n].Reset();
  table.trailing.clear();
}

bool IsSchemaSection(const std::string& name) {
  static const ConfParamTable schema;
  for (int n = 1; n <= ConfParamTable::size(); ++n)
    if (schema[n].IsSection() && EqualsAsciiNoCase(schema[n].section, name)) return true;
  return false;
}

}  // namespace zz
