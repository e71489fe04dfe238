#pragma once
// The shapes the symbol pictures are made of, as filled painter paths in
// arbitrary units (the caller fits them into the picture): glyphs of a
// font file and the alchemical signs built from strokes.

#include <QPainterPath>
#include <QRawFont>
#include <QString>
#include <vector>

namespace qx {

// The outlines of one TrueType file, taken unhinted at a large size so that
// the curves keep their designed shape.
class GlyphFont {
 public:
  // Raises std::runtime_error when the file cannot be read as a font.
  explicit GlyphFont(const QString& file);

  // The glyph of one character; raises std::runtime_error when the font has
  // no glyph for it (a symbol silently drawn as a box would be worse).
  QPainterPath character(char32_t codePoint) const;

  // A short text set on one line with the font's own advances (the "AS" and
  // "MC" monograms).
  QPainterPath text(const QString& letters) const;

 private:
  QString file_;
  QRawFont font_;
};

// The alchemical signs of the four elements and two of the three principles
// (the third, mercury, is the planet's glyph).
enum class AlchemicalSign {
  Fire,     // a triangle pointing up
  Air,      // the fire triangle crossed by a bar
  Water,    // a triangle pointing down
  Earth,    // the water triangle crossed by a bar
  Salt,     // a circle divided by a horizontal bar
  Sulphur,  // a triangle standing on a cross
};

// The sign as separate strokes, each a filled area under the winding rule;
// the caller unites them.
std::vector<QPainterPath> alchemicalSign(AlchemicalSign sign);

}  // namespace qx
