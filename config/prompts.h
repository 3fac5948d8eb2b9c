// The prompts seam: message boxes and the general error handler. The windows show real
// message boxes; tests answer from a script.
#pragma once

#include <optional>
#include <string>

namespace zz {

enum class MessageIcon { kNone, kWarning, kQuestion, kError };  // the exclamation icon is the warning icon
enum class MessageButtons { kOk, kYesNo, kYesNoDefaultNo };  // the last for a question whose Yes loses something
enum class MessageAnswer { kOk, kYes, kNo };

struct MessageSpec {
  std::string text;
  std::string caption;  // empty: the program's title, as for a plain message
  MessageIcon icon = MessageIcon::kNone;
  MessageButtons buttons = MessageButtons::kOk;
};

inline bool operator==(const MessageSpec& a, const MessageSpec& b) {
  return a.text == b.text && a.caption == b.caption && a.icon == b.icon && a.buttons == b.buttons;
}

// A file-open or file-save dialog. The filter is written as pairs "description|mask|...".
struct FileDialogSpec {
  std::string fileName;  // the initial file name
  std::string filter;
  std::string defaultExt;
  bool hideReadOnly = false;
  bool noChangeDir = false;
  bool resizable = false;
  bool overwritePrompt = false;
  bool fileMustExist = false;
};

inline bool operator==(const FileDialogSpec& a, const FileDialogSpec& b) {
  return a.fileName == b.fileName && a.filter == b.filter && a.defaultExt == b.defaultExt &&
         a.hideReadOnly == b.hideReadOnly && a.noChangeDir == b.noChangeDir && a.resizable == b.resizable &&
         a.overwritePrompt == b.overwritePrompt && a.fileMustExist == b.fileMustExist;
}

class Prompts {
 public:
  virtual ~Prompts() = default;
  virtual MessageAnswer Show(const MessageSpec& message) = 0;
  // The general error handler: an error box with the error's message; the program goes on.
  virtual void ShowError(const std::string& message) = 0;
  // The chosen full path, or nothing when the user cancels.
  virtual std::optional<std::string> OpenFile(const FileDialogSpec& dialog) = 0;
  virtual std::optional<std::string> SaveFile(const FileDialogSpec& dialog) = 0;
  // An input box: the entered text, or nothing when the user cancels.
  virtual std::optional<std::string> InputBox(const std::string& caption, const std::string& prompt,
                                              const std::string& value) = 0;
};

// Prompts nobody sees: every message answered OK, every dialog cancelled. For loading a file
// only to look at it.
class SilentPrompts : public Prompts {
 public:
  MessageAnswer Show(const MessageSpec&) override { return MessageAnswer::kOk; }
  void ShowError(const std::string&) override {}
  std::optional<std::string> OpenFile(const FileDialogSpec&) override { return std::nullopt; }
  std::optional<std::string> SaveFile(const FileDialogSpec&) override { return std::nullopt; }
  std::optional<std::string> InputBox(const std::string&, const std::string&, const std::string&) override {
    return std::nullopt;
  }
};

inline MessageSpec PlainMessage(const std::string& text) { return {text, "", MessageIcon::kNone, MessageButtons::kOk}; }

}  // namespace zz
