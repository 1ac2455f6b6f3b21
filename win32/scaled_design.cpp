#include "win32/scaled_design.h"

PixelRect scaledClient(const WindowDesign& window, int dpi) {
  return scaledRect(window.clientPixels(), dpi);
}

PixelRect scaledControl(const ControlDesign& control, int dpi) {
  return scaledRect(control.pixels(), dpi);
}
