#include "design/picture_enlargement.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A 3 x 2 picture of flat areas of uneven sizes, and the same as pixels; one of them half
// transparent, premultiplied.
constexpr int kWidth = 3;
constexpr int kHeight = 2;
constexpr BakedArea kAreas[] = {
    {0, 0, 2, 1, 0xFF102030}, {2, 0, 1, 2, 0x80202020}, {0, 1, 2, 1, 0xFF708090}};
constexpr uint32_t kPixels[] = {0xFF102030, 0xFF102030, 0x80202020,
                                0xFF708090, 0xFF708090, 0x80202020};
constexpr uint32_t kUntouched = 0xDEADBEEF;

// The enlargement into a target one word wider than its rows, whose last word must stay.
std::vector<uint32_t> enlargedTo(const BakedPicture& picture, int width, int height) {
  std::vector<uint32_t> words(static_cast<size_t>((width + 1) * height), kUntouched);
  enlargePicture(picture, {words.data(), width, height, width + 1});
  return words;
}

// Every target pixel shows the picture pixel it falls on, whether the picture is built from
// areas or from pixels: uniform blocks at a whole factor, blocks one pixel apart at 150 %.
TEST(PictureEnlargement, EachPixelShowsThePicturePixelItFallsOnFromAreasAndPixelsAlike) {
  const BakedPicture areas{"areas", kWidth, kHeight, 0, false, nullptr, kAreas, 3};
  const BakedPicture pixels{"pixels",   kWidth, kHeight,
                            kWidth * 4, false,  reinterpret_cast<const unsigned char*>(kPixels),
                            nullptr,    0};
  const std::vector<std::vector<uint32_t>> doubled = {
      {0xFF102030, 0xFF102030, 0xFF102030, 0xFF102030, 0x80202020, 0x80202020},
      {0xFF102030, 0xFF102030, 0xFF102030, 0xFF102030, 0x80202020, 0x80202020},
      {0xFF708090, 0xFF708090, 0xFF708090, 0xFF708090, 0x80202020, 0x80202020},
      {0xFF708090, 0xFF708090, 0xFF708090, 0xFF708090, 0x80202020, 0x80202020}};
  std::vector<uint32_t> expected;
  for (const auto& row : doubled) {
    expected.insert(expected.end(), row.begin(), row.end());
    expected.push_back(kUntouched);
  }
  EXPECT_EQ(enlargedTo(areas, 6, 4), expected);
  EXPECT_EQ(enlargedTo(pixels, 6, 4), expected);
  // At 150 %, 3 x 2 becomes 5 x 3 (4.5 rounded up): columns 0 0 1 1 2, rows 0 0 1.
  const std::vector<uint32_t> uneven = {0xFF102030, 0xFF102030, 0xFF102030, 0xFF102030, 0x80202020,
                                        kUntouched, 0xFF102030, 0xFF102030, 0xFF102030, 0xFF102030,
                                        0x80202020, kUntouched, 0xFF708090, 0xFF708090, 0xFF708090,
                                        0xFF708090, 0x80202020, kUntouched};
  EXPECT_EQ(enlargedTo(areas, 5, 3), uneven);
  EXPECT_EQ(enlargedTo(pixels, 5, 3), uneven);
}

}  // namespace
