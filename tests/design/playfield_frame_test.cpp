#include "design/playfield_frame.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "design/resolution.h"

namespace {

using Kind = FrameStep::Kind;

constexpr PixelSize kLandscape{475, 450};
constexpr PixelSize kCrate{16, 16};
constexpr PixelSize kInnerArea{472, 446};
constexpr Rgb kWhite{255, 255, 255};

PlayfieldFrame makeFrame() {
  FramePictureSizes sizes{};
  sizes[static_cast<size_t>(FramePicture::Landscape)] = kLandscape;
  sizes[static_cast<size_t>(FramePicture::Crate)] = kCrate;
  sizes[static_cast<size_t>(FramePicture::MonkeyUp)] = {32, 32};
  return PlayfieldFrame(sizes);
}

TEST(PlayfieldFrame, PlayfieldUnitsGoToTheNearestDesignPixelBeforeScaling) {
  EXPECT_EQ(playfieldUnitsToPixelsX(1000, kDesignDpi), 472);
  EXPECT_EQ(playfieldUnitsToPixelsY(1000, kDesignDpi), 446);
  EXPECT_EQ(playfieldUnitsToPixelsX(100, kDesignDpi), 47);  // 47.2
  EXPECT_EQ(playfieldUnitsToPixelsY(201, kDesignDpi), 90);  // 89.646
  // 1 unit across is 0.472 pixel: nothing at 96 dpi, so nothing at 192 either.
  EXPECT_EQ(playfieldUnitsToPixelsX(1, 2 * kDesignDpi), 0);
  EXPECT_EQ(playfieldUnitsToPixelsX(500, 2 * kDesignDpi), 472);
  EXPECT_EQ(playfieldUnitsToPixelsY(-100, kDesignDpi), -45);
}

TEST(PlayfieldFrame, TheLandscapeAndTheLabelsComeBeforeTheDrawingInItsOwnOrder) {
  PlayfieldFrame frame = makeFrame();
  frame.paint(Picture::MonkeyUp, 100, 201);
  frame.line(0, 800, 400, 800, std::nullopt);
  frame.paint(Picture::Crate, 480, 940);
  const std::vector<FrameStep> expected = {
      {Kind::Picture, {0, 0, 475, 450}, {}, FramePicture::Landscape},
      {Kind::Labels},
      {Kind::Picture, {47, 90, 32, 32}, {}, FramePicture::MonkeyUp},
      {Kind::Fill, {0, 357, 190, 1}},
      {Kind::Picture, {227, 419, 16, 16}, {}, FramePicture::Crate},
  };
  EXPECT_EQ(frame.steps(kInnerArea, kDesignDpi), expected);
  // A repaint takes the drawing away and leaves the landscape and the labels.
  frame.repaint();
  EXPECT_EQ(frame.steps(kInnerArea, kDesignDpi),
            std::vector<FrameStep>(expected.begin(), expected.begin() + 2));
}

TEST(PlayfieldFrame, LevelAndUprightLinesFillWholePixelsWithBothEndsWhicheverWayDrawn) {
  PlayfieldFrame frame = makeFrame();
  const Rgb white = kWhite;
  // The right-hand ledge may start beyond the playfield and run back to its edge.
  const auto backwards = frame.line(1125, 799, 1000, 799, white);
  ASSERT_EQ(backwards.size(), 1u);
  const FrameStep ledge{Kind::Fill, {472, 356, 60, 1}, white};
  EXPECT_EQ(backwards[0], ledge);
  EXPECT_EQ(frame.line(1000, 799, 1125, 799, white)[0], ledge);
  EXPECT_EQ(frame.line(10, 900, 10, 100, std::nullopt)[0],
            (FrameStep{Kind::Fill, {5, 45, 1, 357}}));
  // A line of one point is one pixel.
  EXPECT_EQ(frame.line(0, 0, 0, 0, std::nullopt)[0].area, (PixelRect{0, 0, 1, 1}));
}

TEST(PlayfieldFrame, ASlantedLineCoversOnePixelPerStepOfItsLongerAxisBothEndsIncluded) {
  PlayfieldFrame frame = makeFrame();
  // From (0, 0) to (10, 3) pixels: rows 0..3, eleven pixels in contiguous runs.
  const auto forward = frame.line(0, 0, 21.19f, 6.73f, std::nullopt);
  const std::vector<FrameStep> runs(forward.begin(), forward.end());
  ASSERT_EQ(runs.size(), 4u);
  int nextX = 0;
  for (size_t row = 0; row < runs.size(); ++row) {
    EXPECT_EQ(runs[row].area, (PixelRect{nextX, static_cast<int>(row), runs[row].area.width, 1}));
    nextX += runs[row].area.width;
  }
  EXPECT_EQ(nextX, 11);
  // Drawn the other way it covers the same pixels.
  const auto backward = frame.line(21.19f, 6.73f, 0, 0, std::nullopt);
  EXPECT_TRUE(std::equal(backward.rbegin(), backward.rend(), runs.begin(), runs.end()));
}

TEST(PlayfieldFrame, AtAZoomEveryStepGrowsByTheFactorAndByEdgesOtherwise) {
  PlayfieldFrame frame = makeFrame();
  frame.line(0, 800, 400, 800, std::nullopt);
  frame.paint(Picture::Crate, 480, 940);
  const std::vector<FrameStep> doubled = frame.steps({944, 892}, 2 * kDesignDpi);
  ASSERT_EQ(doubled.size(), 4u);
  EXPECT_EQ(doubled[0].area, (PixelRect{0, 0, 950, 900}));
  EXPECT_EQ(doubled[2].area, (PixelRect{0, 714, 380, 2}));
  EXPECT_EQ(doubled[3].area, (PixelRect{454, 838, 32, 32}));
  // At 150 % a fill is scaled by its edges and a picture takes its own scaled size.
  const std::vector<FrameStep> half = frame.steps({708, 669}, 144);
  EXPECT_EQ(half[2].area, (PixelRect{0, 536, 285, 1}));  // edges 0..190 and 357..358
  EXPECT_EQ(half[3].area, (PixelRect{341, 629, 24, 24}));
}

TEST(PlayfieldFrame, WhiteFillsOnlyWhereTheLandscapeEnds) {
  const PlayfieldFrame frame = makeFrame();
  const std::vector<FrameStep> wide = frame.background({480, 460}, kDesignDpi);
  ASSERT_EQ(wide.size(), 3u);
  EXPECT_EQ(wide[0], (FrameStep{Kind::Fill, {475, 0, 5, 460}, kWhite}));
  EXPECT_EQ(wide[1], (FrameStep{Kind::Fill, {0, 450, 475, 10}, kWhite}));
  EXPECT_EQ(wide[2].picture, FramePicture::Landscape);
  EXPECT_EQ(frame.background(kInnerArea, kDesignDpi).size(), 1u);
}

}  // namespace
