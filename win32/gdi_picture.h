#pragma once

#include <windows.h>

#include "design/game_pictures.h"

// A game picture as a 32-bit DIB section, laid out for a screen resolution: each pixel of the
// picture becomes a block of pixels, chosen nearest-neighbour, so that it stays sharp. A picture
// with transparency keeps its premultiplied alpha and is alpha-blended; an opaque one is copied.
class GdiPicture {
 public:
  GdiPicture() = default;
  GdiPicture(const BakedPicture& picture, int dpi);
  ~GdiPicture();
  GdiPicture(GdiPicture&& other) noexcept;
  GdiPicture& operator=(GdiPicture&& other) noexcept;
  GdiPicture(const GdiPicture&) = delete;
  GdiPicture& operator=(const GdiPicture&) = delete;

  int width() const { return width_; }
  int height() const { return height_; }
  bool valid() const { return bitmap_ != nullptr; }

  // Its top-left corner at (x, y) of the target, at its own size; cut off where the target's
  // clip ends.
  void draw(HDC target, int x, int y) const;

 private:
  HBITMAP bitmap_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  bool opaque_ = true;
};

// The game picture of that name at a resolution; an invalid picture when the build has none of
// that name.
GdiPicture gamePicture(const char* name, int dpi);
