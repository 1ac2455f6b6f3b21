#include "ui/main_window/playfield_widget.h"

#include <QPainter>
#include <cmath>

#include "ui/main_window/twips.h"

namespace {

struct Holder {
  const char* name;
  const char* path;
  QRect twips;
};

// The hidden picture holders, in the order of Picture; their places are never seen.
const Holder kHolders[] = {
    {"monkeyUp", ":/assets/player_up.png", twipsRect(3360, 2205, 480, 480)},
    {"monkeyDown", ":/assets/player_down.png", twipsRect(3255, 2940, 480, 480)},
    {"cloud", ":/assets/cloud.png", twipsRect(630, 420, 1755, 810)},
    {"crate", ":/assets/crate.png", twipsRect(5145, 630, 240, 240)},
};

}  // namespace

// Draws the landscape unscaled at the inner top-left corner; what does not fit is clipped.
class PlayfieldWidget::Inner final : public QWidget {
 public:
  explicit Inner(QWidget* parent) : QWidget(parent), landscape_(":/assets/landscape.png") {
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawPixmap(0, 0, landscape_);
  }

 private:
  QPixmap landscape_;
};

// Shows the drawing above the labels, in the order it was made; clicks pass through to what
// lies below.
class PlayfieldWidget::DrawingLayer final : public QWidget {
 public:
  DrawingLayer(QWidget* parent, const std::vector<DrawOp>& ops) : QWidget(parent), ops_(ops) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    for (const DrawOp& op : ops_) {
      if (!op.picture.isNull()) {
        painter.drawPixmap(op.area.topLeft(), op.picture);
      } else if (!op.area.isNull()) {
        painter.fillRect(op.area, op.colour);
      } else {
        painter.setPen(QPen(op.colour, 1));
        painter.drawLine(op.line);
      }
    }
  }

 private:
  const std::vector<DrawOp>& ops_;
};

PlayfieldWidget::PlayfieldWidget(QWidget* parent) : QFrame(parent) {
  setObjectName("playfield");
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(kBorderPx);
  setFocusPolicy(Qt::StrongFocus);
  inner_ = new Inner(this);
  inner_->setObjectName("playfieldInner");
  inner_->setGeometry(QRect(QPoint(kBorderPx, kBorderPx), kInnerSizePx));
  layer_ = new DrawingLayer(inner_, ops_);
  layer_->setGeometry(QRect(QPoint(0, 0), kInnerSizePx));
  for (size_t i = 0; i < holders_.size(); ++i) {
    holders_[i] = new QLabel(inner_);
    holders_[i]->setObjectName(kHolders[i].name);
    holders_[i]->setPixmap(QPixmap(kHolders[i].path));
    holders_[i]->setGeometry(kHolders[i].twips);
    holders_[i]->hide();
  }
}

QPixmap PlayfieldWidget::picture(Picture picture) const {
  return holders_[static_cast<size_t>(picture)]->pixmap();
}

void PlayfieldWidget::raiseDrawingLayer() { layer_->raise(); }

QPoint PlayfieldWidget::toPixels(double x, double y) {
  return QPoint(static_cast<int>(std::lround(x * kPixelsPerUnitX)),
                static_cast<int>(std::lround(y * kPixelsPerUnitY)));
}

void PlayfieldWidget::takeFocus() { setFocus(Qt::OtherFocusReason); }

void PlayfieldWidget::repaint() {
  ops_.clear();
  layer_->update();
}

void PlayfieldWidget::line(float x1, float y1, float x2, float y2, std::optional<Rgb> colour) {
  const QColor pen = colour ? QColor(colour->red, colour->green, colour->blue)
                            : palette().color(QPalette::ButtonText);
  const QPoint from = toPixels(x1, y1);
  const QPoint to = toPixels(x2, y2);
  if (from.y() == to.y() || from.x() == to.x()) {
    // A level or upright line fills whole pixels, so on a scaled screen it covers whole device
    // pixels too rather than straddling two rows.
    ops_.push_back({QRect(from, to).normalized(), {}, pen, {}});
  } else {
    ops_.push_back({{}, QLine(from, to), pen, {}});
  }
  layer_->update();
}

void PlayfieldWidget::paint(Picture picture, int16_t x, int16_t y) {
  // At the picture's own size; transparent pixels of the player leave the landscape showing.
  ops_.push_back({QRect(toPixels(x, y), QSize(1, 1)), {}, {}, this->picture(picture)});
  layer_->update();
}
