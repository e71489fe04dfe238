#pragma once
// The aspect figure on the chart window's wheel, as plain data for the
// drawing layer: a dot at each point's place on the inner circle and one line
// per drawn major aspect, carrying both looks the window alternates (thin
// lines and bands).

#include <utility>
#include <vector>

#include "Aspetti.h"
#include "ChartRecord.h"
#include "Extended.h"
#include "OrbTable.h"

namespace qx {

// Which point list the wheel shows: the eleven points (Ascendant at 10) or
// the fourteen of the planetary-powers page (1..10 Sun to Pluto, 11 node,
// 12 apogee, 13 Ascendant, 14 Midheaven).
enum class WheelPointSet { Eleven, Fourteen };

int wheelPointCount(WheelPointSet set);
int wheelAscendantIndex(WheelPointSet set);

struct WheelPoint {
  Extended x = 0;
  Extended y = 0;
};

// The circle the end points lie on (the wheel's inner circle), in drawing
// units; y grows downward.
struct WheelGeometry {
  Extended centreX = 0;
  Extended centreY = 0;
  Extended radius = 0;
};

// Thin dashed line: 15 dashes, each 2/44 of the segment, one every 3/44.
inline constexpr int kAspectDashCount = 15;
inline constexpr int kAspectDashSteps = 44;
inline constexpr int kAspectDashLength = 2;
inline constexpr int kAspectDashPeriod = 3;

struct WheelAspectLine {
  int first = 0;   // point numbers in the list, first < second
  int second = 0;
  int aspect = kTrine;       // AspectIndex, 1..4 (conjunctions are not drawn)
  Extended difference = 0;   // |d - angle|
  int rounded = 0;           // the difference to the nearest whole number, ties to even
  WheelPoint from;
  WheelPoint to;
  // Thin style: trine and sextile solid aqua, square and opposition dashed red.
  AspectColour thinColour = AspectColour::Aqua;
  bool dashed = false;
  // Band style: a six-corner band of this half-width, widest when exact;
  // trine and sextile blue with an aqua outline, square and opposition red
  // with a yellow outline.
  Extended halfWidth = 0;
  AspectColour bandFill = AspectColour::Blue;
  AspectColour bandOutline = AspectColour::Aqua;
};

struct WheelAspectFigure {
  std::vector<WheelPoint> dots;  // dots[k] marks point k + 1
  std::vector<WheelAspectLine> lines;
};

// The place of longitude `lon` on the circle: theta = A + 360 - L with the
// Ascendant A and the longitude L each taken to the nearest whole degree;
// x = cx - R cos theta, y = cy - R sin theta (Ascendant to the left,
// longitudes advancing counter-clockwise).
WheelPoint wheelAspectPoint(Extended ascendant, Extended lon, const WheelGeometry& geometry);

// 1 / (1.2 sqrt(max(r, 0.2))) for the rounded difference r.
Extended bandHalfWidth(int rounded);

// Every pair i < j of the list, major test; conjunctions are not drawn, nor
// oppositions whose rounded difference is 0 (the node axis and any opposition
// within half a degree).
WheelAspectFigure wheelAspectFigure(const PositionArray& lon, WheelPointSet set, const OrbTable& orbs,
                                    const WheelGeometry& geometry);

// The 15 dashes of a thin dashed line from `from` to `to`.
std::vector<std::pair<WheelPoint, WheelPoint>> dashSegments(WheelPoint from, WheelPoint to);

}  // namespace qx
