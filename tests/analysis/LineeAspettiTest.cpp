#include "LineeAspetti.h"

#include <cmath>

#include <gtest/gtest.h>

#include "ChartFixture.h"

namespace qxtest {
namespace {

using qx::AspectColour;
using qx::Extended;
using qx::OrbTable;
using qx::WheelAspectFigure;
using qx::WheelAspectLine;
using qx::WheelGeometry;
using qx::WheelPointSet;

const WheelGeometry kGeometry{100, 100, 39};

const WheelAspectLine* lineBetween(const WheelAspectFigure& figure, int i, int j) {
  for (const WheelAspectLine& line : figure.lines)
    if (line.first == i && line.second == j) return &line;
  return nullptr;
}

TEST(WheelAspectLines, FixtureChartDrawsTrineAndSquareButNotTheNodeAxis) {
  const WheelAspectFigure figure =
      qx::wheelAspectFigure(elevenPointChart(), WheelPointSet::Eleven, OrbTable::setA(), kGeometry);
  EXPECT_EQ(figure.dots.size(), 11u);
  ASSERT_EQ(figure.lines.size(), 2u);
  EXPECT_EQ(lineBetween(figure, 8, 9), nullptr);

  const WheelAspectLine* trine = lineBetween(figure, 1, 2);
  ASSERT_NE(trine, nullptr);
  EXPECT_EQ(trine->aspect, qx::kTrine);
  EXPECT_EQ(trine->rounded, 2);
  EXPECT_EQ(trine->from.x, figure.dots[0].x);
  EXPECT_EQ(trine->to.y, figure.dots[1].y);

  const WheelAspectLine* square = lineBetween(figure, 10, 11);
  ASSERT_NE(square, nullptr);
  EXPECT_EQ(square->aspect, qx::kSquare);
  EXPECT_EQ(square->rounded, 0);
}

TEST(WheelAspectLines, WhichAspectsAreDrawnAndHow) {
  struct Case {
    const char* what;
    Extended separation;  // between the Sun and the Moon
    bool drawn;
    int rounded;
    AspectColour thin;
    bool dashed;
    AspectColour fill, outline;
  } cases[] = {
      {"conjunction", 3, false, 0, {}, false, {}, {}},
      {"opposition within half a degree", 179.6L, false, 0, {}, false, {}, {}},
      {"opposition half a degree off rounds to even 0", 179.5L, false, 0, {}, false, {}, {}},
      {"opposition beyond half a degree", 179.4L, true, 1, AspectColour::Red, true, AspectColour::Red,
       AspectColour::Yellow},
      {"square 1.5 off rounds to 2", 91.5L, true, 2, AspectColour::Red, true, AspectColour::Red, AspectColour::Yellow},
      {"trine 2.5 off rounds to even 2", 122.5L, true, 2, AspectColour::Aqua, false, AspectColour::Blue,
       AspectColour::Aqua},
      {"exact sextile", 60, true, 0, AspectColour::Aqua, false, AspectColour::Blue, AspectColour::Aqua},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    // The pair under test is the Sun and the Moon; the other points sit on
    // one spot and only their own lines may appear.
    qx::PositionArray lon{};
    lon[1] = 10;
    lon[2] = 10 + c.separation;
    for (int k = 3; k <= 11; ++k) lon[std::size_t(k)] = 250;
    const WheelAspectFigure figure = qx::wheelAspectFigure(lon, WheelPointSet::Eleven, OrbTable::setA(), kGeometry);
    const WheelAspectLine* line = lineBetween(figure, 1, 2);
    ASSERT_EQ(line != nullptr, c.drawn);
    if (!line) continue;
    EXPECT_EQ(line->rounded, c.rounded);
    EXPECT_EQ(line->thinColour, c.thin);
    EXPECT_EQ(line->dashed, c.dashed);
    EXPECT_EQ(line->bandFill, c.fill);
    EXPECT_EQ(line->bandOutline, c.outline);
    EXPECT_NEAR(double(line->halfWidth), 1 / (1.2 * std::sqrt(std::max(double(c.rounded), 0.2))), 1e-12);
  }
}

TEST(WheelAspectLines, EndPointsUseWholeDegreesFromTheAscendant) {
  const WheelGeometry g{100, 100, 40};
  struct Case {
    const char* what;
    Extended ascendant, lon, x, y;
  } cases[] = {
      {"the Ascendant lies to the left", 200.3L, 200.4L, 60, 100},
      {"90 degrees after it lies below", 200.3L, 290.2L, 100, 140},
      {"180 degrees after it lies to the right", 30, 210, 140, 100},
      {"90 degrees before it lies above", 30, 300, 100, 60},
      {"rounding to whole degrees, ties to even", 10.5L, 100.5L, 100, 140},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const qx::WheelPoint p = qx::wheelAspectPoint(c.ascendant, c.lon, g);
    EXPECT_NEAR(double(p.x), double(c.x), 1e-9);
    EXPECT_NEAR(double(p.y), double(c.y), 1e-9);
  }
}

TEST(WheelAspectLines, FourteenPointsTakeTheAscendantFrom13) {
  qx::PositionArray lon{};
  for (int k = 1; k <= 14; ++k) lon[std::size_t(k)] = 5 + 25 * k;  // 30, 55, ... no two within 10
  lon[12] = 0;                        // apogee
  lon[14] = lon[12] + 120;            // Midheaven trine the apogee
  lon[13] = 180;                      // Ascendant
  const WheelAspectFigure figure = qx::wheelAspectFigure(lon, WheelPointSet::Fourteen, OrbTable::setA(), kGeometry);
  EXPECT_EQ(figure.dots.size(), 14u);
  EXPECT_NE(lineBetween(figure, 12, 14), nullptr);
  // The Ascendant's own dot lies at the left of the circle.
  EXPECT_NEAR(double(figure.dots[12].x), 100 - 39, 1e-9);
  EXPECT_NEAR(double(figure.dots[12].y), 100, 1e-9);
}

TEST(WheelAspectLines, FifteenDashesOfTwoStepsInFortyFour) {
  const auto dashes = qx::dashSegments({0, 0}, {44, 88});
  ASSERT_EQ(dashes.size(), 15u);
  EXPECT_NEAR(double(dashes[0].first.x), 0, 1e-12);
  EXPECT_NEAR(double(dashes[0].second.x), 2, 1e-12);
  EXPECT_NEAR(double(dashes[1].first.x), 3, 1e-12);
  EXPECT_NEAR(double(dashes[14].second.x), 44, 1e-12);
  EXPECT_NEAR(double(dashes[14].second.y), 88, 1e-12);
}

}  // namespace
}  // namespace qxtest
