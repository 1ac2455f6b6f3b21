#include "web/canvas_playfield.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "design/main_window_design.h"
#include "web/page.h"

namespace {

// The sunken panel's border, two pixels of shadow along the top and left and of light along the
// bottom and right, as the Linux build draws it.
constexpr Rgb kShadow{159, 159, 159};
constexpr Rgb kLight{255, 255, 255};
constexpr Rgb kWhite{255, 255, 255};

int unitsToPixelsX(double units) {
  return static_cast<int>(std::lround(units * playfieldPixelsPerUnitX()));
}

int unitsToPixelsY(double units) {
  return static_cast<int>(std::lround(units * playfieldPixelsPerUnitY()));
}

void fill(PixelRect r, int scale, Rgb colour) {
  pageFillRect(r.x * scale, r.y * scale, r.width * scale, r.height * scale, toPageColour(colour));
}

void drawBorder(PixelRect outer, int scale) {
  for (int ring = 0; ring < kPlayfieldBorderPx; ++ring) {
    const PixelRect r{outer.x + ring, outer.y + ring, outer.width - 2 * ring,
                      outer.height - 2 * ring};
    fill({r.x, r.y, r.width - 1, 1}, scale, kShadow);
    fill({r.x, r.y, 1, r.height - 1}, scale, kShadow);
    fill({r.x, r.y + r.height - 1, r.width, 1}, scale, kLight);
    fill({r.x + r.width - 1, r.y, 1, r.height}, scale, kLight);
  }
}

}  // namespace

void CanvasPlayfield::takeFocus() { pageFocusGame(); }

void CanvasPlayfield::repaint() {
  ops_.clear();
  changed_();
}

void CanvasPlayfield::line(float x1, float y1, float x2, float y2, std::optional<Rgb> colour) {
  ops_.push_back({false, Picture::Crate, x1, y1, x2, y2, colour.value_or(kButtonText)});
  changed_();
}

void CanvasPlayfield::paint(Picture picture, int16_t x, int16_t y) {
  ops_.push_back({true, picture, static_cast<float>(x), static_cast<float>(y), 0, 0, {}});
  changed_();
}

void CanvasPlayfield::drawLayer(int scale) {
  const PixelRect inner = playfieldInnerPixels();
  pageTarget(1, inner.width * scale, inner.height * scale);
  // White shows only where the landscape ends, should the inner area be larger than it.
  pageFillRect(0, 0, inner.width * scale, inner.height * scale, toPageColour(kWhite));
  if (const BakedPicture* landscape = findBakedPicture("landscape")) {
    for (int i = 0; i < landscape->areaCount; ++i) {
      const BakedArea& a = landscape->areas[i];
      pageFillRect(a.x * scale, a.y * scale, a.width * scale, a.height * scale,
                   static_cast<int>(a.colour & 0xffffff));
    }
  }
  const WindowDesign& design = mainWindowDesign();
  for (const PageLabel& label : labels_) {
    if (!label.visible || label.design->container != "playfield") continue;
    PixelRect r = placeInWindow(design, *label.design, scale);
    r.x -= inner.x * scale;
    r.y -= inner.y * scale;
    drawPageLabel(label, r, scale, fonts_);
  }
  pageTarget(0, 0, 0);
  layerValid_ = true;
}

void CanvasPlayfield::drawLine(const DrawOp& op, PixelRect inner, int scale) {
  const int x1 = unitsToPixelsX(op.x1);
  const int y1 = unitsToPixelsY(op.y1);
  const int x2 = unitsToPixelsX(op.x2);
  const int y2 = unitsToPixelsY(op.y2);
  // A level or upright line covers whole pixels of the design, both ends included, so that on a
  // dense screen it is as many device pixels thick as a design pixel is wide.
  if (x1 == x2 || y1 == y2) {
    fill({inner.x + std::min(x1, x2), inner.y + std::min(y1, y2), std::abs(x2 - x1) + 1,
          std::abs(y2 - y1) + 1},
         scale, op.colour);
    return;
  }
  // The game draws no slanted line; one would be drawn a design pixel at a time along it.
  const int steps = std::max(std::abs(x2 - x1), std::abs(y2 - y1));
  for (int i = 0; i <= steps; ++i) {
    const int x = x1 + static_cast<int>(std::lround(double(x2 - x1) * i / steps));
    const int y = y1 + static_cast<int>(std::lround(double(y2 - y1) * i / steps));
    fill({inner.x + x, inner.y + y, 1, 1}, scale, op.colour);
  }
}

void CanvasPlayfield::draw() {
  const int scale = pictures_.scale();
  if (!layerValid_) drawLayer(scale);
  drawBorder(playfieldPixels(), scale);
  const PixelRect inner = playfieldInnerPixels();
  pageDrawLayer(inner.x * scale, inner.y * scale);
  pageClip(inner.x * scale, inner.y * scale, inner.width * scale, inner.height * scale);
  for (const DrawOp& op : ops_) {
    if (!op.isPicture) {
      drawLine(op, inner, scale);
      continue;
    }
    const int id = pictures_.id(std::string(pictureName(op.picture)));
    if (id < 0) continue;
    pageDrawPicture(id, (inner.x + unitsToPixelsX(op.x1)) * scale,
                    (inner.y + unitsToPixelsY(op.y1)) * scale);
  }
  pageUnclip();
}
