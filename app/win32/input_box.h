// The input box: a caption, a prompt, one line of text, OK and Cancel.
#pragma once

#include <optional>
#include <string>

#include "ui/dialog.h"
#include "ui/gdi.h"

namespace zz {

class InputBoxDialog : public ui::Dialog {
 public:
  // The entered text, or nothing when the user cancels.
  std::optional<std::string> Run(HWND owner, const std::string& caption, const std::string& prompt,
                                 const std::string& value);

  static constexpr int kEditId = 100;

 protected:
  void OnInit() override;
  void OnOK() override;

 private:
  std::string prompt_, value_;
  ui::Font font_;
};

}  // namespace zz
