// The prompts seam over the real thing: MessageBoxW, the common file dialogs and our
// input box, over the main window or over a dialog of it.
#pragma once

#include <windows.h>

#include <functional>
#include <utility>

#include "prompts.h"
#include "system_beeper.h"

namespace zz {

class WinPrompts : public Prompts {
 public:
  // The main window, once it exists: the prompts are modal to it.
  void SetOwner(HWND owner) { owner_ = owner; }
  // The beep of the input box's refused characters; the system's unless set.
  void SetBeeper(Beeper& beeper) { beeper_ = &beeper; }
  // Where the file dialogs open when their file name names no folder: the program's own,
  // where its files are, rather than wherever the process was started from.
  void SetInitialDir(const std::string& dir) { initialDir_ = dir; }

  MessageAnswer Show(const MessageSpec& message) override { return ShowOver(owner_, message); }
  void ShowError(const std::string& message) override { ShowOver(owner_, ErrorMessage(message)); }
  std::optional<std::string> OpenFile(const FileDialogSpec& dialog) override {
    return FileDialogOver(owner_, dialog, false);
  }
  std::optional<std::string> SaveFile(const FileDialogSpec& dialog) override {
    return FileDialogOver(owner_, dialog, true);
  }
  std::optional<std::string> InputBox(const std::string& caption, const std::string& prompt,
                                      const std::string& value) override {
    return InputBoxOver(owner_, caption, prompt, value);
  }

  // Each prompt over the window given, modal to it.
  MessageAnswer ShowOver(HWND owner, const MessageSpec& message);
  virtual std::optional<std::string> FileDialogOver(HWND owner, const FileDialogSpec& dialog, bool save);
  std::optional<std::string> InputBoxOver(HWND owner, const std::string& caption, const std::string& prompt,
                                          const std::string& value);
  // The general error handler's box.
  static MessageSpec ErrorMessage(const std::string& message);

 private:
  HWND owner_ = nullptr;
  std::string initialDir_;
  SystemBeeper systemBeeper_;
  Beeper* beeper_ = &systemBeeper_;
};

// The prompts over a dialog while it is open: what they show is modal to the dialog rather
// than to the window behind it.
class DialogPrompts : public Prompts {
 public:
  // `dialog` gives the dialog's window at each prompt: it has one only while it is open.
  DialogPrompts(WinPrompts& prompts, std::function<HWND()> dialog)
      : prompts_(prompts), dialog_(std::move(dialog)) {}

  MessageAnswer Show(const MessageSpec& message) override { return prompts_.ShowOver(dialog_(), message); }
  void ShowError(const std::string& message) override {
    prompts_.ShowOver(dialog_(), WinPrompts::ErrorMessage(message));
  }
  std::optional<std::string> OpenFile(const FileDialogSpec& dialog) override {
    return prompts_.FileDialogOver(dialog_(), dialog, false);
  }
  std::optional<std::string> SaveFile(const FileDialogSpec& dialog) override {
    return prompts_.FileDialogOver(dialog_(), dialog, true);
  }
  std::optional<std::string> InputBox(const std::string& caption, const std::string& prompt,
                                      const std::string& value) override {
    return prompts_.InputBoxOver(dialog_(), caption, prompt, value);
  }

 private:
  WinPrompts& prompts_;
  std::function<HWND()> dialog_;
};

// The flags of MessageBoxW for a message.
UINT MessageBoxFlags(const MessageSpec& message);

}  // namespace zz
