#include "ui/options_window/frm_options.h"

#include "settings/option_rules.h"
#include "ui/main_window/twips.h"
#include "ui/options_window/paging_slider.h"
#include "ui/window_parts.h"

namespace {

constexpr int kPageStep = 2;

QPushButton* addButton(QWidget* parent, const char* name, QRect geometry, const QString& caption) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  b->setGeometry(geometry);
  b->setAutoDefault(false);
  return b;
}

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

frmOptions::frmOptions(QWidget* mainWindow, OptionsBehaviour behaviour)
    : QWidget(mainWindow, Qt::Window), behaviour_(behaviour) {
  setObjectName("frmOptions");
  setUpGameWindow(this, "Configuration Options");
  setAttribute(Qt::WA_DeleteOnClose);
  setGeometry(kClientGeometryPx);
  setFixedSize(kClientGeometryPx.size());

  // In creation order.
  cmdMusic = addButton(this, "cmdMusic", twipsRect(2093, 2940, 855, 330), "Set");
  chkMusic = addCheckBox(this, "chkMusic", twipsRect(2730, 2520, 225, 225), "");
  cmdCrate = addButton(this, "cmdCrate", twipsRect(2093, 1995, 855, 330), "Set");
  chkCrate = addCheckBox(this, "chkCrate", twipsRect(2730, 1680, 225, 225), "Check1");
  cmdJump = addButton(this, "cmdJump", twipsRect(2093, 1260, 855, 330), "Set");
  cmdResume = addButton(this, "cmdResume", twipsRect(1837, 3465, 1590, 540), "Resume Game");
  cmdProgression = addButton(this, "cmdProgression", twipsRect(2093, 525, 855, 330), "Set");
  sldProgression = addSlider(this, "sldProgression", twipsRect(2730, 210, 2220, 225), 2);
  sldJump = addSlider(this, "sldJump", twipsRect(2730, 945, 2220, 225), 7);
  addLabel(this, "Label4", twipsRect(210, 2415, 2220, 435),
           "Background music                        (takes effect after one song):");
  addLabel(this, "Label3", twipsRect(210, 1680, 2325, 225), "Crates appear (five jumps each):");
  lblProgression = addLabel(this, "lblProgression", twipsRect(3045, 585, 435, 225), "2");
  lblJump = addLabel(this, "lblJump", twipsRect(3045, 1320, 435, 225), "7");
  addLabel(this, "Label2", twipsRect(210, 945, 2115, 225), "Jump height (higher is easier):");
  addLabel(this, "Label1", twipsRect(210, 210, 2430, 225), "Skill progression (higher is harder):");

  QWidget::setTabOrder(cmdProgression, cmdResume);
  QWidget::setTabOrder(cmdResume, sldProgression);
  QWidget::setTabOrder(sldProgression, cmdJump);
  QWidget::setTabOrder(cmdJump, sldJump);
  QWidget::setTabOrder(sldJump, chkCrate);
  QWidget::setTabOrder(chkCrate, cmdCrate);
  QWidget::setTabOrder(cmdCrate, chkMusic);
  QWidget::setTabOrder(chkMusic, cmdMusic);

  // The value labels follow the sliders while the thumb is still moving.
  const auto follow = [](QSlider* slider, QLabel* label) {
    const auto show = [label](int value) { label->setText(QString::number(value)); };
    connect(slider, &QSlider::valueChanged, label, show);
    connect(slider, &QSlider::sliderMoved, label, show);
  };
  follow(sldProgression, lblProgression);
  follow(sldJump, lblJump);

  connect(cmdProgression, &QPushButton::clicked, this,
          [this] { behaviour_.cmdProgression_Click(sldProgression->value()); });
  connect(cmdJump, &QPushButton::clicked, this,
          [this] { behaviour_.cmdJump_Click(sldJump->value()); });
  connect(cmdCrate, &QPushButton::clicked, this,
          [this] { behaviour_.cmdCrate_Click(chkCrate->isChecked()); });
  connect(cmdMusic, &QPushButton::clicked, this,
          [this] { behaviour_.cmdMusic_Click(chkMusic->isChecked()); });
  connect(cmdResume, &QPushButton::clicked, this, [this] { cmdResume_Click(); });

  Form_Load();
  cmdProgression->setFocus();
}

void frmOptions::Form_Load() {
  const OptionsChoices choices = behaviour_.Form_Load();
  sldProgression->setValue(choices.progression);
  sldJump->setValue(choices.jump);
  chkCrate->setChecked(choices.cratesTicked);
  chkMusic->setChecked(choices.musicTicked);
}

void frmOptions::cmdResume_Click() {
  behaviour_.cmdResume_Click();
  hide();
}
