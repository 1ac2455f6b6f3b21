#include <QPainter>
#include <QScreen>

#include "design/options_window_design.h"
#include "tests/ui/main_window/main_window_fixture.h"
#include "tests/ui/widget_test_main.h"
#include "ui/designed_window.h"
#include "ui/options_window/options_window.h"
#include "ui/window_parts.h"

namespace {

// On a screen scaled by two the game keeps its layout and stays crisp: every picture pixel and
// every line becomes a uniform 2 x 2 block of exactly what the unscaled frame shows there.
class HighDensity : public MainWindowFixture {};

TEST_F(HighDensity, TheLayoutIsKeptInLogicalPixels) {
  EXPECT_EQ(form->devicePixelRatioF(), 2.0);
  EXPECT_EQ(form->size(), MainWindow::designGeometry().size());
  EXPECT_EQ(form->playfield()->geometry(), toQRect(playfieldPixels()));
}

TEST_F(HighDensity, AFrameIsTheUnscaledFrameEnlargedPixelForPixel) {
  GameState& s = state();
  s.playerX = 100;
  s.playerY = 200;
  s.cloudX = 501;
  s.cloudY = 300;
  s.crateShown = kTrue;
  s.crateX = 700;
  s.crateY = 100;
  form->game().tick();
  QWidget* inner = form->playfield()->inner();
  const QImage doubled = inner->grab().toImage();
  ASSERT_EQ(doubled.size(), QSize(944, 892));
  QImage single(inner->size(), QImage::Format_ARGB32);
  single.setDevicePixelRatio(1);
  inner->render(&single);

  // Text is drawn at the screen's own resolution, so the labels are left out.
  QRegion text;
  for (QLabel* l : inner->findChildren<QLabel*>())
    if (!l->isHidden()) text += l->geometry();
  int compared = 0, mismatched = 0;
  for (int y = 0; y < single.height(); ++y) {
    for (int x = 0; x < single.width(); ++x) {
      if (text.contains(QPoint(x, y))) continue;
      const QRgb expected = single.pixel(x, y);
      for (int dy = 0; dy < 2; ++dy)
        for (int dx = 0; dx < 2; ++dx)
          mismatched += doubled.pixel(2 * x + dx, 2 * y + dy) != expected;
      ++compared;
    }
  }
  EXPECT_GT(compared, 150000);
  EXPECT_EQ(mismatched, 0);
  // The ledge is there, on two whole device rows.
  const QPoint ledge = unitsToPixels(5, s.ledgeY);
  EXPECT_EQ(QColor(doubled.pixel(2 * ledge.x(), 2 * ledge.y())), QColor(Qt::black));
  EXPECT_EQ(QColor(doubled.pixel(2 * ledge.x(), 2 * ledge.y() + 1)), QColor(Qt::black));
}

// Scaled by two the offscreen screen is 400 x 400, too small for the options window's place.
TEST_F(HighDensity, AWindowThatWouldOpenPartlyOffTheScreenIsMovedInside) {
  const QRect area = form->screen()->availableGeometry();
  ASSERT_EQ(area, QRect(0, 0, 400, 400));
  form->showOptions();
  // Frame and all, just inside the bottom right corner.
  const OptionsWindow* w = form->optionsWindow();
  EXPECT_EQ(w->frameGeometry().bottomRight(), area.bottomRight());
  const QRect designed = toQRect(optionsWindowDesign().clientPixels());
  EXPECT_EQ(w->size(), designed.size());
  // Larger than the screen (scaled by three on 1024 x 768), the title bar stays on it.
  EXPECT_EQ(placeInside(designed, QRect(0, 0, designed.width() - 10, designed.height() - 20)),
            QPoint(0, 0));
}

}  // namespace

int main(int argc, char** argv) { return runWidgetTests(argc, argv, "2"); }
