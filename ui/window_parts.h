#pragma once

#include <QLabel>
#include <QPoint>
#include <QPushButton>
#include <QRect>
#include <QString>

// What the game's three windows share: their look and their plain labels.

// Caption and icon of a game window, on the button-face background.
void setUpGameWindow(QWidget* window, const QString& caption);

// A label as the windows use them: left-aligned from the top, wrapping at word boundaries by the
// labels' rule (ui/wrapping_label.h), painting its background behind the text.
QLabel* addLabel(QWidget* parent, const QString& name, QRect geometry, const QString& caption);

// A push button that Enter and keypad Enter press while it has the focus, as Space does.
QPushButton* addButton(QWidget* parent, const QString& name, QRect geometry,
                       const QString& caption);

// Where a window's frame goes so that it lies inside the area: where it is when it already does;
// a window larger than the area keeps its top-left corner, with the title bar, inside it.
QPoint placeInside(QRect frame, QRect area);

// Moves a secondary window that would open partly outside its screen's available area inside it.
void keepInsideScreen(QWidget* window);
