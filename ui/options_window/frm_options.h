#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QWidget>

#include "settings/options_behaviour.h"

// The options window: two sliders and two check boxes, each applied with its own Set button,
// and Resume Game. It loads its controls when it is created; Resume Game only hides it, so an
// unapplied choice is still there at the next showing. A title-bar close destroys it.
class frmOptions final : public QWidget {
  Q_OBJECT

 public:
  static constexpr QRect kClientGeometryPx{291, 248, 351, 276};

  frmOptions(QWidget* mainWindow, OptionsBehaviour behaviour);

  QSlider* sldProgression;
  QSlider* sldJump;
  QLabel* lblProgression;
  QLabel* lblJump;
  QCheckBox* chkCrate;
  QCheckBox* chkMusic;
  QPushButton* cmdProgression;
  QPushButton* cmdJump;
  QPushButton* cmdCrate;
  QPushButton* cmdMusic;
  QPushButton* cmdResume;

 private:
  void Form_Load();
  void cmdResume_Click();

  OptionsBehaviour behaviour_;
};
