#include "ui/window_zoom.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QPointer>
#include <QProxyStyle>
#include <cstdint>
#include <map>
#include <vector>

#include "design/picture_enlargement.h"
#include "ui/game_font.h"

namespace {

// The style's measures grow with the text: check boxes, slider handles, margins and spacing.
class ZoomStyle final : public QProxyStyle {
 public:
  explicit ZoomStyle(int zoom) : zoom_(zoom) {}

  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override {
    return QProxyStyle::pixelMetric(metric, option, widget) * zoom_;
  }

 private:
  int zoom_;
};

QStyle* zoomStyle(int zoom) {
  static std::map<int, QPointer<QStyle>> styles;
  QPointer<QStyle>& style = styles[zoom];
  if (!style) {
    style = new ZoomStyle(zoom);
    style->setParent(qApp);
  }
  return style;
}

QFont zoomedFont(const QWidget* widget, QFont font, int zoom) {
  // A designed font is made afresh: at another resolution it may take another face or size.
  if (const std::optional<FontRole> role = keptFontRole(widget)) return designedFont(*role, zoom);
  if (font.pointSizeF() > 0) {
    font.setPointSizeF(font.pointSizeF() * zoom);
  } else if (font.pixelSize() > 0) {
    font.setPixelSize(font.pixelSize() * zoom);
  }
  return font;
}

// One control as it was designed.
struct Control {
  QPointer<QWidget> widget;
  QRect geometry;
  bool placedByLayout = false;
  bool ownFont = false;
  QFont font;
  QPixmap picture;
  int lineWidth = 0;
  int midLineWidth = 0;
};

// The design of a window, kept by the window as a hidden child object.
class BuiltDesign final : public QObject {
 public:
  explicit BuiltDesign(QWidget* window) : QObject(window) {
    setObjectName("windowDesign");
    fixedSize_ = window->minimumSize() == window->maximumSize() ? window->minimumSize() : QSize();
    size_ = window->size();
    record(window);
    for (QWidget* w : window->findChildren<QWidget*>()) {
      if (w->window() == window) record(w);
    }
  }

  void apply(QWidget* window, int zoom, QPoint origin) {
    if (!fixedSize_.isEmpty()) {
      window->setFixedSize(fixedSize_ * zoom);
    } else if (!window->layout()) {
      window->resize(size_ * zoom);
    }
    // The window's font first: the controls that set a font of their own keep it over it.
    for (const Control& c : controls_) {
      if (!c.widget) continue;
      QWidget* w = c.widget;
      if (w == window || c.ownFont) {
        w->setFont(zoom == 1 && !c.ownFont ? QFont() : zoomedFont(w, c.font, zoom));
      }
      w->setStyle(zoom == 1 ? nullptr : zoomStyle(zoom));
      if (w != window && !c.placedByLayout) {
        const QPoint shift = w->parentWidget() == window ? origin : QPoint();
        w->setGeometry(zoomed(c.geometry, zoom).translated(shift));
      }
      if (auto* frame = qobject_cast<QFrame*>(w)) {
        frame->setLineWidth(c.lineWidth * zoom);
        frame->setMidLineWidth(c.midLineWidth * zoom);
      }
      if (!c.picture.isNull()) static_cast<QLabel*>(w)->setPixmap(enlarged(c.picture, zoom));
    }
  }

 private:
  void record(QWidget* w) {
    Control c;
    c.widget = w;
    c.geometry = w->geometry();
    c.placedByLayout = w->parentWidget() && w->parentWidget()->layout();
    c.ownFont = w->testAttribute(Qt::WA_SetFont);
    c.font = w->font();
    if (auto* label = qobject_cast<QLabel*>(w)) c.picture = label->pixmap();
    if (auto* frame = qobject_cast<QFrame*>(w)) {
      c.lineWidth = frame->lineWidth();
      c.midLineWidth = frame->midLineWidth();
    }
    controls_.push_back(c);
  }

  QSize fixedSize_;
  QSize size_;
  std::vector<Control> controls_;
};

}  // namespace

void zoomWindow(QWidget* window, int zoom, QPoint origin) {
  auto* design = window->findChild<BuiltDesign*>("windowDesign", Qt::FindDirectChildrenOnly);
  if (!design) {
    if (zoom == 1 && origin.isNull()) return;
    design = new BuiltDesign(window);
  }
  design->apply(window, zoom, origin);
}

QPixmap enlarged(const QPixmap& picture, int zoom) {
  if (zoom == 1 || picture.isNull()) return picture;
  const QImage source = picture.toImage().convertToFormat(
      picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
  QImage big(source.size() * zoom, source.format());
  const BakedPicture pixels{.name = "",
                            .width = source.width(),
                            .height = source.height(),
                            .bytesPerLine = static_cast<int>(source.bytesPerLine()),
                            .opaque = !source.hasAlphaChannel(),
                            .pixels = source.constBits(),
                            .areas = nullptr,
                            .areaCount = 0};
  enlargePicture(pixels, {reinterpret_cast<uint32_t*>(big.bits()), big.width(), big.height(),
                          static_cast<int>(big.bytesPerLine() / sizeof(uint32_t))});
  return QPixmap::fromImage(big);
}
