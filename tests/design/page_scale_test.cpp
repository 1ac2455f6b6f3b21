#include "design/page_scale.h"

#include <gtest/gtest.h>

namespace {

constexpr PixelSize kGame{492, 498};

TEST(PageScale, FollowsTheScreensRatioToTheNearestWholeFactor) {
  EXPECT_EQ(pageScale(1.0, {1920, 1080}, kGame), 1);
  EXPECT_EQ(pageScale(1.25, {2400, 1350}, kGame), 1);
  EXPECT_EQ(pageScale(1.5, {2880, 1620}, kGame), 2);
  EXPECT_EQ(pageScale(2.0, {3840, 2160}, kGame), 2);
  // The browser zoomed out below the design still shows every design pixel.
  EXPECT_EQ(pageScale(0.5, {960, 540}, kGame), 1);
}

TEST(PageScale, APhoneGetsTheLargestWholeFactorThatFitsItsWidth) {
  // 390 x 844 CSS pixels at ratio 3: three would be 1476 device pixels wide in 1170.
  EXPECT_EQ(pageScale(3.0, {1170, 2532}, kGame), 2);
  // Too small for even one: one all the same.
  EXPECT_EQ(pageScale(3.0, {300, 300}, kGame), 1);
}

TEST(PageScale, FullScreenTakesTheLargestFactorTheScreenHolds) {
  EXPECT_EQ(fullScreenPageScale({1920, 1080}, kGame), 2);
  EXPECT_EQ(fullScreenPageScale({3840, 2160}, kGame), 4);
}

}  // namespace
