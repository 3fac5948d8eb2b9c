// A function of a system library loaded when first called. The file dialogs and the shell
// bring many libraries with them; loading them at start would slow every start of the
// program for functions most runs never call.
#pragma once

#include <windows.h>

namespace zz::ui {

template <class Function>
Function LibraryFunction(const wchar_t* library, const char* name) {
  HMODULE module = LoadLibraryW(library);  // stays loaded: the pointer must stay valid
  return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

}  // namespace zz::ui
