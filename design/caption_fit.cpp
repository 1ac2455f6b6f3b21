#include "design/caption_fit.h"

#include "design/about_window_design.h"
#include "design/main_window_design.h"
#include "design/options_window_design.h"
#include "design/resolution.h"
#include "design/word_wrap.h"

namespace {

constexpr int kPointsPerInch = 72;
// A stand-in drawn any smaller would be harder to read than a caption cut short.
constexpr double kSmallestFittedShare = 0.75;

bool isBlankOrLineBreak(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

bool allShowWhole(FontRole role, int dpi, const FontMeasure& measure) {
  for (const ControlDesign* c : captionsDrawnIn(role)) {
    const PixelRect box = scaledRect(c->pixels(), dpi);
    if (!showsWhole(c->caption, box.width, box.height, c->wraps, measure)) return false;
  }
  return true;
}

}  // namespace

bool showsWhole(std::string_view caption, int boxWidth, int boxHeight, bool wraps,
                const FontMeasure& measure) {
  if (!wraps) return measure.width(caption) <= boxWidth && measure.ascent <= boxHeight;
  const auto widthOf = [&](std::size_t start, std::size_t length) {
    return measure.width(caption.substr(start, length));
  };
  const std::vector<WrappedLine> lines = wrapAtWords(caption, boxWidth, widthOf);
  for (const WrappedLine& line : lines) {
    // A line cut inside a word is followed by the rest of that word.
    const std::size_t end = line.start + line.length;
    if (end < caption.size() && !isBlankOrLineBreak(caption[end])) return false;
    if (line.length > 0 && measure.width(caption.substr(line.start, line.length)) > boxWidth) {
      return false;
    }
  }
  return static_cast<int>(lines.size() - 1) * measure.lineHeight + measure.ascent <= boxHeight;
}

std::vector<const ControlDesign*> captionsDrawnIn(FontRole role) {
  std::vector<const ControlDesign*> drawn;
  for (const WindowDesign* window :
       {&mainWindowDesign(), &optionsWindowDesign(), &aboutWindowDesign()}) {
    for (const ControlDesign& c : window->controls) {
      const bool shown = (c.kind == ControlKind::Label && !c.growsWithCaption) ||
                         c.kind == ControlKind::PushButton;
      if (shown && c.font == role && !c.caption.empty()) drawn.push_back(&c);
    }
  }
  return drawn;
}

double fittedPoints(FontRole role, const FaceDesign& face, int dpi,
                    const std::function<FontMeasure(double points)>& measureAt) {
  const double designed = fontDesign(role).points;
  if (face.kind == FaceKind::Bitmap && dpi == kDesignDpi) return designed;
  if (captionsDrawnIn(role).empty()) return designed;
  const double pixelInPoints = double{kPointsPerInch} / dpi;
  double points = designed;
  while (!allShowWhole(role, dpi, measureAt(points))) {
    const double smaller = points - pixelInPoints;
    if (smaller < designed * kSmallestFittedShare) break;
    points = smaller;
  }
  return points;
}
