#include "Outline.h"

#include <QPainterPathStroker>
#include <QPolygonF>
#include <QTransform>
#include <algorithm>
#include <cmath>

namespace qx {

namespace {

double length(QPointF p) { return std::hypot(p.x(), p.y()); }

// A cubic Bezier cut into n equal parameter steps deviates from its chords by
// at most 3/4 x max|second difference| / n^2; n is the smallest count that
// keeps this within the tolerance.
void appendCubic(Contour& contour, QPointF p0, QPointF p1, QPointF p2, QPointF p3, double tolerance) {
  const double bend = std::max(length(p0 - 2 * p1 + p2), length(p1 - 2 * p2 + p3));
  const int steps = std::max(1, static_cast<int>(std::ceil(std::sqrt(0.75 * bend / tolerance))));
  for (int k = 1; k <= steps; ++k) {
    const double t = static_cast<double>(k) / steps;
    const double u = 1 - t;
    contour.push_back(u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3);
  }
}

void closeContour(Outline& outline, Contour& contour) {
  if (contour.size() > 1 && contour.front() == contour.back()) contour.pop_back();
  if (contour.size() >= 3) outline.push_back(std::move(contour));
  contour.clear();
}

QPainterPath pathOf(const Outline& outline) {
  QPainterPath path;
  path.setFillRule(Qt::WindingFill);
  for (const Contour& contour : outline) {
    path.addPolygon(QPolygonF(QList<QPointF>(contour.begin(), contour.end())));
    path.closeSubpath();
  }
  return path;
}

// Even-odd crossing test.
bool inside(QPointF p, const Contour& contour) {
  bool in = false;
  for (std::size_t i = 0, j = contour.size() - 1; i < contour.size(); j = i++) {
    const QPointF a = contour[i], b = contour[j];
    if ((a.y() > p.y()) != (b.y() > p.y())) {
      const double x = a.x() + (p.y() - a.y()) * (b.x() - a.x()) / (b.y() - a.y());
      if (p.x() < x) in = !in;
    }
  }
  return in;
}

}  // namespace

Outline flattenPath(const QPainterPath& path, double tolerance) {
  Outline outline;
  Contour contour;
  for (int i = 0; i < path.elementCount(); ++i) {
    const QPainterPath::Element e = path.elementAt(i);
    switch (e.type) {
      case QPainterPath::MoveToElement:
        closeContour(outline, contour);
        contour.push_back(e);
        break;
      case QPainterPath::LineToElement:
        contour.push_back(e);
        break;
      case QPainterPath::CurveToElement: {
        const QPointF start = contour.empty() ? QPointF(e) : contour.back();
        appendCubic(contour, start, e, path.elementAt(i + 1), path.elementAt(i + 2), tolerance);
        i += 2;
        break;
      }
      case QPainterPath::CurveToDataElement:
        break;  // consumed with its curve
    }
  }
  closeContour(outline, contour);
  return outline;
}

Outline grown(const Outline& outline, double margin, double tolerance) {
  QPainterPathStroker stroker;
  stroker.setWidth(2 * margin);
  stroker.setJoinStyle(Qt::RoundJoin);
  stroker.setCapStyle(Qt::RoundCap);
  return unite({outline, flattenPath(stroker.createStroke(pathOf(outline)), tolerance)});
}

Outline unite(const std::vector<Outline>& parts) {
  Outline all;
  for (const Outline& part : parts)
    for (Contour& contour : mergeOverlaps(part)) all.push_back(std::move(contour));
  return mergeOverlaps(all);
}

double signedArea(const Contour& contour) {
  double twice = 0;
  for (std::size_t i = 0, j = contour.size() - 1; i < contour.size(); j = i++)
    twice += contour[j].x() * contour[i].y() - contour[i].x() * contour[j].y();
  return twice / 2;
}

Outline mergeOverlaps(const Outline& outline) {
  const QPainterPath path = pathOf(outline);
  // The path holds straight segments only, so simplifying adds no points of
  // its own; its result is meant for even-odd fill.
  Outline merged;
  for (const QPolygonF& polygon : path.simplified().toSubpathPolygons()) {
    Contour contour(polygon.begin(), polygon.end());
    closeContour(merged, contour);
  }
  // A contour inside an even number of others bounds a filled region, inside
  // an odd number a hole; give the two kinds opposite turns. Contours do not
  // cross but may touch, so a contour counts as inside another when most of
  // its points are.
  for (std::size_t i = 0; i < merged.size(); ++i) {
    int depth = 0;
    for (std::size_t j = 0; j < merged.size(); ++j) {
      if (j == i) continue;
      std::size_t in = 0;
      for (const QPointF& p : merged[i]) in += inside(p, merged[j]) ? 1 : 0;
      if (2 * in > merged[i].size()) ++depth;
    }
    const bool filled = depth % 2 == 0;
    if ((signedArea(merged[i]) > 0) != filled) std::reverse(merged[i].begin(), merged[i].end());
  }
  return merged;
}

QTransform fitIntoSquare(const QRectF& bounds, double side, double extent) {
  const double scale = extent / std::max(bounds.width(), bounds.height());
  QTransform t;
  t.translate(side / 2, side / 2);
  t.scale(scale, scale);
  t.translate(-bounds.center().x(), -bounds.center().y());
  return t;
}

std::vector<std::vector<DevicePoint>> devicePolygons(const Outline& outline, double straightness) {
  std::vector<std::vector<DevicePoint>> polygons;
  for (const Contour& contour : outline) {
    std::vector<DevicePoint> points;
    for (const QPointF& p : contour) {
      const DevicePoint d{std::round(p.x()), std::round(p.y())};
      if (points.empty() || !(points.back() == d)) points.push_back(d);
    }
    while (points.size() > 1 && points.front() == points.back()) points.pop_back();

    // Drop points that add nothing: each is measured against the line through
    // its neighbours, and the pass repeats until every point stays.
    bool changed = true;
    while (changed && points.size() > 3) {
      changed = false;
      for (std::size_t i = 0; i < points.size() && points.size() > 3;) {
        const DevicePoint a = points[(i + points.size() - 1) % points.size()];
        const DevicePoint p = points[i];
        const DevicePoint b = points[(i + 1) % points.size()];
        const double dx = b.x - a.x, dy = b.y - a.y;
        const double chord = std::hypot(dx, dy);
        bool redundant = false;
        if (chord > 0) {
          const double along = ((p.x - a.x) * dx + (p.y - a.y) * dy) / (chord * chord);
          const double off = std::abs((p.x - a.x) * dy - (p.y - a.y) * dx) / chord;
          redundant = along > 0 && along < 1 && off <= straightness;
        }
        if (redundant) {
          points.erase(points.begin() + static_cast<std::ptrdiff_t>(i));
          changed = true;
        } else {
          ++i;
        }
      }
    }
    if (points.size() >= 3) polygons.push_back(std::move(points));
  }
  return polygons;
}

std::size_t pointCount(const std::vector<std::vector<DevicePoint>>& polygons) {
  std::size_t n = 0;
  for (const auto& polygon : polygons) n += polygon.size();
  return n;
}

}  // namespace qx
