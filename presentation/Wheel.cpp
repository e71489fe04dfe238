#include "Wheel.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "Angles.h"
#include "Aspetti.h"
#include "LineeAspetti.h"
#include "PlanetSpread.h"
#include "PositionFormats.h"
#include "TextHelpers.h"

namespace qx {

namespace {

constexpr Rgb kRed = 0xFF0000;
constexpr Rgb kBlue = 0x0000FF;
constexpr Rgb kAqua = 0x00FFFF;

// Role pens and text colours of the drawing layer.
constexpr int kRoleMain = 0;   // white on the screen, black on paper
constexpr int kRoleThin = 10;  // the thin variant

void lineBetween(Drawing& drawing, LogicalPoint from, LogicalPoint to) { drawing.line(from.y, from.x, to.y, to.x); }

// A filled dot of radius r about p, with the current pen and brush.
void dot(Drawing& drawing, LogicalPoint p, Extended r) { drawing.ellipse(p.y - r, p.x - r, p.y + r, p.x + r); }

// A radial line of the wheel at angle theta between two radii.
void radial(Drawing& drawing, const WheelFrame& frame, Extended theta, Extended fromRadius, Extended toRadius) {
  lineBetween(drawing, frame.at(theta, fromRadius), frame.at(theta, toRadius));
}

// A label centred on the point of the ring at theta, its top `above` units
// above the point.
void centredLabel(Drawing& drawing, const WheelFrame& frame, std::string_view text, int font, Extended theta,
                  Extended radius, Extended above) {
  const LogicalPoint p = frame.at(theta, radius);
  drawing.textCentred(text, font, p.y - above, p.x);
}

// The degree within the sign as the wheel writes it: dd°mm', minutes rounded.
std::string degreeText(Extended longitude) { return formatDegMin(normalize360(longitude), 0); }

constexpr std::array<std::string_view, 13> kChartWindowHouseLabels = {"",  "I",   "2", "3", "IV", "5", "6",
                                                                      "VII", "8", "9", "X", "11", "12"};
constexpr std::array<std::string_view, 13> kCaseMedieHouseLabels = {"",    "I",  "II", "III", "IV", "V", "VI",
                                                                    "VII", "VIII", "IX", "X",   "XI", "XII"};

}  // namespace

LogicalPoint WheelFrame::at(Extended theta, Extended radius) const {
  const SinCos sc = sinCosDegrees(theta);
  return {centreX - radius * sc.cos, centreY - stretch * radius * sc.sin};
}

// ---- Zodiac ring ---------------------------------------------------------

ZodiacWalk zodiacWalk(Extended ascendant) {
  // The walk variable w runs up from the multiple of 10 at or below
  // 360 - int(ASC) and stands for the longitude 360 - w. The ring is walked
  // in half-degree steps, but only the multiples of 10 degrees mark it, so
  // the walk here steps from one of those to the next, in whole numbers.
  long start = 360 - long(truncate(ascendant));
  start -= ((start % 10) + 10) % 10;

  ZodiacWalk walk;
  long firstBoundary = 0;
  for (long w = start; walk.boundaries.size() < 13; w += 10) {
    const Extended longitude = normalize360(Extended(360 - w));
    if (w % 30 == 0) {
      // Each sign is named from the longitude of its own boundary, so that
      // an Ascendant in the last degrees of a sign labels every sign right.
      if (walk.boundaries.empty()) firstBoundary = w;
      walk.boundaries.push_back({longitude, signIndex(longitude)});
    } else if (!walk.boundaries.empty() && w < firstBoundary + 360) {
      // The ticks before the first boundary come round again before the
      // last one; each is kept once.
      walk.ticks.push_back(longitude);
    }
  }
  return walk;
}

std::array<int, kDecanCount> decanSymbolCodes() {
  // Mars for the first decan of Aries, then the Chaldean rulers going
  // backwards from the last decan of Pisces: Mars, Jupiter, Saturn, Moon,
  // Mercury, Venus, Sun, and round again.
  constexpr std::array<int, 7> kBackwards = {5, 6, 7, 2, 3, 4, 1};
  std::array<int, kDecanCount> codes{};
  codes[0] = 5;
  for (int k = 1; k < kDecanCount; ++k) codes[std::size_t(k)] = kBackwards[std::size_t((k - 1) % 7)];
  return codes;
}

void drawZodiacRing(Drawing& drawing, const WheelFrame& frame, std::string_view signPrefix, Extended symbolSize,
                    Extended innerRadius, Extended radius) {
  const Extended b = innerRadius;
  const Extended c = radius;
  const Extended cx = frame.centreX;
  const Extended cy = frame.centreY;

  drawing.selectRolePen(kRoleMain);
  drawing.circle(c + 5, cy, cx);
  drawing.circle(c, cy, cx);
  drawing.circle(b, cy, cx);
  drawing.line(cy, cx - (c + 5), cy, cx - (c + 15));
  drawing.line(cy, cx + (c + 5), cy, cx + (c + 15));

  // The symbols leave the pen in use as they found it.
  const ZodiacWalk walk = zodiacWalk(frame.ascendant);
  for (std::size_t k = 0; k < walk.boundaries.size(); ++k) {
    const SignBoundary& boundary = walk.boundaries[k];
    const Extended theta = frame.angleOf(boundary.longitude);
    radial(drawing, frame, theta, c + 5, b);
    // The thirteenth boundary closes the circle on the first one; its sign
    // has its symbol already.
    if (k < 12) {
      const LogicalPoint p = frame.at(theta - 15, (b + c) / 2);
      drawing.signSymbol(boundary.sign, signPrefix, symbolSize, p.y, p.x);
    }
  }
  drawing.selectRolePen(kRoleThin);
  for (const Extended longitude : walk.ticks) radial(drawing, frame, frame.angleOf(longitude), c + 5, c - 3);

  const std::array<int, kDecanCount> codes = decanSymbolCodes();
  const Extended firstTheta = frame.angleOf(0) - 5;
  for (int k = 0; k < kDecanCount; ++k) {
    const LogicalPoint p = frame.at(firstTheta + 10 * k, c + 2.5L);
    drawing.planetSymbol(codes[std::size_t(k)], 3.5L, p.y, p.x);
  }
}

// ---- House ring ----------------------------------------------------------

void drawHouseRing(Drawing& drawing, const WheelFrame& frame, HouseRingVariant variant, Extended outerRadius,
                   Extended innerRadius, const CuspArray& cusps) {
  const Extended c = outerRadius;
  const Extended d = innerRadius;
  const Extended cx = frame.centreX;
  const Extended cy = frame.centreY;
  const Extended labelRadius = (c + d) / 2;
  const bool caseMedie = variant == HouseRingVariant::CaseMedie;

  if (c < 70) {
    drawing.selectRolePen(kRoleThin);
    drawing.circle(c, cy, cx);
    drawing.circle(d, cy, cx);
    if (caseMedie) drawing.circle(c + 3, cy, cx);
  }
  if (caseMedie) {
    drawing.selectPen(5);
    const Extended first = frame.angleOf(cusps[1]) + 15;
    for (int k = 0; k < 60; ++k) radial(drawing, frame, first + 6 * k, c, c + 3);
  }

  // The lines of each axis: at the cusps, or where the houses begin, 15
  // degrees before the cusps.
  const Extended lineShift = caseMedie ? 15 : 0;
  for (int i = 1; i <= 6; ++i) {
    drawing.selectRolePen(i == 1 || i == 4 ? kRoleMain : kRoleThin);
    const Extended theta = frame.angleOf(cusps[std::size_t(i)]) + lineShift;
    radial(drawing, frame, theta, c, d);
    radial(drawing, frame, theta + 180, c, d);
  }

  drawing.setTextColourRole(kRoleMain);
  for (int i = 1; i <= 6; ++i) {
    const Extended theta = frame.angleOf(cusps[std::size_t(i)]);
    if (caseMedie) {
      centredLabel(drawing, frame, kCaseMedieHouseLabels[std::size_t(i + 6)], 2, theta + 190, labelRadius, 2);
      centredLabel(drawing, frame, kCaseMedieHouseLabels[std::size_t(i)], 2, theta + 10, labelRadius, 2);
    } else {
      centredLabel(drawing, frame, kChartWindowHouseLabels[std::size_t(i)], 2, theta - 5, labelRadius, 2);
      centredLabel(drawing, frame, kChartWindowHouseLabels[std::size_t(i + 6)], 2, theta + 175, labelRadius, 2);
    }
  }
}

// ---- Planet ring ---------------------------------------------------------

std::vector<RingBody> sheetRingBodies(const ChartRecord& chart) {
  std::vector<RingBody> bodies;
  for (int k = kSun; k <= kSouthNode; ++k)
    bodies.push_back({k, chart.Lon[std::size_t(k)], chart.RetroMark[std::size_t(k)]});
  return bodies;
}

void drawPlanetRing(Drawing& drawing, const WheelFrame& frame, const std::vector<RingBody>& bodies,
                    Extended outerRadius, Extended innerRadius, float spacing) {
  const Extended c = outerRadius;
  const Extended d = innerRadius;
  const Extended symbolRadius = (c + d) / 2;

  std::vector<Extended> trueAngle;
  std::vector<float> angles;
  for (const RingBody& body : bodies) {
    trueAngle.push_back(normalize360(frame.angleOf(body.longitude)));
    angles.push_back(float(trueAngle.back()));
  }
  const std::vector<float> spread = spreadAngles(angles, spacing);

  for (std::size_t k = 0; k < bodies.size(); ++k) {
    const RingBody& body = bodies[k];
    const LogicalPoint p = frame.at(spread[k], symbolRadius);
    drawing.selectPen(14);
    drawing.circle(4.5L, p.y, p.x);
    drawing.planetSymbol(body.code, 4, p.y - 1.5L, p.x);
    drawing.setTextColourRole(kRoleMain);
    drawing.textLeft(degreeText(body.longitude), 0, p.y + 0.8L, p.x - 3);
    if (body.retroMark == "r" || body.retroMark == "R") {
      drawing.setTextColour(kRed);
      drawing.textLeft("r", 0, p.y - 4, p.x + 2);
      drawing.setTextColourRole(kRoleMain);
    }
  }

  drawing.selectRolePen(kRoleThin);
  drawing.selectBrush(drawing.onScreen() ? kWhite : kBlack);
  for (std::size_t k = 0; k < bodies.size(); ++k) {
    const LogicalPoint outer = frame.at(trueAngle[k], c);
    const LogicalPoint inner = frame.at(trueAngle[k], d);
    lineBetween(drawing, outer, frame.at(spread[k], symbolRadius + 4.3L));
    lineBetween(drawing, inner, frame.at(spread[k], symbolRadius - 4.3L));
    dot(drawing, outer, 0.2L);
    dot(drawing, inner, 0.2L);
  }

  drawing.selectRolePen(kRoleThin);
  drawing.circle(d, frame.centreY, frame.centreX);
}

// ---- Aspect figure of the summary sheets ---------------------------------

SheetAspectPoints sheetAspectPoints(const ChartRecord& chart) {
  SheetAspectPoints points{};
  for (int k = kSun; k <= kSaturn; ++k) points[std::size_t(k)] = chart.Lon[std::size_t(k)];
  points[8] = chart.Lon[kAscendant];
  points[9] = chart.Lon[kMidheaven];
  return points;
}

std::vector<SheetAspect> sheetAspects(const SheetAspectPoints& points, const OrbTable& orbs, const WheelFrame& frame,
                                      Extended radius) {
  // The figure's end points use whole degrees and no stretch.
  const WheelGeometry circle{frame.centreX, frame.centreY, radius};
  const auto endPoint = [&](Extended longitude) {
    const WheelPoint p = wheelAspectPoint(frame.ascendant, longitude, circle);
    return LogicalPoint{std::nearbyint(p.x), std::nearbyint(p.y)};
  };

  std::vector<SheetAspect> aspects;
  for (int i = 1; i <= 7; ++i) {
    for (int j = i + 1; j <= 9; ++j) {
      const Extended s = separation(points[std::size_t(i)], points[std::size_t(j)]);
      const std::optional<AspectMatch> match = majorAspectOf(s, orbs);
      if (!match || match->index == kConjunction) continue;
      aspects.push_back({i, j, match->index, roundedDifference(match->difference()),
                         endPoint(points[std::size_t(i)]), endPoint(points[std::size_t(j)])});
    }
  }
  return aspects;
}

std::array<LogicalPoint, 6> spindlePolygon(LogicalPoint from, LogicalPoint to, int exactness) {
  constexpr Extended kShoulder = 8;  // units from each end to the widest points
  const Extended p = bandHalfWidth(exactness);
  const Extended dx = to.x - from.x;
  const Extended dy = to.y - from.y;
  const Extended length = std::hypot(dx, dy);
  if (length == 0) return {from, from, from, from, from, from};
  const Extended ux = dx / length, uy = dy / length;  // along the segment
  const Extended nx = -uy, ny = ux;                   // across it
  const auto point = [&](LogicalPoint base, Extended along, Extended across) {
    return LogicalPoint{base.x + along * ux + across * nx, base.y + along * uy + across * ny};
  };
  return {from,
          point(from, kShoulder, p),
          point(to, -kShoulder, p),
          to,
          point(to, -kShoulder, -p),
          point(from, kShoulder, -p)};
}

void drawSheetAspectFigure(Drawing& drawing, const WheelFrame& frame, Extended radius,
                           const SheetAspectPoints& points, const OrbTable& orbs, AspectFigureStyle style) {
  drawing.selectRolePen(kRoleThin);
  drawing.circle(radius, frame.centreY, frame.centreX);

  for (const SheetAspect& aspect : sheetAspects(points, orbs, frame, radius)) {
    const bool harmonious = aspect.aspect == kTrine || aspect.aspect == kSextile;
    if (style == AspectFigureStyle::Spindles) {
      drawing.selectPen(harmonious ? 25 : 7);
      drawing.selectBrush(harmonious ? kBlue : kRed);
      std::vector<DevicePoint> outline;
      for (const LogicalPoint& q : spindlePolygon(aspect.from, aspect.to, aspect.exactness))
        outline.push_back(drawing.map(q.y, q.x));
      drawing.target().polygon(outline);
    } else if (harmonious) {
      drawing.selectPen(80);
      lineBetween(drawing, aspect.from, aspect.to);
    } else {
      drawing.selectPen(79);
      drawing.selectBrush(kRed);
      drawing.dottedLine(aspect.from.y, aspect.from.x, aspect.to.y, aspect.to.x, true);
    }
  }
}

// ---- Angle marks ---------------------------------------------------------

void drawAngleMarks(Drawing& drawing, const WheelFrame& frame, const CuspArray& cusps, Extended midheaven,
                    Extended radius, bool caseMedie) {
  const Extended r = radius;
  const Extended textRadius = r + 7;
  const Extended ascendantTheta = frame.angleOf(cusps[1]);
  const Extended descendantTheta = ascendantTheta + 180;

  drawing.selectPen(2);
  radial(drawing, frame, descendantTheta, r, r + 10);
  radial(drawing, frame, ascendantTheta, r, r + 10);
  drawing.selectBrush(kAqua);
  dot(drawing, frame.at(ascendantTheta, r), 1.5L);

  drawing.setTextColourRole(kRoleMain);
  const std::string ascendantDegree = degreeText(cusps[1]);
  for (const Extended theta : {ascendantTheta, descendantTheta}) {
    const LogicalPoint p = frame.at(theta, textRadius);
    drawing.textCentred(ascendantDegree, 1, p.y + 1, p.x);
  }
  drawing.textCentred("AS", 4, frame.centreY - 9, frame.centreX - r - 7);

  if (!caseMedie) return;

  const Extended midheavenTheta = frame.angleOf(midheaven);
  drawing.selectBrush(kAqua);
  dot(drawing, frame.at(midheavenTheta, r), 1.5L);
  const LogicalPoint mc = frame.at(midheavenTheta, textRadius);
  drawing.textCentred("MC", 4, mc.y - 5, mc.x - 11);
  drawing.textCentred(degreeText(midheaven), 1, mc.y - 4, mc.x);
  dot(drawing, frame.at(midheavenTheta + 180, r), 1.5L);

  drawing.selectBrush(kRed);
  for (int i = 1; i <= 6; ++i) {
    const Extended boundary = cusps[std::size_t(i)] - 15;
    const Extended theta = frame.angleOf(boundary);
    dot(drawing, frame.at(theta, r), 1);
    dot(drawing, frame.at(theta + 180, r), 1);
    const std::string text = degreeText(boundary);
    centredLabel(drawing, frame, text, 1, theta, textRadius, 2);
    // Beside the opposite dots of the third and fourth axes the Midheaven's
    // and the Imum Coeli's texts stand.
    if (i != 3 && i != 4) centredLabel(drawing, frame, text, 1, theta + 180, textRadius, 2);
  }
}

// ---- The natal wheel of the summary sheets -------------------------------

void drawSheetNatalWheel(Drawing& drawing, const ChartRecord& chart, const OrbTable& orbs, AspectFigureStyle style) {
  const DrawingState& state = drawing.state();
  const Extended w1 = state.Wheel[0], w2 = state.Wheel[1], w3 = state.Wheel[2], w4 = state.Wheel[3];
  const Extended w5 = state.Wheel[4], w6 = state.Wheel[5], w7 = state.Wheel[6], w8 = state.Wheel[7];
  const WheelFrame frame{w1, w2, chart.Cusp[1], state.WheelStretch};
  const CuspArray& cusps = chart.Cusp;

  drawZodiacRing(drawing, frame, "M", 7, w4, w3);
  drawPlanetRing(drawing, frame, sheetRingBodies(chart), w5, w6, kPlanetSpacing);
  drawHouseRing(drawing, frame, HouseRingVariant::CaseMedie, w7 - 3, w8 - 3, cusps);
  drawSheetAspectFigure(drawing, frame, w8 - 3, sheetAspectPoints(chart), orbs, style);
  drawAngleMarks(drawing, frame, cusps, chart.Lon[kMidheaven], w3 + 5,
                 trimTrailingBlanks(chart.HouseSystem) == "CASE_MEDIE");
}

}  // namespace qx
