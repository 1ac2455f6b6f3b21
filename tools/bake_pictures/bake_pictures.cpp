// Decodes the game's pictures when the game is built and writes them as a C++ source, so that
// the game shows a picture at once: no file to read, no image plugin to look for, nothing to
// decode at start-up. Each picture is named by its file name without the extension and kept as
// 32-bit pixels in this machine's byte order; an opaque picture after --areas is kept as the
// rectangles of one colour that make it up, which for a picture of a few flat areas takes a
// hundredth of the room and draws as a few fills.
// Usage: zundabar_bake_pictures OUTPUT.cpp PICTURE... [--areas PICTURE...]
#include <QFileInfo>
#include <QImage>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

// Bytes as a string literal, which compiles far faster than a list of numbers; the literal's
// closing zero is never read.
void writeBytes(std::ofstream& out, const std::string& name, const QImage& image) {
  out << "alignas(4) const unsigned char " << name << "[] =\n";
  char escape[5];
  for (int y = 0; y < image.height(); ++y) {
    const uchar* row = image.constScanLine(y);
    out << "    \"";
    for (qsizetype x = 0; x < image.bytesPerLine(); ++x) {
      std::snprintf(escape, sizeof escape, "\\x%02x", row[x]);
      out << escape;
    }
    out << "\"\n";
  }
  out << ";\n\n";
}

// Each row split into runs of one colour; a run that continues one of the same place and colour
// in the row above lengthens it downwards, so a rectangle of one colour is one area. Returns the
// number of areas written.
int writeAreas(std::ofstream& out, const std::string& name, const QImage& image) {
  struct Area {
    int x, y, width, height;
    QRgb colour;
  };
  std::vector<Area> areas;
  std::vector<size_t> open;  // the areas that reach the row above
  for (int y = 0; y < image.height(); ++y) {
    std::vector<size_t> reaching;
    for (int x = 0; x < image.width();) {
      const QRgb colour = image.pixel(x, y);
      int end = x + 1;
      while (end < image.width() && image.pixel(end, y) == colour) ++end;
      size_t match = areas.size();
      for (size_t i : open) {
        const Area& a = areas[i];
        if (a.x == x && a.width == end - x && a.colour == colour) match = i;
      }
      if (match < areas.size()) {
        ++areas[match].height;
      } else {
        areas.push_back({x, y, end - x, 1, colour});
      }
      reaching.push_back(match);
      x = end;
    }
    open = std::move(reaching);
  }
  out << "const BakedArea " << name << "[] = {\n";
  for (const Area& a : areas) {
    out << "    {" << a.x << ", " << a.y << ", " << a.width << ", " << a.height << ", " << a.colour
        << "u},\n";
  }
  out << "};\n\n";
  return static_cast<int>(areas.size());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s OUTPUT.cpp PICTURE... [--areas PICTURE...]\n", argv[0]);
    return 2;
  }
  std::ofstream out(argv[1]);
  out << "// Made by zundabar_bake_pictures from the game's pictures when the game was built.\n"
         "#include \"design/game_pictures.h\"\n\nnamespace {\n\n";
  std::vector<std::string> entries;
  bool asAreas = false;
  for (int i = 2; i < argc; ++i) {
    if (std::string(argv[i]) == "--areas") {
      asAreas = true;
      continue;
    }
    QImage image(QString::fromLocal8Bit(argv[i]));
    if (image.isNull()) {
      std::fprintf(stderr, "zundabar_bake_pictures: cannot read the picture %s\n", argv[i]);
      return 1;
    }
    const bool opaque = !image.hasAlphaChannel();
    const std::string id = std::to_string(entries.size());
    std::string pixels = "nullptr";
    std::string areas = "nullptr";
    int areaCount = 0;
    if (asAreas) {
      if (!opaque) {
        std::fprintf(stderr, "zundabar_bake_pictures: %s is not opaque\n", argv[i]);
        return 1;
      }
      image = image.convertToFormat(QImage::Format_RGB32);
      areas = "kAreas" + id;
      areaCount = writeAreas(out, areas, image);
    } else {
      image = image.convertToFormat(opaque ? QImage::Format_RGB32
                                           : QImage::Format_ARGB32_Premultiplied);
      pixels = "kPixels" + id;
      writeBytes(out, pixels, image);
    }
    entries.push_back("    {\"" + QFileInfo(argv[i]).completeBaseName().toStdString() + "\", " +
                      std::to_string(image.width()) + ", " + std::to_string(image.height()) + ", " +
                      (asAreas ? "0" : std::to_string(image.bytesPerLine())) + ", " +
                      (opaque ? "true" : "false") + ", " + pixels + ", " + areas + ", " +
                      std::to_string(areaCount) + "},\n");
  }
  out << "}  // namespace\n\nconst BakedPicture kBakedPictures[] = {\n";
  for (const std::string& entry : entries) out << entry;
  out << "};\nconst int kBakedPictureCount = " << entries.size() << ";\n";
  out.close();
  if (!out) {
    std::fprintf(stderr, "zundabar_bake_pictures: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
