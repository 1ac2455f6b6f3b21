#pragma once

#include <map>
#include <string>
#include <utility>

#include "design/font_design.h"
#include "design/window_design.h"

// The designed fonts as the page draws them, from the shared font table: the first face of each
// role the browser has (our own face, served with the page, at the end), at the size that shows
// every designed caption whole. Text is drawn at a whole number of device pixels per design
// pixel, the scale; chosen and measured once for each scale.
class PageFonts {
 public:
  // A CSS font for the canvas, whose pixels are device pixels.
  const std::string& canvasFont(FontRole role, int scale);
  // The same font for the page's own elements, in CSS pixels.
  std::string cssFont(FontRole role, int scale, double devicePixelRatio);
  static bool underlined(FontRole role) { return fontDesign(role).underline; }

 private:
  struct Chosen {
    const FaceDesign* face = nullptr;
    int pixels = 0;
    std::string canvas;
  };
  const Chosen& chosen(FontRole role, int scale);

  std::map<std::pair<FontRole, int>, Chosen> chosen_;
};

// The designed font at the design's resolution, before any face is measured: the font the page
// waits for before its first frame.
std::string firstPageFont();
