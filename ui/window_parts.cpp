#include "ui/window_parts.h"

#include <QIcon>
#include <QKeyEvent>
#include <QScreen>
#include <QWindow>
#include <algorithm>

namespace {

// Pressed by Enter and keypad Enter, as by Space; with Alt, Ctrl or Shift held they are not its
// (Alt+Enter is the main window's full-screen key).
class EnterButton final : public QPushButton {
 public:
  using QPushButton::QPushButton;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
      QPushButton::keyPressEvent(event);
    } else if (!event->isAutoRepeat()) {
      click();
    }
  }
};

}  // namespace

#include "design/display_rules.h"
#include "ui/pictures.h"
#include "ui/wrapping_label.h"

void setUpGameWindow(QWidget* window, const QString& caption) {
  window->setWindowTitle(caption);
  window->setWindowIcon(QIcon(gamePicture("app_icon")));
  QPalette face = window->palette();
  face.setColor(QPalette::Window, face.color(QPalette::Button));
  window->setPalette(face);
  window->setAutoFillBackground(true);
}

QLabel* addLabel(QWidget* parent, const QString& name, QRect geometry, const QString& caption) {
  auto* label = new WrappingLabel(caption, parent);
  label->setObjectName(name);
  label->setGeometry(geometry);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setAutoFillBackground(true);
  return label;
}

QPushButton* addButton(QWidget* parent, const QString& name, QRect geometry,
                       const QString& caption) {
  auto* button = new EnterButton(caption, parent);
  button->setObjectName(name);
  button->setGeometry(geometry);
  return button;
}

QPoint placeInside(QRect frame, QRect area) {
  const PixelRect place =
      placeInside(PixelRect{frame.x(), frame.y(), frame.width(), frame.height()},
                  PixelRect{area.x(), area.y(), area.width(), area.height()});
  return {place.x, place.y};
}

void keepInsideScreen(QWidget* window) {
  // The frame is known once the window exists on the platform; a window manager may tell it
  // only after the first showing, and until then the client area alone is kept inside.
  window->winId();
  const QWindow* handle = window->windowHandle();
  const QScreen* screen = handle ? handle->screen() : nullptr;
  if (!screen) return;
  const QMargins frame = handle->frameMargins();
  const QRect client = window->geometry();
  const QPoint place = placeInside(client.marginsAdded(frame), screen->availableGeometry()) +
                       QPoint(frame.left(), frame.top());
  if (place != client.topLeft()) window->setGeometry(QRect(place, client.size()));
}
