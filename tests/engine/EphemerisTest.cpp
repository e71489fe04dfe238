#include <gtest/gtest.h>

#include <cmath>

#include "Angles.h"
#include "Ephemeris.h"
#include "IoError.h"
#include "Planets.h"
#include "TempFolder.h"

namespace {

using qx::Ephemeris;
using qx::EphemerisSettings;
using qx::PositionArray;

// An engine on an empty folder: any attempt to read a correction file fails,
// which shows exactly when a file is needed.
struct EmptyFolderEngine {
  qxtest::TempFolder folder;
  Ephemeris engine{qx::WorkFolder(folder.path())};
  PositionArray lon{}, lat{};
  bool needsFiles(int selection, long double jd, EphemerisSettings settings = {"VERO", "VERA"}) {
    try {
      engine.evaluate(selection, 0, jd, settings, lon, lat);
      return false;
    } catch (const qx::IoError&) {
      return true;
    }
  }
};

TEST(EphemerisWindows, EachCorrectionIsReadOnlyInsideItsWindow) {
  EmptyFolderEngine e;
  struct Case {
    const char* what;
    int selection;
    long double jd;
    EphemerisSettings settings;
    bool needsFiles;
  };
  const Case cases[] = {
      {"Sun alone never", 1, 2451545.0L, {"VERO", "VERA"}, false},
      {"Moon before its window", 2, 1721422.5L, {"VERO", "VERA"}, false},
      {"Moon inside", 2, 1721422.6L, {"VERO", "VERA"}, true},
      {"Moon at the window's end", 2, 2499373.5L, {"VERO", "VERA"}, false},
      {"Mercury before the planet window", 3, 1721423.4L, {"VERO", "VERA"}, false},
      {"Mercury at its start", 3, 1721423.5L, {"VERO", "VERA"}, true},
      {"Pluto in 1900, 0h: corrected over the whole window", 10, 2415020.5L, {"VERO", "VERA"}, true},
      {"Pluto at the window's end", 10, 2499373.5L, {"VERO", "VERA"}, false},
      {"Ceres never", 15, 2451545.0L, {"VERO", "VERA"}, false},
      {"mean node opens nothing", 11, 2451545.0L, {"MEDIO", "VERA"}, false},
      {"true node needs its files", 11, 2451545.0L, {"VERO", ""}, true},
      {"plain apogee opens nothing", 12, 2451545.0L, {"MEDIO", "MEDIA"}, false},
      {"VERA apogee from 1850", 12, 2396758.5L, {"MEDIO", "VERA"}, true},
      {"VERA apogee before 1850", 12, 2396758.4L, {"MEDIO", "VERA"}, false},
      {"VERA apogee after 2100", 12, 2488433.5L, {"MEDIO", "VERA"}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(e.needsFiles(c.selection, c.jd, c.settings), c.needsFiles);
  }
}

TEST(EphemerisSelection, BodiesComputedForEachSelection) {
  EmptyFolderEngine e;
  const long double jd = 1700000.5L;  // before every window: no file is read
  auto computed = [&](int selection, EphemerisSettings settings) {
    e.lon.fill(-1);
    e.engine.evaluate(selection, 0, jd, settings, e.lon, e.lat);
    std::vector<int> bodies;
    for (int b = 1; b <= 19; ++b)
      if (e.lon[b] != -1) bodies.push_back(b);
    return bodies;
  };
  EXPECT_EQ(computed(0, {"VERO", "VERA"}),
            (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 15, 16, 17, 18, 19}));
  EXPECT_EQ(computed(20, {"VERO", "VERA"}), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
  EXPECT_EQ(computed(21, {"VERO", "VERA"}), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
  EXPECT_EQ(computed(5, {"VERO", "VERA"}), (std::vector<int>{1, 5}));
  EXPECT_EQ(computed(11, {"VERO", "VERA"}), (std::vector<int>{1, 2, 11}));  // the true node needs Sun and Moon
  EXPECT_EQ(computed(11, {"MEDIO", "VERA"}), (std::vector<int>{1, 11}));
  EXPECT_EQ(computed(1, {"VERO", "VERA"}), (std::vector<int>{1}));
}

TEST(PlanetSeries, ElementSetSwitchesBelowTMinusTwo) {
  // At T = -2 exactly the modern set is used; just below, the early one.
  const auto modern = qx::planetElements(6, -2.0L);
  const auto early = qx::planetElements(6, -2.0000001L);
  EXPECT_NEAR(static_cast<double>(modern.a), 5.20290493, 1e-12);
  EXPECT_NEAR(static_cast<double>(early.a), 5.202561, 1e-12);
  // Mercury to Mars keep their single set.
  EXPECT_NEAR(static_cast<double>(qx::planetElements(3, -2.5L).a), 0.3870984, 1e-12);
  // Chiron's eccentricity moves with T; the other minor bodies keep theirs.
  EXPECT_NE(qx::planetElements(19, 0).e, qx::planetElements(19, 1).e);
  EXPECT_EQ(qx::planetElements(15, 0).e, qx::planetElements(15, 1).e);
}

TEST(PlanetSeries, PerturbationWindowIsInclusive) {
  for (int body = 6; body <= 10; ++body) {
    SCOPED_TRACE(body);
    for (long double T : {0.0L, 1.0L, 2.0L}) {
      const qx::Vector3 p = qx::planetPerturbation(body, T);
      EXPECT_NE(std::fabs(p.x) + std::fabs(p.y), 0);
    }
    for (long double T : {-0.0001L, 2.0001L}) {
      const qx::Vector3 p = qx::planetPerturbation(body, T);
      EXPECT_EQ(p.x, 0);
      EXPECT_EQ(p.y, 0);
      EXPECT_EQ(p.z, 0);
    }
  }
  EXPECT_EQ(qx::planetPerturbation(5, 1).y, 0);  // no perturbations for the inner planets
}

TEST(PlanetSeries, RetrogradeMotionShowsAsDecreasingLongitude) {
  // Mars at its 2003 opposition (28 August) moves backwards.
  PositionArray lon1{}, lat1{}, lon2{}, lat2{};
  const EphemerisSettings settings{"MEDIO", ""};
  const long double jd = 2452879.5L;
  Ephemeris::evaluateSeries(5, 1, jd + 0.001L, settings, lon1, lat1);
  Ephemeris::evaluateSeries(5, 0, jd, settings, lon2, lat2);
  EXPECT_LT(lon1[5], lon2[5]);
  // The mean node always moves backwards too.
  Ephemeris::evaluateSeries(11, 1, jd + 0.001L, settings, lon1, lat1);
  Ephemeris::evaluateSeries(11, 0, jd, settings, lon2, lat2);
  EXPECT_LT(lon1[11], lon2[11]);
}

TEST(LunarSeries, ApogeeIsThePerigeeTurnedHalfway) {
  PositionArray lon{}, lat{};
  Ephemeris::evaluateSeries(12, 0, 2415020, {"MEDIO", ""}, lon, lat);
  EXPECT_NEAR(static_cast<double>(lon[12]), 334.32956 + 180 - 360, 1e-12);
  EXPECT_EQ(lat[12], 0);
}

}  // namespace
