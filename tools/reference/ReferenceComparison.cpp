#include "ReferenceComparison.h"

#include <swephexp.h>

#include <cmath>
#include <cstdio>
#include <random>

#include "Houses.h"

namespace qxref {

namespace {

double wrap180(double degrees) {
  degrees = std::fmod(degrees, 360.0);
  if (degrees > 180) degrees -= 360;
  if (degrees < -180) degrees += 360;
  return degrees;
}

}  // namespace

void initReference() { swe_set_ephe_path(QX_SWE_EPHE_DIR); }

void ErrorStats::add(double lonError, double latError, double where) {
  lonError = std::fabs(lonError);
  latError = std::fabs(latError);
  if (lonError > lonMax) {
    lonMax = lonError;
    lonMaxAt = where;
  }
  if (latError > latMax) {
    latMax = latError;
    latMaxAt = where;
  }
  lonSquares += lonError * lonError;
  latSquares += latError * latError;
  ++count;
}

double ErrorStats::lonRms() const { return count ? std::sqrt(lonSquares / double(count)) : 0; }
double ErrorStats::latRms() const { return count ? std::sqrt(latSquares / double(count)) : 0; }

const std::vector<ComparedBody>& comparedBodies() {
  static const std::vector<ComparedBody> bodies = {
      {"Sun", qx::kSun, SE_SUN, true, "VERO", false},
      {"Moon", qx::kMoon, SE_MOON, true, "VERO", false},
      {"Mercury", qx::kMercury, SE_MERCURY, true, "VERO", false},
      {"Venus", qx::kVenus, SE_VENUS, true, "VERO", false},
      {"Mars", qx::kMars, SE_MARS, true, "VERO", false},
      {"Jupiter", qx::kJupiter, SE_JUPITER, true, "VERO", false},
      {"Saturn", qx::kSaturn, SE_SATURN, true, "VERO", false},
      {"Uranus", qx::kUranus, SE_URANUS, true, "VERO", false},
      {"Neptune", qx::kNeptune, SE_NEPTUNE, true, "VERO", false},
      {"Pluto", qx::kPluto, SE_PLUTO, true, "VERO", false},
      {"TrueNode", qx::kLunarNode, SE_TRUE_NODE, false, "VERO", false},
      {"MeanNode", qx::kLunarNode, SE_MEAN_NODE, false, "MEDIO", false},
      {"Apogee", qx::kLunarApogee, SE_INTP_APOG, false, "VERO", false},
      {"Ceres", qx::kCeres, SE_CERES, true, "VERO", true},
      {"Pallas", qx::kPallas, SE_PALLAS, true, "VERO", true},
      {"Juno", qx::kJuno, SE_JUNO, true, "VERO", true},
      {"Vesta", qx::kVesta, SE_VESTA, true, "VERO", true},
      {"Chiron", qx::kChiron, SE_CHIRON, true, "VERO", true},
  };
  return bodies;
}

std::vector<double> spreadInstants(double first, double last, int count, unsigned seed) {
  std::mt19937_64 random(seed);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  std::vector<double> instants;
  instants.reserve(std::size_t(count));
  const double slice = (last - first) / count;
  for (int k = 0; k < count; ++k) instants.push_back(first + slice * (k + unit(random)));
  return instants;
}

std::vector<ErrorStats> compareBodies(const qx::WorkFolder& workFolder, const std::vector<double>& instants) {
  const auto& bodies = comparedBodies();
  std::vector<ErrorStats> stats(bodies.size());
  qx::Ephemeris ephemeris(workFolder);
  qx::EphemerisSettings trueNode{"VERO", "VERA"};
  qx::EphemerisSettings meanNode{"MEDIO", "VERA"};
  for (double jd : instants) {
    qx::PositionArray lon{}, lat{}, meanLon{}, meanLat{};
    ephemeris.evaluate(0, 0, jd, trueNode, lon, lat);
    ephemeris.evaluate(qx::kLunarNode, 0, jd, meanNode, meanLon, meanLat);
    for (std::size_t b = 0; b < bodies.size(); ++b) {
      const ComparedBody& body = bodies[b];
      double x[6];
      char error[AS_MAXCH];
      // Outside the reference's own range (Chiron before 675) there is nothing to compare.
      if (swe_calc_ut(jd, body.referenceBody, SEFLG_SWIEPH, x, error) < 0) continue;
      const qx::PositionArray& l = body.nodeKind == "MEDIO" ? meanLon : lon;
      const double lonError = wrap180(double(l[std::size_t(body.engineBody)]) - x[0]) * 3600;
      const double latError = body.hasLatitude ? (double(lat[std::size_t(body.engineBody)]) - x[1]) * 3600 : 0;
      stats[b].add(lonError, latError, jd);
    }
  }
  return stats;
}

const std::vector<ComparedHouseSystem>& comparedHouseSystems() {
  static const std::vector<ComparedHouseSystem> systems = {
      {"PLACIDO", 'P'},  {"KOCH", 'K'},        {"REGIOMONT", 'R'},  {"PORFIRIO", 'O'}, {"CAMPANO", 'C'},
      {"CASE_UGUALI", 'E'}, {"CASE_MEDIE", 'E'}, {"MORINO", 'M'}, {"ALCABIZIO", 'B'},
  };
  return systems;
}

ErrorStats compareHouses(const ComparedHouseSystem& system, double obliquity, double minLatitude,
                         double maxLatitude, int ramcSteps, int latitudeSteps) {
  ErrorStats stats;
  for (int la = 0; la <= latitudeSteps; ++la) {
    const double latitude = minLatitude + (maxLatitude - minLatitude) * la / latitudeSteps;
    for (int r = 0; r < ramcSteps; ++r) {
      // Offsets keep the grid off the exact quadrant points.
      const double ramc = 360.0 * (r + 0.37) / ramcSteps;
      qx::HouseState houses;
      qx::computeCuspsFromRamc(system.name, ramc, obliquity, latitude, houses);
      double cusps[13], ascmc[10];
      swe_houses_armc(ramc, latitude, obliquity, system.code, cusps, ascmc);
      double worst = 0;
      for (int k = 1; k <= 12; ++k) worst = std::max(worst, std::fabs(wrap180(double(houses.cusp[std::size_t(k)]) - cusps[k])));
      stats.add(worst * 3600, 0, latitude);
    }
  }
  return stats;
}

}  // namespace qxref
