#include "web/page_label.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "design/word_wrap.h"
#include "web/page.h"

void drawPageLabel(const PageLabel& label, PixelRect place, int scale, PageFonts& fonts) {
  const FontRole role = label.design->font;
  const std::string& font = fonts.canvasFont(role, scale);
  const std::string_view text = label.caption;
  const auto widthOf = [&](std::size_t start, std::size_t length) {
    return static_cast<int>(
        std::ceil(pageTextWidth(std::string(text.substr(start, length)).c_str(), font.c_str())));
  };
  if (label.design->growsWithCaption) {
    place.width = std::max(place.width, widthOf(0, text.size()));
  }
  pageFillRect(place.x, place.y, place.width, place.height, toPageColour(label.back));
  double metrics[2] = {};
  pageFontMetrics(font.c_str(), metrics);
  const double ascent = std::ceil(metrics[0]);
  const double lineHeight = ascent + std::ceil(metrics[1]);
  std::vector<WrappedLine> lines{{0, text.size()}};
  if (label.design->wraps) lines = wrapAtWords(text, place.width, widthOf);
  pageClip(place.x, place.y, place.width, place.height);
  double top = place.y;
  const int underline = PageFonts::underlined(role) ? 1 : 0;
  for (const WrappedLine& line : lines) {
    if (top >= place.y + place.height) break;
    const std::string part(text.substr(line.start, line.length));
    const double baseline = top + ascent;
    pageText(part.c_str(), place.x, baseline, font.c_str(), toPageColour(label.fore), underline,
             static_cast<int>(baseline) + scale, scale);
    top += lineHeight;
  }
  pageUnclip();
}
