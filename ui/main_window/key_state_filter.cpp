#include "ui/main_window/key_state_filter.h"

#include <QApplication>
#include <QKeyEvent>
#include <optional>

namespace {

std::optional<VirtualKey> virtualKey(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Backspace:
      return VirtualKey::Backspace;
    case Qt::Key_Escape:
      return VirtualKey::Escape;
    case Qt::Key_Space:
      return VirtualKey::Space;
    case Qt::Key_Left:
      return VirtualKey::Left;
    case Qt::Key_Up:
      return VirtualKey::Up;
    case Qt::Key_Right:
      return VirtualKey::Right;
    case Qt::Key_Down:
      return VirtualKey::Down;
    case Qt::Key_F1:
      return VirtualKey::F1;
    default:
      return std::nullopt;
  }
}

}  // namespace

KeyStateFilter::KeyStateFilter(QObject* parent)
    : KeyStateFilter(
          QGuiApplication::platformName() == "xcb" ? Repeats::PairedByTime : Repeats::Marked,
          parent) {}

KeyStateFilter::KeyStateFilter(Repeats repeats, QObject* parent)
    : QObject(parent), repeats_(repeats) {
  qApp->installEventFilter(this);
  connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
          [this](Qt::ApplicationState state) {
            if (state != Qt::ApplicationActive) rules_.focusLost();
          });
}

bool KeyStateFilter::isUnmarkedRepeat(const QKeyEvent& press) const {
  // X11 sends each repeat as a release and a press at the same time, and Qt marks the pair only
  // when the press has already arrived as it reads the release. Elsewhere a release and a press
  // may share a time (a virtual keyboard's are all 0) and are what they say.
  return repeats_ == Repeats::PairedByTime && !press.isAutoRepeat() && lastRelease_ &&
         lastRelease_->scanCode == press.nativeScanCode() &&
         lastRelease_->time == press.timestamp();
}

bool KeyStateFilter::eventFilter(QObject* watched, QEvent* event) {
  // A key event passes the window first and then the widget; count it at the window only.
  const auto type = event->type();
  if ((type != QEvent::KeyPress && type != QEvent::KeyRelease &&
       type != QEvent::ShortcutOverride) ||
      !watched->isWindowType()) {
    return QObject::eventFilter(watched, event);
  }
  auto* keyEvent = static_cast<QKeyEvent*>(event);
  const bool unmarkedRepeat = type != QEvent::KeyRelease && isUnmarkedRepeat(*keyEvent);
  if (type == QEvent::ShortcutOverride) {
    // Asked before the press whether a shortcut may take it: a repeat taken as an ordinary press
    // takes none, so a held zoom or full-screen key acts once.
    if (!unmarkedRepeat) return QObject::eventFilter(watched, event);
    keyEvent->accept();
    return true;
  }
  if (type == QEvent::KeyRelease && !keyEvent->isAutoRepeat()) {
    lastRelease_ = Release{keyEvent->nativeScanCode(), keyEvent->timestamp()};
  } else if (type == QEvent::KeyPress) {
    lastRelease_.reset();
  }
  const auto key = virtualKey(keyEvent->key());
  if (!key) return QObject::eventFilter(watched, event);
  if (type == QEvent::KeyRelease) {
    rules_.keyUp(*key, keyEvent->isAutoRepeat());
    return QObject::eventFilter(watched, event);
  }
  if (unmarkedRepeat) rules_.releaseWasRepeat(*key);
  // The window handles the press now, so that whether it or a control used it is known: a
  // widget that uses a key accepts it, and one that does not passes it on to its window, which
  // lets it go. Keys that work a popup menu, Escape closing it above all, are the menu's.
  const bool forMenu = QApplication::activePopupWidget() != nullptr;
  static_cast<QObject*>(watched)->event(event);
  rules_.keyDown(*key, keyEvent->isAutoRepeat() || unmarkedRepeat,
                 forMenu || keyEvent->isAccepted());
  return true;
}
