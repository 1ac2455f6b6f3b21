#include "ui/designed_window.h"

#include <QCheckBox>
#include <QLabel>

#include "design/slider_settings.h"
#include "ui/game_font.h"
#include "ui/options_window/paging_slider.h"
#include "ui/pictures.h"
#include "ui/window_parts.h"

namespace {

constexpr QColor toColor(Rgb c) { return QColor(c.red, c.green, c.blue); }

QWidget* makeControl(const ControlDesign& c, QWidget* parent) {
  const QString name = QString::fromStdString(c.name);
  const QString caption = QString::fromStdString(c.caption);
  const QRect place = toQRect(c.pixels());
  switch (c.kind) {
    case ControlKind::Label: {
      QLabel* label = addLabel(parent, name, place, caption);
      label->setWordWrap(c.wraps);
      return label;
    }
    case ControlKind::PushButton:
      return addButton(parent, name, place, caption);
    case ControlKind::CheckBox: {
      auto* box = new QCheckBox(caption, parent);
      box->setObjectName(name);
      box->setGeometry(place);
      if (c.option) box->setAccessibleName(QString::fromStdString(std::string(c.option->caption)));
      return box;
    }
    case ControlKind::Slider: {
      auto* slider = new PagingSlider(parent);
      slider->setObjectName(name);
      slider->setGeometry(place);
      slider->setRange(kOptionSlider.minimum, kOptionSlider.maximum);
      slider->setSingleStep(kOptionSlider.singleStep);
      slider->setPageStep(kOptionSlider.pageStep);
      slider->setTickPosition(QSlider::TicksBelow);
      slider->setTickInterval(kOptionSlider.tickInterval);
      if (c.option) {
        slider->setAccessibleName(QString::fromStdString(std::string(c.option->caption)));
      }
      return slider;
    }
    case ControlKind::Picture: {
      auto* picture = new QLabel(parent);
      picture->setObjectName(name);
      picture->setGeometry(place);
      picture->setPixmap(gamePicture(c.caption.c_str()));
      return picture;
    }
    case ControlKind::Playfield:
      break;
  }
  return nullptr;
}

}  // namespace

void buildDesignedWindow(QWidget* window, const WindowDesign& design,
                         const std::function<QWidget*(const ControlDesign&)>& container) {
  window->setObjectName(QString::fromStdString(design.name));
  setUpGameWindow(window, QString::fromStdString(design.caption));
  const QRect client = toQRect(design.clientPixels());
  if (design.placement) window->setGeometry(client);
  window->setFixedSize(client.size());
  keepFontRole(window, FontRole::Default);
  for (const ControlDesign& c : design.controls) {
    QWidget* w = makeControl(c, container(c));
    if (!w) continue;
    if (c.font != FontRole::Default) {
      w->setFont(designedFont(c.font));
      keepFontRole(w, c.font);
    }
    if (c.backColour || c.foreColour) {
      QPalette p = w->palette();
      if (c.backColour) p.setColor(QPalette::Window, toColor(*c.backColour));
      if (c.foreColour) p.setColor(QPalette::WindowText, toColor(*c.foreColour));
      w->setPalette(p);
    }
    if (!c.tooltip.empty()) w->setToolTip(QString::fromStdString(c.tooltip));
    if (c.handCursor) w->setCursor(Qt::PointingHandCursor);
  }
  QWidget* previous = nullptr;
  for (const ControlDesign* c : design.tabOrder()) {
    QWidget* w = designedControl(window, *c);
    if (previous && w) QWidget::setTabOrder(previous, w);
    if (w) previous = w;
  }
}
