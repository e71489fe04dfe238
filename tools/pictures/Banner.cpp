// The main window's banner and logo and the application icon.

#include <QLinearGradient>
#include <QPainter>
#include <cmath>

#include "PaintHelpers.h"
#include "Pictures.h"

namespace qx {

namespace {

constexpr int kBannerWidth = 636;
constexpr int kBannerHeight = 60;

// A fixed sequence of pseudo-random numbers in [0, 1): the stars fall in the
// same places on every run.
class Scatter {
 public:
  double next() {
    state_ = state_ * 1664525u + 1013904223u;
    return (state_ >> 8) / 16777216.0;
  }

 private:
  std::uint32_t state_ = 20150301u;
};

// A leaf as a pointed oval from `base` along `angle` degrees.
QPainterPath leafPath(QPointF base, double angle, double length, double width) {
  QPainterPath leaf;
  leaf.moveTo(0, 0);
  leaf.cubicTo(length * 0.30, -width, length * 0.75, -width * 0.8, length, 0);
  leaf.cubicTo(length * 0.75, width * 0.8, length * 0.30, width, 0, 0);
  QTransform t;
  t.translate(base.x(), base.y());
  t.rotate(angle);
  return t.map(leaf);
}

void drawSprig(QPainter& painter) {
  // A stem curving up from the lower edge, leaves alternating on its sides.
  QPainterPath stem;
  const QPointF a(556, 62), c1(548, 40), c2(528, 22), b(500, 10);
  stem.moveTo(a);
  stem.cubicTo(c1, c2, b);
  painter.setPen(QPen(QColor(0x9C, 0xC8, 0x84, 200), 1.6, Qt::SolidLine, Qt::RoundCap));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(stem);

  struct Leaf {
    double t, side, length;
  };
  const Leaf leaves[] = {{0.18, 1, 17}, {0.34, -1, 16}, {0.52, 1, 14}, {0.68, -1, 13}, {0.84, 1, 10}, {1.0, 0, 9}};
  for (const Leaf& l : leaves) {
    const QPointF p = stem.pointAtPercent(l.t);
    const double along = -stem.angleAtPercent(l.t);  // painter angles grow clockwise
    const double angle = along + (l.side == 0 ? 0 : l.side * 55);
    QLinearGradient green(p, p + QPointF(l.length * std::cos(angle * M_PI / 180), l.length * std::sin(angle * M_PI / 180)));
    green.setColorAt(0, QColor(0x3E, 0x8E, 0x48, 230));
    green.setColorAt(1, QColor(0x9B, 0xD8, 0x7C, 230));
    painter.setPen(QPen(QColor(0x1E, 0x50, 0x2A, 200), 0.8));
    painter.setBrush(green);
    painter.drawPath(leafPath(p, angle, l.length, l.length * 0.36));
  }
}

// A slice of a zodiac wheel at the right edge, its centre beyond the picture.
void drawWheelSlice(QPainter& painter) {
  const QPointF centre(640, 30);
  const QColor gold(0xE0, 0xBC, 0x62, 150);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(gold, 1.2));
  painter.drawEllipse(centre, 58, 58);
  painter.setPen(QPen(gold, 0.8));
  painter.drawEllipse(centre, 44, 44);
  painter.drawEllipse(centre, 24, 24);
  for (int k = 0; k < 36; ++k) {
    const double a = (5 + 10 * k) * M_PI / 180;
    const double inner = k % 3 == 0 ? 44 : 54;
    painter.setPen(QPen(gold, k % 3 == 0 ? 0.9 : 0.6));
    painter.drawLine(centre + QPointF(inner * std::cos(a), inner * std::sin(a)),
                     centre + QPointF(58 * std::cos(a), 58 * std::sin(a)));
  }
}

}  // namespace

QImage bannerPicture() {
  QImage image = blankPicture(kBannerWidth, kBannerHeight, kWindowBackground);
  QPainter painter(&image);
  prepare(painter);

  // Night blue on the left turning to a deep herbal green on the right.
  QLinearGradient sky(0, 0, kBannerWidth, 0);
  sky.setColorAt(0, QColor(0x10, 0x1D, 0x3A));
  sky.setColorAt(0.55, QColor(0x1A, 0x33, 0x58));
  sky.setColorAt(1, QColor(0x17, 0x40, 0x3A));
  painter.fillRect(image.rect(), sky);

  Scatter scatter;
  painter.setPen(Qt::NoPen);
  for (int i = 0; i < 48; ++i) {
    // Clear of the emblem and the name on the left.
    const double x = 232 + scatter.next() * 250, y = 3 + scatter.next() * 52;
    const double r = 0.35 + scatter.next() * 0.75;
    painter.setBrush(QColor(0xFF, 0xF4, 0xD6, 60 + static_cast<int>(scatter.next() * 150)));
    painter.drawEllipse(QPointF(x, y), r, r);
  }
  painter.setBrush(QColor(0xF6, 0xE2, 0xA0, 210));
  painter.drawPath(starPath(QPointF(252, 15), 3.2));
  painter.drawPath(starPath(QPointF(430, 40), 2.4));

  drawWheelSlice(painter);
  drawSprig(painter);
  drawEmblem(painter, QRectF(6, 5, 50, 50));

  // The name, golden, with a soft shadow; the subtitle beneath it.
  painter.setPen(Qt::NoPen);
  const QPainterPath name = textOutline(kSerifBoldFile, 31, "QxMorva").translated(68, 33);
  painter.setBrush(QColor(0, 0, 0, 110));
  painter.drawPath(name.translated(1.2, 1.2));
  QLinearGradient gold(0, 10, 0, 34);
  gold.setColorAt(0, QColor(0xFF, 0xEB, 0xA8));
  gold.setColorAt(0.5, QColor(0xE6, 0xBE, 0x5A));
  gold.setColorAt(1, QColor(0xB8, 0x8A, 0x2E));
  painter.setBrush(gold);
  painter.drawPath(name);
  painter.setBrush(QColor(0xC9, 0xD6, 0xE4));
  painter.drawPath(textOutline(kSansFile, 11, QString::fromUtf8("Astrologia  \u00B7  Erbe  \u00B7  Alchimia")).translated(70, 51));

  // A thin golden rule along the lower edge.
  painter.fillRect(QRectF(0, kBannerHeight - 1.5, kBannerWidth, 1.5), QColor(0xC8, 0xA0, 0x48));
  return image;
}

QImage logoPicture() {
  QImage image = blankPicture(60, 60, kWindowBackground);
  QPainter painter(&image);
  prepare(painter);
  drawEmblem(painter, QRectF(1, 1, 58, 58));
  return image;
}

QImage applicationIcon() {
  QImage image = blankPicture(256, 256, Qt::transparent);
  QPainter painter(&image);
  prepare(painter);
  drawEmblem(painter, QRectF(4, 4, 248, 248));
  return image;
}

}  // namespace qx
