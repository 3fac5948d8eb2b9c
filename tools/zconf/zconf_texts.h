// Every text of zconf: the help of each command and the messages of the command line.
// Messages of the core (the record dialog's checks, the load's errors) come from the core.
#pragma once

#include <array>
#include <string>

namespace zz::zconf {

struct CommandHelp {
  const char* name;
  const char* synopsis;  // after "zconf "
  const char* text;
};

inline constexpr std::array<CommandHelp, 17> kCommandHelp{{
    {"get", "get FILE [KEY] [--json]",
     "Prints the value the program would write for KEY after loading FILE. KEY is Section/Key as\n"
     "the file names it, in any letter case (Network/Listener Port). Without KEY, all 26 keys,\n"
     "one Section/Key=value a line, in the order the program writes them.\n"},
    {"set", "set FILE KEY=VALUE...",
     "Gives each key its value through the rules of the window's field and writes FILE back as\n"
     "the program saves it, keeping its VoiceDevices: sections. Yes/no keys take yes or no;\n"
     "Audio/Max Calls -1 to 10; Audio/TxBuffer and SilenceDetection/Threshold 0 to 1000;\n"
     "SilenceDetection/Signal Deadband and Silence Deadband 0 to 5000; Log/SysLog Level and\n"
     "Log/Level 0 to 5; DeviceSettings/Flow Control 3 or 1; the ports and Connection Timeout\n"
     "digits only; Network/Listener Interface digits and full stops. An empty value removes the\n"
     "key from the file. A refused value leaves FILE as it was.\n"},
    {"check", "check FILE [--json]",
     "Reports what would make the gateway misread or reject FILE, one finding a line as\n"
     "FILE:LINE: error|warning: text. Exit 0 without errors, 1 with errors, 2 when FILE cannot\n"
     "be read.\n"},
    {"blocks", "blocks FILE [--json]", "Lists the controller blocks of FILE: N|type|port|IP|comment.\n"},
    {"block-add", "block-add FILE --type ТРЛ-М|ТРЛ-МЕ --port N [--ip ADDR] [--comment TEXT]",
     "Adds a block at the end of the list, as the block page does: port 1 to 255, an IPv4\n"
     "address for ТРЛ-МЕ (TRL-M and TRL-ME are taken too), \"Новый блок\" for an empty comment.\n"},
    {"block-set", "block-set FILE N [--type T] [--port N] [--ip ADDR] [--comment TEXT]",
     "Changes block N; what is not given stays. A block that becomes ТРЛ-М loses its address.\n"},
    {"block-remove", "block-remove FILE N",
     "Removes block N: its VoiceDevices: section is erased and those of the later blocks are\n"
     "renumbered. The last remaining block is never removed, as on the block page.\n"},
    {"units", "units FILE N [--json]",
     "Lists the intercom units of block N: type name|address|name|host. FILE is a configuration\n"
     "file, or a voice.ini (a file with no section other than VoiceDevices: ones).\n"},
    {"unit-add", "unit-add FILE N --type PVK|MSD|TRLZN --address A --host H [--name NAME]",
     "Adds an intercom unit to block N with the checks of the record dialog: address 1 to 255\n"
     "and not yet used in the block, a host, no comma in the name.\n"},
    {"unit-remove", "unit-remove FILE N K", "Removes unit K (as numbered by units) of block N.\n"},
    {"dump", "dump FILE [--json]", "Prints the window's fields after loading FILE, one line each.\n"},
    {"save", "save IN OUT [VOICE]",
     "Loads IN and writes OUT as the program saves zidezir.conf, with VOICE appended.\n"},
    {"voice-rebuild", "voice-rebuild CONF VOICE", "Rebuilds VOICE from the VoiceDevices: sections of CONF.\n"},
    {"remove-block", "remove-block VOICE N",
     "Removes block N's section from VOICE and renumbers the later ones.\n"},
    {"service", "service status|start|stop|restart|start-type auto|manual|disabled [--wait SECONDS]",
     "Windows only: controls the gateway service \"VELTO Gateway\". start, stop and restart wait\n"
     "(30 seconds unless --wait says otherwise) until the service reaches its state and exit 0\n"
     "only when it did; restart stops, waits for the stopped state, then starts. status prints\n"
     "state=WORD and start-type=WORD. --name NAME targets another service (for tests and support).\n"},
    {"help", "help [COMMAND]", "Describes every command, or one.\n"},
    {"--version", "--version", "Prints the version.\n"},
}};

inline constexpr const char* kHelpFooter =
    "Surrounding blanks of values are dropped. Messages go to standard error, results to\n"
    "standard output. Exit codes: 0 success; 1 findings, or a service that did not reach its\n"
    "state; 2 usage or input errors (nothing is written then).\n";

// Messages, without the "zconf: " in front.
inline std::string UnknownCommand(const std::string& c) { return "unknown command '" + c + "'"; }
inline std::string UnknownOption(const std::string& o) { return "unknown option '--" + o + "'"; }
inline std::string MissingOptionValue(const std::string& o) { return "option '--" + o + "' needs a value"; }
inline std::string RepeatedOption(const std::string& o) { return "option '--" + o + "' given twice"; }
inline std::string MissingOption(const std::string& o) { return "option '--" + o + "' is required"; }
inline std::string NoJson(const std::string& c) { return "'" + c + "' has no --json output"; }
inline std::string CannotRead(const std::string& path) { return "cannot read " + path; }
inline std::string CannotWrite(const std::string& path) { return "cannot write " + path; }
inline std::string FileLocked(const std::string& path) {
  return path + " is open in another program; close it and try again";
}
inline std::string CannotPrepareVoice() { return "cannot keep the VoiceDevices: sections: no temporary file"; }
inline std::string UnknownKey(const std::string& k) {
  return "unknown key '" + k + "': keys are Section/Key, see 'zconf get FILE'";
}
inline std::string NotAssignment(const std::string& a) { return "'" + a + "' is not KEY=VALUE"; }
inline std::string KeyTwice(const std::string& k) { return k + " is given twice"; }
inline std::string RefusedValue(const std::string& key, const std::string& value, const std::string& accepts) {
  return key + ": '" + value + "' refused; it accepts " + accepts;
}
inline std::string LoadRefused(const std::string& path, int line, const std::string& key, const std::string& value) {
  return path + ":" + std::to_string(line) + ": " + key + "='" + value +
         "' is not a valid integer value and the program would replace it; set " + key + " too, or correct the line";
}
inline std::string NotANumber(const std::string& what, const std::string& text) {
  return what + " '" + text + "' is not a number";
}
inline std::string NoBlock(int n, std::size_t count) {
  return "there is no block " + std::to_string(n) + " (the file has " + std::to_string(count) + ")";
}
inline std::string NoUnit(int k, int n) { return "block " + std::to_string(n) + " has no unit " + std::to_string(k); }
inline std::string LastBlockStays() { return "the last remaining block cannot be removed"; }
inline std::string BadBlockType(const std::string& t) { return "block type '" + t + "' refused; it is ТРЛ-М or ТРЛ-МЕ"; }
inline std::string BadBlockPort(const std::string& p) { return "port '" + p + "' refused; it is 1 to 255"; }
inline std::string IpOnlyForIpBlocks() { return "--ip applies to ТРЛ-МЕ blocks only"; }
inline std::string BadText(const std::string& what) {
  return what + " refused: it must fit Windows-1251 and hold no control characters";
}
inline std::string BadUnitType(const std::string& t) { return "unit type '" + t + "' refused; it is PVK, MSD or TRLZN"; }
inline std::string AddressInUse(const std::string& a, int n) {
  return "address " + a + " is already used in block " + std::to_string(n);
}
inline std::string NeedsNoFile() { return "takes no FILE"; }

// The service.
inline std::string ServiceWindowsOnly() { return "service control is available in the Windows build only"; }
inline std::string BadWait(const std::string& s) { return "--wait '" + s + "' refused; it is 0 to 86400 seconds"; }
inline std::string BadServiceAction(const std::string& a) {
  return "'" + a + "' refused; it is status, start, stop, restart or start-type";
}
inline std::string BadStartType(const std::string& t) { return "start type '" + t + "' refused; it is auto, manual or disabled"; }
inline std::string ServiceAbsent(const std::string& name) { return "service \"" + name + "\" is not installed"; }
inline std::string AccessDenied(const std::string& name) {
  return "access to service \"" + name + "\" denied: run as administrator";
}
inline std::string ServiceDisabled(const std::string& name) {
  return "service \"" + name + "\" is disabled: give it another start type first (zconf service start-type manual)";
}
inline std::string ServiceFailed(const std::string& name, const std::string& what, unsigned long code,
                                 const std::string& reason) {
  return "cannot " + what + " service \"" + name + "\": Windows error " + std::to_string(code) +
         (reason.empty() ? "" : " (" + reason + ")");
}
inline std::string NotReached(const std::string& name, const std::string& target, long long seconds,
                              const std::string& now) {
  return "service \"" + name + "\" did not become " + target + " within " + std::to_string(seconds) +
         " s; it is " + now;
}
inline std::string SettledElsewhere(const std::string& name, const std::string& target, const std::string& now) {
  return "service \"" + name + "\" did not become " + target + "; it is " + now;
}

}  // namespace zz::zconf
