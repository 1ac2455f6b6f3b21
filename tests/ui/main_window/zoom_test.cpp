#include <QApplication>
#include <QScreen>
#include <QStyle>
#include <QTimer>

#include "design/about_window_design.h"
#include "design/options_window_design.h"
#include "tests/ui/main_window/main_window_fixture.h"
#include "ui/about_window/about_window.h"
#include "ui/designed_window.h"
#include "ui/options_window/options_window.h"

namespace {

using Zoom = MainWindowFixture;

// Zoomed in a window or full screen, the game keeps its layout and stays crisp: outside the text
// every pixel of the picture is a uniform block of exactly what the unzoomed window shows there.
TEST_F(Zoom, ThePictureIsTheUnzoomedWindowEnlargedPixelForPixel) {
  GameState& s = state();
  s.playerX = 100;
  s.playerY = 200;
  s.crateShown = kTrue;
  s.crateX = 700;
  s.crateY = 100;
  form->game().tick();
  const QImage single = form->grab().toImage();
  QRegion text;
  for (QLabel* l : form->findChildren<QLabel*>())
    if (!l->isHidden() && l->pixmap().isNull())
      text += QRect(l->mapTo(form.get(), QPoint()), l->size());

  const QSize screen = form->screen()->geometry().size();  // 800 x 600: full screen at 1x
  for (auto [zoom, fullScreen] : {std::pair(2, false), std::pair(3, false), std::pair(1, true)}) {
    form->showZoomed(zoom, fullScreen);
    const QRect picture = form->pictureRect();
    EXPECT_EQ(picture.size(), MainWindow::designGeometry().size() * zoom);
    EXPECT_EQ(form->size(), fullScreen ? screen : picture.size());
    EXPECT_EQ(picture.center(), form->rect().center());
    const QImage shown = form->grab().toImage();
    int compared = 0, mismatched = 0;
    for (int y = 0; y < single.height(); ++y) {
      for (int x = 0; x < single.width(); ++x) {
        if (text.contains(QPoint(x, y))) continue;
        for (int dy = 0; dy < zoom; ++dy)
          for (int dx = 0; dx < zoom; ++dx)
            mismatched += shown.pixel(picture.x() + zoom * x + dx, picture.y() + zoom * y + dy) !=
                          single.pixel(x, y);
        ++compared;
      }
    }
    EXPECT_GT(compared, 200000);
    EXPECT_EQ(mismatched, 0) << zoom;
    if (fullScreen) {
      EXPECT_EQ(shown.pixelColor(picture.topLeft() - QPoint(1, 1)), Qt::black);
    }
    // Text is drawn at the screen's resolution, not enlarged.
    EXPECT_DOUBLE_EQ(find("score")->font().pointSizeF(), 13.5 * zoom);
  }
  form->showZoomed(1, false);
  EXPECT_EQ(form->grab().toImage(), single);
}

// The size of the end-of-level message box, read while it is open.
QSize messageSize(MainWindow& form) {
  QSize size;
  QTimer reader;  // gone with this call, should the box never open
  reader.setSingleShot(true);
  QObject::connect(&reader, &QTimer::timeout, [&size] {
    if (QWidget* box = QApplication::activeModalWidget()) {
      size = box->size();
      box->close();
    }
  });
  reader.start(0);
  form.showMessage("Zundabar", "You have failed round 1.\r\nPress 'Enter' to play again.\r\nScore: 130");
  return size;
}

TEST_F(Zoom, TheOtherWindowsOpenAtTheZoomedSizeAndFollowAChange) {
  const QSize message = messageSize(*form);
  form->showZoomed(2, false);
  EXPECT_EQ(messageSize(*form), message * 2);
  form->showOptions();
  OptionsWindow* options = form->optionsWindow();
  const QRect designed = toQRect(optionsWindowDesign().clientPixels());
  const QSize about = toQRect(aboutWindowDesign().clientPixels()).size();
  EXPECT_EQ(options->size(), designed.size() * 2);
  // Check boxes and sliders grow with their captions.
  for (auto metric : {QStyle::PM_IndicatorWidth, QStyle::PM_SliderLength})
    EXPECT_EQ(options->cratesBox->style()->pixelMetric(metric),
              2 * QApplication::style()->pixelMetric(metric));
  form->showAbout();
  EXPECT_EQ(form->aboutWindow()->size(), about * 2);
  form->showZoomed(3, false);
  EXPECT_EQ(options->size(), designed.size() * 3);
  EXPECT_EQ(form->aboutWindow()->size(), about * 3);
  // Back at 1x the open options window returns to its designed place, not where the larger one
  // had to stand.
  form->showZoomed(1, false);
  EXPECT_EQ(options->geometry(), designed);
}

}  // namespace
