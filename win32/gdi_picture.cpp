#include "win32/gdi_picture.h"

#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include "win32/scaled_design.h"

namespace {

// The picture's own pixels as 0xAARRGGBB words, one row after another.
std::vector<uint32_t> designPixels(const BakedPicture& picture) {
  std::vector<uint32_t> pixels(static_cast<size_t>(picture.width) * picture.height);
  if (picture.pixels) {
    for (int y = 0; y < picture.height; ++y) {
      std::memcpy(&pixels[static_cast<size_t>(y) * picture.width],
                  picture.pixels + static_cast<size_t>(y) * picture.bytesPerLine,
                  static_cast<size_t>(picture.width) * sizeof(uint32_t));
    }
    return pixels;
  }
  for (int i = 0; i < picture.areaCount; ++i) {
    const BakedArea& area = picture.areas[i];
    for (int y = area.y; y < area.y + area.height; ++y) {
      for (int x = area.x; x < area.x + area.width; ++x) {
        pixels[static_cast<size_t>(y) * picture.width + x] = area.colour;
      }
    }
  }
  return pixels;
}

}  // namespace

GdiPicture::GdiPicture(const BakedPicture& picture, int dpi)
    : width_(scaledPixels(picture.width, dpi)),
      height_(scaledPixels(picture.height, dpi)),
      opaque_(picture.opaque) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width_;
  info.bmiHeader.biHeight = -height_;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap_) return;
  const std::vector<uint32_t> source = designPixels(picture);
  auto* target = static_cast<uint32_t*>(bits);
  for (int y = 0; y < height_; ++y) {
    const int sourceY = y * picture.height / height_;
    for (int x = 0; x < width_; ++x) {
      const int sourceX = x * picture.width / width_;
      target[static_cast<size_t>(y) * width_ + x] =
          source[static_cast<size_t>(sourceY) * picture.width + sourceX];
    }
  }
  GdiFlush();
}

GdiPicture::~GdiPicture() {
  if (bitmap_) DeleteObject(bitmap_);
}

GdiPicture::GdiPicture(GdiPicture&& other) noexcept
    : bitmap_(std::exchange(other.bitmap_, nullptr)),
      width_(other.width_),
      height_(other.height_),
      opaque_(other.opaque_) {}

GdiPicture& GdiPicture::operator=(GdiPicture&& other) noexcept {
  if (this != &other) {
    if (bitmap_) DeleteObject(bitmap_);
    bitmap_ = std::exchange(other.bitmap_, nullptr);
    width_ = other.width_;
    height_ = other.height_;
    opaque_ = other.opaque_;
  }
  return *this;
}

void GdiPicture::draw(HDC target, int x, int y) const {
  if (!bitmap_) return;
  HDC source = CreateCompatibleDC(target);
  HGDIOBJ previous = SelectObject(source, bitmap_);
  if (opaque_) {
    BitBlt(target, x, y, width_, height_, source, 0, 0, SRCCOPY);
  } else {
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    // GDI's own blend: AlphaBlend would load msimg32 at start-up only to forward to it.
    GdiAlphaBlend(target, x, y, width_, height_, source, 0, 0, width_, height_, blend);
  }
  SelectObject(source, previous);
  DeleteDC(source);
}

GdiPicture gamePicture(const char* name, int dpi) {
  const BakedPicture* picture = findBakedPicture(name);
  return picture ? GdiPicture(*picture, dpi) : GdiPicture();
}
