#include "ui/about_window/about_window.h"

#include <QCloseEvent>
#include <QLabel>

#include "design/about_window_design.h"
#include "ui/designed_window.h"

AboutWindow::AboutWindow(QWidget* mainWindow, PlayControl& play, const QString& optionsLocation)
    : QWidget(mainWindow, Qt::Window), play_(play) {
  const WindowDesign& design = aboutWindowDesign();
  buildDesignedWindow(this, design, [this](const ControlDesign&) { return this; });
  setAttribute(Qt::WA_DeleteOnClose);

  closeButton = designedControl<QPushButton>(this, design.control("closeButton"));
  connect(closeButton, &QPushButton::clicked, this, [this] { closeAndPlayOn(); });
  // The path comes from outside: escaped, and marked as rich text so that Qt never guesses.
  designedControl(this, design.control("optionsLocation"))
      ->setToolTip("<p style='white-space:pre'>" +
                   QString::fromStdString(
                       optionsLocationTooltip(optionsLocation.toHtmlEscaped().toStdString())) +
                   "</p>");
  designedControl(this, design.control(design.firstFocus))->setFocus();
}

void AboutWindow::closeAndPlayOn() {
  hide();
  play_.closeAbout();
}

void AboutWindow::closeEvent(QCloseEvent* event) {
  // Closed by the window manager or the keyboard rather than by Close: play runs on all the same.
  if (isVisible()) play_.closeAbout();
  event->accept();
}
