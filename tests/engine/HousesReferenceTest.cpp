// The house cusps and the sidereal time checked against the Swiss Ephemeris
// for the same RAMC, obliquity and latitude.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "Houses.h"

extern "C" {
#include <swephexp.h>
}

namespace qxtest {
namespace {

using qx::Extended;

double arcSeconds(double a, double b) {
  double d = std::fmod(std::fabs(a - b), 360.0);
  if (d > 180) d = 360 - d;
  return d * 3600;
}

struct SystemCase {
  std::string_view name;
  char referenceCode;
};

std::ostream& operator<<(std::ostream& out, const SystemCase& c) { return out << c.name; }

struct WorstCusp {
  double arcSeconds = 0;
  std::string where;
};

// The largest difference from the reference over a grid of RAMC (whole and
// odd values, the colures included) and latitudes; a negative latitude is
// given half of the time in its written-south form 360 - phi.
WorstCusp worstOverGrid(std::string_view system, char code, double minLatitude, double maxLatitude,
                        double latitudeStep, const std::vector<double>& obliquities) {
  WorstCusp worst;
  int sample = 0;
  for (double eps : obliquities) {
    for (double lat = minLatitude; lat <= maxLatitude + 1e-9; lat += latitudeStep) {
      for (double ramc = 0; ramc <= 360 + 1e-9; ramc += 3.75) {
        for (double offset : {0.0, 1.234567}) {
          const double armc = ramc + offset;
          if (armc > 360) continue;
          double cusps[13] = {};
          double ascmc[10] = {};
          swe_houses_armc(armc, lat, eps, code, cusps, ascmc);
          qx::HouseState houses;
          const double given = (lat < 0 && ++sample % 2 == 0) ? 360 + lat : lat;
          qx::computeCuspsFromRamc(system, armc, eps, given, houses);
          for (int i = 1; i <= 12; ++i) {
            const double d = arcSeconds(double(houses.cusp[i]), cusps[i]);
            if (!(d <= worst.arcSeconds)) {
              worst.arcSeconds = d;
              worst.where = "RAMC " + std::to_string(armc) + " latitude " + std::to_string(lat) + " obliquity " +
                            std::to_string(eps) + " cusp " + std::to_string(i);
            }
          }
        }
      }
    }
  }
  return worst;
}

class HousesReference : public testing::TestWithParam<SystemCase> {
 protected:
  static void SetUpTestSuite() { swe_set_ephe_path(const_cast<char*>(QX_SWE_EPHE_DIR)); }
};

TEST_P(HousesReference, EveryCuspWithinOneArcSecondUpTo55Degrees) {
  const WorstCusp worst =
      worstOverGrid(GetParam().name, GetParam().referenceCode, -55, 55, 2.5, {23.44, 23.0, 23.5});
  RecordProperty("worst_arcsec", std::to_string(worst.arcSeconds));
  EXPECT_LT(worst.arcSeconds, 1.0) << worst.where;
}

INSTANTIATE_TEST_SUITE_P(AllSystems, HousesReference,
                         testing::Values(SystemCase{qx::kPlacidus, 'P'}, SystemCase{qx::kKoch, 'K'},
                                         SystemCase{qx::kRegiomontanus, 'R'}, SystemCase{qx::kPorphyry, 'O'},
                                         SystemCase{qx::kCampanus, 'C'}, SystemCase{qx::kEqualHouses, 'E'},
                                         SystemCase{qx::kEqualFromAscendant, 'E'}, SystemCase{qx::kMorinus, 'M'},
                                         SystemCase{qx::kAlcabitius, 'B'}),
                         [](const testing::TestParamInfo<SystemCase>& info) { return std::string(info.param.name); });

// Beyond 55 degrees the fixed five secant steps no longer settle the
// Placidus semi-arcs to an arc-second; the error grows with latitude. Pinned
// here so that a change of the solution shows.
TEST(HousesReferencePlacidus, ErrorGrowsOnlySlowlyUpTo60Degrees) {
  const WorstCusp worst = worstOverGrid(qx::kPlacidus, 'P', 55, 60, 0.5, {23.44});
  const WorstCusp southern = worstOverGrid(qx::kPlacidus, 'P', -60, -55, 0.5, {23.44});
  RecordProperty("worst_arcsec_north", std::to_string(worst.arcSeconds));
  RecordProperty("worst_arcsec_south", std::to_string(southern.arcSeconds));
  EXPECT_LT(worst.arcSeconds, 30.0) << worst.where;
  EXPECT_LT(southern.arcSeconds, 30.0) << southern.where;
}

// Mean sidereal time of the instant, against the reference with the
// nutation left out, over the engine's whole date range.
TEST(HousesReferenceSiderealTime, WithinAQuarterSecondFrom1850To2080) {
  swe_set_ephe_path(const_cast<char*>(QX_SWE_EPHE_DIR));
  const qx::GeoPosition place{45, 28, 'N', 9, 11, 'E'};
  const double longitudeHours = (9 + 11.0 / 60) / 15;
  double worst = 0;
  for (double day = 2396758.5; day < 2481129.5; day += 731.3) {
    for (int hours : {0, 7, 13, 23}) {
      const int minutes = 17;
      const double jd = std::floor(day + 0.5) - 0.5 + (hours + minutes / 60.0) / 24;
      // Local clock time one hour ahead of UT: Corr = -1.
      const int clockHours = (hours + 1) % 24;
      qx::HouseState houses;
      qx::computeHouses(qx::kPlacidus, jd, -1, clockHours, minutes, place, houses);
      double reference = std::fmod(swe_sidtime0(jd, 23.44, 0) + longitudeHours, 24.0);
      double d = std::fabs(double(houses.localSiderealTime) - reference);
      if (d > 12) d = 24 - d;
      worst = std::max(worst, d * 3600);
    }
  }
  RecordProperty("worst_seconds", std::to_string(worst));
  EXPECT_LT(worst, 0.25);
}

}  // namespace
}  // namespace qxtest
