#include <gtest/gtest.h>

#include <cmath>

#include "Angles.h"
#include "Fundamentals.h"
#include "Kepler.h"

namespace {

TEST(Fundamentals, ConstantTermsAtTheEpoch) {
  const qx::FundamentalArguments a = qx::fundamentalArguments(2415020);
  EXPECT_EQ(a.T, 0);
  struct Case {
    const char* name;
    long double value, expected;
  };
  const Case cases[] = {
      {"Omega", a.omega, 259.1833L}, {"L", a.L, 279.69668L}, {"D", a.D, 350.737486L},    {"G", a.G, 334.32956L},
      {"M", a.M, 358.47584L},        {"L1", a.L1, 270.434164L}, {"M1", a.M1, 296.1046083L}, {"eps", a.eps, 23.4522944L},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_NEAR(static_cast<double>(c.value), static_cast<double>(c.expected), 1e-12);
  }
}

// The mean perigee's T² term is negative: only then does the Moon's mean
// anomaly L1 - G follow the series' own M1 over the centuries.
TEST(Fundamentals, MeanAnomalyFromThePerigeeAgreesWithM1) {
  for (long double T : {-19.0L, -5.0L, -1.0L, 0.5L, 1.8L}) {
    SCOPED_TRACE(static_cast<double>(T));
    const qx::FundamentalArguments a = qx::fundamentalArguments(2415020 + T * 36525);
    long double difference = qx::normalize360(a.L1 - a.G - a.M1);
    if (difference > 180) difference -= 360;
    EXPECT_LT(std::fabs(difference) * 3600, 40 + 3 * T * T) << "arc-seconds";
  }
}

TEST(Kepler, ConvergesForEveryEccentricityOfTheElementSets) {
  for (long double e : {0.0L, 0.0167L, 0.2056L, 0.25L, 0.3823L}) {
    for (long double M = -3; M < 7; M += 0.37L) {
      const qx::KeplerSolution k = qx::solveKepler(M, e);
      EXPECT_LT(std::fabs(k.E - e * std::sin(k.E) - M), 1e-17L) << "e=" << double(e) << " M=" << double(M);
      EXPECT_LT(std::fabs(k.sinE - std::sin(k.E)), 1e-17L);
      EXPECT_LT(std::fabs(k.cosE - std::cos(k.E)), 1e-17L);
    }
  }
}

}  // namespace
