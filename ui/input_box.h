// The input box: a caption, a prompt, one line of text, OK and Cancel.
#pragma once

#include <optional>
#include <string>

#include "dialog.h"
#include "key_filters.h"

namespace zz {

class InputBoxDialog : public ui::Dialog {
 public:
  explicit InputBoxDialog(Beeper& beeper) : beeper_(beeper) {}

  // The entered text, or nothing when the user cancels.
  std::optional<std::string> Run(HWND owner, const std::string& caption, const std::string& prompt,
                                 const std::string& value);

  static constexpr int kEditId = 100;

 protected:
  void OnInit() override;
  void OnOK() override;

 private:
  Beeper& beeper_;
  std::string caption_, prompt_, value_;
};

}  // namespace zz
