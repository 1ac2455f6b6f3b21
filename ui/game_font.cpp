#include "ui/game_font.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QResource>
#include <QVariant>
#include <QWidget>
#include <map>
#include <utility>

#include "design/resolution.h"
#include "ui/stderr_report.h"

namespace {

constexpr char kFontRoleProperty[] = "zundabarFontRole";

QString familyName(const FaceDesign& face) {
  return QString::fromUtf8(face.family.data(), static_cast<qsizetype>(face.family.size()));
}

QFont fontOf(FontRole role, const FaceDesign& face, double points) {
  const FontDesign& design = fontDesign(role);
  QFont font(familyName(face));
  if (design.serif) font.setStyleHint(QFont::Serif);
  font.setPointSizeF(points);
  font.setUnderline(design.underline);
  font.setBold(false);
  return font;
}

}  // namespace

void useGameFont() {
  // The resources live in a static library, so they are registered by hand.
  Q_INIT_RESOURCE(assets);
  // Registered where it lies in the program, without a copy: the resource is kept uncompressed.
  const QResource resource(":/assets/RobotoCondensed-Regular.ttf");
  const QByteArray data =
      resource.compressionAlgorithm() == QResource::NoCompression
          ? QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()), resource.size())
          : resource.uncompressedData();
  if (QFontDatabase::addApplicationFontFromData(data) < 0) {
    tellOnStderr("the embedded font could not be loaded; captions may not fit");
  }
  QApplication::setFont(designedFont(FontRole::Default));
}

QFont designedFont(FontRole role, int zoom) {
  struct Made {
    const FaceDesign* face;
    double points;
  };
  // Chosen and measured once for each zoom.
  static std::map<std::pair<FontRole, int>, Made> made;
  const auto key = std::make_pair(role, zoom);
  auto found = made.find(key);
  if (found == made.end()) {
    // The text is drawn at the screen's own resolution times the zoom...
    const int drawnDpi = qRound(kDesignDpi * zoom * qApp->devicePixelRatio());
    const FaceDesign& face = chosenFace(role, drawnDpi, [](const FaceDesign& f) {
      return QFontDatabase::hasFamily(familyName(f));
    });
    // ... and laid out in pixels of the design times the zoom, whatever the screen's scale: the
    // points at the zoomed resolution are so many times as many at the design's.
    const double points = zoom * fittedPoints(role, face, kDesignDpi * zoom, [&](double p) {
                            return qtMeasure(fontOf(role, face, zoom * p));
                          });
    found = made.emplace(key, Made{&face, points}).first;
  }
  return fontOf(role, *found->second.face, found->second.points);
}

FontMeasure qtMeasure(const QFont& font) {
  const QFontMetrics metrics(font);
  return {.width =
              [metrics](std::string_view text) {
                return metrics.horizontalAdvance(
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
              },
          .ascent = metrics.ascent(),
          .lineHeight = metrics.lineSpacing()};
}

void keepFontRole(QWidget* widget, FontRole role) {
  widget->setProperty(kFontRoleProperty, static_cast<int>(role));
}

std::optional<FontRole> keptFontRole(const QWidget* widget) {
  const QVariant role = widget->property(kFontRoleProperty);
  if (!role.isValid()) return std::nullopt;
  return static_cast<FontRole>(role.toInt());
}
