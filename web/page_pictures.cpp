#include "web/page_pictures.h"

#include "design/picture_enlargement.h"
#include "web/page.h"

// The page reads the areas straight from the program's memory as five words each.
static_assert(sizeof(BakedArea) == 5 * sizeof(int32_t));

void toStraightRgba(std::vector<uint32_t>& words) {
  for (uint32_t& word : words) {
    const uint32_t alpha = word >> 24;
    uint32_t red = (word >> 16) & 0xff;
    uint32_t green = (word >> 8) & 0xff;
    uint32_t blue = word & 0xff;
    if (alpha != 255 && alpha != 0) {
      red = (red * 255 + alpha / 2) / alpha;
      green = (green * 255 + alpha / 2) / alpha;
      blue = (blue * 255 + alpha / 2) / alpha;
    }
    // In memory red, green, blue, alpha: the words are little-endian.
    word = alpha << 24 | blue << 16 | green << 8 | red;
  }
}

void PagePictures::makeAt(int scale) {
  if (scale == scale_) return;
  scale_ = scale;
  made_.assign(static_cast<size_t>(kBakedPictureCount), false);
}

int PagePictures::id(const std::string& name) {
  for (int i = 0; i < kBakedPictureCount; ++i) {
    if (name != kBakedPictures[i].name) continue;
    if (!made_[static_cast<size_t>(i)]) {
      const BakedPicture& picture = kBakedPictures[i];
      made_[static_cast<size_t>(i)] = true;
      if (!picture.pixels) {
        // A picture of flat areas, enlarged by a whole factor, is its areas' blocks: filled on
        // the page's own canvas, without a copy of all its pixels through the program's memory,
        // which at the landscape's size would delay the first frame.
        pageMakeFlatPicture(i, picture.width * scale_, picture.height * scale_, picture.areas,
                            picture.areaCount, scale_);
        return i;
      }
      const int width = picture.width * scale_;
      const int height = picture.height * scale_;
      std::vector<uint32_t> words(static_cast<size_t>(width) * height);
      enlargePicture(picture, {words.data(), width, height, width});
      if (picture.opaque) {
        for (uint32_t& word : words) word |= 0xff000000u;
      }
      toStraightRgba(words);
      pageMakePicture(i, reinterpret_cast<const unsigned char*>(words.data()), width, height);
    }
    return i;
  }
  return -1;
}
