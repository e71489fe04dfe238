#pragma once
// The aspect tests over the longitudes of the computed chart: which pair of
// points stands in an aspect, which one and how exactly, and the texts the
// chart window and the sheets build from them.
//
// Points come from a longitude list indexed from 1 in the eleven-point
// layout: 1 Sun .. 7 Saturn, 8 north node, 9 south node, 10 Ascendant,
// 11 Midheaven.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ChartRecord.h"
#include "Extended.h"
#include "OrbTable.h"

namespace qx {

inline constexpr int kElevenPoints = 11;

// Names of the eleven points in the aspect list, and their three-letter codes
// in the coded entries; index 1..11 (index 0 empty).
extern const std::array<std::string_view, kElevenPoints + 1> kAspectPointNames;
extern const std::array<std::string_view, kElevenPoints + 1> kAspectPointCodes;

// A matched aspect.
struct AspectMatch {
  int index = kConjunction;  // AspectIndex
  Extended angle = 0;        // the aspect's exact angle
  Extended offset = 0;       // separation minus the exact angle
  int glyphCode = 0;         // grid glyph, 0 for none

  // How far from exact, |d - angle|.
  Extended difference() const;
};

// The colours the aspect figures and grids use.
enum class AspectColour { Red, Aqua, Yellow, Grey, Blue };

// Angular distance of two longitudes folded into 0..180.
Extended separation(Extended a, Extended b);

// angle - orb < d < angle + orb, both bounds strict: an orb of 0 never matches.
bool withinOrb(Extended d, Extended angle, Extended orb);

// The five major aspects, tested opposition, trine, square, sextile,
// conjunction; the first match wins, so where orbs overlap the wider angle
// wins.
std::optional<AspectMatch> majorAspectOf(Extended d, const OrbTable& orbs);

// The eleven aspects of the aspect grid (decile, novile and septile are never
// tested), from the widest angle down; the first match wins.
std::optional<AspectMatch> aspectOf(Extended d, const OrbTable& orbs);

// A difference taken to the nearest whole number, ties to even.
int roundedDifference(Extended difference);

// The grid's orb text: the rounded difference in two digits ("03").
std::string gridOrbText(Extended difference);

// The exactness figure of the aspect list: the plain decimal form of the
// difference cut to 4 characters, never rounded (9.9999 gives "9.99").
std::string exactnessText(Extended difference);

// The chart window's aspect list: a title line, one line per major aspect of
// the 55 pairs of the eleven points, and three closing lines. An opposition
// within 0.00001 of exact (the node axis) is left out.
std::vector<std::string> aspectListLines(const PositionArray& lon, const OrbTable& orbs);

// The coded entries ("SolTrLun") for the pairs i = 1..9, j = i+1..11 (the
// Ascendant-Midheaven pair is not coded). Nothing is filtered, so the node
// axis always gives "NonOpNos".
std::vector<std::string> codedAspects(const PositionArray& lon, const OrbTable& orbs);

// Great-circle distance of two points in degrees, 0..180.
Extended sphericalDistance(Extended lon1, Extended lat1, Extended lon2, Extended lat2);

// The distance grid's colour: each major aspect tested on its own;
// opposition or square red, else trine or sextile aqua, else conjunction
// yellow, else grey.
AspectColour distanceColour(Extended distance, const OrbTable& orbs);

// The distance as the grid shows it: plain decimal cut to 5 characters.
std::string distanceText(Extended distance);

}  // namespace qx
