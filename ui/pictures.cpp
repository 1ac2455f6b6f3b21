#include "ui/pictures.h"

#include <cstring>
#include <string>

#include "ui/stderr_report.h"

QPixmap gamePicture(const char* name) {
  for (int i = 0; i < kBakedPictureCount; ++i) {
    const BakedPicture& baked = kBakedPictures[i];
    if (std::strcmp(baked.name, name) != 0) continue;
    // The image reads the pixels where they lie in the program, and a pixmap of the same
    // format shares them: nothing is copied.
    const QImage image(baked.pixels, baked.width, baked.height, baked.width * 4,
                       baked.opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    return QPixmap::fromImage(image);
  }
  tellOnStderr(std::string("the picture ") + name + " was not built into the game");
  return {};
}
