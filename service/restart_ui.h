// What the screen does while the service restarts: the window code implements it.
#pragma once

namespace zz {

class RestartUi {
 public:
  virtual ~RestartUi() = default;
  virtual void ShowProgress() = 0;     // the progress window, not modal
  virtual void CloseProgress() = 0;
  virtual void BeginWaitCursor() = 0;  // remembers the cursor and shows the hourglass
  virtual void EndWaitCursor() = 0;    // brings the remembered cursor back
  virtual void DisableInput() = 0;     // the main window takes no input meanwhile
  virtual void EnableInput() = 0;
  virtual void PumpMessages() = 0;     // processes every pending window message
};

}  // namespace zz
