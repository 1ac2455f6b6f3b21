#include "design/picture_enlargement.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// The first of `scaled` target pixels whose picture pixel, of `design`, is at or after
// `designPixel`.
int firstScaledPixel(int designPixel, int design, int scaled) {
  return static_cast<int>((static_cast<int64_t>(designPixel) * scaled + design - 1) / design);
}

uint32_t* row(const PixelTarget& target, int y) {
  return target.words + static_cast<size_t>(y) * target.wordsPerLine;
}

void fillAreas(const BakedPicture& picture, const PixelTarget& target) {
  for (int i = 0; i < picture.areaCount; ++i) {
    const BakedArea& area = picture.areas[i];
    const int left = firstScaledPixel(area.x, picture.width, target.width);
    const int right = firstScaledPixel(area.x + area.width, picture.width, target.width);
    const int top = firstScaledPixel(area.y, picture.height, target.height);
    const int bottom = firstScaledPixel(area.y + area.height, picture.height, target.height);
    for (int y = top; y < bottom; ++y)
      std::fill(row(target, y) + left, row(target, y) + right, area.colour);
  }
}

void copyPixels(const BakedPicture& picture, const PixelTarget& target) {
  std::vector<int> sourceColumns(static_cast<size_t>(target.width));
  for (int x = 0; x < target.width; ++x) {
    sourceColumns[x] = static_cast<int>(static_cast<int64_t>(x) * picture.width / target.width);
  }
  std::vector<uint32_t> sourceRow(static_cast<size_t>(picture.width));
  int madeFrom = -1;
  for (int y = 0; y < target.height; ++y) {
    const int sourceY = static_cast<int>(static_cast<int64_t>(y) * picture.height / target.height);
    uint32_t* out = row(target, y);
    if (sourceY == madeFrom) {
      // A row of the same picture row as the one above: a copy of it.
      std::memcpy(out, row(target, y - 1), static_cast<size_t>(target.width) * sizeof(uint32_t));
      continue;
    }
    // The baked bytes need not be aligned for 32-bit words.
    std::memcpy(sourceRow.data(),
                picture.pixels + static_cast<size_t>(sourceY) * picture.bytesPerLine,
                sourceRow.size() * sizeof(uint32_t));
    for (int x = 0; x < target.width; ++x) out[x] = sourceRow[sourceColumns[x]];
    madeFrom = sourceY;
  }
}

}  // namespace

void enlargePicture(const BakedPicture& picture, const PixelTarget& target) {
  if (picture.width <= 0 || picture.height <= 0 || target.width <= 0 || target.height <= 0) return;
  if (picture.pixels) {
    copyPixels(picture, target);
  } else {
    fillAreas(picture, target);
  }
}
