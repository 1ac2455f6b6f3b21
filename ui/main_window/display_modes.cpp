#include "ui/main_window/display_modes.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QScreen>
#include <algorithm>

#include "ui/main_window/main_window.h"
#include "ui/window_parts.h"

namespace {

QString text(std::string_view shared) {
  return QString::fromUtf8(shared.data(), static_cast<qsizetype>(shared.size()));
}

}  // namespace

DisplayModes::DisplayModes(MainWindow& window, DisplayFile file)
    : window_(window), file_(std::move(file)) {
  // The keypad's keys match too; Ctrl+= is Ctrl+Plus without Shift.
  zoomIn_ = addAction(text(kZoomInText), {QKeySequence::ZoomIn, Qt::CTRL | Qt::Key_Equal},
                      [this] { zoomBy(1); });
  zoomOut_ = addAction(text(kZoomOutText), {QKeySequence::ZoomOut}, [this] { zoomBy(-1); });
  actualSize_ = addAction(text(zoomFactorText(1)), {Qt::CTRL | Qt::Key_0}, [this] { zoomTo(1); });
  // A tab in the text names both keys where the menu shows keys.
  fullScreen_ = addAction(text(kFullScreenText) + '\t' + text(kFullScreenKeysText),
                          {Qt::Key_F11, Qt::ALT | Qt::Key_Return, Qt::ALT | Qt::Key_Enter},
                          [this] { toggleFullScreen(); });
  actualSize_->setCheckable(true);
  fullScreen_->setCheckable(true);
  window_.installEventFilter(this);
  // To keep these keys from the other windows' buttons and message boxes.
  qApp->installEventFilter(this);
}

QAction* DisplayModes::addAction(const QString& text, const QList<QKeySequence>& keys,
                                 const std::function<void()>& act) {
  auto* action = new QAction(text, &window_);
  action->setShortcuts(keys);
  action->setShortcutVisibleInContextMenu(true);
  // One press, one step: a held key's repeats do nothing.
  action->setAutoRepeat(false);
  connect(action, &QAction::triggered, this, act);
  // On the window, so that the keys work whether or not the menu is open.
  window_.addAction(action);
  return action;
}

int DisplayModes::largestZoomFitting(QSize area, QSize frame) {
  const QSize design = MainWindow::designGeometry().size();
  return ::largestZoomFitting({area.width(), area.height()}, {design.width(), design.height()},
                              {frame.width(), frame.height()});
}

int DisplayModes::largestWindowZoom() const {
  const bool framed = window_.isVisible() && !window_.isFullScreenPicture();
  return largestZoomFitting(window_.screen()->availableGeometry().size(),
                            framed ? window_.frameGeometry().size() - window_.size() : QSize());
}

int DisplayModes::fullScreenZoom() const {
  return largestZoomFitting(window_.screen()->geometry().size());
}

void DisplayModes::restore() {
  DisplayChoice choice = file_.load();
  choice.zoom = std::min(choice.zoom, largestWindowZoom());
  choice_ = choice;
  window_.showZoomed(choice.fullScreen ? fullScreenZoom() : choice.zoom, choice.fullScreen);
  keepOnScreen();
}

void DisplayModes::zoomBy(int step) { zoomTo(choice_.zoom + step); }

void DisplayModes::zoomTo(int zoom) { show({std::clamp(zoom, 1, largestWindowZoom()), false}); }

void DisplayModes::toggleFullScreen() { show({choice_.zoom, !choice_.fullScreen}); }

void DisplayModes::show(DisplayChoice choice) {
  if (choice == choice_ && window_.isFullScreenPicture() == choice.fullScreen) return;
  choice_ = choice;
  window_.showZoomed(choice.fullScreen ? fullScreenZoom() : choice.zoom, choice.fullScreen);
  keepOnScreen();
  file_.save(choice_);
}

void DisplayModes::keepOnScreen() {
  if (choice_.fullScreen) return;
  const QRect frame = window_.frameGeometry();
  const QPoint shift = placeInside(frame, window_.screen()->availableGeometry()) - frame.topLeft();
  if (!shift.isNull()) window_.move(window_.pos() + shift);
}

void DisplayModes::fillMenu() {
  // Made at the first right click: start-up has no need of it.
  if (!menu_) {
    menu_ = new QMenu(&window_);
    menu_->setObjectName("displayMenu");
  }
  menu_->clear();
  menu_->addAction(zoomIn_);
  menu_->addAction(zoomOut_);
  menu_->addSeparator();
  menu_->addAction(actualSize_);
  for (int zoom = 2; zoom <= largestWindowZoom(); ++zoom) {
    QAction* factor =
        menu_->addAction(text(zoomFactorText(zoom)), this, [this, zoom] { zoomTo(zoom); });
    factor->setCheckable(true);
    factor->setChecked(!choice_.fullScreen && zoom == choice_.zoom);
  }
  actualSize_->setChecked(!choice_.fullScreen && choice_.zoom == 1);
  menu_->addSeparator();
  menu_->addAction(fullScreen_);
  fullScreen_->setChecked(choice_.fullScreen);
}

bool DisplayModes::isDisplayKey(const QKeyEvent& key) const {
  // The keypad's keys and Shift (which some layouts need for Plus) make no difference.
  const auto modifiers = key.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
  for (const QAction* action : {zoomIn_, zoomOut_, actualSize_, fullScreen_}) {
    for (const QKeySequence& sequence : action->shortcuts()) {
      const QKeyCombination wanted = sequence[0];
      if (wanted.key() == key.key() &&
          (wanted.keyboardModifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) == modifiers)
        return true;
    }
  }
  return false;
}

bool DisplayModes::eventFilter(QObject* watched, QEvent* event) {
  // A zoom or full-screen key that reaches a window was no shortcut there (another window is
  // in front, a message box above all): it must not press a button there either.
  if (event->type() == QEvent::KeyPress && watched->isWindowType() &&
      isDisplayKey(*static_cast<QKeyEvent*>(event))) {
    return true;
  }
  if (watched == &window_ && event->type() == QEvent::ContextMenu) {
    fillMenu();
    menu_->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
    return true;
  }
  return QObject::eventFilter(watched, event);
}
