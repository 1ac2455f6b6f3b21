#pragma once

#include <QLabel>
#include <QRect>
#include <QString>

// What the game's three windows share: their look and their plain labels.

// Caption and icon of a game window, on the button-face background.
void setUpGameWindow(QWidget* window, const QString& caption);

// A label as the windows use them: left-aligned from the top, wrapping at word boundaries,
// painting its background behind the text.
QLabel* addLabel(QWidget* parent, const char* name, QRect geometry, const QString& caption);
