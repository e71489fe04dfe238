#include "RecordingTarget.h"

#include <algorithm>
#include <cstdio>

#include "Metafile.h"

namespace qx {

namespace {

std::string colourText(Rgb c) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "#%06X", unsigned(c & 0xFFFFFF));
  return buffer;
}

std::string number(double v) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%g", v);
  return buffer;
}

std::string pointText(DevicePoint p) { return "(" + number(p.x) + "," + number(p.y) + ")"; }

std::string boxText(const DeviceRect& r) {
  return "[" + number(r.left) + "," + number(r.top) + " " + number(r.right) + "," + number(r.bottom) + "]";
}

std::string pointsText(const std::vector<DevicePoint>& points) {
  std::string s;
  for (const DevicePoint& p : points) s += pointText(p);
  return s;
}

const char* penStyleName(PenStyle s) {
  switch (s) {
    case PenStyle::Solid: return "solid";
    case PenStyle::Dash: return "dash";
    case PenStyle::Null: return "null";
  }
  return "?";
}

}  // namespace

const char* drawOpName(DrawOp op) {
  switch (op) {
    case DrawOp::SelectPen: return "selectPen";
    case DrawOp::SelectBrush: return "selectBrush";
    case DrawOp::SelectFont: return "selectFont";
    case DrawOp::SetTextColour: return "setTextColour";
    case DrawOp::SetTextBackground: return "setTextBackground";
    case DrawOp::MoveTo: return "moveTo";
    case DrawOp::LineTo: return "lineTo";
    case DrawOp::Arc: return "arc";
    case DrawOp::Ellipse: return "ellipse";
    case DrawOp::Rectangle: return "rectangle";
    case DrawOp::Polygon: return "polygon";
    case DrawOp::PolyPolygon: return "polyPolygon";
    case DrawOp::Text: return "text";
    case DrawOp::Clear: return "clear";
    case DrawOp::DrawMetafile: return "drawMetafile";
  }
  return "?";
}

std::string describe(const DrawCall& c) {
  std::string s = drawOpName(c.op);
  switch (c.op) {
    case DrawOp::SelectPen:
      s += std::string(" ") + penStyleName(c.pen.style) + " " + std::to_string(c.pen.width) + " " +
           colourText(c.pen.colour);
      break;
    case DrawOp::SelectBrush: s += c.brush.hollow ? " hollow" : " " + colourText(c.brush.colour); break;
    case DrawOp::SelectFont:
      if (c.font)
        s += " " + c.font->face + " h" + std::to_string(c.font->height) + " w" + std::to_string(c.font->width) +
             " weight " + std::to_string(c.font->weight) + (c.font->italic ? " italic" : "");
      break;
    case DrawOp::SetTextColour: s += " " + colourText(c.textColour); break;
    case DrawOp::SetTextBackground:
      s += c.textOpaque ? " opaque " + colourText(c.textBackground) : " transparent";
      break;
    case DrawOp::MoveTo:
    case DrawOp::LineTo: s += " " + pointsText(c.points); break;
    case DrawOp::Arc: s += " " + boxText(c.box) + " " + pointsText(c.points); break;
    case DrawOp::Ellipse:
    case DrawOp::Rectangle: s += " " + boxText(c.box); break;
    case DrawOp::Polygon: s += " " + pointsText(c.points); break;
    case DrawOp::PolyPolygon:
      for (const auto& polygon : c.polygons) s += " {" + pointsText(polygon) + "}";
      break;
    case DrawOp::Text: {
      const char* align = c.align == TextAlign::Left ? "left" : c.align == TextAlign::Right ? "right" : "centre";
      s += " " + pointText(c.points.empty() ? DevicePoint{} : c.points[0]) + " " + align + " \"" + c.text + "\" " +
           colourText(c.textColour);
      break;
    }
    case DrawOp::Clear: s += " " + colourText(c.colour); break;
    case DrawOp::DrawMetafile: s += " \"" + c.text + "\" " + boxText(c.box); break;
  }
  return s;
}

DrawCall& RecordingTarget::record(DrawOp op) {
  DrawCall& c = calls_.emplace_back();
  c.op = op;
  c.pen = current_.pen;
  c.brush = current_.brush;
  c.font = current_.font;
  c.textColour = current_.textColour;
  c.textOpaque = current_.textOpaque;
  c.textBackground = current_.textBackground;
  return c;
}

void RecordingTarget::selectPen(const PenDesc& pen) {
  current_.pen = pen;
  record(DrawOp::SelectPen);
}

void RecordingTarget::selectBrush(const BrushDesc& brush) {
  current_.brush = brush;
  record(DrawOp::SelectBrush);
}

void RecordingTarget::selectFont(const FontDesc& font) {
  current_.font = font;
  record(DrawOp::SelectFont);
}

void RecordingTarget::setTextColour(Rgb colour) {
  current_.textColour = colour;
  record(DrawOp::SetTextColour);
}

void RecordingTarget::setTextBackground(bool opaque, Rgb colour) {
  current_.textOpaque = opaque;
  current_.textBackground = colour;
  record(DrawOp::SetTextBackground);
}

void RecordingTarget::moveTo(DevicePoint p) { record(DrawOp::MoveTo).points = {p}; }

void RecordingTarget::lineTo(DevicePoint p) { record(DrawOp::LineTo).points = {p}; }

void RecordingTarget::arc(const DeviceRect& box, DevicePoint start, DevicePoint end) {
  DrawCall& c = record(DrawOp::Arc);
  c.box = box;
  c.points = {start, end};
}

void RecordingTarget::ellipse(const DeviceRect& box) { record(DrawOp::Ellipse).box = box; }

void RecordingTarget::rectangle(const DeviceRect& box) { record(DrawOp::Rectangle).box = box; }

void RecordingTarget::polygon(const std::vector<DevicePoint>& points) { record(DrawOp::Polygon).points = points; }

void RecordingTarget::polyPolygon(const std::vector<std::vector<DevicePoint>>& polygons) {
  record(DrawOp::PolyPolygon).polygons = polygons;
}

void RecordingTarget::text(DevicePoint p, TextAlign align, std::string_view cp1252) {
  DrawCall& c = record(DrawOp::Text);
  c.points = {p};
  c.align = align;
  c.text = std::string(cp1252);
}

void RecordingTarget::clear(Rgb colour) { record(DrawOp::Clear).colour = colour; }

void RecordingTarget::drawMetafile(const Metafile& metafile, const DeviceRect& box) {
  DrawCall& c = record(DrawOp::DrawMetafile);
  c.text = metafile.name();
  c.box = box;
  if (playMetafiles_) DrawTarget::drawMetafile(metafile, box);
}

std::vector<DrawCall> RecordingTarget::callsOf(DrawOp op) const {
  std::vector<DrawCall> result;
  for (const DrawCall& c : calls_)
    if (c.op == op) result.push_back(c);
  return result;
}

std::size_t RecordingTarget::count(DrawOp op) const {
  return std::size_t(std::count_if(calls_.begin(), calls_.end(), [op](const DrawCall& c) { return c.op == op; }));
}

std::string RecordingTarget::dump() const {
  std::string s;
  for (const DrawCall& c : calls_) s += describe(c) + "\n";
  return s;
}

}  // namespace qx
