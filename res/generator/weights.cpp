// The weights rack (157..160), 60 x 86 each: a silver peg in a plank of light
// wood, and on it, hanging by a ring, a dark brown ball: 0.5 kg the largest,
// 0.3 kg the middle one, 0.2 kg the smallest; 160 is the empty peg. The four
// pictures stand side by side on the rack, so the grain repeats every 60
// pixels and runs on from one picture into the next. The peg is drawn last
// and over the same wood in every picture, so its pixels are identical in
// all four. Every ball hangs centred on x = 27.5 with its lower half inside
// x 8..46, y 42..82, where a press takes the weight off the rack.
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "res/generator/picture.h"

namespace lab {

namespace {

constexpr int kWidth = 60;
constexpr int kHeight = 86;
constexpr double kPegX = 27.5;  // centre of the peg and of everything hanging from it
constexpr double kPegY = 12.5;
constexpr double kPegRadius = 5.0;
constexpr double kRingRadius = 6.8;  // centre line of the ring
constexpr double kRingY = kPegY - kPegRadius + 1.6 + kRingRadius;
constexpr double kEyeY = kRingY + kRingRadius + 2.2;  // centre of the ball's eye
constexpr double kBallTop = kEyeY + 4.5;

struct Weight {
  double radius;  // pixels
  const char* label;
};

QImage Wood() {
  QImage image = NewBitmap(kWidth, kHeight, QColor(193, 137, 90));
  const double tau = 2.0 * std::numbers::pi;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const double fx = x / static_cast<double>(kWidth);
      const double u =
          y + 1.9 * std::sin(tau * fx + 0.7) + 1.1 * std::sin(tau * 2.0 * fx + 2.1 + 0.05 * y);
      double grain =
          0.5 * std::sin(u * 0.83) + 0.3 * std::sin(u * 2.1 + 1.3) + 0.3 * (Hash01(x, y, 7) - 0.5);
      if (std::sin(u * 0.83 + 0.4) > 0.93) grain -= 0.9;  // the darker late-wood lines
      double k = 1.0 + 0.035 * grain;
      if (y == 0) k *= 1.16;
      if (y == kHeight - 2) k *= 0.9;
      if (y == kHeight - 1) k *= 0.75;
      image.setPixelColor(x, y,
                          QColor(std::min(255, static_cast<int>(std::lround(193 * k))),
                                 std::min(255, static_cast<int>(std::lround(137 * k))),
                                 std::min(255, static_cast<int>(std::lround(90 * k)))));
    }
  }
  return image;
}

QPainterPath Circle(QPointF centre, double radius) {
  QPainterPath path;
  path.addEllipse(centre, radius, radius);
  return path;
}

QPainterPath RingPath(QPointF centre, double radius, double width) {
  QPainterPath path = Circle(centre, radius + width / 2);
  path.addEllipse(centre, radius - width / 2, radius - width / 2);
  path.setFillRule(Qt::OddEvenFill);
  return path;
}

// The hole in the plank that the peg is driven into.
void PegHole(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(70, 45, 25, 150));
  p.drawEllipse(QPointF(kPegX + 0.3, kPegY + 0.4), kPegRadius + 1.1, kPegRadius + 1.1);
}

// The silver peg seen end on, lit from the upper left.
void Peg(QPainter& p) {
  const QPointF c(kPegX, kPegY);
  QRadialGradient metal(c, kPegRadius, c + QPointF(-1.8, -2.0));
  metal.setColorAt(0.0, QColor(255, 255, 255));
  metal.setColorAt(0.35, QColor(214, 218, 224));
  metal.setColorAt(0.8, QColor(140, 146, 156));
  metal.setColorAt(1.0, QColor(96, 100, 110));
  p.setBrush(metal);
  p.setPen(QPen(QColor(70, 72, 80), 0.8));
  p.drawEllipse(c, kPegRadius, kPegRadius);
}

void Ring(QPainter& p, QPointF centre, double radius, double width) {
  QLinearGradient metal(centre.x() - radius, centre.y() - radius, centre.x() + radius,
                        centre.y() + radius);
  metal.setColorAt(0.0, QColor(235, 238, 242));
  metal.setColorAt(0.5, QColor(170, 175, 184));
  metal.setColorAt(1.0, QColor(105, 108, 118));
  p.setPen(QPen(QColor(60, 62, 70), 0.6));
  p.setBrush(metal);
  p.drawPath(RingPath(centre, radius, width));
}

void Ball(QPainter& p, QPointF centre, double r) {
  QRadialGradient body(centre, r, centre + QPointF(-0.42 * r, -0.45 * r));
  body.setColorAt(0.0, QColor(168, 108, 62));
  body.setColorAt(0.25, QColor(122, 72, 38));
  body.setColorAt(0.7, QColor(70, 40, 20));
  body.setColorAt(0.9, QColor(40, 22, 10));
  body.setColorAt(1.0, QColor(62, 36, 18));  // light thrown back by the wood
  p.setPen(Qt::NoPen);
  p.setBrush(body);
  p.drawEllipse(centre, r, r);
  // The specular highlight.
  const QPointF spot = centre + QPointF(-0.4 * r, -0.44 * r);
  QRadialGradient shine(spot, 0.3 * r);
  shine.setColorAt(0.0, QColor(255, 245, 230, 235));
  shine.setColorAt(0.35, QColor(255, 240, 220, 120));
  shine.setColorAt(1.0, QColor(255, 240, 220, 0));
  p.setBrush(shine);
  p.drawEllipse(spot, 0.3 * r, 0.3 * r);
}

// The small eye on a stem on top of the ball that the ring goes through.
void Eye(QPainter& p) {
  QLinearGradient metal(kPegX - 1.5, 0, kPegX + 1.5, 0);
  metal.setColorAt(0.0, QColor(225, 228, 234));
  metal.setColorAt(1.0, QColor(90, 94, 104));
  p.setPen(Qt::NoPen);
  p.setBrush(metal);
  p.drawRect(QRectF(kPegX - 1.5, kEyeY + 1.5, 3.0, kBallTop - kEyeY - 0.5));
  Ring(p, QPointF(kPegX, kEyeY), 2.2, 1.4);
}

const QPointF kShadowOffset(2.5, 3.5);
constexpr int kShadowBlur = 2;
const QColor kShadowColor(30, 20, 12);
constexpr double kShadowOpacity = 0.55;

QPainterPath PegOutline() { return Circle(QPointF(kPegX, kPegY), kPegRadius + 0.5); }

// The empty peg: hole, shadow and peg on the bare wood.
QImage EmptyPeg(const QImage& wood) {
  QImage image = wood;
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  PegHole(p);
  p.drawImage(0, 0,
              SoftShadow(PegOutline(), image.size(), kShadowOffset, kShadowBlur, kShadowColor,
                         kShadowOpacity));
  Peg(p);
  return image;
}

QImage Scene(const Weight& weight, const QImage& wood, const QImage& emptyPeg) {
  QImage image = wood;
  const QPointF ballCentre(kPegX, kBallTop + weight.radius);
  QPainterPath cast = PegOutline();
  cast.addPath(RingPath(QPointF(kPegX, kRingY), kRingRadius, 1.8));
  cast.addPath(Circle(QPointF(kPegX, kEyeY), 3.0));
  cast.addRect(QRectF(kPegX - 1.5, kEyeY, 3.0, kBallTop - kEyeY + 1.0));
  cast.addPath(Circle(ballCentre, weight.radius));
  cast.setFillRule(Qt::WindingFill);

  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  PegHole(p);
  p.drawImage(
      0, 0,
      SoftShadow(cast, image.size(), kShadowOffset, kShadowBlur, kShadowColor, kShadowOpacity));
  Ring(p, QPointF(kPegX, kRingY), kRingRadius, 1.8);
  Eye(p);
  Ball(p, ballCentre, weight.radius);

  // The mass, burnt into the plank under the ball.
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(9);
  font.setBold(true);
  font.setHintingPreference(QFont::PreferFullHinting);
  p.setFont(font);
  const QRectF box(kPegX - 20, 73, 40, 11);
  const QString label = QString::fromUtf8(weight.label);
  p.setPen(QColor(232, 190, 145));
  p.drawText(box.translated(0, 1), Qt::AlignCenter, label);
  p.setPen(QColor(100, 70, 44));
  p.drawText(box, Qt::AlignCenter, label);

  // The peg's end covers the ring where it hangs on it; copying it from the
  // empty peg gives every picture the same peg pixels.
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setClipPath(PegOutline());
  p.drawImage(0, 0, emptyPeg);
  return image;
}

}  // namespace

std::vector<Picture> DrawWeights() {
  const QImage wood = Wood();
  const QImage emptyPeg = EmptyPeg(wood);
  return {{157, Scene({19.0, "0.5 kg"}, wood, emptyPeg)},
          {158, Scene({13.0, "0.2 kg"}, wood, emptyPeg)},
          {159, Scene({16.0, "0.3 kg"}, wood, emptyPeg)},
          {160, emptyPeg}};
}

}  // namespace lab
