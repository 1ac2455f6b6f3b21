#include "ui/options_window/options_window.h"

#include <QCloseEvent>

#include "game/option_rules.h"
#include "ui/main_window/twips.h"
#include "ui/options_window/paging_slider.h"
#include "ui/window_parts.h"

namespace {

constexpr int kPageStep = 2;

QCheckBox* addCheckBox(QWidget* parent, const char* name, QRect geometry, const QString& caption) {
  auto* c = new QCheckBox(caption, parent);
  c->setObjectName(name);
  c->setGeometry(geometry);
  c->setChecked(true);
  return c;
}

QSlider* addSlider(QWidget* parent, const char* name, QRect geometry, int value) {
  auto* s = new PagingSlider(parent);
  s->setObjectName(name);
  s->setGeometry(geometry);
  s->setRange(options::kSliderMin, options::kSliderMax);
  s->setSingleStep(1);
  s->setPageStep(kPageStep);
  s->setTickPosition(QSlider::TicksBelow);
  s->setTickInterval(1);
  s->setValue(value);
  return s;
}

}  // namespace

OptionsWindow::OptionsWindow(QWidget* mainWindow, OptionsBehaviour behaviour)
    : QWidget(mainWindow, Qt::Window), behaviour_(behaviour) {
  setObjectName("optionsWindow");
  setUpGameWindow(this, "Configuration Options");
  setAttribute(Qt::WA_DeleteOnClose);
  setGeometry(kClientGeometryPx);
  setFixedSize(kClientGeometryPx.size());

  // In creation order.
  setMusicButton = addButton(this, "setMusicButton", twipsRect(2093, 2940, 855, 330), "Set");
  musicBox = addCheckBox(this, "musicBox", twipsRect(2730, 2520, 225, 225), "");
  setCratesButton = addButton(this, "setCratesButton", twipsRect(2093, 1995, 855, 330), "Set");
  cratesBox = addCheckBox(this, "cratesBox", twipsRect(2730, 1680, 225, 225), "Check1");
  setJumpButton = addButton(this, "setJumpButton", twipsRect(2093, 1260, 855, 330), "Set");
  resumeButton = addButton(this, "resumeButton", twipsRect(1837, 3465, 1590, 540), "Resume Game");
  setProgressionButton =
      addButton(this, "setProgressionButton", twipsRect(2093, 525, 855, 330), "Set");
  progressionSlider = addSlider(this, "progressionSlider", twipsRect(2730, 210, 2220, 225), 2);
  jumpSlider = addSlider(this, "jumpSlider", twipsRect(2730, 945, 2220, 225), 7);
  addLabel(this, "musicCaption", twipsRect(210, 2415, 2220, 435),
           "Background music                        (takes effect after one song):");
  addLabel(this, "cratesCaption", twipsRect(210, 1680, 2325, 225),
           "Crates appear (five jumps each):");
  progressionValue = addLabel(this, "progressionValue", twipsRect(3045, 585, 435, 225), "2");
  jumpValue = addLabel(this, "jumpValue", twipsRect(3045, 1320, 435, 225), "7");
  addLabel(this, "jumpCaption", twipsRect(210, 945, 2115, 225), "Jump height (higher is easier):");
  addLabel(this, "progressionCaption", twipsRect(210, 210, 2430, 225),
           "Skill progression (higher is harder):");

  QWidget::setTabOrder(setProgressionButton, resumeButton);
  QWidget::setTabOrder(resumeButton, progressionSlider);
  QWidget::setTabOrder(progressionSlider, setJumpButton);
  QWidget::setTabOrder(setJumpButton, jumpSlider);
  QWidget::setTabOrder(jumpSlider, cratesBox);
  QWidget::setTabOrder(cratesBox, setCratesButton);
  QWidget::setTabOrder(setCratesButton, musicBox);
  QWidget::setTabOrder(musicBox, setMusicButton);

  // The value labels follow the sliders while the thumb is still moving.
  const auto follow = [](QSlider* slider, QLabel* label) {
    const auto show = [label](int value) { label->setText(QString::number(value)); };
    connect(slider, &QSlider::valueChanged, label, show);
    connect(slider, &QSlider::sliderMoved, label, show);
  };
  follow(progressionSlider, progressionValue);
  follow(jumpSlider, jumpValue);

  connect(setProgressionButton, &QPushButton::clicked, this,
          [this] { behaviour_.applyProgression(progressionSlider->value()); });
  connect(setJumpButton, &QPushButton::clicked, this,
          [this] { behaviour_.applyJump(jumpSlider->value()); });
  connect(setCratesButton, &QPushButton::clicked, this,
          [this] { behaviour_.applyCrates(cratesBox->isChecked()); });
  connect(setMusicButton, &QPushButton::clicked, this,
          [this] { behaviour_.applyMusic(musicBox->isChecked()); });
  connect(resumeButton, &QPushButton::clicked, this, [this] { resumeGame(); });

  loadControls();
  setProgressionButton->setFocus();
}

void OptionsWindow::loadControls() {
  const OptionsChoices choices = behaviour_.loadChoices();
  progressionSlider->setValue(choices.progression);
  jumpSlider->setValue(choices.jump);
  cratesBox->setChecked(choices.cratesTicked);
  musicBox->setChecked(choices.musicTicked);
}

void OptionsWindow::resumeGame() {
  behaviour_.resumeGame();
  hide();
}

void OptionsWindow::closeEvent(QCloseEvent* event) {
  // Closed by the window manager or the keyboard rather than by Resume Game: play goes on all
  // the same. The window is destroyed, so its next opening loads it afresh.
  if (isVisible()) behaviour_.resumeGame();
  event->accept();
}
