#pragma once

#include "design/scaled_pixels.h"
#include "design/window_design.h"

// The window's client size at the given resolution, and where its client area goes on the
// screen (0, 0 without a designed place).
PixelRect scaledClient(const WindowDesign& window, int dpi);

// A control's rectangle in its container's client area: the window's, or for a label on the
// playfield the playfield's inner area, where the playfield draws it itself.
PixelRect scaledControl(const ControlDesign& control, int dpi);

// The height a font of that size is created with (negative: the character height, without the
// leading), at the given resolution.
int fontHeightForDpi(double points, int dpi);

// The points of each of the designed fonts.
double fontPoints(FontRole role);
