#pragma once

#include <cstdint>
#include <optional>

struct Rgb {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The pictures the game tick paints into the playfield.
enum class Picture { MonkeyUp, MonkeyDown, Cloud, Crate };

// The drawing surface, addressed in playfield units (1000 x 1000 over the inner area). What is
// drawn stays until the next repaint, which brings back the background picture alone.
class Playfield {
 public:
  virtual ~Playfield() = default;
  virtual void takeFocus() = 0;
  virtual void repaint() = 0;
  // Without a colour the line takes the playfield's fore colour.
  virtual void line(float x1, float y1, float x2, float y2, std::optional<Rgb> colour) = 0;
  // At the picture's own size, its top-left corner at (x, y).
  virtual void paint(Picture picture, int16_t x, int16_t y) = 0;
};
