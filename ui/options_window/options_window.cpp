#include "ui/options_window/options_window.h"

#include <QCloseEvent>

#include "design/options_window_design.h"
#include "ui/designed_window.h"

namespace {

template <typename T>
T* named(const QWidget* window, const char* name) {
  return designedControl<T>(window, optionsWindowDesign().control(name));
}

}  // namespace

OptionsWindow::OptionsWindow(QWidget* mainWindow, PlaySession& session)
    : QWidget(mainWindow, Qt::Window), session_(session) {
  const WindowDesign& design = optionsWindowDesign();
  buildDesignedWindow(this, design, [this](const ControlDesign&) { return this; });

  progressionSlider = named<QSlider>(this, "progressionSlider");
  jumpSlider = named<QSlider>(this, "jumpSlider");
  progressionValue = named<QLabel>(this, "progressionValue");
  jumpValue = named<QLabel>(this, "jumpValue");
  cratesBox = named<QCheckBox>(this, "cratesBox");
  musicBox = named<QCheckBox>(this, "musicBox");
  setProgressionButton = named<QPushButton>(this, "setProgressionButton");
  setJumpButton = named<QPushButton>(this, "setJumpButton");
  setCratesButton = named<QPushButton>(this, "setCratesButton");
  setMusicButton = named<QPushButton>(this, "setMusicButton");
  resumeButton = named<QPushButton>(this, "resumeButton");

  for (const options::Option* option : options::kAll) {
    QWidget* choice = choiceControl(*option);
    if (auto* slider = qobject_cast<QSlider*>(choice)) {
      // The value label follows the slider while the thumb is still moving.
      if (const ControlDesign* value = design.forOption(*option, OptionRole::ValueLabel)) {
        QLabel* label = designedControl<QLabel>(this, *value);
        const auto show = [label](int v) {
          label->setText(QString::fromStdString(PlaySession::sliderValueText(v)));
        };
        connect(slider, &QSlider::valueChanged, label, show);
        connect(slider, &QSlider::sliderMoved, label, show);
      }
    }
    if (const ControlDesign* set = design.forOption(*option, OptionRole::SetButton)) {
      connect(designedControl<QPushButton>(this, *set), &QPushButton::clicked, this,
              [this, option, choice] {
                if (auto* slider = qobject_cast<QSlider*>(choice)) {
                  session_.applyOption(*option, slider->value());
                } else if (auto* box = qobject_cast<QCheckBox*>(choice)) {
                  session_.applyOption(*option, box->isChecked() ? 1 : 0);
                }
              });
    }
  }
  connect(resumeButton, &QPushButton::clicked, this, [this] { session_.resumeGamePressed(); });

  loadControls();
  designedControl(this, design.control(design.firstFocus))->setFocus();
}

QWidget* OptionsWindow::choiceControl(const options::Option& option) const {
  const ControlDesign* choice = optionsWindowDesign().forOption(option, OptionRole::Choice);
  return choice ? designedControl(this, *choice) : nullptr;
}

void OptionsWindow::loadControls() {
  const WindowDesign& design = optionsWindowDesign();
  const std::vector<int> choices = session_.optionChoices();
  for (size_t i = 0; i < options::kAll.size(); ++i) {
    QWidget* choice = choiceControl(*options::kAll[i]);
    if (auto* slider = qobject_cast<QSlider*>(choice)) {
      slider->setValue(choices[i]);
      // A value equal to the slider's start changes nothing, yet its label must show it.
      if (const ControlDesign* value = design.forOption(*options::kAll[i], OptionRole::ValueLabel))
        designedControl<QLabel>(this, *value)
            ->setText(QString::fromStdString(PlaySession::sliderValueText(slider->value())));
    } else if (auto* box = qobject_cast<QCheckBox*>(choice)) {
      box->setChecked(choices[i] != 0);
    }
  }
}

void OptionsWindow::closeEvent(QCloseEvent* event) {
  session_.windowClosedOtherwise(SecondaryWindow::Options);
  event->accept();
}
