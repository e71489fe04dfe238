#include "Shapes.h"

#include <QFile>
#include <QPainterPathStroker>
#include <QTransform>
#include <cmath>
#include <stdexcept>

namespace qx {

namespace {

// Outlines are taken at this many pixels to the em: large enough that the
// font's own units survive, the curves being flattened later in the
// picture's units.
constexpr double kOutlinePixels = 2048;

std::string utf8(const QString& text) { return text.toUtf8().toStdString(); }

}  // namespace

GlyphFont::GlyphFont(const QString& file) : file_(file) {
  if (!QFile::exists(file)) throw std::runtime_error("font file not found: " + utf8(file));
  font_ = QRawFont(file, kOutlinePixels, QFont::PreferNoHinting);
  if (!font_.isValid()) throw std::runtime_error("not a usable font: " + utf8(file));
}

QPainterPath GlyphFont::character(char32_t codePoint) const {
  const QString text = QString::fromUcs4(&codePoint, 1);
  if (!font_.supportsCharacter(static_cast<uint>(codePoint)))
    throw std::runtime_error(utf8(file_) + " has no glyph for U+" +
                             utf8(QString::number(static_cast<uint>(codePoint), 16).toUpper()));
  const QList<quint32> glyphs = font_.glyphIndexesForString(text);
  if (glyphs.size() != 1 || glyphs.front() == 0)
    throw std::runtime_error(utf8(file_) + " maps U+" +
                             utf8(QString::number(static_cast<uint>(codePoint), 16).toUpper()) +
                             " to no single glyph");
  QPainterPath path = font_.pathForGlyph(glyphs.front());
  if (path.isEmpty())
    throw std::runtime_error(utf8(file_) + " has an empty glyph for U+" +
                             utf8(QString::number(static_cast<uint>(codePoint), 16).toUpper()));
  path.setFillRule(Qt::WindingFill);
  return path;
}

QPainterPath GlyphFont::text(const QString& letters) const {
  const QList<quint32> glyphs = font_.glyphIndexesForString(letters);
  const QList<QPointF> advances = font_.advancesForGlyphIndexes(glyphs);
  QPainterPath path;
  path.setFillRule(Qt::WindingFill);
  QPointF pen(0, 0);
  for (qsizetype i = 0; i < glyphs.size(); ++i) {
    if (glyphs[i] == 0) throw std::runtime_error(utf8(file_) + " cannot set the text " + utf8(letters));
    path.addPath(QTransform::fromTranslate(pen.x(), pen.y()).map(font_.pathForGlyph(glyphs[i])));
    pen += advances[i];
  }
  return path;
}

namespace {

// Sizes in units of the triangle's side.
constexpr double kSide = 100;
constexpr double kStroke = 10.5;

QPainterPath stroked(const QPainterPath& lines, Qt::PenJoinStyle join) {
  QPainterPathStroker stroker;
  stroker.setWidth(kStroke);
  stroker.setJoinStyle(join);
  stroker.setMiterLimit(4);
  stroker.setCapStyle(Qt::FlatCap);
  QPainterPath area = stroker.createStroke(lines);
  area.setFillRule(Qt::WindingFill);
  return area;
}

// An equilateral triangle about the origin, its centroid at (0, 0).
QPainterPath triangle(bool pointingUp) {
  const double height = kSide * std::sqrt(3.0) / 2;
  const double apex = pointingUp ? -2 * height / 3 : 2 * height / 3;
  const double base = pointingUp ? height / 3 : -height / 3;
  QPainterPath path;
  path.moveTo(0, apex);
  path.lineTo(kSide / 2, base);
  path.lineTo(-kSide / 2, base);
  path.closeSubpath();
  return path;
}

// The bar of air and earth: across the triangle half-way between apex and
// base, reaching a little beyond its sides.
QPainterPath bar(bool pointingUp) {
  const double height = kSide * std::sqrt(3.0) / 2;
  const double y = pointingUp ? -height / 6 : height / 6;
  const double halfLength = kSide * 0.36;
  QPainterPath path;
  path.moveTo(-halfLength, y);
  path.lineTo(halfLength, y);
  return path;
}

}  // namespace

std::vector<QPainterPath> alchemicalSign(AlchemicalSign sign) {
  switch (sign) {
    case AlchemicalSign::Fire:
      return {stroked(triangle(true), Qt::MiterJoin)};
    case AlchemicalSign::Water:
      return {stroked(triangle(false), Qt::MiterJoin)};
    case AlchemicalSign::Air:
      return {stroked(triangle(true), Qt::MiterJoin), stroked(bar(true), Qt::MiterJoin)};
    case AlchemicalSign::Earth:
      return {stroked(triangle(false), Qt::MiterJoin), stroked(bar(false), Qt::MiterJoin)};
    case AlchemicalSign::Salt: {
      const double radius = kSide * 0.42;
      QPainterPath ring;
      ring.addEllipse(QPointF(0, 0), radius, radius);
      QPainterPath diameter;
      diameter.moveTo(-radius, 0);
      diameter.lineTo(radius, 0);
      return {stroked(ring, Qt::RoundJoin), stroked(diameter, Qt::MiterJoin)};
    }
    case AlchemicalSign::Sulphur: {
      // A smaller triangle on top; from the middle of its base a stem going
      // down, crossed half-way by a bar.
      const double side = kSide * 0.78;
      const double height = side * std::sqrt(3.0) / 2;
      QPainterPath top;
      top.moveTo(0, -height);
      top.lineTo(side / 2, 0);
      top.lineTo(-side / 2, 0);
      top.closeSubpath();
      const double stemLength = side * 0.95;
      QPainterPath stem;
      stem.moveTo(0, 0);
      stem.lineTo(0, stemLength);
      QPainterPath crossBar;
      crossBar.moveTo(-side * 0.36, stemLength * 0.5);
      crossBar.lineTo(side * 0.36, stemLength * 0.5);
      return {stroked(top, Qt::MiterJoin), stroked(stem, Qt::MiterJoin), stroked(crossBar, Qt::MiterJoin)};
    }
  }
  return {};
}

}  // namespace qx
