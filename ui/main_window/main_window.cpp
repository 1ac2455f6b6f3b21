#include "ui/main_window/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "ui/about_window/about_window.h"
#include "ui/main_window/message_box.h"
#include "ui/main_window/twips.h"
#include "ui/options_window/options_window.h"
#include "ui/pictures.h"
#include "ui/window_parts.h"
#include "ui/window_zoom.h"

namespace {

constexpr double kLargeFontPoints = 13.5;
const QString kStartPrompt =
    "Press 'F1' for configuration options.       Press 'Space' to begin game";

constexpr QColor toColor(Rgb c) { return QColor(c.red, c.green, c.blue); }

// The credit banner reports a click.
class ClickableLabel final : public QLabel {
 public:
  ClickableLabel(QWidget* parent, std::function<void()> onClick)
      : QLabel(parent), onClick_(std::move(onClick)) {}

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
      onClick_();
    }
  }

 private:
  std::function<void()> onClick_;
};

}  // namespace

MainWindow::MainWindow(KeyState& keys, SettingsStore& store, WavePlayer& player,
                       RandomSource& random, QString optionsLocation)
    : store_(store),
      playfield_(new PlayfieldWidget(this)),
      game_(GamePorts{keys, *playfield_, *this, store, random}),
      music_(store, player),
      playControl_(keys, *this, store, music_),
      optionsLocation_(std::move(optionsLocation)) {
  setObjectName("mainWindow");
  setUpGameWindow(this, "Zundabar");
  setGeometry(kClientGeometryPx);
  setFixedSize(kClientGeometryPx.size());
  playfield_->setGeometry(kPlayfieldGeometryPx);

  // The labels in creation order; all but the start prompt lie on the grass.
  QWidget* inner = playfield_->inner();
  QLabel* level = ::addLabel(inner, "levelCaption", twipsRect(5840, 6390, 435, 225), "Level:");
  addRuntimeLabel(LabelId::Level, "level", inner, twipsRect(6510, 6289, 150, 360), "L");
  addRuntimeLabel(LabelId::Jumps, "jumps", inner, twipsRect(3360, 6289, 840, 360), "Jumps");
  addRuntimeLabel(LabelId::JumpsCaption, "jumpsCaption", inner, twipsRect(105, 6405, 3105, 195),
                  "SuperHappyUltraHyperMegaMonkeyJumps:");
  addRuntimeLabel(LabelId::StartPrompt, "startPrompt", inner, twipsRect(2430, 1575, 2535, 435),
                  kStartPrompt);
  ::addLabel(this, "scoreCaption", twipsRect(5145, 6975, 465, 195), "Score:");
  addRuntimeLabel(LabelId::Score, "score", this, twipsRect(5775, 7005, 1515, 360), "0");

  const QColor designGreen(0, 255, 0);
  for (QLabel* l :
       {level, label(LabelId::Level), label(LabelId::Jumps), label(LabelId::JumpsCaption)}) {
    QPalette p = l->palette();
    p.setColor(QPalette::Window, designGreen);
    l->setPalette(p);
  }
  QPalette prompt = label(LabelId::StartPrompt)->palette();
  prompt.setColor(QPalette::Window, QColor(0, 0, 255));
  prompt.setColor(QPalette::WindowText, Qt::black);
  label(LabelId::StartPrompt)->setPalette(prompt);
  for (LabelId number : {LabelId::Level, LabelId::Jumps, LabelId::Score}) {
    QFont f = label(number)->font();
    f.setPointSizeF(kLargeFontPoints);
    f.setUnderline(true);
    f.setBold(false);
    label(number)->setFont(f);
  }

  creditBanner_ = new ClickableLabel(this, [this] { playControl_.openAbout(); });
  creditBanner_->setObjectName("creditBanner");
  creditBanner_->setPixmap(gamePicture("credit_banner"));
  creditBanner_->setGeometry(twipsRect(2460, 6975, 2475, 420));
  creditBanner_->setCursor(Qt::PointingHandCursor);
  creditBanner_->setToolTip("About Zundabar");
  playfield_->raiseDrawingLayer();

  struct TimerSetup {
    TimerId id;
    const char* name;
    int intervalMs;
    bool on;
    std::function<void()> handler;
  };
  const TimerSetup setups[] = {
      {TimerId::Tick, "tick", kTickIntervalMs, false, [this] { playTick(); }},
      {TimerId::MusicReplay, "musicReplay", kMusicReplayIntervalMs, false,
       [this] { music_.step(); }},
      {TimerId::Listener, "listener", kListenIntervalMs, true,
       [this] { playControl_.pollStartKeys(); }},
  };
  for (const TimerSetup& setup : setups) {
    auto* timer = new QTimer(this);
    timer->setObjectName(setup.name);
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(setup.intervalMs);
    connect(timer, &QTimer::timeout, this, setup.handler);
    if (setup.on) timer->start();
    timers_[setup.id] = timer;
  }

  game_.setUpLevel();
}

MainWindow::~MainWindow() = default;

void MainWindow::playTick() {
  game_.tick();
  playfield_->finishFrame();
}

void MainWindow::addRuntimeLabel(LabelId id, const char* name, QWidget* parent, QRect geometry,
                                 const QString& caption) {
  labels_[id] = ::addLabel(parent, name, geometry, caption);
  designWidths_[id] = geometry.width();
}

void MainWindow::fitWidth(LabelId id) {
  // The number labels grow with their captions and shrink back to their designed width.
  if (id != LabelId::Level && id != LabelId::Jumps && id != LabelId::Score) return;
  QLabel* l = label(id);
  const int needed = l->fontMetrics().horizontalAdvance(l->text());
  l->resize(std::max(designWidths_.at(id) * zoom_, needed), l->height());
}

void MainWindow::setCaption(LabelId id, const std::string& caption) {
  label(id)->setText(QString::fromStdString(caption));
  fitWidth(id);
}

void MainWindow::setBackColor(LabelId id, Rgb colour) {
  QPalette p = label(id)->palette();
  p.setColor(QPalette::Window, toColor(colour));
  label(id)->setPalette(p);
}

void MainWindow::setLabelVisible(LabelId id, bool visible) { label(id)->setVisible(visible); }

void MainWindow::setTimer(TimerId id, bool on) {
  // Switching on a timer that already runs must not restart its period.
  QTimer& t = timer(id);
  if (on && !ended_ && !t.isActive()) t.start();
  if (!on) t.stop();
}

bool MainWindow::timerOn(TimerId id) const { return timers_.at(id)->isActive(); }

void MainWindow::restoreGeometry() {
  if (!fullScreen_) setFixedSize(kClientGeometryPx.size() * zoom_);
  playfield_->setGeometry(zoomed(kPlayfieldGeometryPx, zoom_).translated(picture_.topLeft()));
}

void MainWindow::showMessage(const std::string& text) {
  // The box opens inside a tick, and the window paints beneath it: the tick's frame is ready.
  playfield_->finishFrame();
  showGameMessage(this, QString::fromStdString(text), zoom_);
  // Play goes on at once.
  takeKeyboard();
}

void MainWindow::takeKeyboard() {
  if (ended_ || !isVisible()) return;
  activateWindow();
  playfield_->takeFocus();
}

OptionsWindow* MainWindow::optionsWindow() const {
  return static_cast<OptionsWindow*>(options_.data());
}

AboutWindow* MainWindow::aboutWindow() const { return static_cast<AboutWindow*>(about_.data()); }

void MainWindow::showOptions() {
  if (!options_) {
    options_ =
        new OptionsWindow(this, OptionsBehaviour(game_, store_, music_, *this, playControl_));
    zoomWindow(options_, zoom_);
    if (zoom_ > 1) options_->move(OptionsWindow::kClientGeometryPx.topLeft() * zoom_);
    options_->installEventFilter(this);
  }
  showSecondary(options_);
}

void MainWindow::showAbout() {
  if (!about_) {
    about_ = new AboutWindow(this, playControl_, optionsLocation_);
    zoomWindow(about_, zoom_);
    about_->installEventFilter(this);
  }
  showSecondary(about_);
}

// Both windows are modeless: showing them waits for nothing.
void MainWindow::showSecondary(QWidget* window) {
  keepInsideScreen(window);
  window->show();
  window->raise();
  window->activateWindow();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  // Resume Game, Close or any other close of the options or About window: play goes on here.
  // A minimised window (a spontaneous hide) leaves the focus where the system puts it.
  if (event->type() == QEvent::Hide && !event->spontaneous() &&
      (watched == options_.data() || watched == about_.data())) {
    takeKeyboard();
  }
  return QWidget::eventFilter(watched, event);
}

void MainWindow::endProgram() {
  ended_ = true;
  for (auto& [id, t] : timers_) t->stop();
  QCoreApplication::exit(0);
}

void MainWindow::showZoomed(int zoom, bool fullScreen) {
  if (fullScreen) {
    if (!fullScreen_) windowedPos_ = pos();
    const QRect screenArea = screen()->geometry();
    const QSize picture = kClientGeometryPx.size() * zoom;
    zoomPicture(
        zoom,
        QPoint(screenArea.width() - picture.width(), screenArea.height() - picture.height()) / 2);
    // Without a window manager nothing else makes the window cover the screen.
    setFixedSize(screenArea.size());
    setWindowState(windowState() | Qt::WindowFullScreen);
    move(screenArea.topLeft());
  } else {
    if (fullScreen_) setWindowState(windowState() & ~Qt::WindowFullScreen);
    zoomPicture(zoom, QPoint());
    if (fullScreen_) move(windowedPos_);
  }
  fullScreen_ = fullScreen;
  update();
}

void MainWindow::zoomPicture(int zoom, QPoint origin) {
  zoom_ = zoom;
  picture_ = QRect(origin, kClientGeometryPx.size() * zoom);
  zoomWindow(this, zoom, origin);
  playfield_->setZoom(zoom);
  for (LabelId id : {LabelId::Level, LabelId::Jumps, LabelId::Score}) fitWidth(id);
  // Open windows follow at once rather than at their next opening.
  if (options_) zoomWindow(options_, zoom);
  if (about_) zoomWindow(about_, zoom);
}

void MainWindow::paintEvent(QPaintEvent*) {
  // The window's face lies under the picture only; full screen, black bars surround it.
  if (picture_ == rect()) return;
  QPainter painter(this);
  for (const QRect& bar : QRegion(rect()) - QRegion(picture_)) painter.fillRect(bar, Qt::black);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  playControl_.mainWindowClosing();
  event->accept();
}
