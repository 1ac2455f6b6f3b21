#include "win32/scaled_design.h"

#include <cmath>

#include "design/main_window_design.h"

namespace {

constexpr double kDefaultFontPoints = 8.0;
constexpr double kNumberFontPoints = 13.5;
constexpr double kLocationFontPoints = 6.75;
constexpr int kPointsPerInch = 72;

}  // namespace

int scaledPixels(int designPixels, int dpi) {
  // Halves round away from zero on both sides of the origin, so a rectangle keeps its size.
  const long long scaled = static_cast<long long>(designPixels) * dpi;
  const long long half = kDesignDpi / 2;
  return static_cast<int>(scaled >= 0 ? (scaled + half) / kDesignDpi
                                      : -((-scaled + half) / kDesignDpi));
}

PixelRect scaledRect(PixelRect r, int dpi) {
  const int left = scaledPixels(r.x, dpi);
  const int top = scaledPixels(r.y, dpi);
  return {left, top, scaledPixels(r.x + r.width, dpi) - left,
          scaledPixels(r.y + r.height, dpi) - top};
}

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

int fontHeightForDpi(double points, int dpi) {
  return -static_cast<int>(std::lround(points * dpi / kPointsPerInch));
}

double fontPoints(FontRole role) {
  switch (role) {
    case FontRole::Default:
      return kDefaultFontPoints;
    case FontRole::Number:
      return kNumberFontPoints;
    case FontRole::Location:
      return kLocationFontPoints;
  }
  return kDefaultFontPoints;
}
