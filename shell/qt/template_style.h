// How a dialog template looks on Qt: window flags, client size, control
// rectangles, the dialogs' font and colours, and views of the core's pixels.
//
// Dialog units become logical pixels with the templates' base units (6 x 13
// pixels for the 8-point dialog font): x * 6 / 4, y * 13 / 8, each of x, y,
// width and height converted on its own.
#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPalette>
#include <QRect>
#include <QSize>
#include <QString>
#include <string>
#include <string_view>

#include "platform/bitmap.h"
#include "platform/resources.h"

namespace lab {

// UTF-8 in both directions; the core's texts are all UTF-8.
QString ToQString(std::string_view utf8);
std::string ToUtf8(const QString& text);

// The client area of a dialog, logical pixels.
QSize ClientSize(const DialogTemplate& source);
// A control's rectangle in the client area, logical pixels.
QRect ControlRect(const ControlTemplate& control);

// A window with a caption gets a title bar with a close button when it has a
// window menu, and no minimise or maximise button unless the template asks
// for one; an application window is a top-level window of its own (its own
// task-bar entry), other dialogs are dialog windows. Without a caption the
// window has no frame at all.
Qt::WindowFlags WindowFlags(const DialogTemplate& source);

// The dialogs' font: a sans-serif face at the template's point size for a
// 96 dpi logical screen (8 points: 11 pixels).
QFont DialogFont(const DialogTemplate& source);

// The dialogs' own background colour, as the core paints it.
QColor DialogBackground();
// The palette of a dialog and its controls: the dialog background behind
// windows and buttons, so that widgets and the painted surface agree.
QPalette DialogPalette(QPalette base);

// Views of the core's pixels (0xFFRRGGBB rows), sharing the memory: valid as
// long as the pixels are. Format_RGB32 for pictures, ARGB32 for icon images.
QImage ViewPixels(const std::uint32_t* pixels, int width, int height);
QImage ViewBitmap(const Bitmap& bitmap);
// Adds a copy of an icon image (nothing for an empty one).
void AddIconImage(QIcon& icon, const IconImage& image);
// The icon's two images, copied.
QIcon ToQIcon(const Icon& icon);

}  // namespace lab
