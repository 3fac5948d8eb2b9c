#include "disabled_hints.h"

namespace zz {

namespace {

constexpr UINT kTickMs = 100;
constexpr int kInitialDelayMs = 500;  // as the hints of enabled controls

}  // namespace

void DisabledHints::Add(HWND control, const std::string& text) {
  watched_.push_back({control, text});
  tips_.AddTracked(page_, static_cast<UINT_PTR>(GetDlgCtrlID(control)), text);
}

void DisabledHints::SetText(HWND control, const std::string& text) {
  for (Watched& w : watched_) {
    if (w.control != control) continue;
    w.text = text;
    tips_.SetTrackedText(page_, static_cast<UINT_PTR>(GetDlgCtrlID(control)), text);
  }
}

void DisabledHints::Sync() {
  // Its own style, not whether it shows: the page may be hidden now and shown later.
  bool wanted = false;
  for (const Watched& w : watched_)
    wanted = wanted || ((GetWindowLongPtrW(w.control, GWL_STYLE) & WS_VISIBLE) && !IsWindowEnabled(w.control));
  if (wanted && !timerOn_) SetTimer(page_, kTimerId, kTickMs, nullptr);
  if (!wanted && timerOn_) {
    KillTimer(page_, kTimerId);
    Hide();
  }
  timerOn_ = wanted;
}

const DisabledHints::Watched* DisabledHints::Under(POINT screen) const {
  if (!IsWindowVisible(page_)) return nullptr;
  // Nothing else may lie over the place: another window or a message box takes the pointer.
  HWND top = WindowFromPoint(screen);
  for (const Watched& w : watched_) {
    if (!IsWindowVisible(w.control) || IsWindowEnabled(w.control)) continue;
    RECT r{};
    GetWindowRect(w.control, &r);
    if (PtInRect(&r, screen) && (top == w.control || top == page_)) return &w;
  }
  return nullptr;
}

void DisabledHints::Hide() {
  if (shown_ && resting_) tips_.HideTracked(page_, static_cast<UINT_PTR>(GetDlgCtrlID(resting_)));
  shown_ = false;
}

bool DisabledHints::OnTimer(UINT_PTR id) {
  if (id != kTimerId) return false;
  POINT at{};
  GetCursorPos(&at);
  const Watched* w = Under(at);
  HWND control = w ? w->control : nullptr;
  if (control != resting_) {
    Hide();
    resting_ = control;
    restedMs_ = 0;
    return true;
  }
  if (!control) return true;
  restedMs_ += static_cast<int>(kTickMs);
  if (!shown_ && restedMs_ >= kInitialDelayMs && restedMs_ < kInitialDelayMs + autoPopMs_) {
    // Below the pointer, as the hints of enabled controls show.
    tips_.ShowTracked(page_, static_cast<UINT_PTR>(GetDlgCtrlID(control)),
                      {at.x, at.y + GetSystemMetrics(SM_CYCURSOR) / 2});
    shown_ = true;
  } else if (shown_ && restedMs_ >= kInitialDelayMs + autoPopMs_) {
    Hide();
  }
  return true;
}

}  // namespace zz
