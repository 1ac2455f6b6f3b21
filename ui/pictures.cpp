#include "ui/pictures.h"

#include <cstring>
#include <string>

#include "ui/stderr_report.h"

QImage gamePictureImage(const char* name) {
  for (int i = 0; i < kBakedPictureCount; ++i) {
    const BakedPicture& baked = kBakedPictures[i];
    if (std::strcmp(baked.name, name) != 0) continue;
    if (baked.colours) {
      QImage image(baked.pixels, baked.width, baked.height, baked.bytesPerLine,
                   QImage::Format_Indexed8);
      image.setColorTable(QList<QRgb>(baked.colours, baked.colours + baked.colourCount));
      return image;
    }
    return QImage(baked.pixels, baked.width, baked.height, baked.bytesPerLine,
                  baked.opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
  }
  tellOnStderr(std::string("the picture ") + name + " was not built into the game");
  return {};
}

QPixmap gamePicture(const char* name) {
  // A pixmap of the image's own format shares its pixels: nothing is copied.
  return QPixmap::fromImage(gamePictureImage(name));
}
