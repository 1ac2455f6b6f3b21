#pragma once

#include <QPushButton>
#include <QWidget>

#include "play/play_session.h"

// Who made the game, the music credit, the maker's address and where the options are kept.
// Its Close button and closes go to the session.
class AboutWindow final : public QWidget {
  Q_OBJECT

 public:
  // optionsLocation: where this platform actually keeps the options, shown as a tooltip.
  AboutWindow(QWidget* mainWindow, PlaySession& session, const QString& optionsLocation);

  QPushButton* closeButton;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  PlaySession& session_;
};
