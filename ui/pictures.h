#pragma once

#include <QImage>
#include <QPixmap>

// The game's pictures, decoded when the game is built (tools/bake_pictures): a picture is ready
// at once, without reading a file, loading an image plugin or decoding.
// name: the picture's file name in assets/ without its extension. An unknown name is told on
// stderr and gives a null picture.

// The picture as the build left it, read where it lies in the program: 32-bit pixels, or 8-bit
// indices into its colours for the pictures built that way.
QImage gamePictureImage(const char* name);
// As a pixmap: 32-bit pictures are shared, indexed ones converted.
QPixmap gamePicture(const char* name);

// A picture as the build leaves it in the program: RGB32 when opaque, else premultiplied ARGB32,
// in this machine's byte order; or, with colours, one byte a pixel indexing them.
struct BakedPicture {
  const char* name;
  int width;
  int height;
  int bytesPerLine;
  bool opaque;
  const unsigned char* pixels;
  const unsigned int* colours;
  int colourCount;
};

extern const BakedPicture kBakedPictures[];
extern const int kBakedPictureCount;
