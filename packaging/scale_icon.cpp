// lab_scale_icon <icon.png> <output folder> <size>...
//
// Writes <output folder>/<size>.png for every size: the icon enlarged by
// nearest-neighbour scaling, so that each of its pixels becomes a block of
// pixels and the pixel art stays crisp. A build tool for the icon theme's
// larger sizes; the program itself carries only the drawn 16 and 32 px icon.
#include <QDir>
#include <QImage>
#include <QString>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: lab_scale_icon <icon.png> <output folder> <size>...\n");
    return 2;
  }
  const QString inputPath = QString::fromLocal8Bit(argv[1]);
  const QImage icon(inputPath);
  if (icon.isNull()) {
    std::fprintf(stderr, "lab_scale_icon: cannot read %s\n", argv[1]);
    return 1;
  }
  const QDir folder(QString::fromLocal8Bit(argv[2]));
  if (!QDir().mkpath(folder.path())) {
    std::fprintf(stderr, "lab_scale_icon: cannot make %s\n", argv[2]);
    return 1;
  }
  for (int i = 3; i < argc; ++i) {
    char* end = nullptr;
    const long size = std::strtol(argv[i], &end, 10);
    if (end == argv[i] || *end != '\0' || size < 1 || size > 1024) {
      std::fprintf(stderr, "lab_scale_icon: %s is not a size from 1 to 1024\n", argv[i]);
      return 2;
    }
    const int side = static_cast<int>(size);
    const QImage scaled = icon.convertToFormat(QImage::Format_ARGB32)
                              .scaled(side, side, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QString outputPath = folder.filePath(QString::number(side) + QStringLiteral(".png"));
    if (!scaled.save(outputPath, "PNG")) {
      std::fprintf(stderr, "lab_scale_icon: cannot write %s\n", qPrintable(outputPath));
      return 1;
    }
  }
  return 0;
}
