#pragma once

#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <span>

#include "design/game_pictures.h"

// The game's pictures, decoded when the game is built (tools/bake_pictures): a picture is ready
// at once, without reading a file, loading an image plugin or decoding.
// name: the picture's file name in assets/ without its extension. An unknown name is told on
// stderr and gives a null picture.

// The picture's pixels, read where they lie in the program; a picture built as flat areas is
// painted from them into an image of its own.
QImage gamePictureImage(const char* name);
// As a pixmap, sharing the pixels the program holds where it has them.
QPixmap gamePicture(const char* name);

// A picture built as flat areas: they do not overlap and together cover the whole picture.
inline QRect areaRect(const BakedArea& area) { return {area.x, area.y, area.width, area.height}; }

struct FlatPicture {
  QSize size;
  std::span<const BakedArea> areas;
};
// Empty (with the name told on stderr) for a picture not built that way.
FlatPicture gameFlatPicture(const char* name);
