#include "SymbolPicture.h"

#include <QTransform>

#include "Outline.h"

namespace qx {

namespace {

// Chords stray from the curves by at most this many device units: a tenth
// of a pixel for a symbol drawn 85 pixels wide, and a few hundred points per
// symbol.
constexpr double kCurveTolerance = 1.0;
// Points within this distance of the line through their neighbours go.
constexpr double kStraightness = 0.5;
// How much the font's glyphs are grown on every side, in device units.
constexpr double kGlyphGrowth = 7;

}  // namespace

SymbolBuilder::SymbolBuilder(const QString& glyphFontFile, const QString& letterFontFile)
    : glyphs_(glyphFontFile), letters_(letterFontFile) {}

std::vector<QPainterPath> SymbolBuilder::shape(const SymbolDesign& design) const {
  switch (design.kind) {
    case ShapeKind::Character:
      return {glyphs_.character(design.codePoint)};
    case ShapeKind::Monogram:
      return {letters_.text(QString::fromLatin1(design.letters))};
    case ShapeKind::Alchemical:
      return alchemicalSign(design.sign);
  }
  return {};
}

Polygons SymbolBuilder::polygons(const SymbolDesign& design) const {
  const std::vector<QPainterPath> parts = shape(design);
  QRectF bounds;
  for (const QPainterPath& part : parts) bounds = bounds.united(part.boundingRect());
  // The glyphs of the regular face are made bolder; the growth counts in
  // the symbol's extent.
  const double growth = design.kind == ShapeKind::Character ? kGlyphGrowth : 0;
  const QTransform fit = fitIntoSquare(bounds, kPictureSide, kSymbolExtent - 2 * growth);
  std::vector<Outline> placed;
  for (const QPainterPath& part : parts) {
    QPainterPath mapped = fit.map(part);
    mapped.setFillRule(Qt::WindingFill);
    placed.push_back(flattenPath(mapped, kCurveTolerance));
  }
  Outline outline = unite(placed);
  if (growth > 0) outline = grown(outline, growth, kCurveTolerance);
  return devicePolygons(outline, kStraightness);
}

}  // namespace qx
