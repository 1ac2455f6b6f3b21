#include "web/page_fonts.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "design/caption_fit.h"
#include "design/resolution.h"
#include "web/page.h"

namespace {

// The largest whole size that "%.4g" writes as its digits.
constexpr double kLargestPlainPixels = 9999;

std::string cssFontOf(const FaceDesign& face, FontRole role, double pixels) {
  // A whole number of pixels, as the canvas's fonts have, is written as "%.4g" writes it but
  // without printf, whose code the first frame would otherwise wait to compile.
  std::string size;
  if (pixels == std::floor(pixels) && pixels >= 0 && pixels <= kLargestPlainPixels) {
    size = std::to_string(static_cast<int>(pixels)) + "px";
  } else {
    char written[32];
    std::snprintf(written, sizeof written, "%.4gpx", pixels);
    size = written;
  }
  const char* generic = fontDesign(role).serif ? "serif" : "sans-serif";
  return size + " \"" + std::string(face.family) + "\", " + generic;
}

FontMeasure pageMeasure(const std::string& font) {
  double metrics[2] = {};
  pageFontMetrics(font.c_str(), metrics);
  const int ascent = static_cast<int>(std::ceil(metrics[0]));
  return {.width =
              [font](std::string_view text) {
                return static_cast<int>(
                    std::ceil(pageTextWidth(std::string(text).c_str(), font.c_str())));
              },
          .ascent = ascent,
          .lineHeight = ascent + static_cast<int>(std::ceil(metrics[1]))};
}

}  // namespace

const PageFonts::Chosen& PageFonts::chosen(FontRole role, int scale) {
  const auto key = std::make_pair(role, scale);
  const auto found = chosen_.find(key);
  if (found != chosen_.end()) return found->second;
  const int dpi = kDesignDpi * scale;
  const FaceDesign& face = chosenFace(role, dpi, [](const FaceDesign& f) {
    return f.kind == FaceKind::Embedded || pageHasFace(std::string(f.family).c_str()) != 0;
  });
  const double points = fittedPoints(role, face, dpi, [&](double p) {
    return pageMeasure(cssFontOf(face, role, fontPixels(p, dpi)));
  });
  Chosen made{&face, fontPixels(points, dpi), {}};
  made.canvas = cssFontOf(face, role, made.pixels);
  return chosen_.emplace(key, std::move(made)).first->second;
}

const std::string& PageFonts::canvasFont(FontRole role, int scale) {
  return chosen(role, scale).canvas;
}

std::string PageFonts::cssFont(FontRole role, int scale, double devicePixelRatio) {
  const Chosen& made = chosen(role, scale);
  return cssFontOf(*made.face, role, made.pixels / devicePixelRatio);
}

std::string firstPageFont() {
  const FontDesign& design = fontDesign(FontRole::Default);
  for (const FaceDesign& face : design.faces) {
    if (face.kind == FaceKind::Embedded) {
      return cssFontOf(face, FontRole::Default, fontPixels(design.points, kDesignDpi));
    }
  }
  return cssFontOf(design.faces.front(), FontRole::Default, fontPixels(design.points, kDesignDpi));
}
