#pragma once

#include "design/window_design.h"

// The designs are made at 96 dots per inch; a window on a denser screen lays them out at its own
// resolution. Rectangles are scaled by their edges, so that controls which touch at 96 dpi still
// touch, and a rectangle's size never drifts with its place.

constexpr int kDesignDpi = 96;

// A length or coordinate at 96 dpi, at the given resolution, rounded to the nearest pixel.
int scaledPixels(int designPixels, int dpi);
PixelRect scaledRect(PixelRect designRect, int dpi);

// The window's client size at the given resolution, and where its client area goes on the
// screen (0, 0 without a designed place).
PixelRect scaledClient(const WindowDesign& window, int dpi);

// A control's rectangle in its container's client area: the window's, or for a label on the
// playfield the playfield's inner area, where the playfield draws it itself.
PixelRect scaledControl(const ControlDesign& control, int dpi);

// A point in playfield units as a pixel of the playfield's inner area: first to the nearest
// pixel at 96 dpi, as the game was designed, then scaled.
int playfieldUnitsToPixelsX(double units, int dpi);
int playfieldUnitsToPixelsY(double units, int dpi);

// The height a font of that size is created with (negative: the character height, without the
// leading), at the given resolution.
int fontHeightForDpi(double points, int dpi);

// The points of each of the designed fonts.
double fontPoints(FontRole role);
