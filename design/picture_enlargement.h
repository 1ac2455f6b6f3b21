#pragma once

#include <cstdint>

#include "design/game_pictures.h"

// 32-bit pixels to be written: `wordsPerLine` words from one row to the next.
struct PixelTarget {
  uint32_t* words;
  int width;
  int height;
  int wordsPerLine;
};

// The picture enlarged pixel for pixel to the target's size: each target pixel shows the picture
// pixel it falls on (x * picture width / target width, rounded down), so that a whole factor
// makes uniform blocks and any other one blocks that differ by at most one pixel, never a blend.
// Pixels are copied as they are (premultiplied alpha included); a picture built as flat areas
// fills each area's blocks straight into the target, without a copy of the picture first.
void enlargePicture(const BakedPicture& picture, const PixelTarget& target);
