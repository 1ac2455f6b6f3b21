#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QWidget>

#include "play/play_session.h"

// The options window: a slider or check box for each option, each applied with its own Set
// button, and Resume Game, all as designed, with the session's choices loaded when it is made.
// Its buttons and closes go to the session.
class OptionsWindow final : public QWidget {
  Q_OBJECT

 public:
  OptionsWindow(QWidget* mainWindow, PlaySession& session);

  // The controls that tests and the main window reach by name.
  QSlider* progressionSlider;
  QSlider* jumpSlider;
  QLabel* progressionValue;
  QLabel* jumpValue;
  QCheckBox* cratesBox;
  QCheckBox* musicBox;
  QPushButton* setProgressionButton;
  QPushButton* setJumpButton;
  QPushButton* setCratesButton;
  QPushButton* setMusicButton;
  QPushButton* resumeButton;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // The control that shows an option's choice: a slider or a check box.
  QWidget* choiceControl(const options::Option& option) const;
  void loadControls();

  PlaySession& session_;
};
