#pragma once

#include <windows.h>

// A function of a library that comes with Windows, loaded when the game first needs it rather
// than with the program: each library loaded at start-up, with those it brings in, delays the
// first window. Null when the library or the function is missing. The library stays loaded, as
// an imported one would.
template <typename Function>
Function systemLibraryFunction(const wchar_t* library, const char* name) {
  // Named alone, as the loader looks up an imported library, so that the program's manifest
  // still decides which side-by-side version of it is loaded.
  const HMODULE module = LoadLibraryW(library);
  if (!module) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}
