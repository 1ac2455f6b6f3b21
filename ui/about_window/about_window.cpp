#include "ui/about_window/about_window.h"

#include <QCloseEvent>
#include <QLabel>

#include "design/about_window_design.h"
#include "ui/designed_window.h"

AboutWindow::AboutWindow(QWidget* mainWindow, PlaySession& session, const QString& optionsLocation)
    : QWidget(mainWindow, Qt::Window), session_(session) {
  const WindowDesign& design = aboutWindowDesign();
  buildDesignedWindow(this, design, [this](const ControlDesign&) { return this; });

  closeButton = designedControl<QPushButton>(this, design.control("closeButton"));
  connect(closeButton, &QPushButton::clicked, this, [this] { session_.aboutClosePressed(); });
  // The path comes from outside: escaped, and marked as rich text so that Qt never guesses.
  designedControl(this, design.control("optionsLocation"))
      ->setToolTip("<p style='white-space:pre'>" +
                   QString::fromStdString(
                       optionsLocationTooltip(optionsLocation.toHtmlEscaped().toStdString())) +
                   "</p>");
  designedControl(this, design.control(design.firstFocus))->setFocus();
}

void AboutWindow::closeEvent(QCloseEvent* event) {
  session_.windowClosedOtherwise(SecondaryWindow::About);
  event->accept();
}
