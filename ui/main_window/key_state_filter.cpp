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

KeyStateFilter::KeyStateFilter(QObject* parent) : QObject(parent) {
  qApp->installEventFilter(this);
  connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
          [this](Qt::ApplicationState state) {
            if (state != Qt::ApplicationActive) rules_.focusLost();
          });
}

bool KeyStateFilter::eventFilter(QObject* watched, QEvent* event) {
  // A key event passes the window first and then the widget; count it at the window only.
  const auto type = event->type();
  if ((type != QEvent::KeyPress && type != QEvent::KeyRelease) || !watched->isWindowType()) {
    return QObject::eventFilter(watched, event);
  }
  auto* keyEvent = static_cast<QKeyEvent*>(event);
  const auto key = virtualKey(keyEvent->key());
  if (!key) return QObject::eventFilter(watched, event);
  if (type == QEvent::KeyRelease) {
    rules_.keyUp(*key, keyEvent->isAutoRepeat());
    return QObject::eventFilter(watched, event);
  }
  // The window handles the press now, so that whether it or a control used it is known: a
  // widget that uses a key accepts it, and one that does not passes it on to its window, which
  // lets it go. Keys that work a popup menu, Escape closing it above all, are the menu's.
  const bool forMenu = QApplication::activePopupWidget() != nullptr;
  static_cast<QObject*>(watched)->event(event);
  rules_.keyDown(*key, keyEvent->isAutoRepeat(), forMenu || keyEvent->isAccepted());
  return true;
}
