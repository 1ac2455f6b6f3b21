#pragma once

#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <span>

// The game's pictures, decoded when the game is built (tools/bake_pictures): a picture is ready
// at once, without reading a file, loading an image plugin or decoding.
// name: the picture's file name in assets/ without its extension. An unknown name is told on
// stderr and gives a null picture.

// The picture's pixels, read where they lie in the program; a picture built as flat areas is
// painted from them into an image of its own.
QImage gamePictureImage(const char* name);
// As a pixmap, sharing the pixels the program holds where it has them.
QPixmap gamePicture(const char* name);

// A rectangle of one colour within a picture built as flat areas.
struct BakedArea {
  int x;
  int y;
  int width;
  int height;
  unsigned int colour;  // opaque, as a QRgb

  QRect rect() const { return {x, y, width, height}; }
};

// A picture built as flat areas: they do not overlap and together cover the whole picture.
struct FlatPicture {
  QSize size;
  std::span<const BakedArea> areas;
};
// Empty (with the name told on stderr) for a picture not built that way.
FlatPicture gameFlatPicture(const char* name);

// A picture as the build leaves it in the program: with pixels, RGB32 when opaque, else
// premultiplied ARGB32, in this machine's byte order; or, with areas and no pixels, as flat
// areas.
struct BakedPicture {
  const char* name;
  int width;
  int height;
  int bytesPerLine;  // of the pixels; 0 without them
  bool opaque;
  const unsigned char* pixels;
  const BakedArea* areas;
  int areaCount;
};

extern const BakedPicture kBakedPictures[];
extern const int kBakedPictureCount;
