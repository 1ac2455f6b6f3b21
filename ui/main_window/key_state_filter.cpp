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
  // Keys held when the game loses the focus are let go, as their releases go elsewhere. A tap
  // already over still counts at the next query: under Wayland the focus may leave straight
  // after a release, as when the keyboard that typed it goes away.
  connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
          [this](Qt::ApplicationState state) {
            if (state == Qt::ApplicationActive) return;
            for (auto& [key, record] : keys_) record.down = false;
          });
}

bool KeyStateFilter::pressed(VirtualKey key) {
  KeyRecord& record = keys_[key];
  const bool answer = record.down || record.pressedSinceQuery;
  record.pressedSinceQuery = false;
  return answer;
}

void KeyStateFilter::forget(VirtualKey key) { keys_[key].pressedSinceQuery = false; }

bool KeyStateFilter::eventFilter(QObject* watched, QEvent* event) {
  // A key event passes the window first and then the widget; count it at the window only.
  const auto type = event->type();
  if ((type == QEvent::KeyPress || type == QEvent::KeyRelease) && watched->isWindowType()) {
    const auto* keyEvent = static_cast<QKeyEvent*>(event);
    const auto key = virtualKey(keyEvent->key());
    // Keys that work a popup menu, Escape closing it above all, are not the game's; a release
    // still counts, so that a key held when the menu opened is not left down.
    const bool forMenu = type == QEvent::KeyPress && QApplication::activePopupWidget();
    if (key && !keyEvent->isAutoRepeat() && !forMenu) {
      KeyRecord& record = keys_[*key];
      record.down = type == QEvent::KeyPress;
      if (record.down) record.pressedSinceQuery = true;
    }
  }
  return QObject::eventFilter(watched, event);
}
