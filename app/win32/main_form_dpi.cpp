// The main window on a monitor of another DPI, and the smallest size it may take there.
#include <algorithm>

#include "main_form.h"

namespace zz {

void TMainForm::OnDpiChanged(int dpi, const RECT& suggested) {
  if (dpi == context_.scale.Dpi()) return;
  const ui::Scale scale(dpi);
  auto fonts = std::make_unique<ui::FontSet>(dpi);
  context_.scale = scale;
  context_.fonts = fonts.get();  // the controls take the new fonts before the old ones go
  panel1_.Rescale(scale, *fonts);
  for (Page* page : Pages()) page->Rescale();
  status_.SetFont(fonts->Regular());
  status_.SetParts(StatusParts());
  fonts_ = std::move(fonts);
  menu_.Rescale(scale);
  SetWindowPos(hwnd(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  Layout();
  RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

POINT TMainForm::MinimumSize() const {
  // The design's minimum, but never more than the screen holds: on a small screen (or a
  // large scale) the whole window must still fit.
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(hwnd(), MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& work = monitor.rcWork;
  return {std::min<LONG>(context_.scale(kMinWidth), work.right - work.left),
          std::min<LONG>(context_.scale(kMinHeight), work.bottom - work.top)};
}

}  // namespace zz
