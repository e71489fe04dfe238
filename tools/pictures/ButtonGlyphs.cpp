// The small pictures of buttons: the exit picture, the padlocks of the
// choosers and the glyphs of the graphic sheet's tool panel.

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <cmath>

#include "PaintHelpers.h"
#include "Pictures.h"

namespace qx {

namespace {

constexpr int kGlyphSide = 24;

QPointF polar(QPointF centre, double radius, double degrees) {
  const double a = degrees * M_PI / 180;
  return centre + QPointF(radius * std::cos(a), radius * std::sin(a));
}

// The element colours of the zodiac, as the wheel draws its signs: fire,
// earth, air, water.
const QColor kElementColours[4] = {QColor(0xF0, 0x4A, 0x3A), QColor(0x4C, 0xB8, 0x4C), QColor(0xF2, 0xD2, 0x30),
                                   QColor(0x2E, 0xB8, 0xE6)};

}  // namespace

QImage exitPicture(bool pressed) {
  QImage image = blankPicture(40, 40, kBottomPanel);
  QPainter painter(&image);
  prepare(painter);
  const double shift = pressed ? 1 : 0;
  const QPointF centre(20 + shift, 20 + shift);

  if (!pressed) {
    // A soft shadow beneath the raised button.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x6A, 0x40, 0x10, 40));
    painter.drawEllipse(QPointF(21, 21.6), 18.2, 18.2);
    painter.setBrush(QColor(0x6A, 0x40, 0x10, 50));
    painter.drawEllipse(QPointF(20.8, 21.2), 17.4, 17.4);
  }

  QRadialGradient red(centre + QPointF(-5, -7), 24);
  red.setColorAt(0, pressed ? QColor(0xC8, 0x3A, 0x28) : QColor(0xF2, 0x6B, 0x52));
  red.setColorAt(0.6, pressed ? QColor(0x9A, 0x22, 0x16) : QColor(0xC8, 0x2E, 0x1E));
  red.setColorAt(1, pressed ? QColor(0x70, 0x14, 0x0C) : QColor(0x92, 0x1C, 0x10));
  painter.setPen(QPen(QColor(0x62, 0x10, 0x08), 1));
  painter.setBrush(red);
  painter.drawEllipse(centre, 16.8, 16.8);

  if (pressed) {
    // Pressed in: the upper rim in shade.
    QLinearGradient shade(centre + QPointF(0, -17), centre);
    shade.setColorAt(0, QColor(0, 0, 0, 90));
    shade.setColorAt(1, QColor(0, 0, 0, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawEllipse(centre, 16.3, 16.3);
  } else {
    // Light on the upper half.
    QLinearGradient gloss(0, 4, 0, 20);
    gloss.setColorAt(0, QColor(255, 255, 255, 110));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gloss);
    painter.drawEllipse(QPointF(20, 12.5), 11.5, 8);
  }

  // The power sign: a ring open at the top and a bar through the opening.
  const QColor sign = pressed ? QColor(0xF4, 0xD8, 0xD0) : QColor(0xFF, 0xFF, 0xFF);
  painter.setPen(QPen(sign, 3.0, Qt::SolidLine, Qt::RoundCap));
  painter.setBrush(Qt::NoBrush);
  const QRectF ring(centre.x() - 8.5, centre.y() + 1.2 - 8.5, 17, 17);
  painter.drawArc(ring, 125 * 16, 290 * 16);
  painter.drawLine(centre + QPointF(0, -10.5), centre + QPointF(0, -0.5));
  return image;
}

QImage lockPicture(bool shut) {
  QImage image = blankPicture(kGlyphSide, kGlyphSide, kGlyphBackground);
  QPainter painter(&image);
  prepare(painter);

  // The shackle: steel, closed into the body or lifted with its right leg
  // free.
  const double lift = shut ? 0 : 3;
  QPainterPath shackle;
  shackle.moveTo(7.5, 12.5);
  shackle.lineTo(7.5, 8.5 - lift);
  shackle.arcTo(QRectF(7.5, 4.0 - lift, 9, 9), 180, -180);
  shackle.lineTo(16.5, shut ? 12.5 : 7);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(0x4E, 0x55, 0x5E), 3.2, Qt::SolidLine, Qt::FlatCap));
  painter.drawPath(shackle);
  painter.setPen(QPen(QColor(0xB8, 0xC0, 0xCA), 1.4, Qt::SolidLine, Qt::FlatCap));
  painter.drawPath(shackle);

  // The body: brass with a keyhole.
  const QRectF body(4.5, 11, 15, 10.5);
  QLinearGradient brass(body.topLeft(), body.bottomLeft());
  brass.setColorAt(0, QColor(0xFA, 0xDC, 0x72));
  brass.setColorAt(0.5, QColor(0xE2, 0xAE, 0x2C));
  brass.setColorAt(1, QColor(0xB0, 0x7C, 0x10));
  painter.setPen(QPen(QColor(0x6E, 0x4C, 0x08), 1));
  painter.setBrush(brass);
  painter.drawRoundedRect(body, 2, 2);
  QPainterPath keyhole;
  keyhole.addEllipse(QPointF(12, 15.2), 1.7, 1.7);
  keyhole.moveTo(11.1, 15.8);
  keyhole.lineTo(12.9, 15.8);
  keyhole.lineTo(13.4, 19.2);
  keyhole.lineTo(10.6, 19.2);
  keyhole.closeSubpath();
  keyhole.setFillRule(Qt::WindingFill);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x3A, 0x28, 0x04));
  painter.drawPath(keyhole);
  return image;
}

QImage pagePicture(bool landscape) {
  QImage image = blankPicture(kGlyphSide, kGlyphSide, kGlyphBackground);
  QPainter painter(&image);
  prepare(painter);
  const QRectF page = landscape ? QRectF(1.5, 5.5, 21, 14) : QRectF(5.5, 1.5, 14, 21);
  const double fold = 4.5;

  // The sheet with its upper right corner folded over.
  QPainterPath sheet;
  sheet.moveTo(page.topLeft());
  sheet.lineTo(page.right() - fold, page.top());
  sheet.lineTo(page.right(), page.top() + fold);
  sheet.lineTo(page.bottomRight());
  sheet.lineTo(page.bottomLeft());
  sheet.closeSubpath();
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 0, 45));
  painter.drawPath(sheet.translated(1, 1));
  painter.setPen(QPen(QColor(0x4A, 0x5A, 0x6E), 1));
  painter.setBrush(Qt::white);
  painter.drawPath(sheet);
  QPainterPath corner;
  corner.moveTo(page.right() - fold, page.top());
  corner.lineTo(page.right() - fold, page.top() + fold);
  corner.lineTo(page.right(), page.top() + fold);
  painter.setBrush(QColor(0xD6, 0xDE, 0xE8));
  painter.drawPath(corner);

  // A small wheel and a few lines of text, placed as on a summary sheet.
  const QPointF wheel = landscape ? QPointF(8, 12.5) : QPointF(12.5, 9);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(0x2A, 0x62, 0xC8), 1));
  painter.drawEllipse(wheel, 3.6, 3.6);
  painter.setPen(QPen(QColor(0xE0, 0x40, 0x30), 0.8));
  painter.drawLine(polar(wheel, 3.6, 200), polar(wheel, 3.6, 330));
  painter.setPen(QPen(QColor(0x8A, 0x96, 0xA6), 1, Qt::SolidLine, Qt::FlatCap));
  if (landscape) {
    for (double y : {10.0, 12.5, 15.0}) painter.drawLine(QPointF(13.5, y), QPointF(19.5, y));
  } else {
    for (double y : {15.0, 17.5, 20.0}) painter.drawLine(QPointF(8, y), QPointF(17, y));
  }
  return image;
}

QImage colourModePicture(bool black) {
  QImage image = blankPicture(kGlyphSide, kGlyphSide, kGlyphBackground);
  QPainter painter(&image);
  prepare(painter);
  const QPointF centre(12, 12);
  const double outer = 10.5, inner = 6.5;

  // A wheel: twelve sign sectors, in the element colours or black on white.
  painter.setPen(Qt::NoPen);
  painter.setBrush(black ? QColor(Qt::black) : QColor(0x14, 0x20, 0x3C));
  painter.drawEllipse(centre, outer + 0.5, outer + 0.5);
  for (int k = 0; k < 12; ++k) {
    QPainterPath sector;
    const double from = -30.0 * k, span = -30.0;
    sector.arcMoveTo(QRectF(centre.x() - outer, centre.y() - outer, 2 * outer, 2 * outer), from);
    sector.arcTo(QRectF(centre.x() - outer, centre.y() - outer, 2 * outer, 2 * outer), from, span);
    sector.arcTo(QRectF(centre.x() - inner, centre.y() - inner, 2 * inner, 2 * inner), from + span, -span);
    sector.closeSubpath();
    painter.setBrush(black ? (k % 2 == 0 ? QColor(Qt::white) : QColor(0xB0, 0xB0, 0xB0)) : kElementColours[k % 4]);
    painter.setPen(QPen(black ? QColor(Qt::black) : QColor(0x14, 0x20, 0x3C), 0.6));
    painter.drawPath(sector);
  }
  painter.setBrush(black ? QColor(Qt::white) : QColor(0xFF, 0xFF, 0xF4));
  painter.setPen(QPen(black ? QColor(Qt::black) : QColor(0x14, 0x20, 0x3C), 0.8));
  painter.drawEllipse(centre, inner, inner);

  // Two aspect lines across the inner circle.
  painter.setPen(QPen(black ? QColor(Qt::black) : QColor(0xD8, 0x24, 0x1C), 1.1));
  painter.drawLine(polar(centre, inner, 200), polar(centre, inner, 340));
  painter.setPen(QPen(black ? QColor(Qt::black) : QColor(0x1E, 0x4C, 0xD8), 1.1));
  painter.drawLine(polar(centre, inner, 100), polar(centre, inner, 220));
  return image;
}

QImage aspectStylePicture(bool fromSpindles) {
  QImage image = blankPicture(kGlyphSide, kGlyphSide, kGlyphBackground);
  QPainter painter(&image);
  prepare(painter);

  const QColor blue(0x1E, 0x4C, 0xD8), aqua(0x10, 0xA8, 0xC8);
  // A spindle as the sheets draw it: pointed at both ends, widest between
  // its two shoulders.
  auto spindle = [&](double y) {
    QPainterPath shape;
    shape.moveTo(2.5, y);
    shape.lineTo(8, y - 2.8);
    shape.lineTo(16, y - 2.8);
    shape.lineTo(21.5, y);
    shape.lineTo(16, y + 2.8);
    shape.lineTo(8, y + 2.8);
    shape.closeSubpath();
    painter.setPen(QPen(aqua, 0.9));
    painter.setBrush(blue);
    painter.drawPath(shape);
  };
  auto line = [&](double y) {
    painter.setPen(QPen(blue, 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QPointF(3, y), QPointF(21, y));
  };

  // The style in force above, the one the button turns to below, and an
  // arrow between them.
  if (fromSpindles) {
    spindle(5);
    line(19.5);
  } else {
    line(4.5);
    spindle(19);
  }
  QPainterPath arrow;
  arrow.moveTo(8.5, 10);
  arrow.lineTo(15.5, 10);
  arrow.lineTo(12, 14);
  arrow.closeSubpath();
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x50, 0x58, 0x64));
  painter.drawPath(arrow);
  return image;
}

}  // namespace qx
