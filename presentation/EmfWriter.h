#pragma once
// A drawing target that records an enhanced metafile in the public EMF
// format: a header with bounds, frame and reference-device sizes; pens,
// brushes and fonts created, selected and deleted as the drawing selects
// them; move-to, line-to, arc, ellipse, rectangle, polygons with the winding
// fill rule, aligned text with its colours and background mode; the
// end-of-file record. Symbols drawn into it are embedded record by record.

#include <cstdint>
#include <string_view>
#include <vector>

#include "DrawTarget.h"
#include "WorkFolder.h"

namespace qx {

class EmfWriter : public DrawTarget {
 public:
  // A picture of width x height device units on a reference device of that
  // many pixels per millimetre (the screen's, as the sheets are drawn at the
  // screen's scale).
  EmfWriter(int width, int height, double pixelsPerMillimetre);
  ~EmfWriter() override;
  EmfWriter(const EmfWriter&) = delete;
  EmfWriter& operator=(const EmfWriter&) = delete;

  TargetKind kind() const override { return TargetKind::Metafile; }
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

  // The finished file: header completed, end-of-file record appended. The
  // writer takes no more drawing afterwards (a drawing call raises
  // std::logic_error); finishing again returns the same bytes.
  //
  // The picture starts with the winding fill rule and a transparent text
  // background selected. Every selection creates its object in the lowest
  // free slot of the object table, selects it and deletes the object it
  // replaces. The header's bounds are the inclusive box of what was drawn
  // (lines widened by half the pen's width) together with the picture's
  // origin (0, 0), which some readers take from the bounds; its frame is
  // device units 0 to width - 1 and 0 to height - 1 in 0.01 mm.
  std::vector<std::uint8_t> finish();

 private:
  struct State;
  State* state_;
};

// Writes a finished metafile as "Emf\\" + name (or any name below the
// working folder); failures raise IoError.
void saveMetafile(const WorkFolder& folder, std::string_view name, const std::vector<std::uint8_t>& bytes);

}  // namespace qx
