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

TEST(DisplayRules, BlackBarsFillWhatThePictureLeavesOfTheClientArea) {
  EXPECT_TRUE(blackBars(kDesign, {0, 0, 492, 498}).empty());
  EXPECT_EQ(blackBars({1920, 1080}, {468, 42, 984, 996}),
            (std::vector<PixelRect>{
                {0, 0, 1920, 42}, {0, 1038, 1920, 42}, {0, 42, 468, 996}, {1452, 42, 468, 996}}));
  // Where the picture overhangs the screen there is no bar.
  EXPECT_EQ(blackBars({500, 300}, {4, -99, 492, 498}),
            (std::vector<PixelRect>{{0, 0, 4, 300}, {496, 0, 4, 300}}));
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

TEST(DisplayRules, ZoomKeysStayWithinWhatFitsAndFirstLeaveFullScreen) {
  using C = DisplayCommand;
  EXPECT_EQ(afterDisplayCommand({1, false}, C::ZoomIn, 2), (DisplayChoice{2, false}));
  EXPECT_EQ(afterDisplayCommand({2, false}, C::ZoomIn, 2), (DisplayChoice{2, false}));
  EXPECT_EQ(afterDisplayCommand({1, false}, C::ZoomOut, 2), (DisplayChoice{1, false}));
  // A zoom too large for this screen comes down to the largest that fits it.
  EXPECT_EQ(afterDisplayCommand({5, false}, C::ZoomOut, 2), (DisplayChoice{2, false}));
  EXPECT_EQ(afterDisplayCommand({2, true}, C::ZoomIn, 2), (DisplayChoice{2, false}));
  EXPECT_EQ(afterDisplayCommand({2, true}, C::ActualSize, 2), (DisplayChoice{1, false}));
  EXPECT_EQ(afterDisplayCommand({2, false}, C::ToggleFullScreen, 2), (DisplayChoice{2, true}));
  EXPECT_EQ(afterDisplayCommand({2, true}, C::ToggleFullScreen, 2), (DisplayChoice{2, false}));
  // Nothing fits: the window stays at 1x rather than at no zoom at all.
  EXPECT_EQ(windowAtZoom(3, 0), (DisplayChoice{1, false}));
}

TEST(DisplayRules, TheMenuGreysWhatChangesNothingAndChecksTheCurrentChoice) {
  const std::vector<DisplayMenuEntry> atLargest = displayMenu({3, false}, 3);
  ASSERT_EQ(atLargest.size(), 6u);
  EXPECT_EQ(atLargest[0].text + "\t" + atLargest[0].keys, "Zoom in\tCtrl++");
  EXPECT_FALSE(atLargest[0].enabled);
  EXPECT_TRUE(atLargest[1].enabled);
  EXPECT_EQ(atLargest[1].choice, (DisplayChoice{2, false}));
  EXPECT_EQ(atLargest[2].keys, "Ctrl+0");
  EXPECT_TRUE(atLargest[4].checked && !atLargest[3].checked && atLargest[4].text == "3x");
  EXPECT_EQ(atLargest[5].keys, "F11, Alt+Enter");
  EXPECT_FALSE(atLargest[5].checked);
  // Full screen nothing is checked but full screen, and every zoom entry brings the window back.
  const std::vector<DisplayMenuEntry> full = displayMenu({1, true}, 1);
  ASSERT_EQ(full.size(), 4u);
  EXPECT_TRUE(full[0].enabled && full[1].enabled);
  EXPECT_FALSE(full[2].checked);
  EXPECT_TRUE(full[3].checked);
  EXPECT_EQ(full[3].choice, (DisplayChoice{1, false}));
}

}  // namespace
