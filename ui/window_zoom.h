#pragma once

#include <QPixmap>
#include <QPoint>
#include <QWidget>

// Shows a window built at its designed size enlarged by a whole factor, its layout unchanged:
// each control's place and size, the window's fixed size, frames and the style's measures are
// multiplied by the factor; fonts grow by it, so text is drawn at the screen's own resolution;
// a label's picture becomes uniform blocks of its pixels. The design is read at the first call
// that changes anything, so factor 1 gives back exactly the window as built. Controls added after
// that call and windows of their own (the window's dialogs) are left alone.
// origin: where the design's top-left corner goes inside the window; the window's size then
// stays the caller's.
void zoomWindow(QWidget* window, int zoom, QPoint origin = {});

// Every pixel of the picture as a zoom x zoom block of the same colour.
QPixmap enlarged(const QPixmap& picture, int zoom);

// A rectangle of the design at a zoom.
constexpr QRect zoomed(QRect design, int zoom) {
  return QRect(design.topLeft() * zoom, design.size() * zoom);
}
