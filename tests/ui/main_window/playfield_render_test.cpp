#include "tests/ui/main_window/main_window_fixture.h"

namespace {

const QColor kSky(0, 153, 255);
const QColor kGrass(0, 255, 102);
const QColor kBrown(153, 102, 0);
const QColor kCrateYellow(255, 255, 153);

// A frame drawn by a real tick on the real playfield, read back pixel by pixel.
class PlayfieldRender : public MainWindowFixture {
 protected:
  QImage frame;

  void SetUp() override {
    MainWindowFixture::SetUp();
    GameState& s = state();
    s.playerX = 100;
    s.playerY = 200;  // after the descent: 201
    s.ledgeY = 800;
    s.gapLeft = 400;
    s.gapRight = 500;
    s.cloudX = 501;  // drifts left to 500, over the grass
    s.cloudY = 900;
    s.cloudRight = kFalse;
    s.crateShown = kTrue;
    s.crateX = 480;  // over the jumps label
    s.crateY = 940;
    s.frameTicks = 3;
    s.poseUp = kFalse;
    form->game().tick();
    frame = form->playfield()->inner()->grab().toImage();
  }

  QColor at(int x, int y) { return frame.pixelColor(x, y); }
};

TEST_F(PlayfieldRender, TheLandscapeShowsSkyAboveAndGrassBelowUnscaled) {
  EXPECT_EQ(frame.size(), QSize(472, 446));
  EXPECT_EQ(at(10, 10), kSky);
  EXPECT_EQ(at(460, 20), kSky);
  EXPECT_EQ(at(300, 380), kGrass);
  EXPECT_EQ(at(471, 445), kGrass);
}

TEST_F(PlayfieldRender, TheLedgeIsDrawnInTheForeColourWithItsGapOpen) {
  const int y = unitsToPixels(0, 800).y();
  const QColor fore = form->playfield()->palette().color(QPalette::ButtonText);
  EXPECT_EQ(at(5, y), fore);
  EXPECT_EQ(at(unitsToPixels(390, 0).x(), y), fore);
  EXPECT_EQ(at(unitsToPixels(450, 0).x(), y), kGrass);  // the gap
  EXPECT_EQ(at(unitsToPixels(510, 0).x(), y), fore);
  EXPECT_EQ(at(470, y), fore);
  EXPECT_NE(at(5, y - 1), fore);
}

TEST_F(PlayfieldRender, TheMonkeyIsPaintedAtItsOwnSizeWithTheLandscapeAroundIt) {
  const QPoint corner = unitsToPixels(100, 201);
  const QImage sprite = form->playfield()->picture(Picture::MonkeyDown).toImage();
  int brown = 0, landscape = 0;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const bool opaque = sprite.pixelColor(x, y).alpha() == 255;
      const QColor seen = at(corner.x() + x, corner.y() + y);
      if (opaque)
        brown += seen == kBrown;
      else
        landscape += seen == kSky;
    }
  }
  EXPECT_GT(brown, 40);
  EXPECT_EQ(brown + landscape, 32 * 32);
  EXPECT_EQ(at(corner.x() + 16, corner.y() + 32), kSky);  // nothing beyond its 32 pixels
}

TEST_F(PlayfieldRender, TheCloudAndTheCrateArePaintedAsFullRectangles) {
  const QPoint cloud = unitsToPixels(500, 900);
  EXPECT_EQ(at(cloud.x(), cloud.y()), kSky);  // the cloud's own sky over the grass
  EXPECT_EQ(at(cloud.x() + 116, cloud.y() + 2), kSky);
  EXPECT_EQ(at(cloud.x() + 117, cloud.y() + 2), kGrass);
  const QPoint crate = unitsToPixels(480, 940);
  EXPECT_EQ(at(crate.x(), crate.y()), kCrateYellow);
  EXPECT_EQ(at(crate.x() + 15, crate.y() + 15), kCrateYellow);
}

TEST_F(PlayfieldRender, APaintedPictureCoversALabelUntilTheNextRepaint) {
  // The crate lies on the jumps label, whose grass-coloured background it covers.
  const QPoint crate = unitsToPixels(480, 940);
  QLabel* jumps = find("jumps");
  ASSERT_TRUE(jumps->geometry().contains(crate));
  EXPECT_EQ(at(crate.x(), crate.y()), kCrateYellow);
  form->playfield()->repaint();
  frame = form->playfield()->inner()->grab().toImage();
  EXPECT_EQ(at(crate.x(), crate.y()), kGrass);
  EXPECT_EQ(at(unitsToPixels(5, 800).x(), unitsToPixels(5, 800).y()), kGrass);
}

TEST_F(PlayfieldRender, OnAFlipTickTheWhiteLinesShowJustAboveTheLedge) {
  state().frameTicks = 24;
  form->game().tick();
  frame = form->playfield()->inner()->grab().toImage();
  const int ledge = unitsToPixels(0, 800).y();
  const int flash = unitsToPixels(0, 799).y();
  ASSERT_EQ(flash, ledge - 1);
  EXPECT_EQ(at(5, flash), QColor(Qt::white));
  EXPECT_EQ(at(unitsToPixels(450, 0).x(), flash), kGrass);
}

}  // namespace
