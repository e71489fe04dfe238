#include "LineeAspetti.h"

#include <algorithm>
#include <cmath>

#include "Angles.h"

namespace qx {

int wheelPointCount(WheelPointSet set) { return set == WheelPointSet::Fourteen ? 14 : 11; }

int wheelAscendantIndex(WheelPointSet set) { return set == WheelPointSet::Fourteen ? 13 : kAscendant; }

WheelPoint wheelAspectPoint(Extended ascendant, Extended lon, const WheelGeometry& geometry) {
  const Extended theta = std::nearbyint(ascendant) + 360 - std::nearbyint(lon);
  return {geometry.centreX - geometry.radius * cosDeg(theta), geometry.centreY - geometry.radius * sinDeg(theta)};
}

Extended bandHalfWidth(int rounded) {
  return 1 / (1.2L * std::sqrt(std::max(Extended(rounded), Extended(0.2L))));
}

WheelAspectFigure wheelAspectFigure(const PositionArray& lon, WheelPointSet set, const OrbTable& orbs,
                                    const WheelGeometry& geometry) {
  const int count = wheelPointCount(set);
  const Extended ascendant = lon[std::size_t(wheelAscendantIndex(set))];
  WheelAspectFigure figure;
  for (int k = 1; k <= count; ++k) figure.dots.push_back(wheelAspectPoint(ascendant, lon[std::size_t(k)], geometry));

  for (int i = 1; i < count; ++i) {
    for (int j = i + 1; j <= count; ++j) {
      const std::optional<AspectMatch> match = majorAspectOf(separation(lon[std::size_t(i)], lon[std::size_t(j)]), orbs);
      if (!match || match->index == kConjunction) continue;
      const int rounded = roundedDifference(match->difference());
      if (match->index == kOpposition && rounded == 0) continue;
      const bool harmonious = match->index == kTrine || match->index == kSextile;
      WheelAspectLine line;
      line.first = i;
      line.second = j;
      line.aspect = match->index;
      line.difference = match->difference();
      line.rounded = rounded;
      line.from = figure.dots[std::size_t(i - 1)];
      line.to = figure.dots[std::size_t(j - 1)];
      line.thinColour = harmonious ? AspectColour::Aqua : AspectColour::Red;
      line.dashed = !harmonious;
      line.halfWidth = bandHalfWidth(rounded);
      line.bandFill = harmonious ? AspectColour::Blue : AspectColour::Red;
      line.bandOutline = harmonious ? AspectColour::Aqua : AspectColour::Yellow;
      figure.lines.push_back(line);
    }
  }
  return figure;
}

std::vector<std::pair<WheelPoint, WheelPoint>> dashSegments(WheelPoint from, WheelPoint to) {
  const Extended dx = (to.x - from.x) / kAspectDashSteps;
  const Extended dy = (to.y - from.y) / kAspectDashSteps;
  std::vector<std::pair<WheelPoint, WheelPoint>> dashes;
  for (int k = 0; k < kAspectDashCount; ++k) {
    const int start = k * kAspectDashPeriod;
    const int end = start + kAspectDashLength;
    dashes.push_back({{from.x + start * dx, from.y + start * dy}, {from.x + end * dx, from.y + end * dy}});
  }
  return dashes;
}

}  // namespace qx
