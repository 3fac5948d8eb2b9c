// The hints of disabled controls. A disabled window gets no mouse input, so its own hint
// never shows; its page watches the pointer instead while such a control is disabled, and
// shows the hint as a hint would show: after the pointer has rested on the control, for as
// long as the hints stay up.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "controls.h"

namespace zz {

class DisabledHints {
 public:
  DisabledHints(HWND page, const ui::Tooltip& tips, int autoPopMs) : page_(page), tips_(tips), autoPopMs_(autoPopMs) {}

  void Add(HWND control, const std::string& text);
  void SetText(HWND control, const std::string& text);
  // Watches the pointer while one of the controls is shown and disabled; call after
  // enabling, disabling, showing or hiding one.
  void Sync();
  // The page's timer: true when it was this watcher's.
  bool OnTimer(UINT_PTR id);

  static constexpr UINT_PTR kTimerId = 0x4849;

 private:
  struct Watched {
    HWND control;
    std::string text;
  };
  const Watched* Under(POINT screen) const;
  void Hide();

  HWND page_;
  ui::Tooltip tips_;
  int autoPopMs_;
  std::vector<Watched> watched_;
  bool timerOn_ = false;
  HWND resting_ = nullptr;  // the control the pointer rests on
  int restedMs_ = 0;
  bool shown_ = false;
};

}  // namespace zz
