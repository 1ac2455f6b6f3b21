#include "web/canvas_playfield.h"

#include "design/main_window_design.h"
#include "design/resolution.h"
#include "web/page.h"

namespace {

// The sunken panel's border, two pixels of shadow along the top and left and of light along the
// bottom and right, as the Linux build draws it.
constexpr Rgb kShadow{159, 159, 159};
constexpr Rgb kLight{255, 255, 255};

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

FramePictureSizes pictureSizes() {
  FramePictureSizes sizes{};
  for (size_t i = 0; i < kFramePictureCount; ++i) {
    const std::string name(framePictureName(static_cast<FramePicture>(i)));
    if (const BakedPicture* p = findBakedPicture(name.c_str())) sizes[i] = {p->width, p->height};
  }
  return sizes;
}

}  // namespace

CanvasPlayfield::CanvasPlayfield(const std::vector<PageLabel>& labels, PagePictures& pictures,
                                 PageFonts& fonts, std::function<void()> changed)
    : labels_(labels),
      pictures_(pictures),
      fonts_(fonts),
      changed_(std::move(changed)),
      frame_(pictureSizes()) {}

void CanvasPlayfield::takeFocus() { pageFocusGame(); }

void CanvasPlayfield::repaint() {
  frame_.repaint();
  changed_();
}

void CanvasPlayfield::line(float x1, float y1, float x2, float y2, std::optional<Rgb> colour) {
  frame_.line(x1, y1, x2, y2, colour);
  changed_();
}

void CanvasPlayfield::paint(Picture picture, int16_t x, int16_t y) {
  frame_.paint(picture, x, y);
  changed_();
}

void CanvasPlayfield::execute(const FrameStep& step, PixelRect inner) {
  const PixelRect& a = step.area;
  if (step.kind == FrameStep::Kind::Fill) {
    pageFillRect(inner.x + a.x, inner.y + a.y, a.width, a.height,
                 toPageColour(step.colour.value_or(kButtonText)));
  } else if (step.kind == FrameStep::Kind::Picture) {
    const int id = pictures_.id(std::string(framePictureName(step.picture)));
    if (id >= 0) pageDrawPicture(id, inner.x + a.x, inner.y + a.y);
  }
}

void CanvasPlayfield::drawLayer(int scale) {
  const PixelRect inner = zoomedRect(playfieldInnerPixels(), scale);
  pageTarget(1, inner.width, inner.height);
  for (const FrameStep& step : frame_.background({inner.width, inner.height}, kDesignDpi * scale)) {
    execute(step, {});
  }
  const WindowDesign& design = mainWindowDesign();
  for (const PageLabel& label : labels_) {
    if (!label.visible || label.design->container != "playfield") continue;
    PixelRect r = placeInWindow(design, *label.design, scale);
    r.x -= inner.x;
    r.y -= inner.y;
    drawPageLabel(label, r, scale, fonts_);
  }
  pageTarget(0, 0, 0);
  layerValid_ = true;
}

void CanvasPlayfield::draw() {
  const int scale = pictures_.scale();
  if (!layerValid_) drawLayer(scale);
  drawBorder(playfieldPixels(), scale);
  const PixelRect inner = zoomedRect(playfieldInnerPixels(), scale);
  pageDrawLayer(inner.x, inner.y);
  pageClip(inner.x, inner.y, inner.width, inner.height);
  for (const FrameStep& step : frame_.drawing()) {
    execute(scaledStep(step, kDesignDpi * scale), inner);
  }
  pageUnclip();
}
