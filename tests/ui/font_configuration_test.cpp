#include "ui/font_configuration.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QStringList>

namespace {

// Reading alongside Qt, finishing more than once or not at all are all harmless, and Qt's font
// list is whole afterwards: the fonts the game's windows fall back on are in it.
TEST(FontConfigurationLoader, ReadsAlongsideQtWithoutHarm) {
  {
    FontConfigurationLoader early;
    FontConfigurationLoader alongside;
    EXPECT_FALSE(QFontDatabase::families().isEmpty());
    early.finish();
    early.finish();
  }
  EXPECT_TRUE(QFontDatabase::families().contains("DejaVu Sans"));
  EXPECT_TRUE(QFontDatabase::families().contains("DejaVu Serif Condensed"));
}

}  // namespace
