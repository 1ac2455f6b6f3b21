#include "win32/common_controls.h"

#include <windows.h>
// After windows.h, which it builds on.
#include <commctrl.h>

#include "win32/system_library.h"

namespace {

bool registerCommonControls() {
  const auto initCommonControls = systemLibraryFunction<decltype(&InitCommonControlsEx)>(
      L"comctl32.dll", "InitCommonControlsEx");
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
  return initCommonControls && initCommonControls(&controls);
}

}  // namespace

bool useCommonControls() {
  // Once: the classes stay registered until the program ends.
  static const bool registered = registerCommonControls();
  return registered;
}
