// Owning wrapper of a kernel HANDLE (files, threads): closed once, never copied.
#pragma once

#include <windows.h>

#include "unique_handle.h"

namespace zz {

struct KernelHandleTraits {
  // Some functions report failure with INVALID_HANDLE_VALUE, others with null.
  static HANDLE Adopt(HANDLE h) { return h == INVALID_HANDLE_VALUE ? nullptr : h; }
  static void Close(HANDLE h) { CloseHandle(h); }
};

using Handle = UniqueHandle<HANDLE, KernelHandleTraits>;

}  // namespace zz
