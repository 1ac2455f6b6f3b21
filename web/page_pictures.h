#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "design/game_pictures.h"

// The game's pictures on the page, made from the baked data at a scale, each pixel a block of
// scale x scale device pixels, as the shared enlargement makes them.
class PagePictures {
 public:
  // A new scale: each picture is made again at its next use.
  void makeAt(int scale);
  // The page's picture of that name at the scale, made at its first use, so that the first frame
  // waits only for the pictures it shows; -1 for a picture the game lacks.
  int id(const std::string& name);
  int scale() const { return scale_; }

 private:
  int scale_ = 0;
  std::vector<bool> made_;
};

// Premultiplied ARGB words made straight (not premultiplied) RGBA bytes in place, as the page's
// images take them.
void toStraightRgba(std::vector<uint32_t>& words);
