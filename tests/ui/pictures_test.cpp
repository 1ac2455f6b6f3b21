#include "ui/pictures.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <algorithm>
#include <vector>

namespace {

// The pictures built into the game are their files in assets/, pixel for pixel, transparency
// included.
TEST(GamePictures, AreThePicturesOfTheAssetsFolder) {
  const char* const files[] = {"landscape.png", "player_up.png",    "player_down.png",
                               "cloud.png",     "crate.png",        "app_icon.png",
                               "pi_sign.png",   "maker_banner.png", "credit_banner.bmp"};
  for (const char* file : files) {
    const QString name = QString(file).section('.', 0, 0);
    const QImage source = QImage(QString(ZUNDABAR_ASSETS_DIR "/") + file)
                              .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage built = gamePicture(qPrintable(name))
                             .toImage()
                             .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    ASSERT_FALSE(source.isNull()) << file;
    ASSERT_EQ(built.size(), source.size()) << file;
    int differing = 0;
    for (int y = 0; y < source.height(); ++y)
      for (int x = 0; x < source.width(); ++x) differing += built.pixel(x, y) != source.pixel(x, y);
    EXPECT_EQ(differing, 0) << file;
  }
  EXPECT_TRUE(gamePicture("no_such_picture").isNull());
}

TEST(GamePictures, AreReadWhereTheyLieInTheProgram) {
  for (int i = 0; i < kBakedPictureCount; ++i) {
    const BakedPicture& baked = kBakedPictures[i];
    if (!baked.pixels) continue;
    EXPECT_EQ(gamePictureImage(baked.name).constBits(), baked.pixels) << baked.name;
    EXPECT_EQ(gamePicture(baked.name).toImage().constBits(), baked.pixels) << baked.name;
  }
}

// The landscape's areas cover it once each: a pixel left out or filled twice would show in the
// playfield, where the areas are filled one by one, though not in the picture made from them.
TEST(GamePictures, TheLandscapesAreasCoverItOnce) {
  const FlatPicture landscape = gameFlatPicture("landscape");
  ASSERT_FALSE(landscape.areas.empty());
  std::vector<int> fills(static_cast<size_t>(landscape.size.width() * landscape.size.height()));
  for (const BakedArea& area : landscape.areas) {
    ASSERT_TRUE(QRect(QPoint(0, 0), landscape.size).contains(areaRect(area)));
    for (int y = area.y; y < area.y + area.height; ++y)
      for (int x = area.x; x < area.x + area.width; ++x)
        ++fills[static_cast<size_t>(y * landscape.size.width() + x)];
  }
  EXPECT_EQ(std::count(fills.begin(), fills.end(), 1), static_cast<long>(fills.size()));
  EXPECT_TRUE(gameFlatPicture("crate").areas.empty());
}

}  // namespace
