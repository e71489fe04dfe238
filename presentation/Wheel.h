#pragma once
// The chart wheel: how a zodiacal longitude becomes a point of the logical
// page, and the rings a wheel is made of (zodiac ring, house ring, planet
// ring, the aspect figure of the summary sheets, the angle marks), drawn
// through the drawing layer. The chart window and the summary sheets place
// wheels of their own sizes with these pieces.
//
// Angles: for a wheel with the Ascendant ASC (the chart's first cusp) the
// longitude L lies at theta = ASC - L; on a ring of radius r about (cx, cy)
// that is x = cx - r cos theta, y = cy - K r sin theta, K being the drawing
// state's wheel stretch. The Ascendant is at the left of the centre,
// longitudes grow counter-clockwise and 90 degrees after the Ascendant lies
// below the centre.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "ChartRecord.h"
#include "Drawing.h"
#include "Extended.h"
#include "OrbTable.h"

namespace qx {

struct LogicalPoint {
  Extended x = 0;
  Extended y = 0;
  friend bool operator==(const LogicalPoint&, const LogicalPoint&) = default;
};

// The geometry of one wheel.
struct WheelFrame {
  Extended centreX = 0;
  Extended centreY = 0;
  Extended ascendant = 0;  // longitude of the first cusp
  Extended stretch = 1;    // K, on the vertical component only

  Extended angleOf(Extended longitude) const { return ascendant - longitude; }
  LogicalPoint at(Extended theta, Extended radius) const;
  LogicalPoint ofLongitude(Extended longitude, Extended radius) const { return at(angleOf(longitude), radius); }
};

// ---- Zodiac ring ---------------------------------------------------------

struct SignBoundary {
  Extended longitude = 0;  // 0, 30, ... 330
  int sign = 1;            // the sign that begins there, 1 Aries .. 12 Pisces
};

// The ring's walk round the circle: it starts at the multiple of 10 degrees at
// or above the whole degrees of the Ascendant and goes down in longitude
// (counter-clockwise on the wheel is up in longitude, so the walk turns
// clockwise), meeting 13 sign boundaries so that the circle is closed, and
// the 24 other multiples of 10 degrees once each.
struct ZodiacWalk {
  std::vector<SignBoundary> boundaries;  // 13 in walk order; the last is the first again
  std::vector<Extended> ticks;           // longitudes of the tick marks
};
ZodiacWalk zodiacWalk(Extended ascendant);

// The planet codes of the 36 decan symbols in the order they are drawn: the
// first decan of Aries, then backwards from the last decan of Pisces.
inline constexpr int kDecanCount = 36;
std::array<int, kDecanCount> decanSymbolCodes();

// Circles of radius c + 5, c and b; horizon stubs; sign boundaries from
// c + 5 to b with each sign's symbol of size `symbolSize` at radius (b + c)/2
// in the middle of the sign; ticks from c + 5 to c - 3 at the other multiples
// of 10 degrees; the 36 decan symbols (size 3.5) at radius c + 2.5.
void drawZodiacRing(Drawing& drawing, const WheelFrame& frame, std::string_view signPrefix, Extended symbolSize,
                    Extended innerRadius, Extended radius);

// ---- House ring ----------------------------------------------------------

enum class HouseRingVariant {
  ChartWindow,  // lines at the cusps, labels "I", "2", "3", "IV" ...
  CaseMedie,    // each cusp the middle of its house: lines 15 degrees before the
                // cusps, a scale of 6-degree ticks, labels "I" to "XII"
};

using CuspArray = std::array<Extended, 13>;  // index 1..12

void drawHouseRing(Drawing& drawing, const WheelFrame& frame, HouseRingVariant variant, Extended outerRadius,
                   Extended innerRadius, const CuspArray& cusps);

// ---- Planet ring ---------------------------------------------------------

struct RingBody {
  int code = 1;            // planet symbol code (the body number)
  Extended longitude = 0;
  std::string retroMark;   // "r" or "R" marks a body moving backwards
};

// Sun to Saturn and the two lunar nodes, as the summary sheets show them.
std::vector<RingBody> sheetRingBodies(const ChartRecord& chart);

// Each body's symbol in a green circle on the middle radius, spread so that
// no two are closer than `spacing` degrees, with its degree within the sign
// below and a red "r" when retrograde; pointers from the true places on both
// edges of the ring to the symbol; then the inner circle.
void drawPlanetRing(Drawing& drawing, const WheelFrame& frame, const std::vector<RingBody>& bodies,
                    Extended outerRadius, Extended innerRadius, float spacing = 5.0f);

// ---- Aspect figure of the summary sheets ---------------------------------

enum class AspectFigureStyle : int {
  Spindles = 0,
  Lines = 1,
};

// Points 1..7 the planets, 8 the Ascendant, 9 the Midheaven (index 0 unused);
// the lunar nodes never take part.
using SheetAspectPoints = std::array<Extended, 10>;
SheetAspectPoints sheetAspectPoints(const ChartRecord& chart);

struct SheetAspect {
  int first = 0;   // 1..7
  int second = 0;  // first + 1 .. 9
  int aspect = kTrine;  // AspectIndex; conjunctions are not listed
  int exactness = 0;    // e: whole degrees from exact
  LogicalPoint from;    // on the figure's circle, whole logical units
  LogicalPoint to;
};

// Every pair (i, j), i = 1..7, j = i + 1..9, tested opposition, trine,
// square, sextile, conjunction with the orbs in force, the first match
// deciding; conjunctions are left out. The end points lie at the whole-degree
// angles round(ASC) + 360 - round(L) on the circle of `radius`, without the
// wheel stretch, rounded to whole units.
std::vector<SheetAspect> sheetAspects(const SheetAspectPoints& points, const OrbTable& orbs, const WheelFrame& frame,
                                      Extended radius);

// The spindle between two end points: with w = max(e, 0.2) and
// p = 1 / (1.2 sqrt(w)), the ends and, on each side, the points p units off
// the segment 8 units from each end, in outline order.
std::array<LogicalPoint, 6> spindlePolygon(LogicalPoint from, LogicalPoint to, int exactness);

// The circle of `radius` and a spindle or a line for each aspect: trines and
// sextiles blue (spindle pen 25 on a blue brush, or a line with pen 80),
// squares and oppositions red (spindle pen 7 on a red brush, or a line of
// fine dots with pen 79).
void drawSheetAspectFigure(Drawing& drawing, const WheelFrame& frame, Extended radius,
                           const SheetAspectPoints& points, const OrbTable& orbs, AspectFigureStyle style);

// ---- Angle marks ---------------------------------------------------------

// The horizon at radius r (lines to r + 10, the Ascendant's dot, its degree
// on both sides at r + 7, "AS"); with "CASE_MEDIE" also the Midheaven and
// Imum Coeli dots, "MC" and its degree, and red dots with their degrees at
// the house boundaries 15 degrees before each cusp.
void drawAngleMarks(Drawing& drawing, const WheelFrame& frame, const CuspArray& cusps, Extended midheaven,
                    Extended radius, bool caseMedie);

// ---- The natal wheel of the summary sheets -------------------------------

// At the centre (W1, W2) of the state's wheel layout: the zodiac ring (prefix
// "M", symbols of 7, radii W4 and W3), the planet ring of the nine bodies
// (W5, W6), the "CASE_MEDIE" house ring (W7 - 3, W8 - 3), the aspect figure
// (W8 - 3) and the angle marks (W3 + 5).
void drawSheetNatalWheel(Drawing& drawing, const ChartRecord& chart, const OrbTable& orbs, AspectFigureStyle style);

}  // namespace qx
