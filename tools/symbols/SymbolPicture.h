#pragma once
// One symbol as the metafiles hold it: a square picture of kPictureSide
// device units holding one poly-polygon, filled with the winding rule and
// traced with a thin pen.

#include <vector>

#include "DrawTarget.h"
#include "Shapes.h"
#include "SymbolCatalogue.h"

namespace qx {

// The square's side in device units: large, so that a symbol stretched down
// to a few pixels or up to a printed centimetre keeps its curves smooth.
inline constexpr int kPictureSide = 1000;
// The symbol's longer side; the rest is margin for the outline pen and air
// around the glyph.
inline constexpr double kSymbolExtent = 860;
// Width of the outline pen in device units.
inline constexpr int kEdgeWidth = 18;

using Polygons = std::vector<std::vector<DevicePoint>>;

class SymbolBuilder {
 public:
  // The glyph font (the planets, signs and nodes) and the monogram font.
  SymbolBuilder(const QString& glyphFontFile, const QString& letterFontFile);

  // The symbol placed in the square: centred, its longer side kSymbolExtent,
  // flattened and merged into non-overlapping contours.
  Polygons polygons(const SymbolDesign& design) const;

 private:
  std::vector<QPainterPath> shape(const SymbolDesign& design) const;

  GlyphFont glyphs_;
  GlyphFont letters_;
};

}  // namespace qx
