#include "web/page_pictures.h"

#include <cstdint>
#include <cstring>

#include "web/page.h"

std::vector<unsigned char> straightRgba(const BakedPicture& picture) {
  std::vector<unsigned char> rgba(static_cast<size_t>(picture.width) * picture.height * 4);
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      std::uint32_t argb = 0;
      std::memcpy(&argb, picture.pixels + y * picture.bytesPerLine + x * 4, 4);
      const unsigned alpha = picture.opaque ? 255 : argb >> 24;
      unsigned char* out = &rgba[(static_cast<size_t>(y) * picture.width + x) * 4];
      for (int channel = 0; channel < 3; ++channel) {
        const unsigned value = (argb >> (16 - 8 * channel)) & 0xff;
        out[channel] = static_cast<unsigned char>(
            alpha == 0 ? 0 : (alpha == 255 ? value : (value * 255 + alpha / 2) / alpha));
      }
      out[3] = static_cast<unsigned char>(alpha);
    }
  }
  return rgba;
}

void PagePictures::makeAt(int scale) {
  if (scale == scale_) return;
  scale_ = scale;
  for (int i = 0; i < kBakedPictureCount; ++i) {
    const BakedPicture& picture = kBakedPictures[i];
    if (!picture.pixels) continue;
    const std::vector<unsigned char> rgba = straightRgba(picture);
    pageMakePicture(i, rgba.data(), picture.width, picture.height, scale);
  }
}

int PagePictures::id(const std::string& name) const {
  for (int i = 0; i < kBakedPictureCount; ++i) {
    if (name == kBakedPictures[i].name) return i;
  }
  return -1;
}
