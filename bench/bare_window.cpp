// A bare Qt window of the game window's size, the yardstick for its start-up time, memory and
// CPU in play. With --label it shows one caption, so that the cost of showing any text at all
// (the font database, the font engine) is in the yardstick too. With --repaint it repaints the
// playfield's 472 x 446 area every 60 ms, as a game tick could at the least, and stands at X, Y
// so that it does not cover the game.
#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

constexpr QRect kPlayfieldAreaPx{9, 9, 472, 446};
constexpr int kTickIntervalMs = 60;

class RepaintingWindow final : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    // A colour of its own each frame, so that every frame really changes the area.
    QPainter painter(this);
    painter.fillRect(kPlayfieldAreaPx, (frames_++ % 2) ? QColor(0, 153, 255) : QColor(0, 255, 102));
  }

 private:
  int frames_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const bool repaint = argc > 3 && std::strcmp(argv[1], "--repaint") == 0;
  const std::unique_ptr<QWidget> owned =
      repaint ? std::make_unique<RepaintingWindow>() : std::make_unique<QWidget>();
  QWidget& window = *owned;
  window.setWindowTitle("Bare");
  window.setFixedSize(492, 498);
  if (argc > 1 && std::strcmp(argv[1], "--label") == 0) new QLabel("Score:", &window);
  QTimer timer;
  if (repaint) {
    window.move(std::atoi(argv[2]), std::atoi(argv[3]));
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &window, [&] { window.update(kPlayfieldAreaPx); });
    timer.start(kTickIntervalMs);
  }
  window.show();
  return QApplication::exec();
}
