#include "web/page_fonts.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr double kPixelsPerPoint = 96.0 / 72.0;

double points(FontRole role) {
  switch (role) {
    case FontRole::Default:
      return 8.0;
    case FontRole::Number:
      return 13.5;
    case FontRole::Location:
      return 6.75;
  }
  return 8.0;
}

}  // namespace

std::string pageFont(FontRole role, double pixelsPerDesignPixel) {
  const double pixels = std::round(points(role) * kPixelsPerPoint) * pixelsPerDesignPixel;
  const char* faces = role == FontRole::Location
                          ? "\"MS Serif\", \"Zundabar Sans\", serif"
                          : "\"MS Sans Serif\", \"Microsoft Sans Serif\", \"Zundabar Sans\"";
  char font[128];
  std::snprintf(font, sizeof font, "%.3fpx %s", pixels, faces);
  return font;
}

bool pageFontUnderlined(FontRole role) { return role == FontRole::Number; }
