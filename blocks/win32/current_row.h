// The current row of a list view standing in for a string grid: the focused item, or the
// first selected one; -1 for none.
#pragma once

#include "ui/controls.h"

namespace zz {

inline int CurrentRow(const ui::ListView& list) {
  int focused = static_cast<int>(list.Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
  if (focused >= 0 && (list.Send(LVM_GETITEMSTATE, static_cast<WPARAM>(focused), LVIS_SELECTED) & LVIS_SELECTED))
    return focused;
  return list.Selected();
}

}  // namespace zz
