#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "game/playfield.h"
#include "web/page_label.h"
#include "web/page_pictures.h"

// The playfield on the main window's canvas. What the game draws is kept as a list, in order,
// until the next repaint; a frame draws the playfield's layer (the landscape with the labels that
// lie on it, made again only when one of them changes) and the list above it.
class CanvasPlayfield final : public Playfield {
 public:
  CanvasPlayfield(const std::vector<PageLabel>& labels, const PagePictures& pictures,
                  PageFonts& fonts, std::function<void()> changed)
      : labels_(labels), pictures_(pictures), fonts_(fonts), changed_(std::move(changed)) {}

  void takeFocus() override;
  void repaint() override;
  void line(float x1, float y1, float x2, float y2, std::optional<Rgb> colour) override;
  void paint(Picture picture, int16_t x, int16_t y) override;

  // A label on the playfield changed, or the scale did: the layer is made again.
  void layerChanged() { layerValid_ = false; }
  // The whole playfield, its border included, at the pictures' scale.
  void draw();

 private:
  struct DrawOp {
    bool isPicture = false;
    Picture picture = Picture::Crate;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Rgb colour;
  };
  void drawLayer(int scale);
  void drawLine(const DrawOp& op, PixelRect inner, int scale);

  const std::vector<PageLabel>& labels_;
  const PagePictures& pictures_;
  PageFonts& fonts_;
  std::function<void()> changed_;
  std::vector<DrawOp> ops_;
  bool layerValid_ = false;
};
