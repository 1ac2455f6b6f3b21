#pragma once

#include <QMouseEvent>
#include <QSlider>
#include <QStyleOptionSlider>

// A horizontal slider on which a left click in the groove steps one page towards the click,
// whatever the platform's style would do (some styles jump straight to the click).
class PagingSlider final : public QSlider {
 public:
  explicit PagingSlider(QWidget* parent) : QSlider(Qt::Horizontal, parent) {}

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton) {
      QStyleOptionSlider option;
      initStyleOption(&option);
      const QRect handle =
          style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
      const QPoint at = event->position().toPoint();
      if (!handle.contains(at)) {
        triggerAction(at.x() > handle.center().x() ? SliderPageStepAdd : SliderPageStepSub);
        event->accept();
        return;
      }
    }
    QSlider::mousePressEvent(event);
  }
};
