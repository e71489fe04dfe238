// The installed current subject's chart against the Swiss Ephemeris.

#include <gtest/gtest.h>
#include <swephexp.h>

#include <cmath>

#include "ChartEngine.h"
#include "ReferenceComparison.h"
#include "TempFolder.h"

namespace {

double arcSecondsApart(double a, double b) {
  double d = std::fmod(a - b, 360.0);
  if (d > 180) d -= 360;
  if (d < -180) d += 360;
  return std::fabs(d) * 3600;
}

TEST(ChartAgainstReference, InstalledSubject) {
  qxref::initReference();
  qxtest::TempFolder folder;
  folder.copyInstallation();
  qx::ChartEngine engine{qx::WorkFolder(folder.path())};
  engine.chart().NodeKind = "VERO";
  engine.chart().ApogeeKind = "VERA";
  engine.computeChart();
  const qx::ChartRecord& c = engine.chart();
  const double jd = double(c.JdUt);

  struct Body {
    const char* name;
    int index, reference;
    double bound;
  };
  const Body bodies[] = {
      {"Sun", qx::kSun, SE_SUN, 8},         {"Moon", qx::kMoon, SE_MOON, 1.5},
      {"Mercury", qx::kMercury, SE_MERCURY, 45}, {"Venus", qx::kVenus, SE_VENUS, 45},
      {"Mars", qx::kMars, SE_MARS, 45},     {"Jupiter", qx::kJupiter, SE_JUPITER, 45},
      {"Saturn", qx::kSaturn, SE_SATURN, 45}, {"north node", qx::kNorthNode, SE_TRUE_NODE, 200},
  };
  for (const Body& b : bodies) {
    SCOPED_TRACE(b.name);
    double x[6];
    char error[AS_MAXCH];
    ASSERT_GE(swe_calc_ut(jd, b.reference, SEFLG_SWIEPH, x, error), 0) << error;
    EXPECT_LE(arcSecondsApart(double(c.Lon[b.index]), x[0]), b.bound);
  }

  // The Ascendant and Midheaven of the same place and instant. The engine uses
  // the mean obliquity and mean sidereal time, the reference the true ones:
  // they differ by the nutation, some tens of arc-seconds.
  double cusps[13], ascmc[10];
  swe_houses(jd, 41.0 + 54.0 / 60, 12.5, 'E', cusps, ascmc);
  EXPECT_LE(arcSecondsApart(double(c.Lon[qx::kAscendant]), ascmc[0]), 60);
  EXPECT_LE(arcSecondsApart(double(c.Lon[qx::kMidheaven]), ascmc[1]), 60);
}

}  // namespace
