#pragma once

#include <QString>

class QWidget;

// The end-of-level message: OK only, no icon, closed by Enter. Ctrl+C copies its title and text
// to the clipboard, as on Windows. Returns once it is closed.
// zoom: the whole factor the game's windows are enlarged by.
void showGameMessage(QWidget* parent, const QString& title, const QString& text, int zoom = 1);

// The clipboard text of a message box, laid out as Windows lays it out.
QString messageBoxClipboardText(const QString& title, const QString& text);
