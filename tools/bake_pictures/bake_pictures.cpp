// Decodes the game's pictures when the game is built and writes them as a C++ source, so that
// the game shows a picture at once: no file to read, no image plugin to look for, nothing to
// decode at start-up. Each picture is named by its file name without the extension and kept as
// 32-bit pixels in this machine's byte order; a picture after --indexed, which must be opaque
// and have at most 256 colours, is kept as 8-bit indices into its colours, a quarter the size.
// Usage: zundabar_bake_pictures OUTPUT.cpp PICTURE... [--indexed PICTURE...]
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

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s OUTPUT.cpp PICTURE... [--indexed PICTURE...]\n", argv[0]);
    return 2;
  }
  std::ofstream out(argv[1]);
  out << "// Made by zundabar_bake_pictures from the game's pictures when the game was built.\n"
         "#include \"ui/pictures.h\"\n\nnamespace {\n\n";
  std::vector<std::string> entries;
  bool indexed = false;
  for (int i = 2; i < argc; ++i) {
    if (std::string(argv[i]) == "--indexed") {
      indexed = true;
      continue;
    }
    QImage image(QString::fromLocal8Bit(argv[i]));
    if (image.isNull()) {
      std::fprintf(stderr, "zundabar_bake_pictures: cannot read the picture %s\n", argv[i]);
      return 1;
    }
    const bool opaque = !image.hasAlphaChannel();
    const std::string id = std::to_string(entries.size());
    std::string colours = "nullptr";
    if (indexed) {
      image = image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
      if (!opaque ||
          image.convertToFormat(QImage::Format_RGB32) !=
              QImage(QString::fromLocal8Bit(argv[i])).convertToFormat(QImage::Format_RGB32)) {
        std::fprintf(stderr, "zundabar_bake_pictures: %s is not opaque with 256 colours\n",
                     argv[i]);
        return 1;
      }
      colours = "kColours" + id;
      out << "const unsigned int " << colours << "[] = {";
      for (QRgb colour : image.colorTable()) out << colour << "u, ";
      out << "};\n";
    } else {
      image = image.convertToFormat(opaque ? QImage::Format_RGB32
                                           : QImage::Format_ARGB32_Premultiplied);
    }
    writeBytes(out, "kPixels" + id, image);
    entries.push_back("    {\"" + QFileInfo(argv[i]).completeBaseName().toStdString() + "\", " +
                      std::to_string(image.width()) + ", " + std::to_string(image.height()) + ", " +
                      std::to_string(image.bytesPerLine()) + ", " + (opaque ? "true" : "false") +
                      ", kPixels" + id + ", " + colours + ", " +
                      std::to_string(image.colorCount()) + "},\n");
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
