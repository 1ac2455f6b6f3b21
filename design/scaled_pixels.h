#pragma once

#include "design/twips.h"

// The designs are made at 96 dots per inch; a window on a denser screen, or zoomed, lays them out
// at its own resolution (a zoom by a whole factor at 96 dpi is 96 times the factor). Rectangles
// are scaled by their edges, so that controls which touch at 96 dpi still touch, and a
// rectangle's size never drifts with its place.

constexpr int kDesignDpi = 96;

// A length or coordinate at 96 dpi, at the given resolution, rounded to the nearest pixel. Halves
// round away from zero on both sides of the origin, so a rectangle keeps its size.
constexpr int scaledPixels(int designPixels, int dpi) {
  const long long scaled = static_cast<long long>(designPixels) * dpi;
  const long long half = kDesignDpi / 2;
  return static_cast<int>(scaled >= 0 ? (scaled + half) / kDesignDpi
                                      : -((-scaled + half) / kDesignDpi));
}

constexpr PixelRect scaledRect(PixelRect r, int dpi) {
  const int left = scaledPixels(r.x, dpi);
  const int top = scaledPixels(r.y, dpi);
  return {left, top, scaledPixels(r.x + r.width, dpi) - left,
          scaledPixels(r.y + r.height, dpi) - top};
}
