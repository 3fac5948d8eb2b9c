// The system's default beep, for the key filters.
#pragma once

#include <windows.h>

#include "key_filters.h"

namespace zz {

class SystemBeeper : public Beeper {
 public:
  void Beep() override { MessageBeep(MB_OK); }
};

}  // namespace zz
