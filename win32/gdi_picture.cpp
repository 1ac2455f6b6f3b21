#include "win32/gdi_picture.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include "win32/scaled_design.h"

namespace {

// The first of `scaled` screen pixels whose nearest design pixel, of `design`, is at or after
// `designPixel`: screen pixel x shows design pixel x * design / scaled, rounded down.
int firstScaledPixel(int designPixel, int design, int scaled) {
  return static_cast<int>((static_cast<int64_t>(designPixel) * scaled + design - 1) / design);
}

// Fills the bits, `width` by `height`, with the picture's areas, each enlarged to the screen
// pixels that show it. Straight into the bits, a row of an area at a time: a whole copy of the
// picture first (for the landscape nearly a megabyte of fresh memory) cost the start several
// milliseconds.
void fillAreas(const BakedPicture& picture, uint32_t* bits, int width, int height) {
  for (int i = 0; i < picture.areaCount; ++i) {
    const BakedArea& area = picture.areas[i];
    const int left = firstScaledPixel(area.x, picture.width, width);
    const int right = firstScaledPixel(area.x + area.width, picture.width, width);
    const int top = firstScaledPixel(area.y, picture.height, height);
    const int bottom = firstScaledPixel(area.y + area.height, picture.height, height);
    for (int y = top; y < bottom; ++y) {
      uint32_t* row = bits + static_cast<size_t>(y) * width;
      std::fill(row + left, row + right, area.colour);
    }
  }
}

// Fills the bits with the picture's own pixels, each screen pixel from its nearest design pixel.
void copyPixels(const BakedPicture& picture, uint32_t* bits, int width, int height) {
  std::vector<int> sourceColumns(static_cast<size_t>(width));
  for (int x = 0; x < width; ++x) sourceColumns[x] = x * picture.width / width;
  std::vector<uint32_t> sourceRow(static_cast<size_t>(picture.width));
  for (int y = 0; y < height; ++y) {
    const int sourceY = y * picture.height / height;
    // The baked bytes need not be aligned for 32-bit words.
    std::memcpy(sourceRow.data(),
                picture.pixels + static_cast<size_t>(sourceY) * picture.bytesPerLine,
                sourceRow.size() * sizeof(uint32_t));
    uint32_t* row = bits + static_cast<size_t>(y) * width;
    for (int x = 0; x < width; ++x) row[x] = sourceRow[sourceColumns[x]];
  }
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
  if (picture.pixels) {
    copyPixels(picture, static_cast<uint32_t*>(bits), width_, height_);
  } else {
    fillAreas(picture, static_cast<uint32_t*>(bits), width_, height_);
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
