#pragma once

#include <windows.h>

#include <string>

#include "design/window_design.h"

// A label of the main window as it is shown now. The main window and the playfield draw these
// themselves, so that what the tick paints on the playfield lies over its labels.
struct ShownLabel {
  const ControlDesign* design = nullptr;
  std::wstring caption;
  COLORREF back = 0;
  COLORREF fore = 0;
  bool visible = true;
};
