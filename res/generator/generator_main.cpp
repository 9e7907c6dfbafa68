// lab_picture_generator <generated source> <picture folder>
//
// Draws every bitmap and the icon of the lab, writes the C++ source that
// embeds them and one PNG per picture (bitmap_<id>.png, icon_<id>_32.png,
// icon_<id>_16.png). The output depends on nothing but this program and the
// fonts installed, so two runs write the same bytes.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <vector>

#include "res/generator/picture.h"
#include "res/generator/source_writer.h"

namespace lab {

namespace {

template <typename T>
void Append(std::vector<Picture>& all, T&& more) {
  for (auto& p : more) all.push_back(std::move(p));
}

bool SavePng(const QImage& image, const QString& path) {
  if (image.save(path, "PNG")) return true;
  std::fprintf(stderr, "lab_picture_generator: cannot write %s\n", qPrintable(path));
  return false;
}

}  // namespace

}  // namespace lab

using namespace lab;

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: lab_picture_generator <source.cpp> <picture folder>\n");
    return 2;
  }
  // Nothing is shown: the off-screen platform needs no display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QString sourcePath = QString::fromLocal8Bit(argv[1]);
  const QDir folder(QString::fromLocal8Bit(argv[2]));
  if (!QDir().mkpath(folder.path())) {
    std::fprintf(stderr, "lab_picture_generator: cannot create %s\n", argv[2]);
    return 1;
  }

  std::vector<Picture> bitmaps;
  Append(bitmaps, DrawDisplayCells());
  Append(bitmaps, DrawPowerSwitch());
  Append(bitmaps, DrawStopwatchButtons());
  Append(bitmaps, DrawWeights());
  bitmaps.push_back(DrawTitle());
  const IconPictures icon = DrawIcon();

  bool ok = true;
  for (const Picture& p : bitmaps) {
    ok = SavePng(p.image.convertToFormat(QImage::Format_RGB32),
                 folder.filePath(QStringLiteral("bitmap_%1.png").arg(p.id))) &&
         ok;
  }
  ok = SavePng(icon.large, folder.filePath(QStringLiteral("icon_%1_32.png").arg(icon.id))) && ok;
  ok = SavePng(icon.small, folder.filePath(QStringLiteral("icon_%1_16.png").arg(icon.id))) && ok;
  if (!WritePictureSource(sourcePath, bitmaps, icon)) {
    std::fprintf(stderr, "lab_picture_generator: cannot write %s\n", argv[1]);
    ok = false;
  }
  return ok ? 0 : 1;
}
