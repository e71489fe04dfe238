// The engine with the installed correction files against the Swiss Ephemeris
// on a sample of instants: the accuracy bounds the program promises.

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "ReferenceComparison.h"

namespace {

struct Bound {
  double lon, lat;  // arc-seconds
};

void checkBounds(double first, double last, int count, const std::map<std::string, Bound>& bounds) {
  qxref::initReference();
  const auto stats = qxref::compareBodies(qx::WorkFolder(QX_DATA_DIR), qxref::spreadInstants(first, last, count, 11));
  const auto& bodies = qxref::comparedBodies();
  for (std::size_t b = 0; b < bodies.size(); ++b) {
    const auto found = bounds.find(bodies[b].name);
    if (found == bounds.end()) continue;
    SCOPED_TRACE(bodies[b].name);
    EXPECT_GT(stats[b].count, count / 2);
    EXPECT_LE(stats[b].lonMax, found->second.lon) << "worst at JD " << stats[b].lonMaxAt;
    if (bodies[b].hasLatitude) {
      EXPECT_LE(stats[b].latMax, found->second.lat) << "worst at JD " << stats[b].latMaxAt;
    }
  }
}

TEST(EngineAgainstReference, From1850To2080) {
  checkBounds(2396758.5, 2481129.5, 1500,
              {{"Sun", {8, 8}},
               {"Moon", {1.5, 35}},
               {"Mercury", {45, 45}},
               {"Venus", {45, 45}},
               {"Mars", {45, 45}},
               {"Jupiter", {45, 45}},
               {"Saturn", {45, 45}},
               {"Uranus", {45, 45}},
               {"Neptune", {45, 45}},
               {"Pluto", {45, 45}},
               {"TrueNode", {200, 0}},
               {"MeanNode", {30, 0}},
               {"Apogee", {6, 0}}});
}

TEST(EngineAgainstReference, AroundThePerturbationSwitchOf1900) {
  // The five days around 1900 January 0.5, where the outer planets'
  // perturbations switch on inside one five-day correction interval.
  checkBounds(2415017.5, 2415023.5, 200,
              {{"Jupiter", {45, 45}}, {"Saturn", {45, 45}}, {"Uranus", {45, 45}}, {"Neptune", {45, 45}},
               {"Pluto", {45, 45}}});
}

TEST(EngineAgainstReference, BeforeTheValidRange) {
  checkBounds(1721423.5, 2396758.5, 400,
              {{"Moon", {15, 1e9}},
               {"Mercury", {90, 90}},
               {"Venus", {90, 90}},
               {"Mars", {90, 90}},
               {"Jupiter", {90, 90}},
               {"Saturn", {90, 90}},
               {"Uranus", {90, 90}},
               {"Neptune", {90, 90}},
               {"Pluto", {90, 90}}});
}

}  // namespace
