#include "win32/scaled_design.h"

#include <cmath>

#include "design/main_window_design.h"

PixelRect scaledClient(const WindowDesign& window, int dpi) {
  return scaledRect(window.clientPixels(), dpi);
}

PixelRect scaledControl(const ControlDesign& control, int dpi) {
  return scaledRect(control.pixels(), dpi);
}

int playfieldUnitsToPixelsX(double units, int dpi) {
  return scaledPixels(static_cast<int>(std::lround(units * playfieldPixelsPerUnitX())), dpi);
}

int playfieldUnitsToPixelsY(double units, int dpi) {
  return scaledPixels(static_cast<int>(std::lround(units * playfieldPixelsPerUnitY())), dpi);
}
