#include "win32/scaled_design.h"

#include <cmath>

namespace {

constexpr double kDefaultFontPoints = 8.0;
constexpr double kNumberFontPoints = 13.5;
constexpr double kLocationFontPoints = 6.75;
constexpr int kPointsPerInch = 72;

}  // namespace

PixelRect scaledClient(const WindowDesign& window, int dpi) {
  return scaledRect(window.clientPixels(), dpi);
}

PixelRect scaledControl(const ControlDesign& control, int dpi) {
  return scaledRect(control.pixels(), dpi);
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
