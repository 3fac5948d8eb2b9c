// The schema of zidezir.conf: one CONF_PARAM per section header or key, 39 in writing order.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace zz {

// Capacities of the schema entry's texts, in characters.
constexpr std::size_t kSectionCapacity = 31;
constexpr std::size_t kKeyCapacity = 63;
constexpr std::size_t kCommentCapacity = 79;
constexpr std::size_t kValueCapacity = 127;

using LineList = std::vector<std::string>;

struct CONF_PARAM {
  // Declared first so that it is destroyed last: entries go before lines.
  LineList lines;    // foreign and comment lines that stood in front of the entry, as read
  LineList entries;  // the key lines of a list body (Devices, Prefixes), as read
  std::string section;
  std::string comment;
  std::string key;  // empty in a section entry
  std::string value;
  bool present = false;

  explicit CONF_PARAM(const std::string& sectionName);
  CONF_PARAM(const std::string& sectionName, const std::string& keyName);

  bool IsSection() const { return key.empty(); }

  void SetValue(const std::string& text);
  void SetComment(const std::string& text);
  void AttachLines(const LineList& list);
  void AddEntry(const std::string& text);
  void Reset();
  // A key line that matched this entry: value, the pending lines (emptied), comment, present.
  void Store(const std::string& newValue, const std::string& newComment, LineList& pending);
};

constexpr int kConfParamCount = 39;

// Entry numbers the code refers to directly (1-based, as in the table).
namespace entry {
constexpr int kSystem = 1, kName = 2, kAdmin = 3;
constexpr int kNetwork = 4, kListenerInterface = 5, kListenerPort = 6, kNeedGatekeeper = 7,
              kGatekeeper = 8, kGatekeeperId = 9, kGatekeeperPassword = 10;
constexpr int kH323 = 11, kDisableFastStart = 12, kDisableH245Tunneling = 13, kDisableH245InSetup = 14;
constexpr int kAudio = 15, kMaxCalls = 16, kTxBuffer = 17, kAudioJitterDelay = 18, kEnablePolling = 19;
constexpr int kSilenceDetection = 20, kThreshold = 21, kSignalDeadband = 22, kSilenceDeadband = 23;
constexpr int kLog = 24, kSysLogLevel = 25, kLevel = 26, kTraces = 27, kLogAudio = 28;
constexpr int kDevices = 29, kDevicesBody = 30;
constexpr int kDeviceSettings = 31, kFlowControl = 32;
constexpr int kPrefixes = 33, kPrefixesBody = 34;
constexpr int kPollServer = 35, kBasePort = 36;
constexpr int kControlServer = 37, kControlServerPort = 38, kConnectionTimeout = 39;
}  // namespace entry

// The table of 39 entries; elements are constructed in table order and destroyed in reverse.
class ConfParamTable {
 public:
  ConfParamTable();

  CONF_PARAM& operator[](int number) { return entries_.at(static_cast<std::size_t>(number - 1)); }
  const CONF_PARAM& operator[](int number) const { return entries_.at(static_cast<std::size_t>(number - 1)); }
  static constexpr int size() { return kConfParamCount; }

  // Foreign sections after the file's last schema entry, from the first such section's
  // header on, written after entry 39 (VoiceDevices: sections are not among them: a save
  // appends them from voice.ini).
  LineList trailing;

 private:
  std::array<CONF_PARAM, kConfParamCount> entries_;
};

void ResetConfParams(ConfParamTable& table);

// The name (as the line parser gives it) is one of the sections the schema names.
bool IsSchemaSection(const std::string& name);

}  // namespace zz
