#include "ui/window_parts.h"

#include <QIcon>

void setUpGameWindow(QWidget* window, const QString& caption) {
  window->setWindowTitle(caption);
  window->setWindowIcon(QIcon(":/assets/app_icon.png"));
  QPalette face = window->palette();
  face.setColor(QPalette::Window, face.color(QPalette::Button));
  window->setPalette(face);
  window->setAutoFillBackground(true);
}

QLabel* addLabel(QWidget* parent, const char* name, QRect geometry, const QString& caption) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(name);
  label->setGeometry(geometry);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setAutoFillBackground(true);
  return label;
}

QPushButton* addButton(QWidget* parent, const char* name, QRect geometry, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setGeometry(geometry);
  // Outside a dialog there is no default button, so Enter presses the focused button itself.
  button->setAutoDefault(true);
  return button;
}
