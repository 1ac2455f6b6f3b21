#pragma once

#include <QPushButton>
#include <QWidget>

#include "game/main_window_controls.h"

// Who made the game, the music credit, the maker's address and where the options are kept.
// Close only hides it and lets play run on; a title-bar close destroys it and nothing else.
class AboutWindow final : public QWidget {
  Q_OBJECT

 public:
  // optionsLocation: where this platform actually keeps the options, shown as a tooltip.
  AboutWindow(QWidget* mainWindow, MainWindowControls& main, const QString& optionsLocation);

  QPushButton* closeButton;

 private:
  void closeAndPlayOn();

  MainWindowControls& main_;
};
