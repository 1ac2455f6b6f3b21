// Decodes the game's pictures when the game is built and writes them as a C++ source of 32-bit
// pixels in this machine's byte order, so that the game shows a picture at once: no file to
// read, no image plugin to look for, nothing to decode or convert at start-up. Each picture is
// named by its file name without the extension.
// Usage: zundabar_bake_pictures OUTPUT.cpp PICTURE...
#include <QFileInfo>
#include <QImage>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s OUTPUT.cpp PICTURE...\n", argv[0]);
    return 2;
  }
  std::ofstream out(argv[1]);
  out << "// Made by zundabar_bake_pictures from the game's pictures when the game was built.\n"
         "#include \"ui/pictures.h\"\n\nnamespace {\n\n";
  std::vector<std::string> entries;
  for (int i = 2; i < argc; ++i) {
    QImage image(QString::fromLocal8Bit(argv[i]));
    if (image.isNull()) {
      std::fprintf(stderr, "zundabar_bake_pictures: cannot read the picture %s\n", argv[i]);
      return 1;
    }
    const bool opaque = !image.hasAlphaChannel();
    image =
        image.convertToFormat(opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    const std::string array = "kPixels" + std::to_string(i - 2);
    // A string literal compiles far faster than a list of numbers; its closing zero is unused.
    out << "alignas(4) const unsigned char " << array << "[] =\n";
    char escape[5];
    for (int y = 0; y < image.height(); ++y) {
      const uchar* row = image.constScanLine(y);
      out << "    \"";
      for (int x = 0; x < image.width() * 4; ++x) {
        std::snprintf(escape, sizeof escape, "\\x%02x", row[x]);
        out << escape;
      }
      out << "\"\n";
    }
    out << ";\n\n";
    entries.push_back("    {\"" + QFileInfo(argv[i]).completeBaseName().toStdString() + "\", " +
                      std::to_string(image.width()) + ", " + std::to_string(image.height()) + ", " +
                      (opaque ? "true" : "false") + ", " + array + "},\n");
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
