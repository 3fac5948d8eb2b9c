// Meets the modal dialogs of this process as real windows: a thread finds each new #32770
// dialog, records its caption, text and icon, and presses the button the test scripted.
#pragma once

#include <windows.h>

#include <atomic>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "prompts.h"

namespace zz::test {

struct SeenDialog {
  std::string caption;
  std::string text;  // the message of a message box
  MessageIcon icon = MessageIcon::kNone;
  std::vector<std::string> buttons;
  std::string editText;  // the text an input box offered
};

struct DialogAnswer {
  DialogAnswer(int pressed, std::optional<std::string> typed = std::nullopt,
               std::function<void(HWND dialog)> steps = nullptr)
      : button(pressed), editText(std::move(typed)), act(std::move(steps)) {}

  int button;                          // IDOK, IDYES, IDNO, IDCANCEL
  std::optional<std::string> editText;  // typed into the dialog's edit before pressing
  // Runs on the watcher's thread before the button is pressed: a form of ours is filled in
  // here, and the dialogs it opens in turn are met here too.
  std::function<void(HWND dialog)> act;
};

class DialogWatcher {
 public:
  DialogWatcher();
  ~DialogWatcher();
  DialogWatcher(const DialogWatcher&) = delete;
  DialogWatcher& operator=(const DialogWatcher&) = delete;

  // The answers in order; a dialog beyond the script gets OK, or Cancel/No when it has no OK.
  void Script(std::vector<DialogAnswer> answers);
  std::vector<SeenDialog> Seen() const;
  void Forget();

 private:
  void Run();
  void Handle(HWND dialog);

  mutable std::mutex mutex_;
  std::deque<DialogAnswer> script_;
  std::vector<SeenDialog> seen_;
  std::set<HWND> handled_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

std::ostream& operator<<(std::ostream& out, const SeenDialog& d);

// What a dialog shows: caption, message, icon, buttons and the text of its edit.
SeenDialog DescribeDialog(HWND dialog);

// Processes the window messages of this thread for a while. A filter, when set, sees each
// message first, as the program's message loop lets its main window (keyboard navigation).
void Pump(int milliseconds);
void SetPumpFilter(std::function<bool(MSG&)> filter);
// Processes messages until the condition holds or the time is up; the condition's result.
template <class Condition>
bool PumpUntil(Condition condition, int milliseconds = 10000) {
  DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
  while (!condition()) {
    if (static_cast<LONG>(GetTickCount() - end) >= 0) return false;
    Pump(10);
  }
  return true;
}

}  // namespace zz::test
