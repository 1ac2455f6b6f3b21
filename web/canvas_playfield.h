#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "design/playfield_frame.h"
#include "game/playfield.h"
#include "web/page_label.h"
#include "web/page_pictures.h"

// The playfield on the main window's canvas, drawn by the shared frame's steps. A frame draws the
// playfield's layer (the frame's background with the labels that lie on the playfield, made
// again only when one of them changes) and the game's drawing above it.
class CanvasPlayfield final : public Playfield {
 public:
  CanvasPlayfield(const std::vector<PageLabel>& labels, PagePictures& pictures, PageFonts& fonts,
                  std::function<void()> changed);

  void takeFocus() override;
  void repaint() override;
  void line(float x1, float y1, float x2, float y2, std::optional<Rgb> colour) override;
  void paint(Picture picture, int16_t x, int16_t y) override;

  // A label on the playfield changed, or the scale did: the layer is made again.
  void layerChanged() { layerValid_ = false; }
  // The whole playfield, its border included, at the pictures' scale.
  void draw();

 private:
  void drawLayer(int scale);
  void execute(const FrameStep& step, PixelRect inner);

  const std::vector<PageLabel>& labels_;
  PagePictures& pictures_;
  PageFonts& fonts_;
  std::function<void()> changed_;
  PlayfieldFrame frame_;
  bool layerValid_ = false;
};
