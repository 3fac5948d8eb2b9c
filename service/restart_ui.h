// What the screen does while the service restarts: the window code implements it.
#pragma once

#include <string>

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
  // How the watch after a start goes, while the window is the user's; an empty text ends it.
  virtual void ShowWatch(const std::string& /*text*/) {}
};

// The screen's restart state for one scope, given back also when pumping throws.
class RestartScreen {
 public:
  explicit RestartScreen(RestartUi& ui) : ui_(ui) {
    ui_.ShowProgress();
    ui_.BeginWaitCursor();
    ui_.DisableInput();
  }
  ~RestartScreen() {
    ui_.EnableInput();
    ui_.EndWaitCursor();
    ui_.CloseProgress();
  }
  RestartScreen(const RestartScreen&) = delete;
  RestartScreen& operator=(const RestartScreen&) = delete;

 private:
  RestartUi& ui_;
};

}  // namespace zz
