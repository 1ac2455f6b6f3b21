#include "ui/main_window/playfield_widget.h"

#include <qdrawutil.h>

#include <QPaintEvent>
#include <QPainter>
#include <cmath>
#include <utility>

#include "design/main_window_design.h"
#include "ui/pictures.h"
#include "ui/window_zoom.h"

namespace {

// At a fractional scale Qt's scaled drawing of a picture depends on the clip, so a part redrawn
// alone could differ at its edges from the same part of a whole frame: there frames stay whole.
bool wholeFrames(qreal ratio) { return ratio != std::floor(ratio); }

}  // namespace

// Draws the landscape at the inner top-left corner, enlarged by the zoom only; what does not fit
// is clipped. The landscape is a few flat areas of one colour: unzoomed, a changed rectangle is
// filled area by area, which needs no picture in memory at all.
class PlayfieldWidget::Inner final : public QWidget {
 public:
  explicit Inner(QWidget* parent) : QWidget(parent), landscape_(gameFlatPicture("landscape")) {
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

  void setZoom(int zoom) {
    zoom_ = zoom;
    enlarged_ = QPixmap();
    update();
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    // The landscape is opaque: only a strip it leaves uncovered is filled white.
    QPainter painter(this);
    const QRect covered = zoomed(QRect(QPoint(0, 0), landscape_.size), zoom_);
    for (const QRect& uncovered : event->region() - covered) painter.fillRect(uncovered, Qt::white);
    if (wholeFrames(devicePixelRatioF())) {
      painter.drawPixmap(0, 0, enlargedLandscape());
      return;
    }
    for (const QRect& changed : event->region()) {
      if (zoom_ == 1) {
        for (const BakedArea& area : landscape_.areas) {
          const QRect part = areaRect(area) & changed;
          if (!part.isEmpty()) painter.fillRect(part, QColor::fromRgb(area.colour));
        }
      } else {
        // Under a clip of one rectangle a copy is a plain blit, where a clip of many would blend
        // row by row and, for many rows, wake Qt's pool threads.
        painter.setClipRect(changed);
        painter.drawPixmap(0, 0, enlargedLandscape());
      }
    }
  }

 private:
  // The whole landscape in 32-bit pixels at the zoom, made at its first use.
  const QPixmap& enlargedLandscape() {
    if (enlarged_.isNull()) enlarged_ = enlarged(gamePicture("landscape"), zoom_);
    return enlarged_;
  }

  FlatPicture landscape_;
  int zoom_ = 1;
  QPixmap enlarged_;
};

// Shows the drawing above the labels, in the order it was made; clicks pass through to what
// lies below.
class PlayfieldWidget::DrawingLayer final : public QWidget {
 public:
  DrawingLayer(PlayfieldWidget* field, QWidget* parent)
      : QWidget(parent), field_(*field), ops_(field->ops_) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    // A tick run without its frame made ready still loses nothing: what it cleared goes in the
    // next frame.
    field_.finishFrame();
    QPainter painter(this);
    const int zoom = field_.zoom_;
    for (const DrawOp& op : ops_) {
      if (!op.picture.isNull()) {
        painter.drawPixmap(op.area.topLeft() * zoom, field_.zoomedPicture(op.picture));
      } else if (op.line.isNull()) {
        painter.fillRect(zoomed(op.area, zoom), op.colour);
      } else {
        painter.save();
        painter.scale(zoom, zoom);
        painter.setPen(QPen(op.colour, 1));
        painter.drawLine(op.line);
        painter.restore();
      }
    }
  }

 private:
  PlayfieldWidget& field_;
  const std::vector<DrawOp>& ops_;
};

PlayfieldWidget::PlayfieldWidget(QWidget* parent) : QFrame(parent) {
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
    const auto i = static_cast<size_t>(p);
    pictures_[i] = gamePicture(std::string(pictureName(p)).c_str());
    zoomedPictures_[i] = pictures_[i];
  }
}

QSize PlayfieldWidget::innerSize() {
  const PixelRect inner = playfieldInnerPixels();
  return {inner.width, inner.height};
}

QPixmap PlayfieldWidget::picture(Picture picture) const {
  return pictures_[static_cast<size_t>(picture)];
}

const QPixmap& PlayfieldWidget::zoomedPicture(const QPixmap& picture) const {
  for (size_t i = 0; i < pictures_.size(); ++i) {
    if (pictures_[i].cacheKey() == picture.cacheKey()) return zoomedPictures_[i];
  }
  return picture;
}

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
  static_cast<Inner*>(inner_)->setZoom(zoom);
  layer_->update();
}

QPoint PlayfieldWidget::toPixels(double x, double y) {
  static const double perUnitX = playfieldPixelsPerUnitX();
  static const double perUnitY = playfieldPixelsPerUnitY();
  return QPoint(static_cast<int>(std::lround(x * perUnitX)),
                static_cast<int>(std::lround(y * perUnitY)));
}

void PlayfieldWidget::takeFocus() { setFocus(Qt::OtherFocusReason); }

bool PlayfieldWidget::DrawOp::sameAs(const DrawOp& other) const {
  return area == other.area && line == other.line && colour == other.colour &&
         picture.cacheKey() == other.picture.cacheKey();
}

// A frame redraws what was drawn in the previous tick and in this one, and nothing else; what
// both drew alike is left as it stands, and a tick that changes nothing paints nothing. Which of
// the cleared drawings come back is known only once the tick has drawn, when the rest of them is
// marked (finishFrame).
void PlayfieldWidget::repaint() {
  finishFrame();
  cleared_ = std::move(ops_);
  ops_.clear();
}

void PlayfieldWidget::draw(DrawOp op) {
  size_t i = repeatsFrom_;
  while (i < cleared_.size() && !cleared_[i].sameAs(op)) ++i;
  if (i < cleared_.size()) {
    // Those passed over can no longer come back.
    for (size_t gone = repeatsFrom_; gone < i; ++gone) markChanged(cleared_[gone].area);
    repeatsFrom_ = i + 1;
  } else {
    markChanged(op.area);
  }
  ops_.push_back(std::move(op));
}

void PlayfieldWidget::finishFrame() {
  for (size_t i = repeatsFrom_; i < cleared_.size(); ++i) markChanged(cleared_[i].area);
  cleared_.clear();
  repeatsFrom_ = 0;
}

void PlayfieldWidget::markChanged(QRect area) {
  if (wholeFrames(devicePixelRatioF())) {
    layer_->update();
  } else {
    layer_->update(zoomed(area, zoom_));
  }
}

void PlayfieldWidget::line(float x1, float y1, float x2, float y2, std::optional<Rgb> colour) {
  const QColor pen = colour ? QColor(colour->red, colour->green, colour->blue)
                            : palette().color(QPalette::ButtonText);
  const QPoint from = toPixels(x1, y1);
  const QPoint to = toPixels(x2, y2);
  if (from.y() == to.y() || from.x() == to.x()) {
    // A level or upright line fills whole pixels, so on a scaled screen it covers whole device
    // pixels too rather than straddling two rows.
    draw({QRect(from, to).normalized(), {}, pen, {}});
  } else {
    // A pen one pixel wide reaches half a pixel beyond the ends and to each side.
    draw({QRect(from, to).normalized().adjusted(-1, -1, 1, 1), QLine(from, to), pen, {}});
  }
}

void PlayfieldWidget::paint(Picture picture, int16_t x, int16_t y) {
  // At the picture's own size; transparent pixels of the player leave the landscape showing.
  const QPixmap pixmap = this->picture(picture);
  draw({QRect(toPixels(x, y), pixmap.deviceIndependentSize().toSize()), {}, {}, pixmap});
}
