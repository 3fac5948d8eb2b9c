// The prompts seam over the real thing: MessageBoxW, the common file dialogs and our
// input box, owned by the main window.
#pragma once

#include <windows.h>

#include "prompts.h"

namespace zz {

class WinPrompts : public Prompts {
 public:
  void SetOwner(HWND owner) { owner_ = owner; }
  HWND Owner() const { return owner_; }

  MessageAnswer Show(const MessageSpec& message) override;
  void ShowError(const std::string& message) override;
  std::optional<std::string> OpenFile(const FileDialogSpec& dialog) override;
  std::optional<std::string> SaveFile(const FileDialogSpec& dialog) override;
  std::optional<std::string> InputBox(const std::string& caption, const std::string& prompt,
                                      const std::string& value) override;

 private:
  std::optional<std::string> FileDialog(const FileDialogSpec& dialog, bool save);
  HWND owner_ = nullptr;
};

// The flags of MessageBoxW for a message.
UINT MessageBoxFlags(const MessageSpec& message);

}  // namespace zz
