#pragma once
// A drawing target that draws nothing and keeps a list of the calls it
// received, each with its device coordinates and the pen, brush, font and text
// colours in effect, so that a test can check what a picture would draw on
// the screen, on a printer page or in a metafile.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "DrawTarget.h"

namespace qx {

enum class DrawOp {
  SelectPen,
  SelectBrush,
  SelectFont,
  SetTextColour,
  SetTextBackground,
  MoveTo,
  LineTo,
  Arc,
  Ellipse,
  Rectangle,
  Polygon,
  PolyPolygon,
  Text,
  Clear,
  DrawMetafile,
};

const char* drawOpName(DrawOp op);

struct DrawCall {
  DrawOp op = DrawOp::MoveTo;
  // MoveTo, LineTo, Text: the point; Arc: start and end; Polygon: its points.
  std::vector<DevicePoint> points;
  std::vector<std::vector<DevicePoint>> polygons;  // PolyPolygon
  DeviceRect box;                                  // Arc, Ellipse, Rectangle, DrawMetafile
  std::string text;                                // Text (Windows-1252); DrawMetafile: the metafile's name
  TextAlign align = TextAlign::Left;
  Rgb colour = kBlack;                             // Clear
  // The objects in effect once the call was made (for a selection, the new one).
  PenDesc pen;
  BrushDesc brush;
  std::optional<FontDesc> font;  // none until a font is selected
  Rgb textColour = kBlack;
  bool textOpaque = false;
  Rgb textBackground = kWhite;
};

class RecordingTarget : public DrawTarget {
 public:
  explicit RecordingTarget(TargetKind kind = TargetKind::Screen) : kind_(kind) {}

  TargetKind kind() const override { return kind_; }
  void setKind(TargetKind kind) { kind_ = kind; }

  // Also play the metafiles drawn (their records follow the DrawMetafile
  // call); off at first, so a symbol is one call.
  void setPlayMetafiles(bool play) { playMetafiles_ = play; }

  void selectPen(const PenDesc& pen) override;
  void selectBrush(const BrushDesc& brush) override;
  void selectFont(const FontDesc& font) override;
  void setTextColour(Rgb colour) override;
  void setTextBackground(bool opaque, Rgb colour) override;
  void moveTo(DevicePoint p) override;
  void lineTo(DevicePoint p) override;
  void arc(const DeviceRect& box, DevicePoint start, DevicePoint end) override;
  void ellipse(const DeviceRect& box) override;
  void rectangle(const DeviceRect& box) override;
  void polygon(const std::vector<DevicePoint>& points) override;
  void polyPolygon(const std::vector<std::vector<DevicePoint>>& polygons) override;
  void text(DevicePoint p, TextAlign align, std::string_view cp1252) override;
  void clear(Rgb colour) override;
  void drawMetafile(const Metafile& metafile, const DeviceRect& box) override;

  const std::vector<DrawCall>& calls() const { return calls_; }
  // The calls of one kind, in order.
  std::vector<DrawCall> callsOf(DrawOp op) const;
  std::size_t count(DrawOp op) const;
  // Forgets the calls; the selected objects stay in effect.
  void clearCalls() { calls_.clear(); }

  // The objects in effect now.
  const PenDesc& pen() const { return current_.pen; }
  const BrushDesc& brush() const { return current_.brush; }
  const std::optional<FontDesc>& font() const { return current_.font; }
  Rgb textColour() const { return current_.textColour; }

  // One line per call, for reading a failing test's output.
  std::string dump() const;

 private:
  DrawCall& record(DrawOp op);

  TargetKind kind_;
  bool playMetafiles_ = false;
  DrawCall current_;  // only its object fields are used
  std::vector<DrawCall> calls_;
};

std::string describe(const DrawCall& call);

}  // namespace qx
