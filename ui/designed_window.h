#pragma once

#include <QRect>
#include <QWidget>
#include <functional>

#include "design/window_design.h"

// Builds a game window's controls from its design: each control of its kind, name, place, text,
// font, colours and tooltip, in creation order, and the keyboard order among those that take the
// focus. The window itself gets its caption, icon, face and fixed client size, and its designed
// place when it has one. The window and every control of a font of its own keep their font's role,
// so that a zoom makes their fonts afresh (ui/game_font.h).

constexpr QRect toQRect(PixelRect r) { return QRect(r.x, r.y, r.width, r.height); }

// container: the widget a control designed inside another lies in (the window for the client
// area); it is asked for every control, in creation order.
void buildDesignedWindow(QWidget* window, const WindowDesign& design,
                         const std::function<QWidget*(const ControlDesign&)>& container);

// The widget built for the design's control of that name.
template <typename T = QWidget>
T* designedControl(const QWidget* window, const ControlDesign& control) {
  return window->findChild<T*>(QString::fromStdString(control.name));
}
