#include "design/display_rules.h"

#include <gtest/gtest.h>

namespace {

constexpr PixelSize kDesign{492, 498};

TEST(DisplayRules, TheLargestWholeZoomFitsTheAreaWithItsFrame) {
  EXPECT_EQ(largestZoomFitting({1920, 1040}, kDesign), 2);
  EXPECT_EQ(largestZoomFitting({1920, 1080}, kDesign, {0, 90}), 1);
  EXPECT_EQ(largestZoomFitting({3840, 2160}, kDesign), 4);
  EXPECT_EQ(largestZoomFitting({400, 300}, kDesign), 1);
  EXPECT_EQ(largestZoomFitting({100000, 100000}, kDesign), kMaxZoom);
}

TEST(DisplayRules, FullScreenCentresThePictureWithAnOddPixelBeforeIt) {
  EXPECT_EQ(fullScreenPicture({1920, 1080}, kDesign, 2), (PixelRect{468, 42, 984, 996}));
  EXPECT_EQ(fullScreenPicture({1921, 1081}, kDesign, 2), (PixelRect{469, 43, 984, 996}));
}

TEST(DisplayRules, AWindowIsMovedInsideWithItsTopLeftCornerWinning) {
  EXPECT_EQ(placeInside({10, 10, 100, 100}, {0, 0, 800, 600}), (PixelRect{10, 10, 100, 100}));
  EXPECT_EQ(placeInside({750, 550, 100, 100}, {0, 0, 800, 600}), (PixelRect{700, 500, 100, 100}));
  EXPECT_EQ(placeInside({291, 248, 351, 276}, {0, 0, 341, 256}), (PixelRect{0, 0, 351, 276}));
}

TEST(DisplayRules, TheStoredChoiceReadsBackAndDamageGivesNothing) {
  for (const DisplayChoice choice : {DisplayChoice{1, false}, DisplayChoice{3, true}}) {
    EXPECT_EQ(parseDisplayChoice(displayChoiceText(choice)), choice);
  }
  EXPECT_EQ(parseDisplayChoice(""), DisplayChoice{});
  EXPECT_EQ(parseDisplayChoice("[Display]\r\n Zoom=+2 \r\n"), (DisplayChoice{2, false}));
  for (const char* damaged : {"Zoom=0", "Zoom=33", "Zoom=2x", "Zoom=", "FullScreen=yes", "junk"}) {
    EXPECT_FALSE(parseDisplayChoice(damaged)) << damaged;
  }
}

}  // namespace
