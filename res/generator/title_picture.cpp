// The title picture (161), 399 x 268, the whole face of the title dialog: a
// blue sky from light to dark, faint formulas of the experiment behind
// everything, a row of balls on strings hanging from a bar at the top right,
// the title on a light yellow band across the middle and the version at the
// bottom left. The dialog's "Entra" button stands at x 60..108, y 190..213,
// so x 40..130, y 180..225 is left as plain sky.
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <cmath>

#include "res/generator/picture.h"
#include "res/texts/text_catalogue.h"

#ifndef LAB_VERSION
#define LAB_VERSION "1.0.0.1"
#endif

namespace lab {

namespace {

constexpr int kWidth = 399;
constexpr int kHeight = 268;
constexpr double kBandTop = 104.0;
constexpr double kBandBottom = 170.0;
constexpr double kBarY = 16.0;

QFont Font(const char* family, int pixels, bool bold, bool italic) {
  QFont font(QString::fromUtf8(family));
  font.setPixelSize(pixels);
  font.setBold(bold);
  font.setItalic(italic);
  font.setHintingPreference(QFont::PreferFullHinting);
  return font;
}

void Sky(QPainter& p) {
  QLinearGradient sky(0, 0, 0, kHeight);
  sky.setColorAt(0.0, QColor(168, 204, 240));
  sky.setColorAt(0.45, QColor(82, 132, 200));
  sky.setColorAt(1.0, QColor(16, 38, 96));
  p.fillRect(QRect(0, 0, kWidth, kHeight), sky);
}

void Formula(QPainter& p, double x, double y, int pixels, double angle, const QString& text) {
  p.save();
  p.translate(x, y);
  p.rotate(angle);
  p.setFont(Font("Liberation Serif", pixels, false, true));
  p.setPen(QColor(255, 255, 255, 52));
  p.drawText(QPointF(0, 0), text);
  p.restore();
}

void Formulas(QPainter& p) {
  Formula(p, 14, 34, 22, -4, QStringLiteral("T = 2π √(m/k)"));
  Formula(p, 40, 78, 18, 0, QStringLiteral("F = −k·Δx"));
  Formula(p, 150, 56, 15, 3, QStringLiteral("ω² = k/m"));
  Formula(p, 168, 206, 20, -3, QStringLiteral("T² = 4π² m/k"));
  Formula(p, 262, 248, 17, 0, QString::fromUtf8(TextOf(TextId::TitleSlopeFormula)));
  Formula(p, 300, 196, 14, 4, QStringLiteral("x(t) = A cos ωt"));
}

// A damped oscillation traced faintly across the lower right.
void Trace(QPainter& p) {
  QPainterPath path;
  for (int i = 0; i <= 240; ++i) {
    const double x = 150.0 + i;
    const double y = 226.0 - 13.0 * std::exp(-i / 150.0) * std::sin(i / 9.0);
    if (i == 0) {
      path.moveTo(x, y);
    } else {
      path.lineTo(x, y);
    }
  }
  p.setPen(QPen(QColor(255, 255, 255, 40), 1.3));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
}

void DarkBall(QPainter& p, QPointF c, double r) {
  QRadialGradient body(c, r, c + QPointF(-0.4 * r, -0.45 * r));
  body.setColorAt(0.0, QColor(120, 126, 150));
  body.setColorAt(0.3, QColor(52, 56, 76));
  body.setColorAt(1.0, QColor(10, 12, 22));
  p.setPen(Qt::NoPen);
  p.setBrush(body);
  p.drawEllipse(c, r, r);
  const QPointF spot = c + QPointF(-0.38 * r, -0.42 * r);
  QRadialGradient shine(spot, 0.32 * r);
  shine.setColorAt(0.0, QColor(255, 255, 255, 220));
  shine.setColorAt(1.0, QColor(255, 255, 255, 0));
  p.setBrush(shine);
  p.drawEllipse(spot, 0.32 * r, 0.32 * r);
}

// A coil spring seen from the side between two heights.
void Spring(QPainter& p, double x, double y0, double y1) {
  QPainterPath coil;
  const int turns = 6;
  const double lead = 5.0;
  coil.moveTo(x, y0);
  coil.lineTo(x, y0 + lead);
  const double pitch = (y1 - y0 - 2 * lead) / turns;
  for (int i = 0; i < turns; ++i) {
    const double top = y0 + lead + i * pitch;
    coil.lineTo(x + 5.0, top + pitch * 0.25);
    coil.lineTo(x - 5.0, top + pitch * 0.75);
  }
  coil.lineTo(x, y1 - lead);
  coil.lineTo(x, y1);
  p.setPen(QPen(QColor(30, 34, 50), 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(coil);
}

void Pendulums(QPainter& p) {
  struct Hanging {
    double x, length, radius;
    bool spring;
  };
  const Hanging row[] = {
      {252, 30, 7, false}, {279, 52, 10, false}, {312, 40, 13, true},
      {346, 62, 9, false}, {375, 36, 11, false},
  };
  // Soft shadows on the sky behind, as if it were a wall.
  QPainterPath cast;
  for (const Hanging& h : row) {
    cast.addEllipse(QPointF(h.x, kBarY + h.length + h.radius), h.radius, h.radius);
  }
  cast.addRect(QRectF(234, kBarY - 2.5, 158, 5));
  p.drawImage(0, 0,
              SoftShadow(cast, QSize(kWidth, kHeight), QPointF(4, 5), 3, QColor(10, 20, 60), 0.35));
  for (const Hanging& h : row) {
    const double ballTop = kBarY + h.length;
    if (h.spring) {
      Spring(p, h.x, kBarY, ballTop + 1);
    } else {
      p.setPen(QPen(QColor(30, 34, 50), 1.0));
      p.drawLine(QPointF(h.x, kBarY), QPointF(h.x, ballTop + 1));
    }
    DarkBall(p, QPointF(h.x, ballTop + h.radius), h.radius);
  }
  // The bar they hang from, a polished rod with two brackets.
  QLinearGradient rod(0, kBarY - 2.5, 0, kBarY + 2.5);
  rod.setColorAt(0.0, QColor(230, 232, 240));
  rod.setColorAt(0.5, QColor(120, 126, 140));
  rod.setColorAt(1.0, QColor(40, 44, 56));
  p.setPen(Qt::NoPen);
  p.setBrush(rod);
  p.drawRoundedRect(QRectF(234, kBarY - 2.5, 158, 5), 2.5, 2.5);
  p.setBrush(QColor(36, 40, 54));
  for (double x : {238.0, 386.0}) p.drawRect(QRectF(x - 1.5, 0, 3, kBarY - 1));
}

void Band(QPainter& p) {
  const QRectF band(0, kBandTop, kWidth, kBandBottom - kBandTop);
  QPainterPath bandPath;
  bandPath.addRect(band);
  p.drawImage(
      0, 0,
      SoftShadow(bandPath, QSize(kWidth, kHeight), QPointF(0, 3), 3, QColor(5, 15, 50), 0.45));
  QLinearGradient fill(0, kBandTop, 0, kBandBottom);
  fill.setColorAt(0.0, QColor(255, 250, 214));
  fill.setColorAt(1.0, QColor(250, 234, 160));
  p.fillRect(band, fill);
  p.fillRect(QRectF(0, kBandTop, kWidth, 1), QColor(255, 255, 240));
  p.fillRect(QRectF(0, kBandTop + 2, kWidth, 1), QColor(214, 186, 110));
  p.fillRect(QRectF(0, kBandBottom - 3, kWidth, 1), QColor(214, 186, 110));
  p.fillRect(QRectF(0, kBandBottom - 1, kWidth, 1), QColor(170, 140, 70));

  const QRectF titleBox(0, kBandTop + 4, kWidth, 44);
  const QString title = QString::fromUtf8(TextOf(TextId::TitleName));
  p.setFont(Font("Liberation Serif", 40, true, false));
  p.setPen(QColor(255, 255, 245));
  p.drawText(titleBox.translated(1, 1), Qt::AlignHCenter | Qt::AlignBottom, title);
  p.setPen(QColor(48, 32, 18));
  p.drawText(titleBox, Qt::AlignHCenter | Qt::AlignBottom, title);
  p.setPen(QColor(96, 70, 40));
  p.setFont(Font("Liberation Serif", 14, false, true));
  p.drawText(QRectF(0, kBandTop + 46, kWidth, 16), Qt::AlignHCenter | Qt::AlignVCenter,
             QString::fromUtf8(TextOf(TextId::TitleSubtitle)));
}

void Version(QPainter& p) {
  // Hard-edged, so that the small letters stay white rather than grey.
  QFont font = Font("Liberation Sans", 11, false, false);
  font.setStyleStrategy(QFont::NoAntialias);
  p.setPen(QColor(255, 255, 255));
  p.setFont(font);
  p.drawText(QPointF(10, 258), QString::asprintf(TextOf(TextId::TitleVersion), LAB_VERSION));
}

}  // namespace

Picture DrawTitle() {
  QImage image = NewBitmap(kWidth, kHeight, QColor(0, 0, 0));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  Sky(p);
  Formulas(p);
  Trace(p);
  Pendulums(p);
  Band(p);
  Version(p);
  return {161, image};
}

}  // namespace lab
