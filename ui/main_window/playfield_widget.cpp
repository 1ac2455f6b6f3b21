#include "ui/main_window/playfield_widget.h"

#include <qdrawutil.h>

#include <QPaintEvent>
#include <QPainter>
#include <cmath>
#include <string>
#include <utility>

#include "design/main_window_design.h"
#include "design/resolution.h"
#include "ui/designed_window.h"
#include "ui/pictures.h"
#include "ui/window_zoom.h"

namespace {

// At a fractional scale Qt's scaled drawing of a picture depends on the clip, so a part redrawn
// alone could differ at its edges from the same part of a whole frame: there frames stay whole.
bool wholeFrames(qreal ratio) { return ratio != std::floor(ratio); }

std::string nameOf(FramePicture picture) { return std::string(framePictureName(picture)); }

QColor qtColour(Rgb colour) { return QColor(colour.red, colour.green, colour.blue); }

}  // namespace

// Executes the frame's steps before the labels: white where the landscape ends, and the
// landscape at the zoom only; what does not fit is clipped. The labels are its child widgets, so
// they are drawn after it and before the drawing layer above them, as the steps order. The
// landscape is a few flat areas of one colour: unzoomed, a changed rectangle is filled area by
// area, which needs no picture in memory at all.
class PlayfieldWidget::Inner final : public QWidget {
 public:
  explicit Inner(PlayfieldWidget* field)
      : QWidget(field),
        field_(*field),
        landscape_(gameFlatPicture(nameOf(FramePicture::Landscape).c_str())) {
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

  void zoomChanged() {
    enlarged_ = QPixmap();
    update();
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QPainter painter(this);
    for (const FrameStep& step : field_.frame_.background({width(), height()}, field_.dpi())) {
      if (step.kind == FrameStep::Kind::Fill) {
        painter.fillRect(toQRect(step.area), qtColour(step.colour.value_or(Rgb{255, 255, 255})));
      } else if (step.kind == FrameStep::Kind::Picture) {
        drawLandscape(painter, event->region(), toQRect(step.area).topLeft());
      }
    }
  }

 private:
  void drawLandscape(QPainter& painter, const QRegion& region, QPoint at) {
    if (wholeFrames(devicePixelRatioF())) {
      painter.drawPixmap(at, enlargedLandscape());
      return;
    }
    for (const QRect& changed : region) {
      if (field_.zoom_ == 1) {
        for (const BakedArea& area : landscape_.areas) {
          const QRect part = areaRect(area).translated(at) & changed;
          if (!part.isEmpty()) painter.fillRect(part, QColor::fromRgb(area.colour));
        }
      } else {
        // Under a clip of one rectangle a copy is a plain blit, where a clip of many would blend
        // row by row and, for many rows, wake Qt's pool threads.
        painter.setClipRect(changed);
        painter.drawPixmap(at, enlargedLandscape());
      }
    }
  }

  // The whole landscape in 32-bit pixels at the zoom, made at its first use.
  const QPixmap& enlargedLandscape() {
    if (enlarged_.isNull()) {
      enlarged_ = enlarged(gamePicture(nameOf(FramePicture::Landscape).c_str()), field_.zoom_);
    }
    return enlarged_;
  }

  PlayfieldWidget& field_;
  FlatPicture landscape_;
  QPixmap enlarged_;
};

// Executes the frame's steps after the labels, the game's drawing, in the order it was made;
// clicks pass through to what lies below.
class PlayfieldWidget::DrawingLayer final : public QWidget {
 public:
  DrawingLayer(PlayfieldWidget* field, QWidget* parent) : QWidget(parent), field_(*field) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    // A tick run without its frame made ready still loses nothing: what it cleared goes in the
    // next frame.
    field_.finishFrame();
    QPainter painter(this);
    const int dpi = field_.dpi();
    const QColor fore = field_.palette().color(QPalette::ButtonText);
    for (const FrameStep& designStep : field_.frame_.drawing()) {
      const FrameStep step = scaledStep(designStep, dpi);
      if (step.kind == FrameStep::Kind::Fill) {
        painter.fillRect(toQRect(step.area), step.colour ? qtColour(*step.colour) : fore);
      } else if (step.kind == FrameStep::Kind::Picture) {
        painter.drawPixmap(toQRect(step.area).topLeft(),
                           field_.zoomedPictures_[static_cast<size_t>(step.picture)]);
      }
    }
  }

 private:
  PlayfieldWidget& field_;
};

PlayfieldWidget::PlayfieldWidget(QWidget* parent)
    : QFrame(parent), frame_(bakedFramePictureSizes()) {
  setObjectName("playfield");
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(kBorderPx);
  setFocusPolicy(Qt::StrongFocus);
  inner_ = new Inner(this);
  inner_->setObjectName("playfieldInner");
  inner_->setGeometry(QRect(QPoint(kBorderPx, kBorderPx), innerSize()));
  layer_ = new DrawingLayer(this, inner_);
  layer_->setGeometry(QRect(QPoint(0, 0), innerSize()));
  for (const Picture p : {Picture::MonkeyUp, Picture::MonkeyDown, Picture::Cloud, Picture::Crate}) {
    const auto i = static_cast<size_t>(framePicture(p));
    pictures_[i] = gamePicture(nameOf(framePicture(p)).c_str());
    zoomedPictures_[i] = pictures_[i];
  }
}

QSize PlayfieldWidget::innerSize() {
  const PixelRect inner = playfieldInnerPixels();
  return {inner.width, inner.height};
}

QPixmap PlayfieldWidget::picture(Picture picture) const {
  return pictures_[static_cast<size_t>(framePicture(picture))];
}

int PlayfieldWidget::dpi() const { return kDesignDpi * zoom_; }

void PlayfieldWidget::paintEvent(QPaintEvent* event) {
  if (zoom_ == 1) {
    QFrame::paintEvent(event);
    return;
  }
  // The designed panel enlarged, so that its corners keep their shape.
  if (zoomedPanel_.size() != size()) {
    QImage panel(size() / zoom_, QImage::Format_ARGB32_Premultiplied);
    panel.fill(Qt::transparent);
    QPainter designPainter(&panel);
    qDrawShadePanel(&designPainter, panel.rect(), palette(), true, kBorderPx);
    designPainter.end();
    zoomedPanel_ = enlarged(QPixmap::fromImage(panel), zoom_);
  }
  QPainter(this).drawPixmap(0, 0, zoomedPanel_);
}

void PlayfieldWidget::raiseDrawingLayer() { layer_->raise(); }

void PlayfieldWidget::setZoom(int zoom) {
  zoom_ = zoom;
  for (size_t i = 0; i < pictures_.size(); ++i) zoomedPictures_[i] = enlarged(pictures_[i], zoom);
  static_cast<Inner*>(inner_)->zoomChanged();
  layer_->update();
}

void PlayfieldWidget::takeFocus() { setFocus(Qt::OtherFocusReason); }

// A frame redraws what was drawn in the previous tick and in this one, and nothing else; what
// both drew alike is left as it stands, and a tick that changes nothing paints nothing. Which of
// the cleared drawings come back is known only once the tick has drawn, when the rest of them is
// marked (finishFrame).
void PlayfieldWidget::repaint() {
  finishFrame();
  cleared_ = frame_.drawing();
  frame_.repaint();
}

void PlayfieldWidget::line(float x1, float y1, float x2, float y2, std::optional<Rgb> colour) {
  drawn(frame_.line(x1, y1, x2, y2, colour));
}

void PlayfieldWidget::paint(Picture picture, int16_t x, int16_t y) {
  drawn(frame_.paint(picture, x, y));
}

void PlayfieldWidget::drawn(std::span<const FrameStep> steps) {
  for (const FrameStep& step : steps) {
    size_t i = repeatsFrom_;
    while (i < cleared_.size() && cleared_[i] != step) ++i;
    if (i < cleared_.size()) {
      // Those passed over can no longer come back.
      for (size_t gone = repeatsFrom_; gone < i; ++gone) markChanged(cleared_[gone]);
      repeatsFrom_ = i + 1;
    } else {
      markChanged(step);
    }
  }
}

void PlayfieldWidget::finishFrame() {
  for (size_t i = repeatsFrom_; i < cleared_.size(); ++i) markChanged(cleared_[i]);
  cleared_.clear();
  repeatsFrom_ = 0;
}

void PlayfieldWidget::markChanged(const FrameStep& designStep) {
  if (wholeFrames(devicePixelRatioF())) {
    layer_->update();
  } else {
    layer_->update(toQRect(scaledStep(designStep, dpi()).area));
  }
}
