#pragma once
// Filled outlines of the symbol pictures: closed polygons in the picture's
// device units, meant to be filled with the winding (non-zero) rule, as one
// poly-polygon of a metafile.
//
// A shape starts as a painter path (a font glyph, stroked lines, a circle),
// is placed in the square picture, flattened to line segments within a
// tolerance, and has its overlaps merged so that an outline pen traces only
// the visible edge and never the seams of overlapping strokes.

#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QTransform>
#include <vector>

#include "DrawTarget.h"

namespace qx {

using Contour = std::vector<QPointF>;  // closed: the last point joins the first
using Outline = std::vector<Contour>;

// The path's curves replaced by chords that stray from the curve by at most
// `tolerance`; every subpath becomes one closed contour.
Outline flattenPath(const QPainterPath& path, double tolerance);

// The union of the outline's area under the winding rule, as contours that
// do not cross one another, each oriented so that a filled region turns one
// way and a hole in it the other: winding and even-odd fill then agree.
Outline mergeOverlaps(const Outline& outline);

// The union of separately made parts: each part is merged on its own first,
// so a part turning the other way cannot cut a hole in another under the
// winding rule.
Outline unite(const std::vector<Outline>& parts);

// The outline grown by `margin` on every side (round corners), curves
// flattened within `tolerance`: thin strokes of a font made bolder so that
// they hold at the few pixels of a wheel symbol.
Outline grown(const Outline& outline, double margin, double tolerance);

// Signed area (positive when the contour turns clockwise on a y-down device).
double signedArea(const Contour& contour);

// Maps `bounds` uniformly into a square of side `side` so that its longer
// side measures `extent` and its centre is the square's centre.
QTransform fitIntoSquare(const QRectF& bounds, double side, double extent);

// Whole device units: points rounded, repeated points and points lying on
// the straight line between their neighbours (within `straightness` units)
// dropped; contours left with fewer than three points are dropped too.
std::vector<std::vector<DevicePoint>> devicePolygons(const Outline& outline, double straightness);

std::size_t pointCount(const std::vector<std::vector<DevicePoint>>& polygons);

}  // namespace qx
