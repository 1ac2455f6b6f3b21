#pragma once

#include <QPushButton>
#include <QWidget>

#include "play/play_control.h"

// Who made the game, the music credit, the maker's address and where the options are kept.
// Close only hides it and lets play run on; any other close lets play run on too and destroys it.
class AboutWindow final : public QWidget {
  Q_OBJECT

 public:
  // optionsLocation: where this platform actually keeps the options, shown as a tooltip.
  AboutWindow(QWidget* mainWindow, PlayControl& play, const QString& optionsLocation);

  QPushButton* closeButton;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void closeAndPlayOn();

  PlayControl& play_;
};
