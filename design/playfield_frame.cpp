#include "design/playfield_frame.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "design/main_window_design.h"
#include "design/resolution.h"

namespace {

struct PixelPoint {
  int x = 0;
  int y = 0;
};

PixelPoint designPixel(float x, float y) {
  return {playfieldUnitsToPixelsX(x, kDesignDpi), playfieldUnitsToPixelsY(y, kDesignDpi)};
}

// numerator / denominator to the nearest whole number, halves upwards; denominator > 0.
int nearestQuotient(long long numerator, long long denominator) {
  const long long twice = 2 * numerator + denominator;
  const long long twiceDenominator = 2 * denominator;
  const long long floor = twice / twiceDenominator - (twice % twiceDenominator < 0 ? 1 : 0);
  return static_cast<int>(floor);
}

// The pixels of a slanted line nearest to it, one for each pixel along its longer axis, as runs
// of one row (or one column, for a steep line) each.
std::vector<PixelRect> slantedLineRuns(PixelPoint from, PixelPoint to) {
  const bool steep = std::abs(to.y - from.y) > std::abs(to.x - from.x);
  // Along the longer axis `a`, across it `b`.
  const int a0 = steep ? from.y : from.x;
  const int b0 = steep ? from.x : from.y;
  const int da = (steep ? to.y : to.x) - a0;
  const int db = (steep ? to.x : to.y) - b0;
  const int length = std::abs(da);
  const int stepA = da > 0 ? 1 : -1;
  std::vector<PixelRect> runs;
  int runStart = a0;
  int runB = b0;
  auto closeRun = [&](int runEnd) {
    const int first = std::min(runStart, runEnd);
    const int count = std::abs(runEnd - runStart) + 1;
    runs.push_back(steep ? PixelRect{runB, first, 1, count} : PixelRect{first, runB, count, 1});
  };
  for (int i = 1; i <= length; ++i) {
    const int a = a0 + i * stepA;
    const int b = b0 + nearestQuotient(static_cast<long long>(i) * db, length);
    if (b != runB) {
      closeRun(a - stepA);
      runStart = a;
      runB = b;
    }
  }
  closeRun(a0 + da);
  return runs;
}

// The colour of a line drawn without one.
std::optional<Rgb> foreColour() {
  static const std::optional<Rgb> colour = mainWindowDesign().control("playfield").foreColour;
  return colour;
}

}  // namespace

FramePicture framePicture(Picture picture) {
  switch (picture) {
    case Picture::MonkeyUp:
      return FramePicture::MonkeyUp;
    case Picture::MonkeyDown:
      return FramePicture::MonkeyDown;
    case Picture::Cloud:
      return FramePicture::Cloud;
    case Picture::Crate:
      return FramePicture::Crate;
  }
  return FramePicture::Landscape;
}

std::string_view framePictureName(FramePicture picture) {
  switch (picture) {
    case FramePicture::Landscape:
      return "landscape";
    case FramePicture::MonkeyUp:
      return pictureName(Picture::MonkeyUp);
    case FramePicture::MonkeyDown:
      return pictureName(Picture::MonkeyDown);
    case FramePicture::Cloud:
      return pictureName(Picture::Cloud);
    case FramePicture::Crate:
      return pictureName(Picture::Crate);
  }
  return {};
}

int playfieldUnitsToPixelsX(double units, int dpi) {
  static const double perUnit = playfieldPixelsPerUnitX();
  return scaledPixels(static_cast<int>(std::lround(units * perUnit)), dpi);
}

int playfieldUnitsToPixelsY(double units, int dpi) {
  static const double perUnit = playfieldPixelsPerUnitY();
  return scaledPixels(static_cast<int>(std::lround(units * perUnit)), dpi);
}

FrameStep scaledStep(const FrameStep& designStep, int dpi) {
  FrameStep step = designStep;
  const PixelRect& a = designStep.area;
  if (step.kind == FrameStep::Kind::Fill) {
    step.area = scaledRect(a, dpi);
  } else if (step.kind == FrameStep::Kind::Picture) {
    step.area = {scaledPixels(a.x, dpi), scaledPixels(a.y, dpi), scaledPixels(a.width, dpi),
                 scaledPixels(a.height, dpi)};
  }
  return step;
}

void PlayfieldFrame::repaint() { drawing_.clear(); }

std::span<const FrameStep> PlayfieldFrame::line(float x1, float y1, float x2, float y2,
                                                std::optional<Rgb> colour) {
  const size_t first = drawing_.size();
  const std::optional<Rgb> fill = colour ? colour : foreColour();
  const PixelPoint from = designPixel(x1, y1);
  const PixelPoint to = designPixel(x2, y2);
  if (from.x == to.x || from.y == to.y) {
    const PixelRect area{std::min(from.x, to.x), std::min(from.y, to.y),
                         std::abs(to.x - from.x) + 1, std::abs(to.y - from.y) + 1};
    drawing_.push_back({FrameStep::Kind::Fill, area, fill});
  } else {
    for (const PixelRect& run : slantedLineRuns(from, to)) {
      drawing_.push_back({FrameStep::Kind::Fill, run, fill});
    }
  }
  return addedSince(first);
}

std::span<const FrameStep> PlayfieldFrame::paint(Picture picture, int16_t x, int16_t y) {
  const size_t first = drawing_.size();
  const FramePicture shown = framePicture(picture);
  const PixelPoint corner = designPixel(x, y);
  const PixelSize size = pictureSizes_[static_cast<size_t>(shown)];
  drawing_.push_back(
      {FrameStep::Kind::Picture, {corner.x, corner.y, size.width, size.height}, {}, shown});
  return addedSince(first);
}

std::span<const FrameStep> PlayfieldFrame::addedSince(size_t first) const {
  return std::span(drawing_).subspan(first);
}

std::vector<FrameStep> PlayfieldFrame::background(PixelSize area, int dpi) const {
  const PixelSize designed = pictureSizes_[static_cast<size_t>(FramePicture::Landscape)];
  const PixelRect landscape{0, 0, scaledPixels(designed.width, dpi),
                            scaledPixels(designed.height, dpi)};
  constexpr Rgb kWhite{255, 255, 255};
  std::vector<FrameStep> steps;
  if (area.width > landscape.width) {
    steps.push_back({FrameStep::Kind::Fill,
                     {landscape.width, 0, area.width - landscape.width, area.height},
                     kWhite});
  }
  if (area.height > landscape.height) {
    steps.push_back({FrameStep::Kind::Fill,
                     {0, landscape.height, std::min(area.width, landscape.width),
                      area.height - landscape.height},
                     kWhite});
  }
  steps.push_back({FrameStep::Kind::Picture, landscape, {}, FramePicture::Landscape});
  return steps;
}

std::vector<FrameStep> PlayfieldFrame::steps(PixelSize area, int dpi) const {
  std::vector<FrameStep> steps = background(area, dpi);
  steps.push_back({FrameStep::Kind::Labels});
  for (const FrameStep& step : drawing_) steps.push_back(scaledStep(step, dpi));
  return steps;
}
