#include "ui/pictures.h"

#include <QPainter>
#include <cstring>
#include <string>

#include "ui/stderr_report.h"

namespace {

const BakedPicture* bakedPicture(const char* name) {
  if (const BakedPicture* found = findBakedPicture(name)) return found;
  tellOnStderr(std::string("the picture ") + name + " was not built into the game");
  return nullptr;
}

}  // namespace

QImage gamePictureImage(const char* name) {
  const BakedPicture* baked = bakedPicture(name);
  if (!baked) return {};
  if (baked->pixels) {
    return QImage(baked->pixels, baked->width, baked->height, baked->bytesPerLine,
                  baked->opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
  }
  QImage image(baked->width, baked->height, QImage::Format_RGB32);
  QPainter painter(&image);
  for (const BakedArea& area : std::span(baked->areas, baked->areaCount))
    painter.fillRect(areaRect(area), QColor::fromRgb(area.colour));
  return image;
}

FlatPicture gameFlatPicture(const char* name) {
  const BakedPicture* baked = bakedPicture(name);
  if (!baked) return {};
  if (!baked->areas) {
    tellOnStderr(std::string("the picture ") + name + " was not built as flat areas");
    return {};
  }
  return {QSize(baked->width, baked->height), std::span(baked->areas, baked->areaCount)};
}

QPixmap gamePicture(const char* name) {
  // A pixmap of the image's own format shares its pixels: nothing is copied.
  return QPixmap::fromImage(gamePictureImage(name));
}
