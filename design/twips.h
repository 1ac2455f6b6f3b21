#pragma once

// The windows are designed in twips; at 96 dots per inch 15 twips make one pixel.
constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

struct TwipsRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// A rectangle in pixels at 96 dots per inch, before any zoom or display scale.
struct PixelRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

constexpr PixelRect toPixels(TwipsRect r) {
  return {twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width),
          twipsToPixels(r.height)};
}

struct PixelSize {
  int width = 0;
  int height = 0;
  friend bool operator==(const PixelSize&, const PixelSize&) = default;
};

// Every pixel of the design becomes a zoom x zoom block.
constexpr PixelRect zoomedRect(PixelRect r, int zoom) {
  return {r.x * zoom, r.y * zoom, r.width * zoom, r.height * zoom};
}
