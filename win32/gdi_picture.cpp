#include "win32/gdi_picture.h"

#include <cstdint>
#include <utility>

#include "design/picture_enlargement.h"
#include "win32/scaled_design.h"

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
  // Straight into the bits: a whole copy of the picture first (for the landscape nearly a
  // megabyte of fresh memory) cost the start several milliseconds.
  enlargePicture(picture, {static_cast<uint32_t*>(bits), width_, height_, width_});
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
