#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QWidget>

#include "play/options_behaviour.h"

// The options window: two sliders and two check boxes, each applied with its own Set button,
// and Resume Game. It loads its controls when it is created; Resume Game only hides it, so an
// unapplied choice is still there at the next showing. Any other close resumes play as well and
// destroys the window.
class OptionsWindow final : public QWidget {
  Q_OBJECT

 public:
  static constexpr QRect kClientGeometryPx{291, 248, 351, 276};

  OptionsWindow(QWidget* mainWindow, OptionsBehaviour behaviour);

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
  void loadControls();
  void resumeGame();

  OptionsBehaviour behaviour_;
};
