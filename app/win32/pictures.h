// The program's pictures, drawn by code: navigation buttons, menu items, the run button
// and the trace-file chooser.
#pragma once

#include "ui/picture.h"

namespace zz {

enum class PictureKind {
  kBlocks, kNetwork, kVoice, kLogs, kService, kClose,  // the navigation bar
  kOpenFile, kSaveFile, kExit, kHelpSetup, kHelpManual,  // the menu
  kStart, kStop,                                         // the run button
};

// A square picture of `size` pixels.
ui::Picture DrawPicture(PictureKind kind, int size);

}  // namespace zz
