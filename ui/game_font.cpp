#include "ui/game_font.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

#include "ui/stderr_report.h"

namespace {

constexpr double kGameFontPoints = 8.0;

}  // namespace

void loadAssets() {
  // The resources live in a static library, so they are registered by hand.
  static const bool loaded = [] {
    Q_INIT_RESOURCE(assets);
    return true;
  }();
  (void)loaded;
}

void useGameFont() {
  loadAssets();
  const int id = QFontDatabase::addApplicationFont(":/assets/RobotoCondensed-Regular.ttf");
  const QStringList families = QFontDatabase::applicationFontFamilies(id);
  if (families.isEmpty()) {
    tellOnStderr("the embedded font could not be loaded; captions may not fit");
    return;
  }
  QFont font(families.first());
  font.setPointSizeF(kGameFontPoints);
  QApplication::setFont(font);
}
