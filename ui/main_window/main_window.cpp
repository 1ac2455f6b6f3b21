#include "ui/main_window/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QSlider>

#include "design/about_window_design.h"
#include "design/display_rules.h"
#include "design/main_window_design.h"
#include "design/options_window_design.h"
#include "design/pad_focus.h"
#include "ui/about_window/about_window.h"
#include "ui/designed_window.h"
#include "ui/main_window/message_box.h"
#include "ui/options_window/options_window.h"
#include "ui/pictures.h"
#include "ui/window_parts.h"
#include "ui/window_zoom.h"

MainWindow::MainWindow(KeyState& keys, SettingsStore& store, WavePlayer& player,
                       RandomSource& random, QString optionsLocation)
    : playfield_(new PlayfieldWidget(this)),
      session_(SessionPorts{keys, *playfield_, *this, store, player, random}),
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

  for (const TimerDesign& setup : design.timers) {
    auto* timer = new QTimer(this);
    timer->setObjectName(QString::fromStdString(setup.name));
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(setup.intervalMs);
    connect(timer, &QTimer::timeout, this, [this, id = setup.id] { session_.timerFired(id); });
    timers_[setup.id] = timer;
  }
}

QRect MainWindow::designGeometry() { return toQRect(mainWindowDesign().clientPixels()); }

MainWindow::~MainWindow() = default;

void MainWindow::fitWidth(LabelId id) {
  if (!mainWindowDesign().control(labelName(id)).growsWithCaption) return;
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

void MainWindow::startTimer(TimerId id, int intervalMs) { timer(id).start(intervalMs); }

void MainWindow::stopTimer(TimerId id) { timer(id).stop(); }

void MainWindow::restoreDesignedGeometry() {
  if (!fullScreen_) setFixedSize(designGeometry().size() * zoom_);
  playfield_->setGeometry(zoomed(toQRect(playfieldPixels()), zoom_).translated(picture_.topLeft()));
}

void MainWindow::finishFrame() { playfield_->finishFrame(); }

void MainWindow::showMessage(const std::string& caption, const std::string& text) {
  showGameMessage(this, QString::fromStdString(caption), QString::fromStdString(text), zoom_);
  session_.messageClosed();
}

void MainWindow::closeMessage() {
  // The box runs its own loop inside the tick's; its OK ends that loop as a click does.
  if (auto* box = findChild<QMessageBox*>("gameMessage", Qt::FindDirectChildrenOnly)) {
    if (QAbstractButton* ok = box->button(QMessageBox::Ok)) ok->click();
  }
}

void MainWindow::padAction(SecondaryWindow window, PadWindowAction action) {
  QWidget* shown = secondary(window);
  if (!shown) return;
  const WindowDesign& design =
      window == SecondaryWindow::Options ? optionsWindowDesign() : aboutWindowDesign();
  // The window's own focus, which it keeps even while another window is active.
  QWidget* focused = shown->focusWidget();
  const std::string focusedName = focused ? focused->objectName().toStdString() : "";
  const PadFocusStep step = padFocusStep(design, focusedName, action);
  switch (step.kind) {
    case PadFocusStep::Kind::Focus:
      if (QWidget* control = shown->findChild<QWidget*>(QString::fromStdString(step.control))) {
        shown->activateWindow();
        control->setFocus(Qt::TabFocusReason);
      }
      break;
    case PadFocusStep::Kind::StepSlider:
      // As the arrow keys step it.
      if (auto* slider = qobject_cast<QSlider*>(focused)) {
        slider->triggerAction(step.sliderStep < 0 ? QAbstractSlider::SliderSingleStepSub
                                                  : QAbstractSlider::SliderSingleStepAdd);
      }
      break;
    case PadFocusStep::Kind::Press:
      if (auto* button = qobject_cast<QAbstractButton*>(focused)) button->click();
      break;
    case PadFocusStep::Kind::None:
      break;
  }
}

void MainWindow::showMainWindow() { show(); }

void MainWindow::takeKeyboard() {
  if (session_.ended() || !isVisible()) return;
  activateWindow();
  playfield_->takeFocus();
}

OptionsWindow* MainWindow::optionsWindow() const {
  return static_cast<OptionsWindow*>(options_.data());
}

AboutWindow* MainWindow::aboutWindow() const { return static_cast<AboutWindow*>(about_.data()); }

QWidget* MainWindow::secondary(SecondaryWindow window) const {
  return window == SecondaryWindow::Options ? options_.data() : about_.data();
}

void MainWindow::createWindow(SecondaryWindow window) {
  if (window == SecondaryWindow::Options) {
    options_ = new OptionsWindow(this, session_);
    zoomSecondary(options_, optionsWindowDesign());
  } else {
    about_ = new AboutWindow(this, session_, optionsLocation_);
    zoomSecondary(about_, aboutWindowDesign());
  }
}

// Both windows are modeless: showing them waits for nothing.
void MainWindow::showWindow(SecondaryWindow window) {
  QWidget* w = secondary(window);
  if (!w) return;
  keepInsideScreen(w);
  w->show();
  w->raise();
  w->activateWindow();
}

void MainWindow::hideWindow(SecondaryWindow window) {
  if (QWidget* w = secondary(window)) w->hide();
}

void MainWindow::destroyWindow(SecondaryWindow window) {
  QPointer<QWidget>& kept = window == SecondaryWindow::Options ? options_ : about_;
  QWidget* w = kept.data();
  kept = nullptr;
  if (!w) return;
  // It may be in the middle of its own close: it goes once that is over.
  w->hide();
  w->deleteLater();
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
  const auto type = event->type();
  if (watched == creditBanner_ &&
      (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease)) {
    const auto* click = static_cast<QMouseEvent*>(event);
    if (click->button() == Qt::LeftButton) {
      const bool inside = creditBanner_->rect().contains(click->position().toPoint());
      if (type == QEvent::MouseButtonPress) {
        session_.creditBannerPressed(inside);
      } else {
        session_.creditBannerReleased(inside);
      }
    }
    return false;
  }
  return QWidget::eventFilter(watched, event);
}

void MainWindow::quit() { QCoreApplication::exit(0); }

void MainWindow::showZoomed(int zoom, bool fullScreen) {
  if (fullScreen) {
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
  }
  fullScreen_ = fullScreen;
  update();
}

void MainWindow::zoomPicture(int zoom, QPoint origin) {
  zoom_ = zoom;
  picture_ = QRect(origin, designGeometry().size() * zoom);
  zoomWindow(this, zoom, origin);
  playfield_->setZoom(zoom);
  for (const auto& shown : labels_) fitWidth(shown.first);
  // Open windows follow at once rather than at their next opening.
  if (options_) {
    zoomSecondary(options_, optionsWindowDesign());
    if (options_->isVisible()) keepInsideScreen(options_);
  }
  if (about_) zoomSecondary(about_, aboutWindowDesign());
}

void MainWindow::paintEvent(QPaintEvent*) {
  // The window's face lies under the picture only; full screen, black bars surround it.
  const std::vector<PixelRect> bars = blackBars(
      {width(), height()}, {picture_.x(), picture_.y(), picture_.width(), picture_.height()});
  if (bars.empty()) return;
  QPainter painter(this);
  for (const PixelRect& bar : bars) painter.fillRect(toQRect(bar), Qt::black);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  session_.mainWindowClosing();
  event->accept();
}
