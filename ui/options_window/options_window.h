#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QWidget>

#include "play/options_behaviour.h"

// The options window: a slider or check box for each option, each applied with its own Set
// button, and Resume Game, all as designed. It loads its controls when it is created; Resume Game
// only hides it, so an unapplied choice is still there at the next showing. Any other close
// resumes play as well and destroys the window.
class OptionsWindow final : public QWidget {
  Q_OBJECT

 public:
  OptionsWindow(QWidget* mainWindow, OptionsBehaviour behaviour);

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
  void resumeGame();

  OptionsBehaviour behaviour_;
};
