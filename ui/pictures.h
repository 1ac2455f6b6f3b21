#pragma once

#include <QPixmap>

// The game's pictures, decoded when the game is built (tools/bake_pictures): a picture is ready
// at once, without reading a file, loading an image plugin or converting pixels.
// name: the picture's file name in assets/ without its extension. An unknown name is told on
// stderr and gives a null pixmap.
QPixmap gamePicture(const char* name);

// A picture as the build leaves it in the program: 32-bit pixels in this machine's byte order,
// RGB32 when opaque, else premultiplied ARGB32.
struct BakedPicture {
  const char* name;
  int width;
  int height;
  bool opaque;
  const unsigned char* pixels;
};

extern const BakedPicture kBakedPictures[];
extern const int kBakedPictureCount;
