// icon-pixels-builder PNG OUT: turns the program's desktop icon into the pixels of its
// window icon, a C++ source of premultiplied ARGB words at 16, 32, 48 and 64 pixels, so
// the running program shows the installed icon without reading a picture file (the
// first picture file read makes Qt load every image format plugin, which start-up need
// not wait for). A picture that does not read stops the build.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

#include <QImage>
#include <QString>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: icon-pixels-builder PNG OUT\n";
    return 2;
  }
  QImage source;
  if (!source.load(QString::fromLocal8Bit(argv[1]), "PNG") || source.width() < 64 ||
      source.width() != source.height()) {
    std::cerr << argv[1] << ": not a square PNG picture of 64 pixels or more\n";
    return 1;
  }
  std::string out =
      "// Made at build time by icon-pixels-builder from the desktop icon; do not edit.\n"
      "#include \"platform/qt/program_icon_pixels.h\"\n\n"
      "namespace quillion::platform::qt {\nnamespace {\n\n";
  const int sides[] = {16, 32, 48, 64};
  for (int side : sides) {
    const QImage image = source
                             .scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                             .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const std::string name = "kPixels" + std::to_string(side);
    out.append("constexpr std::uint32_t ").append(name).append("[] = {");
    for (int y = 0; y < side; ++y) {
      const auto* row = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
      for (int x = 0; x < side; ++x) {
        char word[32];
        std::snprintf(word, sizeof word, "%s0x%08X,", x % 8 == 0 ? "\n    " : " ",
                      static_cast<unsigned>(row[x]));
        out += word;
      }
    }
    out.append("\n};\nstatic_assert(sizeof ").append(name).append(" == ");
    out.append(std::to_string(side * side * 4)).append(");\n\n");
  }
  out += "constexpr IconPixels kIcons[] = {";
  for (int side : sides) {
    out.append("{").append(std::to_string(side)).append(", kPixels");
    out.append(std::to_string(side)).append("}, ");
  }
  out += "};\n\n}  // namespace\n\n"
         "std::span<const IconPixels> programIconPixels() { return kIcons; }\n\n"
         "}  // namespace quillion::platform::qt\n";
  std::ofstream file(argv[2], std::ios::binary);
  file << out;
  if (!file.flush()) {
    std::cerr << argv[2] << ": cannot be written\n";
    return 1;
  }
  return 0;
}
