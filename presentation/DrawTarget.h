#pragma once
// The surface every picture is drawn on: a window or an image on the screen,
// a printer page, or an enhanced metafile. The drawing layer (Drawing.h)
// works in logical page units and hands this interface device coordinates
// only; a target draws what it is told, with the objects last selected.
//
// Coordinates are device units. The drawing layer passes whole numbers (its
// mapping rounds); the metafile player passes the fractional points of a
// stretched symbol, which a target may keep (a painter) or round (a metafile).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qx {

class Metafile;

// A colour as 0xRRGGBB.
using Rgb = std::uint32_t;
inline constexpr Rgb kBlack = 0x000000;
inline constexpr Rgb kWhite = 0xFFFFFF;

struct DevicePoint {
  double x = 0;
  double y = 0;
  friend bool operator==(const DevicePoint&, const DevicePoint&) = default;
};

// A box from its top-left to its bottom-right corner; a figure drawn in it
// fills the box from corner to corner.
struct DeviceRect {
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;
  friend bool operator==(const DeviceRect&, const DeviceRect&) = default;
};

enum class PenStyle { Solid, Dash, Null };

struct PenDesc {
  PenStyle style = PenStyle::Solid;
  int width = 1;  // device units; 0 draws one device unit wide
  Rgb colour = kBlack;
  friend bool operator==(const PenDesc&, const PenDesc&) = default;
};

struct BrushDesc {
  Rgb colour = kWhite;
  bool hollow = false;  // a brush that fills nothing
  friend bool operator==(const BrushDesc&, const BrushDesc&) = default;
};

struct FontDesc {
  std::string face = "Arial";  // "Arial" or "Courier"
  int height = 0;   // device units: the character cell's height
  int width = 0;    // average character width; 0 lets the face choose
  int weight = 10;  // 0..1000 as the graphics device interface counts
  bool italic = false;
  int quality = 2;  // 2 = proof quality
  friend bool operator==(const FontDesc&, const FontDesc&) = default;
};

// Horizontal alignment of a text about its reference point; the point is
// always the top of the text.
enum class TextAlign { Left, Right, Centre };

enum class TargetKind { Screen, Printer, Metafile };

class DrawTarget {
 public:
  virtual ~DrawTarget() = default;

  virtual TargetKind kind() const = 0;

  // Each selection replaces the object of its kind selected before.
  virtual void selectPen(const PenDesc& pen) = 0;
  virtual void selectBrush(const BrushDesc& brush) = 0;
  virtual void selectFont(const FontDesc& font) = 0;
  virtual void setTextColour(Rgb colour) = 0;
  // Opaque: text is drawn on a box of the background colour; transparent
  // (the initial mode): only the glyphs are drawn.
  virtual void setTextBackground(bool opaque, Rgb colour) = 0;

  virtual void moveTo(DevicePoint p) = 0;
  // A line with the current pen from the current point to p, which becomes
  // the current point.
  virtual void lineTo(DevicePoint p) = 0;
  // The counter-clockwise arc of the ellipse inscribed in box, from the ray
  // through start to the ray through end (start == end: the full ellipse),
  // with the current pen.
  virtual void arc(const DeviceRect& box, DevicePoint start, DevicePoint end) = 0;
  // Filled with the current brush and outlined with the current pen.
  virtual void ellipse(const DeviceRect& box) = 0;
  virtual void rectangle(const DeviceRect& box) = 0;
  // Filled with the winding (non-zero) rule.
  virtual void polygon(const std::vector<DevicePoint>& points) = 0;
  virtual void polyPolygon(const std::vector<std::vector<DevicePoint>>& polygons) = 0;
  // A Windows-1252 text, top-aligned at p, in the current font and colours.
  virtual void text(DevicePoint p, TextAlign align, std::string_view cp1252) = 0;

  // The whole surface in one colour (the windows clear to black).
  virtual void clear(Rgb colour) = 0;

  // Draws a metafile stretched into box. The default plays its records on
  // this target (see Metafile.h); a target may record or embed it instead.
  // The objects and colours selected before are selected again afterwards
  // by the caller (the drawing layer), not by the metafile.
  virtual void drawMetafile(const Metafile& metafile, const DeviceRect& box);
};

}  // namespace qx
