#include "Aspetti.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "ChartFixture.h"

namespace qxtest {
namespace {

using qx::AspectColour;
using qx::Extended;
using qx::OrbTable;

TEST(Separation, FoldsIntoZeroTo180) {
  struct Case {
    Extended a, b, expected;
  } cases[] = {
      {10, 40, 30}, {40, 10, 30}, {350, 10, 20}, {10, 350, 20}, {0, 180, 180}, {90, 90, 0}, {0, 359.5L, 0.5L},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.a << " -> " << c.b);
    EXPECT_NEAR(double(qx::separation(c.a, c.b)), double(c.expected), 1e-12);
  }
}

TEST(MajorAspect, BoundsAreStrictAndFirstMatchWins) {
  const OrbTable setA = OrbTable::setA();  // conj 10, sextile 4, square 6, trine 8, opposition 9
  OrbTable wide = setA;
  wide[qx::kConjunction] = 40;
  OrbTable widest = setA;
  widest[qx::kConjunction] = 60;
  OrbTable noSextile = setA;
  noSextile[qx::kSextile] = 0;

  struct Case {
    const char* what;
    const OrbTable* orbs;
    Extended d;
    int expected;  // -1 for none
  } cases[] = {
      {"180 - orb is not an opposition", &setA, 171, -1},
      {"180 + orb is not an opposition", &setA, 189, -1},
      {"just inside the opposition orb", &setA, 171.001L, qx::kOpposition},
      {"exact opposition", &setA, 180, qx::kOpposition},
      {"60 - orb is not a sextile", &setA, 56, -1},
      {"60 + orb is not a sextile", &setA, 64, -1},
      {"just inside the sextile orb", &setA, 56.001L, qx::kSextile},
      {"the conjunction orb itself is outside", &setA, 10, -1},
      {"exact conjunction", &setA, 0, qx::kConjunction},
      {"square", &setA, 95.9L, qx::kSquare},
      {"trine", &setA, 112.5L, qx::kTrine},
      {"wide conjunction at 35", &wide, 35, qx::kConjunction},
      {"sextile at 58 with a wide conjunction", &wide, 58, qx::kSextile},
      {"sextile wins where it overlaps the conjunction", &widest, 58, qx::kSextile},
      {"orb 0 never matches, even exactly", &noSextile, 60, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const auto match = qx::majorAspectOf(c.d, *c.orbs);
    ASSERT_EQ(match.has_value(), c.expected >= 0);
    if (match) {
      EXPECT_EQ(match->index, c.expected);
    }
  }
}

TEST(MajorAspect, ReportsTheDistanceFromExact) {
  const auto match = qx::majorAspectOf(117.5L, OrbTable::setA());
  ASSERT_TRUE(match);
  EXPECT_EQ(match->index, qx::kTrine);
  EXPECT_NEAR(double(match->offset), -2.5, 1e-15);
  EXPECT_NEAR(double(match->difference()), 2.5, 1e-15);
}

TEST(GridAspect, ElevenAspectsWithGlyphCodes) {
  const OrbTable setA = OrbTable::setA();
  OrbTable overlapping = setA;
  overlapping[qx::kOpposition] = 31;  // reaches down over the quinconce
  struct Case {
    const char* what;
    const OrbTable* orbs;
    Extended d;
    int expectedIndex;  // -1 for none
    int glyph;
  } cases[] = {
      {"quinconce", &setA, 150.5L, qx::kQuincunx, 8},
      {"biquintile", &setA, 143.2L, qx::kBiquintile, 11},
      {"sesquiquadrate", &setA, 135.9L, qx::kSesquiquadrate, 6},
      {"quintile", &setA, 72, qx::kQuintile, 10},
      {"semisquare", &setA, 44.5L, qx::kSemiSquare, 7},
      {"semisextile", &setA, 30.2L, qx::kSemiSextile, 9},
      {"sextile", &setA, 61, qx::kSextile, 2},
      {"conjunction", &setA, 3, qx::kConjunction, 1},
      {"decile is never tested", &setA, 36, -1, 0},
      {"novile is never tested", &setA, 40, -1, 0},
      {"septile is never tested", &setA, 360.0L / 7, -1, 0},
      {"strict bound of the quintile", &setA, 73, -1, 0},
      {"opposition is tested before the quinconce", &overlapping, 150, qx::kOpposition, 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const auto match = qx::aspectOf(c.d, *c.orbs);
    ASSERT_EQ(match.has_value(), c.expectedIndex >= 0);
    if (!match) continue;
    EXPECT_EQ(match->index, c.expectedIndex);
    EXPECT_EQ(match->glyphCode, c.glyph);
  }
}

TEST(GridAspect, OrbTextIsTwoDigitsRoundedTiesToEven) {
  struct Case {
    Extended difference;
    const char* text;
  } cases[] = {{3, "03"}, {0.4L, "00"}, {0.5L, "00"}, {1.5L, "02"}, {2.5L, "02"}, {2.51L, "03"}, {12.7L, "13"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(double(c.difference));
    EXPECT_EQ(qx::gridOrbText(c.difference), c.text);
  }
}

TEST(AspectList, ExactnessIsCutNeverRounded) {
  struct Case {
    Extended difference;
    const char* text;
  } cases[] = {{2.3456L, "2.34"}, {0.5L, "0.50"}, {0.05L, "0.05"}, {12.34L, "12.3"}, {0, "0.00"}, {9.9999L, "9.99"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(double(c.difference));
    EXPECT_EQ(qx::exactnessText(c.difference), c.text);
  }
}

TEST(AspectList, LinesOfTheFixtureChart) {
  const std::vector<std::string> expected = {
      "ASPETTI PLANETARI",
      "2.34   il Sole in Trigono con la Luna",
      "0.00   l'Ascendente in Quadratura con il Mediocielo",
      "   ",
      "L'aspetto \xE8 tanto pi\xF9 preciso quanto",
      "pi\xF9 \xE8 piccolo il numero che lo precede",
  };
  // The node axis, an exact opposition, is not in the list.
  EXPECT_EQ(qx::aspectListLines(elevenPointChart(), OrbTable::setA()), expected);
}

TEST(AspectList, OnlyTheNearlyExactOppositionIsDropped) {
  struct Case {
    Extended offFromExact;
    bool listed;
  } cases[] = {{0, false}, {0.000005L, false}, {0.00002L, true}, {0.3L, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(double(c.offFromExact));
    qx::PositionArray lon = elevenPointChart();
    lon[8] = 40;  // node axis moved off the Venus-Saturn line
    lon[9] = 220;
    lon[4] = 300;
    lon[7] = 120 + c.offFromExact;  // Venus opposite Saturn
    const auto lines = qx::aspectListLines(lon, OrbTable::setA());
    const bool found = std::find_if(lines.begin(), lines.end(), [](const std::string& l) {
                         return l.find("Venere in Opposizione con Saturno") != std::string::npos;
                       }) != lines.end();
    EXPECT_EQ(found, c.listed);
  }
}

TEST(CodedAspects, NodeAxisAlwaysCodedAscendantMidheavenNever) {
  const std::vector<std::string> expected = {"SolTrLun", "NonOpNos"};
  EXPECT_EQ(qx::codedAspects(elevenPointChart(), OrbTable::setA()), expected);
}

TEST(SphericalDistance, GreatCircleDistances) {
  struct Case {
    const char* what;
    Extended lon1, lat1, lon2, lat2, expected;
  } cases[] = {
      {"identical points on the ecliptic", 123.456L, 0, 123.456L, 0, 0},
      {"identical points off the ecliptic", 287.25L, -5.125L, 287.25L, -5.125L, 0},
      {"identical points at the pole", 17, 90, 17, 90, 0},
      {"on the ecliptic the distance is the separation", 350, 0, 20.5L, 0, 30.5L},
      {"across the ecliptic", 10, 30, 10, -30, 60},
      {"to the pole", 200, 0, 45, 90, 90},
      {"opposite points", 0, 0, 180, 0, 180},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Extended d = qx::sphericalDistance(c.lon1, c.lat1, c.lon2, c.lat2);
    if (c.expected == 0)
      EXPECT_EQ(d, 0);
    else
      EXPECT_NEAR(double(d), double(c.expected), 1e-9);
  }
}

TEST(SphericalDistance, ColourTestsEachAspectOnItsOwn) {
  const OrbTable setA = OrbTable::setA();
  OrbTable overlapping = setA;
  overlapping[qx::kSquare] = 20;
  overlapping[qx::kTrine] = 20;
  struct Case {
    const char* what;
    const OrbTable* orbs;
    Extended d;
    AspectColour colour;
  } cases[] = {
      {"opposition", &setA, 175, AspectColour::Red},
      {"square", &setA, 88, AspectColour::Red},
      {"trine", &setA, 125, AspectColour::Aqua},
      {"sextile", &setA, 62, AspectColour::Aqua},
      {"conjunction", &setA, 4, AspectColour::Yellow},
      {"no aspect", &setA, 45, AspectColour::Grey},
      {"strict bound", &setA, 56, AspectColour::Grey},
      // First match would call 105.5 a trine; the square is tested on its own.
      {"square and trine both hold", &overlapping, 105.5L, AspectColour::Red},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(qx::distanceColour(c.d, *c.orbs), c.colour);
  }
}

TEST(SphericalDistance, TextIsCutToFiveCharacters) {
  EXPECT_EQ(qx::distanceText(123.456789L), "123.4");
  EXPECT_EQ(qx::distanceText(9.99999L), "9.999");
  EXPECT_EQ(qx::distanceText(0), "0.000");
}

}  // namespace
}  // namespace qxtest
