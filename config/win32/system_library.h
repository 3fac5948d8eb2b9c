// System libraries from System32 only. The program runs elevated and may be started from a
// folder others can write to (the zip unpacked in Downloads): a DLL of a system library's name
// placed there must never be loaded in the system library's stead.
#pragma once

#include <windows.h>

namespace zz {

// The first call of each entry: every later load of a library, by the program or by a system
// library for it, searches System32 only (the program's own folder and the current folder
// are left out).
inline void LoadLibrariesFromSystem32Only() { SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32); }

// A function of a system library loaded from System32 when first called. The file dialogs and
// the shell bring many libraries with them; loading them at start would slow every start of
// the program for functions most runs never call.
template <class Function>
Function LibraryFunction(const wchar_t* library, const char* name) {
  // Stays loaded: the pointer must stay valid.
  HMODULE module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

}  // namespace zz
