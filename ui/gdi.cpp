#include "gdi.h"

namespace zz::ui {

Font MakeFont(const wchar_t* face, int pixelHeight, bool bold) {
  return Font(CreateFontW(pixelHeight, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                          face));
}

}  // namespace zz::ui
