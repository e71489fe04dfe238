#include "Aspetti.h"

#include <algorithm>
#include <cmath>

#include "Angles.h"
#include "TextHelpers.h"

namespace qx {

const std::array<std::string_view, kElevenPoints + 1> kAspectPointNames = {
    "",           "il Sole",      "la Luna",     "Mercurio",       "Venere",       "Marte",
    "Giove",      "Saturno",      "il Nodo Nord", "il Nodo Sud",   "l'Ascendente", "il Mediocielo",
};

const std::array<std::string_view, kElevenPoints + 1> kAspectPointCodes = {
    "", "Sol", "Lun", "Mer", "Ven", "Mar", "Gio", "Sat", "Non", "Nos", "Asc", "Mci",
};

namespace {

// Test orders: the major test and the grid test run from the widest angle.
constexpr std::array<int, 5> kMajorOrder = {kOpposition, kTrine, kSquare, kSextile, kConjunction};
constexpr std::array<int, 11> kGridOrder = {kOpposition, kQuincunx,   kBiquintile, kSesquiquadrate,
                                            kTrine,      kSquare,     kQuintile,   kSextile,
                                            kSemiSquare, kSemiSextile, kConjunction};

// The aspect list's phrases and the coded entries' codes, by major index.
constexpr std::array<std::string_view, 5> kListPhrases = {
    " in Congiunzione con ", " in Sestile con ", " in Quadratura con ", " in Trigono con ", " in Opposizione con ",
};
constexpr std::array<std::string_view, 5> kCodedNames = {"Co", "Se", "Qu", "Tr", "Op"};

// Below this an opposition is the node axis, not an aspect of the list.
constexpr Extended kListOppositionFloor = 0.00001L;

template <std::size_t N>
std::optional<AspectMatch> firstMatch(Extended d, const OrbTable& orbs, const std::array<int, N>& order) {
  for (int index : order) {
    const AspectKind& kind = kAspectKinds[std::size_t(index)];
    if (withinOrb(d, kind.angle, orbs[index])) return AspectMatch{index, kind.angle, d - kind.angle, kind.glyphCode};
  }
  return std::nullopt;
}

bool majorMatches(Extended d, const OrbTable& orbs, int index) {
  return withinOrb(d, kAspectKinds[std::size_t(index)].angle, orbs[index]);
}

}  // namespace

Extended AspectMatch::difference() const { return std::fabs(offset); }

Extended separation(Extended a, Extended b) {
  Extended d = b - a;
  if (d < 0) d += 360;
  if (d > 180) d = 360 - d;
  return d;
}

bool withinOrb(Extended d, Extended angle, Extended orb) {
  // For the conjunction (angle 0) this is d < orb, the separation being >= 0.
  return angle - orb < d && d < angle + orb;
}

std::optional<AspectMatch> majorAspectOf(Extended d, const OrbTable& orbs) { return firstMatch(d, orbs, kMajorOrder); }

std::optional<AspectMatch> aspectOf(Extended d, const OrbTable& orbs) { return firstMatch(d, orbs, kGridOrder); }

int roundedDifference(Extended difference) { return int(std::nearbyint(difference)); }

std::string gridOrbText(Extended difference) { return padZeros(roundedDifference(std::fabs(difference)), 2); }

std::string exactnessText(Extended difference) { return fixedDecimal(difference, 4); }

std::vector<std::string> aspectListLines(const PositionArray& lon, const OrbTable& orbs) {
  std::vector<std::string> lines{"ASPETTI PLANETARI"};
  for (int i = 1; i < kElevenPoints; ++i) {
    for (int j = i + 1; j <= kElevenPoints; ++j) {
      const Extended d = separation(lon[std::size_t(i)], lon[std::size_t(j)]);
      const std::optional<AspectMatch> match = majorAspectOf(d, orbs);
      if (!match) continue;
      if (match->index == kOpposition && match->difference() < kListOppositionFloor) continue;
      std::string line = exactnessText(match->difference());
      line += "   ";
      line += kAspectPointNames[std::size_t(i)];
      line += kListPhrases[std::size_t(match->index)];
      line += kAspectPointNames[std::size_t(j)];
      lines.push_back(std::move(line));
    }
  }
  lines.emplace_back("   ");
  lines.emplace_back("L'aspetto \xE8 tanto pi\xF9 preciso quanto");
  lines.emplace_back("pi\xF9 \xE8 piccolo il numero che lo precede");
  return lines;
}

std::vector<std::string> codedAspects(const PositionArray& lon, const OrbTable& orbs) {
  std::vector<std::string> entries;
  for (int i = 1; i <= 9; ++i) {
    for (int j = i + 1; j <= kElevenPoints; ++j) {
      const std::optional<AspectMatch> match = majorAspectOf(separation(lon[std::size_t(i)], lon[std::size_t(j)]), orbs);
      if (!match) continue;
      std::string entry(kAspectPointCodes[std::size_t(i)]);
      entry += kCodedNames[std::size_t(match->index)];
      entry += kAspectPointCodes[std::size_t(j)];
      entries.push_back(std::move(entry));
    }
  }
  return entries;
}

Extended sphericalDistance(Extended lon1, Extended lat1, Extended lon2, Extended lat2) {
  const Extended t1 = 90 - lat1;
  const Extended t2 = 90 - lat2;
  const Extended delta = separation(lon1, lon2);
  // x = cos t1 cos t2 + sin t1 sin t2 cos delta, written as
  // cos(t1 - t2) - sin t1 sin t2 (1 - cos delta): the same value, but two
  // identical points give exactly 1 (distance 0) instead of a rounding error
  // on either side of 1, where the arc cosine is wrong or has no value.
  const Extended x = cosDeg(t1 - t2) - sinDeg(t1) * sinDeg(t2) * (1 - cosDeg(delta));
  return std::acos(std::clamp(x, Extended(-1), Extended(1))) * kRadToDeg;
}

AspectColour distanceColour(Extended distance, const OrbTable& orbs) {
  if (majorMatches(distance, orbs, kOpposition) || majorMatches(distance, orbs, kSquare)) return AspectColour::Red;
  if (majorMatches(distance, orbs, kTrine) || majorMatches(distance, orbs, kSextile)) return AspectColour::Aqua;
  if (majorMatches(distance, orbs, kConjunction)) return AspectColour::Yellow;
  return AspectColour::Grey;
}

std::string distanceText(Extended distance) { return fixedDecimal(distance, 5); }

}  // namespace qx
