// Owning wrapper of a service control manager handle (the manager or one service).
#pragma once

#include <windows.h>
#include <winsvc.h>

#include "win32/unique_handle.h"

namespace zz {

struct ScHandleTraits {
  static SC_HANDLE Adopt(SC_HANDLE h) { return h; }
  static void Close(SC_HANDLE h) { CloseServiceHandle(h); }
};

using ScHandle = UniqueHandle<SC_HANDLE, ScHandleTraits>;

}  // namespace zz
