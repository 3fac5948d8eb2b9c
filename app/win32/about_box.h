// TFormAbout, "О программе": the program's name and version, and where its files are, the
// first thing an administrator is asked about. The paths stand in read-only fields, so that
// they can be selected and copied.
#pragma once

#include <string>

#include "ui/dialog.h"

namespace zz {

class TFormAbout : public ui::Dialog {
 public:
  enum ControlId : int { kName = 301, kVersion, kProgramDir, kConfFile, kVoiceFile, kSettingsFile };
  static constexpr int kClientWidth = 440, kClientHeight = 314;

  // The full paths shown.
  std::string programDir, confFile, voiceFile, settingsFile;

  void ShowModal(HWND owner);

 protected:
  void OnInit() override;
};

}  // namespace zz
