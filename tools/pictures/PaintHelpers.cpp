#include "PaintHelpers.h"

#include <QFile>
#include <QRadialGradient>
#include <QLinearGradient>
#include <QRawFont>
#include <QTransform>
#include <cmath>
#include <stdexcept>

namespace qx {

QPainterPath textOutline(const QString& fontFile, double pixels, const QString& text) {
  if (!QFile::exists(fontFile)) throw std::runtime_error("font file not found: " + fontFile.toStdString());
  const QRawFont font(fontFile, pixels, QFont::PreferNoHinting);
  if (!font.isValid()) throw std::runtime_error("not a usable font: " + fontFile.toStdString());
  const QList<quint32> glyphs = font.glyphIndexesForString(text);
  const QList<QPointF> advances = font.advancesForGlyphIndexes(glyphs);
  QPainterPath path;
  path.setFillRule(Qt::WindingFill);
  QPointF pen(0, 0);
  for (qsizetype i = 0; i < glyphs.size(); ++i) {
    if (glyphs[i] == 0) throw std::runtime_error(fontFile.toStdString() + " cannot set " + text.toStdString());
    path.addPath(QTransform::fromTranslate(pen.x(), pen.y()).map(font.pathForGlyph(glyphs[i])));
    pen += advances[i];
  }
  return path;
}

QImage blankPicture(int width, int height, const QColor& background) {
  const bool transparent = background.alpha() == 0;
  QImage image(width, height, transparent ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
  image.fill(transparent ? QColor(0, 0, 0, 0) : background);
  return image;
}

void prepare(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QPainterPath starPath(QPointF c, double r, double innerRatio) {
  QPainterPath star;
  for (int k = 0; k < 10; ++k) {
    const double angle = (-90 + 36 * k) * M_PI / 180;
    const double radius = k % 2 == 0 ? r : r * innerRatio;
    const QPointF p = c + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    if (k == 0)
      star.moveTo(p);
    else
      star.lineTo(p);
  }
  star.closeSubpath();
  return star;
}

void drawEmblem(QPainter& painter, const QRectF& box) {
  painter.save();
  painter.translate(box.center());
  painter.scale(box.width() / 2, box.height() / 2);

  // The night sky.
  QRadialGradient sky(QPointF(-0.3, -0.35), 1.35);
  sky.setColorAt(0, QColor(0x33, 0x52, 0x91));
  sky.setColorAt(1, QColor(0x0C, 0x16, 0x2E));
  painter.setPen(QPen(QColor(0x8A, 0x6A, 0x22), 0.04));
  painter.setBrush(sky);
  painter.drawEllipse(QPointF(0, 0), 0.97, 0.97);

  // The zodiac ring: two golden circles and the twelve sign boundaries.
  const QColor gold(0xE0, 0xBC, 0x62);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(gold, 0.075));
  painter.drawEllipse(QPointF(0, 0), 0.86, 0.86);
  painter.setPen(QPen(gold, 0.04));
  painter.drawEllipse(QPointF(0, 0), 0.64, 0.64);
  painter.setPen(QPen(gold, 0.035, Qt::SolidLine, Qt::FlatCap));
  for (int k = 0; k < 12; ++k) {
    const double a = (15 + 30 * k) * M_PI / 180;
    painter.drawLine(QPointF(0.64 * std::cos(a), 0.64 * std::sin(a)), QPointF(0.86 * std::cos(a), 0.86 * std::sin(a)));
  }

  // The leaf, rising from lower left to upper right, with its midrib.
  QPainterPath leaf;
  leaf.moveTo(-0.34, 0.36);
  leaf.cubicTo(-0.46, -0.06, -0.08, -0.42, 0.40, -0.40);
  leaf.cubicTo(0.40, 0.06, 0.04, 0.44, -0.34, 0.36);
  QLinearGradient green(QPointF(-0.3, 0.3), QPointF(0.35, -0.35));
  green.setColorAt(0, QColor(0x2E, 0x7D, 0x3A));
  green.setColorAt(1, QColor(0x8B, 0xD1, 0x6E));
  painter.setPen(QPen(QColor(0x1C, 0x4E, 0x24), 0.03));
  painter.setBrush(green);
  painter.drawPath(leaf);
  QPainterPath rib;
  rib.moveTo(-0.50, 0.52);
  rib.lineTo(-0.34, 0.36);
  rib.quadTo(0.02, 0.02, 0.36, -0.36);
  // Side veins leaving the midrib towards the tip, faint.
  painter.setPen(QPen(QColor(0xD8, 0xEE, 0xB0, 150), 0.02, Qt::SolidLine, Qt::RoundCap));
  painter.setBrush(Qt::NoBrush);
  for (double t : {0.30, 0.48, 0.66}) {
    const QPointF p = rib.pointAtPercent(t);
    painter.drawLine(p, p + QPointF(0.02, -0.20));
    painter.drawLine(p, p + QPointF(0.20, -0.02));
  }
  painter.setPen(QPen(QColor(0xF0, 0xDC, 0x8C), 0.045, Qt::SolidLine, Qt::RoundCap));
  painter.drawPath(rib);

  // A star in the sky beside the leaf.
  painter.setPen(Qt::NoPen);
  painter.setBrush(gold);
  painter.drawPath(starPath(QPointF(0.28, 0.30), 0.15));
  painter.restore();
}

}  // namespace qx
