// The prompts seam: message boxes and the general error handler. The windows show real
// message boxes; tests answer from a script.
#pragma once

#include <string>

namespace zz {

enum class MessageIcon { kNone, kWarning, kQuestion, kError };  // the exclamation icon is the warning icon
enum class MessageButtons { kOk, kYesNo };
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

class Prompts {
 public:
  virtual ~Prompts() = default;
  virtual MessageAnswer Show(const MessageSpec& message) = 0;
  // The general error handler: an error box with the error's message; the program goes on.
  virtual void ShowError(const std::string& message) = 0;
};

inline MessageSpec PlainMessage(const std::string& text) { return {text, "", MessageIcon::kNone, MessageButtons::kOk}; }

}  // namespace zz
