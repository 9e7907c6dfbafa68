#include "shell/qt/template_style.h"

#include <QPixmap>

#include "platform/color.h"

namespace lab {

QString ToQString(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string ToUtf8(const QString& text) {
  const QByteArray bytes = text.toUtf8();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QSize ClientSize(const DialogTemplate& source) {
  return QSize(DialogUnitsToPixelsX(source.cx), DialogUnitsToPixelsY(source.cy));
}

QRect ControlRect(const ControlTemplate& control) {
  return QRect(DialogUnitsToPixelsX(control.x), DialogUnitsToPixelsY(control.y),
               DialogUnitsToPixelsX(control.cx), DialogUnitsToPixelsY(control.cy));
}

Qt::WindowFlags WindowFlags(const DialogTemplate& source) {
  if ((source.style & WS_CAPTION) != WS_CAPTION) {
    return Qt::Dialog | Qt::FramelessWindowHint;
  }
  Qt::WindowFlags flags = (source.exStyle & WS_EX_APPWINDOW) != 0 ? Qt::Window : Qt::Dialog;
  flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint;
  if ((source.style & WS_SYSMENU) != 0) {
    flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if ((source.style & WS_MINIMIZEBOX) != 0) flags |= Qt::WindowMinimizeButtonHint;
    if ((source.style & WS_MAXIMIZEBOX) != 0) flags |= Qt::WindowMaximizeButtonHint;
  }
  return flags;
}

QFont DialogFont(const DialogTemplate& source) {
  // The templates name a face of the system they were written for; a
  // metric-compatible sans-serif face stands in for it.
  QFont font;
  font.setFamilies(
      {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("DejaVu Sans")});
  font.setStyleHint(QFont::SansSerif);
  // Points at 96 dots per inch, truncated: 8 points give 10 pixels, at which
  // the longest message of the lab still fits its line whole.
  const int points = source.fontPoints > 0 ? source.fontPoints : 8;
  font.setPixelSize(points * 96 / 72);
  return font;
}

QColor DialogBackground() {
  return QColor(GetRValue(kDialogBackground), GetGValue(kDialogBackground),
                GetBValue(kDialogBackground));
}

QPalette DialogPalette(QPalette base) {
  const QColor background = DialogBackground();
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    base.setColor(group, QPalette::Window, background);
    base.setColor(group, QPalette::Button, background);
  }
  return base;
}

QImage ViewPixels(const std::uint32_t* pixels, int width, int height) {
  if (pixels == nullptr || width <= 0 || height <= 0) return QImage();
  return QImage(reinterpret_cast<const uchar*>(pixels), width, height,
                static_cast<qsizetype>(width) * 4, QImage::Format_RGB32);
}

QImage ViewBitmap(const Bitmap& bitmap) {
  return ViewPixels(bitmap.pixels, bitmap.width, bitmap.height);
}

void AddIconImage(QIcon& icon, const IconImage& image) {
  if (image.argb == nullptr || image.size <= 0) return;
  const QImage view(reinterpret_cast<const uchar*>(image.argb), image.size, image.size,
                    static_cast<qsizetype>(image.size) * 4, QImage::Format_ARGB32);
  icon.addPixmap(QPixmap::fromImage(view.copy()));
}

QIcon ToQIcon(const Icon& icon) {
  QIcon result;
  AddIconImage(result, icon.large);
  AddIconImage(result, icon.small);
  return result;
}

}  // namespace lab
