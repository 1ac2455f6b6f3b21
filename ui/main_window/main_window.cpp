#include "ui/main_window/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "design/about_window_design.h"
#include "design/display_rules.h"
#include "design/main_window_design.h"
#include "design/options_window_design.h"
#include "ui/about_window/about_window.h"
#include "ui/designed_window.h"
#include "ui/main_window/message_box.h"
#include "ui/options_window/options_window.h"
#include "ui/pictures.h"
#include "ui/window_parts.h"
#include "ui/window_zoom.h"

MainWindow::MainWindow(KeyState& keys, SettingsStore& store, WavePlayer& player,
                       RandomSource& random, QString optionsLocation)
    : store_(store),
      playfield_(new PlayfieldWidget(this)),
      game_(GamePorts{keys, *playfield_, *this, store, random}),
      music_(store, player),
      playControl_(keys, *this, store, music_),
      optionsLocation_(std::move(optionsLocation)) {
  const WindowDesign& design = mainWindowDesign();
  playfield_->setGeometry(toQRect(playfieldPixels()));
  buildDesignedWindow(this, design, [this](const ControlDesign& c) -> QWidget* {
    return c.container.empty() ? this : playfield_->inner();
  });
  for (LabelId id : {LabelId::StartPrompt, LabelId::JumpsCaption, LabelId::Level, LabelId::Jumps,
                     LabelId::Score}) {
    const ControlDesign& c = design.control(labelName(id));
    labels_[id] = designedControl<QLabel>(this, c);
    designWidths_[id] = c.pixels().width;
  }
  creditBanner_ = designedControl<QLabel>(this, design.control("creditBanner"));
  creditBanner_->installEventFilter(this);
  playfield_->raiseDrawingLayer();

  const std::map<TimerId, std::function<void()>> handlers{
      {TimerId::Tick, [this] { playTick(); }},
      {TimerId::MusicReplay, [this] { music_.step(); }},
      {TimerId::Listener, [this] { playControl_.pollStartKeys(); }},
  };
  for (const TimerDesign& setup : design.timers) {
    auto* timer = new QTimer(this);
    timer->setObjectName(QString::fromStdString(setup.name));
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(setup.intervalMs);
    connect(timer, &QTimer::timeout, this, handlers.at(setup.id));
    if (setup.initiallyOn) timer->start();
    timers_[setup.id] = timer;
  }

  game_.setUpLevel();
}

QRect MainWindow::designGeometry() { return toQRect(mainWindowDesign().clientPixels()); }

MainWindow::~MainWindow() = default;

void MainWindow::playTick() {
  game_.tick();
  playfield_->finishFrame();
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
  p.setColor(QPalette::Window, QColor(colour.red, colour.green, colour.blue));
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

void MainWindow::restoreDesignedGeometry() {
  if (!fullScreen_) setFixedSize(designGeometry().size() * zoom_);
  playfield_->setGeometry(zoomed(toQRect(playfieldPixels()), zoom_).translated(picture_.topLeft()));
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
    zoomSecondary(options_, optionsWindowDesign());
    options_->installEventFilter(this);
  }
  showSecondary(options_);
}

void MainWindow::showAbout() {
  if (!about_) {
    about_ = new AboutWindow(this, playControl_, optionsLocation_);
    zoomSecondary(about_, aboutWindowDesign());
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

void MainWindow::zoomSecondary(QWidget* window, const WindowDesign& design) {
  zoomWindow(window, zoom_);
  // A window with a designed place goes there at the new factor, wherever it was before.
  // The client area is placed, not the frame around it.
  if (design.placement) {
    window->setGeometry(QRect(toQRect(design.clientPixels()).topLeft() * zoom_, window->size()));
  }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == creditBanner_ && event->type() == QEvent::MouseButtonRelease) {
    const auto* click = static_cast<QMouseEvent*>(event);
    if (click->button() == Qt::LeftButton &&
        creditBanner_->rect().contains(click->position().toPoint())) {
      playControl_.openAbout();
    }
    return false;
  }
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
    const QSize design = designGeometry().size();
    const PixelRect picture = fullScreenPicture({screenArea.width(), screenArea.height()},
                                                {design.width(), design.height()}, zoom);
    zoomPicture(zoom, QPoint(picture.x, picture.y));
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
  picture_ = QRect(origin, designGeometry().size() * zoom);
  zoomWindow(this, zoom, origin);
  playfield_->setZoom(zoom);
  for (LabelId id : {LabelId::Level, LabelId::Jumps, LabelId::Score}) fitWidth(id);
  // Open windows follow at once rather than at their next opening.
  if (options_) {
    zoomSecondary(options_, optionsWindowDesign());
    if (options_->isVisible()) keepInsideScreen(options_);
  }
  if (about_) zoomSecondary(about_, aboutWindowDesign());
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
