// The "По умолчанию" buttons of the pages: each sets the fields of its own page only.
#pragma once

#include "editor.h"

namespace zz {

void ButtonDefaultNetworkClick(Editor& editor, bool& modified);
void ButtonDefaultAudioClick(Editor& editor, bool& modified);
// The logs defaults leave the modified flag as it is.
void ButtonDefaultAddClick(Editor& editor);
void Button1DefClick(Editor& editor, bool& modified);

}  // namespace zz
