#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "design/game_pictures.h"

// The game's pictures on the page, made from the baked data at a scale, each pixel a block of
// scale x scale device pixels, as the shared enlargement makes them.
class PagePictures {
 public:
  // Makes them all afresh when the scale is new.
  void makeAt(int scale);
  // The page's picture of that name; -1 for a picture the game lacks.
  int id(const std::string& name) const;
  int scale() const { return scale_; }

 private:
  int scale_ = 0;
};

// Straight (not premultiplied) RGBA bytes of premultiplied ARGB words, as the page's images take.
std::vector<unsigned char> straightRgba(const std::vector<uint32_t>& premultipliedArgb);
