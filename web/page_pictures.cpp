#include "web/page_pictures.h"

#include "design/picture_enlargement.h"
#include "web/page.h"

std::vector<unsigned char> straightRgba(const std::vector<uint32_t>& premultipliedArgb) {
  std::vector<unsigned char> rgba(premultipliedArgb.size() * 4);
  for (size_t i = 0; i < premultipliedArgb.size(); ++i) {
    const uint32_t argb = premultipliedArgb[i];
    const unsigned alpha = argb >> 24;
    unsigned char* out = &rgba[i * 4];
    for (int channel = 0; channel < 3; ++channel) {
      const unsigned value = (argb >> (16 - 8 * channel)) & 0xff;
      out[channel] = static_cast<unsigned char>(
          alpha == 0 ? 0 : (alpha == 255 ? value : (value * 255 + alpha / 2) / alpha));
    }
    out[3] = static_cast<unsigned char>(alpha);
  }
  return rgba;
}

void PagePictures::makeAt(int scale) {
  if (scale == scale_) return;
  scale_ = scale;
  for (int i = 0; i < kBakedPictureCount; ++i) {
    const BakedPicture& picture = kBakedPictures[i];
    const int width = picture.width * scale;
    const int height = picture.height * scale;
    std::vector<uint32_t> words(static_cast<size_t>(width) * height);
    enlargePicture(picture, {words.data(), width, height, width});
    if (picture.opaque) {
      for (uint32_t& word : words) word |= 0xff000000u;
    }
    const std::vector<unsigned char> rgba = straightRgba(words);
    pageMakePicture(i, rgba.data(), width, height);
  }
}

int PagePictures::id(const std::string& name) const {
  for (int i = 0; i < kBakedPictureCount; ++i) {
    if (name == kBakedPictures[i].name) return i;
  }
  return -1;
}
