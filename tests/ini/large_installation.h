// A large installation, generated: 64 controller blocks with 255 intercom units each, as
// zidezir.conf (in the layout the configurator writes) and voice.ini.
#pragma once

#include <string>

namespace zz::test {

struct Installation {
  std::string conf;   // zidezir.conf, Windows-1251: the configuration, then voice.ini appended
  std::string voice;  // voice.ini, Windows-1251
  int blocks = 0;
  int units = 0;      // per block
};

Installation MakeInstallation(int blocks = 64, int units = 255);

// The record of unit k (0-based) of block b (1-based), as voice.ini holds it.
std::string InstallationRecord(int block, int unit);

}  // namespace zz::test
