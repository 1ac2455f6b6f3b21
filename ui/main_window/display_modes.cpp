#include "ui/main_window/display_modes.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QScreen>

#include "ui/main_window/main_window.h"

namespace {

QString text(std::string_view shared) {
  return QString::fromUtf8(shared.data(), static_cast<qsizetype>(shared.size()));
}

PixelRect toPixelRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

}  // namespace

DisplayModes::DisplayModes(MainWindow& window, DisplayFile file)
    : window_(window), file_(std::move(file)), controller_(*this, *this, file_) {
  // The keypad's keys match too; Ctrl+= is Ctrl+Plus without Shift.
  zoomIn_ = addAction(text(kZoomInText), {QKeySequence::ZoomIn, Qt::CTRL | Qt::Key_Equal},
                      DisplayCommand::ZoomIn);
  zoomOut_ = addAction(text(kZoomOutText), {QKeySequence::ZoomOut}, DisplayCommand::ZoomOut);
  actualSize_ =
      addAction(text(zoomFactorText(1)), {Qt::CTRL | Qt::Key_0}, DisplayCommand::ActualSize);
  // A tab in the text names both keys where the menu shows keys.
  fullScreen_ = addAction(text(kFullScreenText) + '\t' + text(kFullScreenKeysText),
                          {Qt::Key_F11, Qt::ALT | Qt::Key_Return, Qt::ALT | Qt::Key_Enter},
                          DisplayCommand::ToggleFullScreen);
  actualSize_->setCheckable(true);
  fullScreen_->setCheckable(true);
  window_.installEventFilter(this);
  // To keep these keys from the other windows' buttons and message boxes.
  qApp->installEventFilter(this);
}

QAction* DisplayModes::addAction(const QString& text, const QList<QKeySequence>& keys,
                                 DisplayCommand command) {
  auto* action = new QAction(text, &window_);
  action->setShortcuts(keys);
  action->setShortcutVisibleInContextMenu(true);
  // One press, one step: a held key's repeats do nothing.
  action->setAutoRepeat(false);
  connect(action, &QAction::triggered, this, [this, command] { apply(command); });
  // On the window, so that the keys work whether or not the menu is open.
  window_.addAction(action);
  return action;
}

QAction* DisplayModes::keyedAction(DisplayCommand command) const {
  switch (command) {
    case DisplayCommand::ZoomIn:
      return zoomIn_;
    case DisplayCommand::ZoomOut:
      return zoomOut_;
    case DisplayCommand::ActualSize:
      return actualSize_;
    case DisplayCommand::ToggleFullScreen:
      break;
  }
  return fullScreen_;
}

void DisplayModes::restore() { controller_.restore(); }

void DisplayModes::apply(DisplayCommand command) { controller_.apply(command); }

PixelSize DisplayModes::designSize() const {
  const QSize design = MainWindow::designGeometry().size();
  return {design.width(), design.height()};
}

PixelSize DisplayModes::frameSize() const {
  // Before its first showing, and full screen, the window has no frame Qt knows of.
  if (!window_.isVisible() || window_.isFullScreenPicture()) return {};
  const QSize frame = window_.frameGeometry().size() - window_.size();
  return {frame.width(), frame.height()};
}

PixelRect DisplayModes::frame() const { return toPixelRect(window_.frameGeometry()); }

// A window's position is that of its frame.
void DisplayModes::moveFrameTo(int x, int y) { window_.move(x, y); }

// Full screen the window covers its own screen, the one wholeScreen names.
void DisplayModes::showZoomed(int zoom, bool fullScreen) { window_.showZoomed(zoom, fullScreen); }

PixelRect DisplayModes::wholeScreen() const { return toPixelRect(window_.screen()->geometry()); }

PixelRect DisplayModes::workArea() const {
  return toPixelRect(window_.screen()->availableGeometry());
}

void DisplayModes::fillMenu() {
  // Made at the first right click: start-up has no need of it.
  if (!menu_) {
    menu_ = new QMenu(&window_);
    menu_->setObjectName("displayMenu");
    // A greyed entry's keys work again once the menu is gone.
    connect(menu_, &QMenu::aboutToHide, this, [this] {
      for (QAction* keyed : {zoomIn_, zoomOut_, actualSize_, fullScreen_}) keyed->setEnabled(true);
    });
  }
  menu_->clear();
  for (const DisplayMenuEntry& entry : controller_.menu()) {
    if (entry.separatorBefore) menu_->addSeparator();
    QAction* action = nullptr;
    if (entry.command) {
      // The keys' own action, so that the menu shows its keys.
      action = keyedAction(*entry.command);
      menu_->addAction(action);
    } else {
      action = menu_->addAction(text(entry.text), this,
                                [this, choice = entry.choice] { controller_.choose(choice); });
      action->setCheckable(true);
    }
    action->setEnabled(entry.enabled);
    action->setChecked(entry.checked);
  }
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
