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

// How long a window waits for the press that would make a release a repeat's. The X server
// sends the two together, so the press follows within a moment even on a busy machine. The key
// rules do not wait: they hear of the release at once.
constexpr int kHeldReleaseMs = 20;

// The same key event marked as a repeat's.
std::unique_ptr<QKeyEvent> markedAsRepeat(const QKeyEvent& event) {
  auto marked = std::make_unique<QKeyEvent>(
      event.type(), event.key(), event.modifiers(), event.nativeScanCode(),
      event.nativeVirtualKey(), event.nativeModifiers(), event.text(), true, event.count());
  marked->setTimestamp(event.timestamp());
  return marked;
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
  heldReleaseTimer_.setSingleShot(true);
  heldReleaseTimer_.setInterval(kHeldReleaseMs);
  connect(&heldReleaseTimer_, &QTimer::timeout, this, [this] { passHeldRelease(false); });
}

bool KeyStateFilter::isUnmarkedRepeat(const QKeyEvent& press) const {
  // X11 sends each repeat as a release and a press at the same time, and Qt marks the pair only
  // when the press has already arrived as it reads the release. Elsewhere a release and a press
  // may share a time (a virtual keyboard's are all 0) and are what they say.
  return heldRelease_ && !press.isAutoRepeat() &&
         heldRelease_->nativeScanCode() == press.nativeScanCode() &&
         heldRelease_->timestamp() == press.timestamp();
}

void KeyStateFilter::passHeldRelease(bool asRepeat) {
  heldReleaseTimer_.stop();
  const std::unique_ptr<QKeyEvent> release = std::move(heldRelease_);
  if (!heldReleaseWindow_) return;
  heldReleaseWindow_->event(asRepeat ? markedAsRepeat(*release).get() : release.get());
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
  if (heldRelease_) passHeldRelease(unmarkedRepeat);
  const auto key = virtualKey(keyEvent->key());
  if (type == QEvent::KeyRelease) {
    if (key) rules_.keyUp(*key, keyEvent->isAutoRepeat());
    if (repeats_ == Repeats::Marked || keyEvent->isAutoRepeat()) {
      return QObject::eventFilter(watched, event);
    }
    heldRelease_.reset(keyEvent->clone());
    heldReleaseWindow_ = watched;
    heldReleaseTimer_.start();
    return true;
  }
  if (unmarkedRepeat) {
    if (key) rules_.releaseWasRepeat(*key);
    const std::unique_ptr<QKeyEvent> marked = markedAsRepeat(*keyEvent);
    static_cast<QObject*>(watched)->event(marked.get());
    keyEvent->setAccepted(marked->isAccepted());
    return true;
  }
  if (!key) return QObject::eventFilter(watched, event);
  // The window handles the press now, so that whether it or a control used it is known: a
  // widget that uses a key accepts it, and one that does not passes it on to its window, which
  // lets it go. Keys that work a popup menu, Escape closing it above all, are the menu's.
  const bool forMenu = QApplication::activePopupWidget() != nullptr;
  static_cast<QObject*>(watched)->event(event);
  rules_.keyDown(*key, keyEvent->isAutoRepeat(), forMenu || keyEvent->isAccepted());
  return true;
}
