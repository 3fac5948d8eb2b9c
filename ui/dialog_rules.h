// Where a dialog opens and what a file dialog hands back: plain rules of the window toolkit.
#pragma once

#include <string>

namespace zz {

// A window of the given size centred on the rectangle `over`, then moved as little as needed
// to lie within `area` (the work area of the screen); a window larger than the area keeps
// its top left corner in it.
struct Box {
  int left = 0, top = 0, width = 0, height = 0;
};
Box CentreWithin(const Box& over, int width, int height, const Box& area);

// A chosen file name without an extension gets the dialog's default one, as the file dialogs
// of Windows add it (some systems' dialogs leave that to the program).
std::string WithDefaultExtension(const std::string& path, const std::string& extension);

}  // namespace zz
