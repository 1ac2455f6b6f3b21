#pragma once

#include <QPushButton>
#include <QWidget>

#include "game/main_window_controls.h"

// Who made the game, the music credit, the maker's address and where the options are kept.
// Close only hides it and lets play run on; a title-bar close destroys it and nothing else.
class frmAbout final : public QWidget {
  Q_OBJECT

 public:
  // optionsLocation: where this platform actually keeps the options, shown as a tooltip.
  frmAbout(QWidget* mainWindow, MainWindowControls& main, const QString& optionsLocation);

  QPushButton* cmdClose;

 private:
  void cmdClose_Click();

  MainWindowControls& main_;
};
