#include "large_installation.h"

#include "cp1251.h"

namespace zz::test {

namespace {

constexpr const char* kTypeCodes[] = {"PVK", "MSD", "TRLZN"};

void Line(std::string& out, const std::string& text) { out.append(text).append("\r\n"); }

}  // namespace

std::string InstallationRecord(int block, int unit) {
  return std::string(kTypeCodes[unit % 3]) + "," + std::to_string(unit + 1) + ",Пост " + std::to_string(block) + "-" +
         std::to_string(unit + 1) + ",10." + std::to_string(block) + "." + std::to_string(unit / 100) + "." +
         std::to_string(unit % 100 + 1);
}

Installation MakeInstallation(int blocks, int units) {
  std::string conf;
  for (const char* text :
       {"[System]", "Name=VELTO Gateway", "Admin=admin@example.org", "[Network]", "Listener Interface=0.0.0.0",
        "Listener Port=1720", "Need Gatekeeper=no", "[H323]", "Disable Fast Start=no", "Disable H245 Tunneling=no",
        "Disable H245 In Setup=no", "[Audio]", "Max Calls=-1", "TxBuffer=200", "Audio Jitter Delay=60",
        "Enable Polling=yes", "[SilenceDetection]", "Threshold=50", "Signal Deadband=100", "Silence Deadband=200",
        "[Log]", "SysLog Level=1", "Level=0", "Log Audio=no", "[Devices]"})
    Line(conf, text);
  // Odd blocks hang on serial ports, even ones are reached over the network.
  for (int b = 1; b <= blocks; ++b) {
    std::string line = std::to_string(b - 1) + "=" + std::to_string(b);
    if (b % 2 == 0) line += ",192.168.1." + std::to_string(b);
    Line(conf, line);
    Line(conf, ";Блок " + std::to_string(b));
  }
  for (const char* text : {";0=1,192.168.1.100", "", "[DeviceSettings]", "Flow Control=1", "[Prefixes]", "0=0",
                           "[PollServer]", "Base Port=3000", "[ControlServer]", "Port=4000", "Connection Timeout=15"})
    Line(conf, text);

  std::string voice;
  for (int b = 1; b <= blocks; ++b) {
    Line(voice, "[VoiceDevices:" + std::to_string(b) + "]");
    for (int k = 0; k < units; ++k) Line(voice, std::to_string(k) + "=" + InstallationRecord(b, k));
  }
  conf += "\r\n\r\n" + voice;
  return {Utf8ToCp1251(conf), Utf8ToCp1251(voice), blocks, units};
}

}  // namespace zz::test
