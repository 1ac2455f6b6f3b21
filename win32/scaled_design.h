#pragma once

#include "design/resolution.h"
#include "design/window_design.h"

// The designs laid out at a window's resolution (design/resolution.h scales the rectangles).

// The window's client size at the given resolution, and where its client area goes on the
// screen (0, 0 without a designed place).
PixelRect scaledClient(const WindowDesign& window, int dpi);

// A control's rectangle in its container's client area: the window's, or for a label on the
// playfield the playfield's inner area, where the playfield draws it itself.
PixelRect scaledControl(const ControlDesign& control, int dpi);
