#include "ui/game_font.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QResource>

#include "ui/stderr_report.h"

namespace {

constexpr double kGameFontPoints = 8.0;

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
  const QStringList families =
      QFontDatabase::applicationFontFamilies(QFontDatabase::addApplicationFontFromData(data));
  if (families.isEmpty()) {
    tellOnStderr("the embedded font could not be loaded; captions may not fit");
    return;
  }
  QFont font(families.first());
  font.setPointSizeF(kGameFontPoints);
  QApplication::setFont(font);
}
