#include "ui/pictures.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QString>

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
    EXPECT_EQ(gamePictureImage(baked.name).constBits(), baked.pixels) << baked.name;
    if (!baked.colours) {
      EXPECT_EQ(gamePicture(baked.name).toImage().constBits(), baked.pixels) << baked.name;
    }
  }
}

}  // namespace
