#include "win32/gdi_picture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "win32/scaled_design.h"

namespace {

// A 5 x 3 picture of flat areas of uneven sizes, and the same as pixels.
constexpr int kWidth = 5;
constexpr int kHeight = 3;
constexpr BakedArea kAreas[] = {{0, 0, 2, 1, 0xFF102030},
                                {2, 0, 3, 1, 0xFF405060},
                                {0, 1, 1, 2, 0xFF708090},
                                {1, 1, 3, 2, 0xFFA0B0C0},
                                {4, 1, 1, 2, 0xFFD0E0F0}};

std::vector<uint32_t> designPixels() {
  std::vector<uint32_t> pixels(kWidth * kHeight);
  for (const BakedArea& a : kAreas) {
    for (int y = a.y; y < a.y + a.height; ++y) {
      for (int x = a.x; x < a.x + a.width; ++x) pixels[y * kWidth + x] = a.colour;
    }
  }
  return pixels;
}

// The picture as drawn on a 32-bit DIB of its own size, one word per pixel with no alpha.
std::vector<uint32_t> drawn(const GdiPicture& picture) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = picture.width();
  info.bmiHeader.biHeight = -picture.height();
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP target = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, target);
  picture.draw(dc, 0, 0);
  GdiFlush();
  const auto* words = static_cast<const uint32_t*>(bits);
  std::vector<uint32_t> pixels(words, words + picture.width() * picture.height());
  for (uint32_t& p : pixels) p &= 0xFFFFFF;
  SelectObject(dc, previous);
  DeleteDC(dc);
  DeleteObject(target);
  return pixels;
}

// Each screen pixel shows its nearest design pixel, whether the picture is built from areas or
// from pixels, at the design's resolution, at whole and at uneven enlargements.
TEST(GdiPicture, ShowsEachScreenPixelsNearestDesignPixel) {
  const std::vector<uint32_t> design = designPixels();
  const BakedPicture areas{"areas", kWidth, kHeight, 0, true, nullptr, kAreas, 5};
  const BakedPicture pixels{"pixels", kWidth,
                            kHeight,  kWidth * 4,
                            true,     reinterpret_cast<const unsigned char*>(design.data()),
                            nullptr,  0};
  for (int dpi : {96, 120, 144, 192}) {
    const int width = scaledPixels(kWidth, dpi);
    const int height = scaledPixels(kHeight, dpi);
    std::vector<uint32_t> expected;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        expected.push_back(design[y * kHeight / height * kWidth + x * kWidth / width] & 0xFFFFFF);
      }
    }
    EXPECT_EQ(drawn(GdiPicture(areas, dpi)), expected) << dpi << " dpi, from areas";
    EXPECT_EQ(drawn(GdiPicture(pixels, dpi)), expected) << dpi << " dpi, from pixels";
  }
}

}  // namespace
