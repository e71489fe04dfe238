// House cusps, sidereal time and house of a point: the edge cases of the
// cusp rules and of the preparation of the place and time.

#include "Houses.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <string_view>

#include "Angles.h"

namespace qxtest {
namespace {

using qx::Extended;
using qx::HouseState;

constexpr Extended kObliquity = 23.44L;

constexpr std::string_view kAllSystems[] = {qx::kPlacidus,   qx::kKoch,        qx::kRegiomontanus,
                                            qx::kPorphyry,   qx::kCampanus,    qx::kEqualHouses,
                                            qx::kEqualFromAscendant, qx::kMorinus, qx::kAlcabitius};

// Distance between two longitudes in arc-seconds, across 0/360.
double arcSeconds(Extended a, Extended b) {
  Extended d = std::fmod(std::fabs(a - b), Extended(360));
  if (d > 180) d = 360 - d;
  return double(d * 3600);
}

// The longitude, 0..360, of the direction (x, y) in degrees.
Extended directionDegrees(Extended x, Extended y) {
  Extended angle = std::atan2(y, x) * qx::kRadToDeg;
  return angle < 0 ? angle + 360 : angle;
}

HouseState cuspsFor(std::string_view system, Extended ramc, Extended latitude, Extended obliquity = kObliquity) {
  HouseState houses;
  qx::computeCuspsFromRamc(system, ramc, obliquity, latitude, houses);
  return houses;
}

HouseState housesAt(std::string_view system, const qx::GeoPosition& place, Extended jdUt = 2447892.8125L,
                    Extended corr = -1, int hours = 20, int minutes = 30) {
  HouseState houses;
  qx::computeHouses(system, jdUt, corr, hours, minutes, place, houses);
  return houses;
}

TEST(HousesAngles, MidheavenLiesInTheQuadrantOfTheRamc) {
  struct Case {
    Extended ramc;
    bool exact;     // the MC must come out as exactly `expected`
    Extended expected;
  };
  const Case cases[] = {
      {0, true, 0},      {180, true, 180},  {360, true, 0},   {90, false, 90},     {270, false, 270},
      {180.0001L, false, 0}, {179.9999L, false, 0}, {45, false, 0}, {225, false, 0}, {315.5L, false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(double(c.ramc));
    const HouseState houses = cuspsFor("NESSUNO", c.ramc, 45);
    const Extended mc = houses.cusp[10];
    if (c.exact) {
      EXPECT_EQ(mc, c.expected);
    } else {
      // Independently: the ecliptic point on the meridian.
      const Extended expected = directionDegrees(qx::cosDeg(c.ramc) * qx::cosDeg(kObliquity), qx::sinDeg(c.ramc));
      EXPECT_LT(arcSeconds(mc, expected), 1e-6);
    }
    EXPECT_GE(mc, 0);
    EXPECT_LT(mc, 360);
    EXPECT_EQ(houses.mcRadians, mc * qx::kDegToRad);
  }
  // Just past 180 the tangent turns positive again: the MC is its arc plus 180.
  const Extended past = cuspsFor("NESSUNO", 180.0001L, 45).cusp[10];
  EXPECT_GT(past, 180);
  EXPECT_LT(past, 180.001L);
}

TEST(HousesAngles, AscendantIsTheRisingPointAlsoOnTheColures) {
  // RAMC 0 and 180 put the equator's east point at 90 and 270 degrees, where
  // the auxiliary angle of the Ascendant is a right angle.
  const Extended ramcs[] = {0, 180, 90, 270, 123.4L, 359.99L};
  const Extended latitudes[] = {45, -45, 0, 55, -12.5L};
  for (Extended ramc : ramcs) {
    for (Extended latitude : latitudes) {
      SCOPED_TRACE(std::to_string(double(ramc)) + " / " + std::to_string(double(latitude)));
      const HouseState houses = cuspsFor("NESSUNO", ramc, latitude);
      const Extended expected = directionDegrees(
          -(qx::sinDeg(ramc) * qx::cosDeg(kObliquity) + qx::tanDeg(latitude) * qx::sinDeg(kObliquity)),
          qx::cosDeg(ramc));
      EXPECT_LT(arcSeconds(houses.cusp[1], expected), 1e-6);
      EXPECT_EQ(houses.ascRadians, houses.cusp[1] * qx::kDegToRad);
    }
  }
}

TEST(HousesPorphyry, CuspsPastAFullTurnAreReducedOnceAndAFullTurnStays) {
  // RAMC 180 gives the MC exactly 180, so cusp 4 is exactly 360 and stays.
  const HouseState atIc = cuspsFor(qx::kPorphyry, 180, 45);
  EXPECT_EQ(atIc.cusp[10], 180);
  EXPECT_EQ(atIc.cusp[4], 360);

  // With the MC near 350, cusp 11 = MC + a third of the quadrant passes 360.
  const HouseState houses = cuspsFor(qx::kPorphyry, 350.8L, 45);
  const Extended mc = houses.cusp[10];
  const Extended asc = houses.cusp[1];
  ASSERT_GT(mc, 340);
  ASSERT_LT(asc, mc);
  const Extended third = (asc - mc + 360) / 3;
  ASSERT_GT(mc + third, 360);
  EXPECT_NEAR(double(houses.cusp[11]), double(mc + third - 360), 1e-12);
  EXPECT_NEAR(double(houses.cusp[12]), double(mc + 2 * third - 360), 1e-12);
  for (int i = 1; i <= 12; ++i) {
    SCOPED_TRACE(i);
    EXPECT_GE(houses.cusp[i], 0);
    EXPECT_LE(houses.cusp[i], 360);
  }
}

TEST(HousesOwnAngles, CampanusAndMorinusComputeCusps1And10Themselves) {
  const Extended ramcs[] = {0, 45, 137.2L, 200, 300};
  for (Extended ramc : ramcs) {
    SCOPED_TRACE(double(ramc));
    const HouseState campanus = cuspsFor(qx::kCampanus, ramc, 41.9L);
    // Campanus's own cusps 1 and 10 are the Ascendant and the MC, shifted by
    // the 0.000001-degree offset only.
    const double ascShift = arcSeconds(campanus.cusp[1], campanus.ascRadians * qx::kRadToDeg);
    const double mcShift = arcSeconds(campanus.cusp[10], campanus.mcRadians * qx::kRadToDeg);
    EXPECT_GT(ascShift, 0);
    EXPECT_LT(ascShift, 0.05);
    EXPECT_GT(mcShift, 0);
    EXPECT_LT(mcShift, 0.05);

    // Morinus projects the equator's points along circles of longitude:
    // cusp 10 is the point of right ascension RAMC, cusp 1 that of RAMC + 90.
    const HouseState morinus = cuspsFor(qx::kMorinus, ramc, 41.9L);
    const Extended cusp10 = directionDegrees(qx::cosDeg(ramc), qx::cosDeg(kObliquity) * qx::sinDeg(ramc));
    const Extended cusp1 =
        directionDegrees(qx::cosDeg(ramc + 90), qx::cosDeg(kObliquity) * qx::sinDeg(ramc + 90));
    EXPECT_LT(arcSeconds(morinus.cusp[10], cusp10), 0.01);
    EXPECT_LT(arcSeconds(morinus.cusp[1], cusp1), 0.01);
  }
  // Away from the colures Morinus's cusp 10 is not the MC at all.
  const HouseState morinus = cuspsFor(qx::kMorinus, 45, 41.9L);
  EXPECT_GT(arcSeconds(morinus.cusp[10], morinus.mcRadians * qx::kRadToDeg), 3600);
}

TEST(HousesLatitude, SouthWrittenAs360MinusPhiIsTheNegativeLatitude) {
  for (std::string_view system : kAllSystems) {
    SCOPED_TRACE(std::string(system));
    const HouseState written = cuspsFor(system, 77.7L, 360 - 45);
    const HouseState negative = cuspsFor(system, 77.7L, -45);
    for (int i = 1; i <= 12; ++i) EXPECT_EQ(written.cusp[i], negative.cusp[i]) << "cusp " << i;
  }
}

TEST(HousesLatitude, SouthLetterMirrorsTheNorthHalfATurnAway) {
  // Seen from 45 degrees south, the sky is that of 45 degrees north twelve
  // sidereal hours later turned through 180 degrees: every cusp moves by 180.
  // Half a turn of longitude gives those twelve hours.
  const qx::GeoPosition south{45, 20, 'S', 10, 0, 'E'};
  const qx::GeoPosition north{45, 20, 'N', 190, 0, 'E'};
  for (std::string_view system : kAllSystems) {
    SCOPED_TRACE(std::string(system));
    const HouseState s = housesAt(system, south);
    const HouseState n = housesAt(system, north);
    for (int i = 1; i <= 12; ++i) EXPECT_LT(arcSeconds(s.cusp[i], n.cusp[i] + 180), 1e-4) << "cusp " << i;
  }
  // And the letter S is the same as a negative latitude.
  const HouseState letter = housesAt(qx::kPlacidus, {45, 0, 'S', 10, 0, 'E'});
  const HouseState negative = housesAt(qx::kPlacidus, {-45, 0, 'N', 10, 0, 'E'});
  for (int i = 1; i <= 12; ++i) EXPECT_EQ(letter.cusp[i], negative.cusp[i]) << "cusp " << i;
}

TEST(HousesSiderealTime, WestLongitudeIsTheEastLongitudeOfTheRestOfTheTurn) {
  struct Case {
    qx::GeoPosition west;
    qx::GeoPosition east;
  };
  const Case cases[] = {
      {{45, 0, 'N', 10, 0, 'W'}, {45, 0, 'N', 350, 0, 'E'}},
      {{45, 0, 'N', 10, 30, 'O'}, {45, 0, 'N', 349, 30, 'E'}},
      {{45, 0, 'N', 74, 0, 'W'}, {45, 0, 'N', 286, 0, 'X'}},  // any other letter is east
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.west.longitudeDegrees) + c.west.longitudeLetter);
    const HouseState west = housesAt(qx::kPlacidus, c.west);
    const HouseState east = housesAt(qx::kPlacidus, c.east);
    EXPECT_NEAR(double(west.localSiderealTime), double(east.localSiderealTime), 1e-12);
    for (int i = 1; i <= 12; ++i) EXPECT_LT(arcSeconds(west.cusp[i], east.cusp[i]), 1e-6) << "cusp " << i;
  }
}

TEST(HousesSiderealTime, FollowsUniversalTimeAndLongitude) {
  // 2000-01-01 12h UT at Greenwich: mean sidereal time 18h 41m 50.5s.
  const qx::GeoPosition greenwich{51, 29, 'N', 0, 0, 'E'};
  const HouseState noon = housesAt(qx::kPlacidus, greenwich, 2451545.0L, 0, 12, 0);
  EXPECT_NEAR(double(noon.localSiderealTime), 18.697375, 1.0 / 3600);
  // The same instant as 13h local with Corr -1.
  const HouseState local = housesAt(qx::kPlacidus, greenwich, 2451545.0L, -1, 13, 0);
  EXPECT_NEAR(double(local.localSiderealTime), double(noon.localSiderealTime), 1e-12);
  // 15 degrees east is one hour later in sidereal time; 90 east wraps past 24.
  const HouseState east15 = housesAt(qx::kPlacidus, {51, 29, 'N', 15, 0, 'E'}, 2451545.0L, 0, 12, 0);
  EXPECT_NEAR(double(east15.localSiderealTime), double(noon.localSiderealTime) + 1, 1e-12);
  const HouseState east90 = housesAt(qx::kPlacidus, {51, 29, 'N', 90, 0, 'E'}, 2451545.0L, 0, 12, 0);
  EXPECT_NEAR(double(east90.localSiderealTime), double(noon.localSiderealTime) + 6 - 24, 1e-12);
  // Midnight on a zone thirteen hours east (Corr -13) is 11h UT, one hour
  // before noon; the clock time plus Corr comes out negative.
  const HouseState early = housesAt(qx::kPlacidus, greenwich, 2451544.9583333333L, -13, 0, 0);
  EXPECT_GE(early.localSiderealTime, 0);
  EXPECT_LT(early.localSiderealTime, 24);
  EXPECT_NEAR(double(early.localSiderealTime), double(noon.localSiderealTime) - 1.0027379, 1e-5);
}

TEST(HousesAlcabitius, EveryCuspIsComputedWhateverThePreviousChartLeft) {
  const Extended ramcs[] = {0, 33.3L, 180, 250, 359};
  for (Extended ramc : ramcs) {
    SCOPED_TRACE(double(ramc));
    HouseState first;
    HouseState second;
    first.cusp.fill(-1);
    second.cusp.fill(777);
    qx::computeCuspsFromRamc(qx::kAlcabitius, ramc, kObliquity, 48.2L, first);
    qx::computeCuspsFromRamc(qx::kAlcabitius, ramc, kObliquity, 48.2L, second);
    for (int i = 1; i <= 12; ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(first.cusp[i], second.cusp[i]);
      EXPECT_GE(first.cusp[i], 0);
      EXPECT_LT(first.cusp[i], 360);
      // Each house starts after the previous one: the twelve run once round.
      const Extended width = qx::normalize360(first.cusp[i % 12 + 1] - first.cusp[i]);
      EXPECT_GT(width, 0);
      EXPECT_LT(width, 90);
    }
    EXPECT_LT(arcSeconds(first.cusp[4], first.cusp[10] + 180), 1e-9);
    EXPECT_LT(arcSeconds(first.cusp[7], first.cusp[1] + 180), 1e-9);
  }
}

TEST(HousesOtherNames, SetOnlyTheAscendantAndTheMc) {
  const std::string_view names[] = {"TOPOCENTRICO", "", "placido", "PLACIDO "};
  const HouseState reference = cuspsFor(qx::kPlacidus, 101, 40);
  for (std::string_view name : names) {
    SCOPED_TRACE(std::string(name));
    HouseState houses;
    for (int i = 1; i <= 12; ++i) houses.cusp[i] = 1000 + i;
    qx::computeCuspsFromRamc(name, 101, kObliquity, 40, houses);
    EXPECT_EQ(houses.cusp[1], reference.cusp[1]);
    EXPECT_EQ(houses.cusp[10], reference.cusp[10]);
    for (int i : {2, 3, 4, 5, 6, 7, 8, 9, 11, 12}) EXPECT_EQ(houses.cusp[i], 1000 + i) << "cusp " << i;
  }
}

TEST(HousesEqual, BothEqualNamesCountThirtyDegreesFromTheAscendant) {
  const HouseState equal = cuspsFor(qx::kEqualHouses, 300, 40);
  const HouseState medie = cuspsFor(qx::kEqualFromAscendant, 300, 40);
  for (int k = 1; k <= 12; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(equal.cusp[k], medie.cusp[k]);
    EXPECT_EQ(equal.cusp[k], qx::normalize360(equal.cusp[1] + 30 * (k - 1)));
  }
}

TEST(HouseOfPoint, CuspOpensItsHouseExceptCusp1AndWrapsAcrossZero) {
  // Cusps with cusp 1 at 350, so houses 1 and 12 straddle 0/360.
  std::array<Extended, 13> cusps{};
  const Extended values[13] = {0, 350, 20, 50, 80, 110, 140, 170, 200, 230, 260, 290, 320};
  for (int i = 1; i <= 12; ++i) cusps[i] = values[i];
  struct Case {
    Extended longitude;
    int house;
  };
  const Case cases[] = {
      {350, 12},  // exactly on cusp 1
      {20, 2},    // exactly on cusp 2
      {320, 12},  // exactly on cusp 12
      {355, 1},  {0, 1},     {360, 1},   {5, 1},    {19.999L, 1}, {349.999L, 12},
      {80, 4},   {100, 4},   {230, 9},   {289, 10}, {335, 12},
  };
  Extended longitudes[std::size(cases) + 1] = {};
  for (std::size_t p = 0; p < std::size(cases); ++p) longitudes[p + 1] = cases[p].longitude;
  const auto house = qx::houseOfPoint(int(std::size(cases)), longitudes, cusps);
  ASSERT_EQ(house.size(), std::size(cases) + 1);
  for (std::size_t p = 0; p < std::size(cases); ++p) {
    SCOPED_TRACE(double(cases[p].longitude));
    EXPECT_EQ(house[p + 1], cases[p].house);
  }

  // Cusps of a real chart: every point of the circle falls in the house whose
  // cusps enclose it.
  const HouseState chart = cuspsFor(qx::kPlacidus, 212.5L, 44);
  Extended points[1 + 12] = {};
  for (int i = 1; i <= 12; ++i) {
    points[i] = qx::normalize360(chart.cusp[i] + qx::normalize360(chart.cusp[i % 12 + 1] - chart.cusp[i]) / 2);
  }
  const auto middle = qx::houseOfPoint(12, points, chart.cusp);
  for (int i = 1; i <= 12; ++i) EXPECT_EQ(middle[i], i) << "house " << i;
}

}  // namespace
}  // namespace qxtest
