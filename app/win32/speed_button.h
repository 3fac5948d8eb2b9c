// The look of our picture buttons (owner-drawn): a picture above an optional caption,
// flat or raised, sunken while pressed, greyed while disabled, with the focus rectangle while
// focused.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "ui/picture.h"

namespace zz {

using BackgroundPainter = std::function<void(HDC dc, const RECT& r)>;

void DrawSpeedButton(const DRAWITEMSTRUCT& item, const ui::Picture& picture, const std::string& caption,
                     HFONT font, COLORREF textColour, bool flat, const BackgroundPainter& background = {});

}  // namespace zz
