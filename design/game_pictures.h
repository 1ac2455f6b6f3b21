#pragma once

#include <cstring>
#include <string>

#include "design/playfield_frame.h"

// The game's pictures as the build leaves them in the program (tools/bake_pictures decodes them
// when the game is built), free of any toolkit: each front-end makes its own images from them,
// without reading a file or decoding.

// A rectangle of one colour within a picture built as flat areas.
struct BakedArea {
  int x;
  int y;
  int width;
  int height;
  unsigned int colour;  // opaque, as 0xAARRGGBB
};

// A picture with pixels, RGB32 when opaque, else premultiplied ARGB32 (0xAARRGGBB words in this
// machine's byte order); or, with areas and no pixels, as flat areas that do not overlap and
// together cover the whole picture.
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

// The picture of that name (its file name in assets/ without the extension), or none. Inline,
// since the pictures are linked into each front-end and not into the core below it.
inline const BakedPicture* findBakedPicture(const char* name) {
  for (int i = 0; i < kBakedPictureCount; ++i) {
    if (std::strcmp(kBakedPictures[i].name, name) == 0) return &kBakedPictures[i];
  }
  return nullptr;
}

// The sizes of the pictures a playfield frame shows, as built (0 x 0 for one not built).
inline FramePictureSizes bakedFramePictureSizes() {
  FramePictureSizes sizes{};
  for (size_t i = 0; i < kFramePictureCount; ++i) {
    const std::string name(framePictureName(static_cast<FramePicture>(i)));
    if (const BakedPicture* picture = findBakedPicture(name.c_str())) {
      sizes[i] = {picture->width, picture->height};
    }
  }
  return sizes;
}
