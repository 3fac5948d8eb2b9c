// The prompts seam over the real thing: MessageBoxW, the common file dialogs and our
// input box, owned by the main window.
#pragma once

#include <windows.h>

#include "prompts.h"
#include "system_beeper.h"

namespace zz {

class WinPrompts : public Prompts {
 public:
  void SetOwner(HWND owner) { owner_ = owner; }
  HWND Owner() const { return owner_; }
  // The beep of the input box's refused characters; the system's unless set.
  void SetBeeper(Beeper& beeper) { beeper_ = &beeper; }
  // Where the file dialogs open when their file name names no folder: the program's own,
  // where its files are, rather than wherever the process was started from.
  void SetInitialDir(const std::string& dir) { initialDir_ = dir; }

  MessageAnswer Show(const MessageSpec& message) override;
  void ShowError(const std::string& message) override;
  std::optional<std::string> OpenFile(const FileDialogSpec& dialog) override;
  std::optional<std::string> SaveFile(const FileDialogSpec& dialog) override;
  std::optional<std::string> InputBox(const std::string& caption, const std::string& prompt,
                                      const std::string& value) override;

 private:
  std::optional<std::string> FileDialog(const FileDialogSpec& dialog, bool save);
  HWND owner_ = nullptr;
  std::string initialDir_;
  SystemBeeper systemBeeper_;
  Beeper* beeper_ = &systemBeeper_;
};

// The flags of MessageBoxW for a message.
UINT MessageBoxFlags(const MessageSpec& message);

}  // namespace zz
