#include <QApplication>
#include <QBackingStore>
#include <QExposeEvent>
#include <QTimer>
#include <QtTest/QTest>

#include "tests/ui/main_window/main_window_fixture.h"

namespace {

// The playfield redraws only what changed since the last frame, so what the player sees (the
// window's backing store) must equal a full repaint of the same state after every frame.
class PlayfieldFrames : public MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QCoreApplication::processEvents();
  }

  void tick() {
    form->playTick();
    QCoreApplication::processEvents();
  }

  // The inner playfield as the screen shows it: the window's backing store, an image in device
  // pixels on this platform.
  QImage shown() {
    QPaintDevice* store = form->backingStore()->paintDevice();
    if (store->devType() != QInternal::Image) return {};
    QWidget* inner = form->playfield()->inner();
    const qreal ratio = form->devicePixelRatioF();
    const QRect area(inner->mapTo(form.get(), QPoint(0, 0)) * ratio, inner->size() * ratio);
    return static_cast<QImage*>(store)->copy(area).convertToFormat(QImage::Format_RGB32);
  }

  // Pixels that differ between the screen and a full repaint of the playfield. A widget's repaint
  // leaves out its opaque children, so each one is repainted.
  int stalePixels() {
    const QImage seen = shown();
    QWidget* inner = form->playfield()->inner();
    inner->repaint();
    for (QWidget* child : inner->findChildren<QWidget*>()) child->repaint();
    const QImage full = shown();
    if (seen.isNull() || seen.size() != full.size()) return -1;
    int stale = 0;
    for (int y = 0; y < full.height(); ++y)
      for (int x = 0; x < full.width(); ++x) stale += seen.pixel(x, y) != full.pixel(x, y);
    return stale;
  }
};

TEST_F(PlayfieldFrames, EveryFrameShowsWhatAFullRepaintShows) {
  // The cloud drifts over the grass and its labels, whose colour its own sky does not match.
  GameState& s = state();
  s.cloudY = 880;
  s.crateShown = kTrue;
  s.crateX = 600;
  s.crateY = 300;
  keys.held = {VirtualKey::Right, VirtualKey::Down};
  for (int i = 0; i < 8; ++i) {
    tick();
    EXPECT_EQ(stalePixels(), 0) << "ordinary tick " << i;
  }
  keys.held.clear();

  // The white lines of the pose flip show for one tick and are gone at the next.
  s.frameTicks = 24;
  tick();
  EXPECT_EQ(stalePixels(), 0) << "flip";
  tick();
  EXPECT_EQ(stalePixels(), 0) << "after the flip";

  // A crate picked up is drawn once more, then gone; the jumps and score captions change.
  s.crateX = static_cast<int16_t>(s.playerX + 20);
  s.crateY = static_cast<int16_t>(s.playerY + 20);
  tick();
  ASSERT_EQ(s.crateShown, kFalse);
  EXPECT_EQ(stalePixels(), 0) << "pickup";
  tick();
  EXPECT_EQ(stalePixels(), 0) << "after the pickup";

  // The level ends under its message box; the new ledge joins the last frame's drawing, and the
  // window is uncovered when the box goes.
  random.values = {0.5f, 0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 0.02f, 0.5f, 0.5f};
  s.playerY = s.ledgeY;
  QTimer::singleShot(0, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return); });
  tick();
  ASSERT_TRUE(random.values.empty());  // the next level was set up
  QExposeEvent uncovered(QRegion(form->rect()));
  QCoreApplication::sendEvent(form->windowHandle(), &uncovered);
  EXPECT_EQ(stalePixels(), 0) << "new level";
  tick();
  EXPECT_EQ(stalePixels(), 0) << "first tick of the new level";

  // Uncovered between a tick and its frame: both are shown.
  tick();
  form->playTick();
  QExposeEvent partly(QRegion(0, 0, 200, 200));
  QCoreApplication::sendEvent(form->windowHandle(), &partly);
  QCoreApplication::processEvents();
  EXPECT_EQ(stalePixels(), 0) << "uncovered during a frame";

  // Zoomed, the changed areas grow with the picture.
  form->showZoomed(2, false);
  keys.held = {VirtualKey::Left};
  for (int i = 0; i < 3; ++i) {
    tick();
    EXPECT_EQ(stalePixels(), 0) << "zoomed tick " << i;
  }
}

TEST_F(PlayfieldFrames, ADrawingThatComesBackUnderAnotherIsRedrawn) {
  // A tick that draws the same crate and line again, but the line under the crate this time,
  // must show the crate on top where they cross.
  PlayfieldWidget& field = *form->playfield();
  auto drawTick = [&](bool crateOnTop) {
    field.repaint();
    field.paint(Picture::MonkeyUp, 100, 100);
    if (crateOnTop) field.line(0, 505, 1000, 505, std::nullopt);
    field.paint(Picture::Crate, 500, 500);
    if (!crateOnTop) field.line(0, 505, 1000, 505, std::nullopt);
    field.finishFrame();
    QCoreApplication::processEvents();
  };
  drawTick(false);
  EXPECT_EQ(stalePixels(), 0);
  drawTick(true);
  EXPECT_EQ(stalePixels(), 0) << "the crate is on top now";
}

}  // namespace
