#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "Angles.h"

namespace {

TEST(Angles, Normalisations) {
  struct Case {
    long double x, in360, in30;
  };
  const Case cases[] = {{-30, 330, 0}, {720, 0, 0}, {45, 45, 15}, {359.5L, 359.5L, 29.5L},
                        {-0.25L, 359.75L, 29.75L}, {1e6L, 280, 10}, {-725, 355, 25}};
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<double>(c.x));
    EXPECT_NEAR(static_cast<double>(qx::normalize360(c.x)), static_cast<double>(c.in360), 1e-12);
    EXPECT_NEAR(static_cast<double>(qx::normalize30(c.x)), static_cast<double>(c.in30), 1e-12);
  }
}

TEST(Angles, TruncateIsTheIntegerPartTowardsZero) {
  const long double cases[][2] = {{2.7L, 2},  {-2.7L, -2}, {0.5L, 0},        {-0.5L, 0},   {3, 3},
                                  {-3, -3},   {2.5L, 2},   {-2.5L, -2},      {1e20L, 1e20L}, {0.9999999999L, 0}};
  for (const auto& c : cases) EXPECT_EQ(qx::truncate(c[0]), c[1]) << static_cast<double>(c[0]);
}

TEST(Angles, SignIndexCountsFromAries) {
  EXPECT_EQ(qx::signIndex(0), 1);
  EXPECT_EQ(qx::signIndex(29.999L), 1);
  EXPECT_EQ(qx::signIndex(30), 2);
  EXPECT_EQ(qx::signIndex(359.9L), 12);
  EXPECT_EQ(qx::signIndex(360), 1);  // 360 is Aries again, never a thirteenth sign
}

TEST(Angles, DegreeTrigonometryMatchesTheRuntime) {
  std::mt19937_64 random(5);
  std::uniform_real_distribution<double> angle(-5000, 5000);
  for (int i = 0; i < 20000; ++i) {
    const long double x = angle(random);
    const long double r = x * qx::kDegToRad;
    // Far beyond double precision: the two agree to a few units of the last
    // extended place (the runtime's own argument x * pi/180 carries one).
    ASSERT_LT(std::fabs(qx::sinDeg(x) - std::sin(r)), 1e-17L) << x;
    ASSERT_LT(std::fabs(qx::cosDeg(x) - std::cos(r)), 1e-17L) << x;
    ASSERT_LT(std::fabs(qx::sinRad(x / 100) - std::sin(x / 100)), 1e-17L) << x;
  }
  EXPECT_EQ(qx::sinDeg(0), 0);
  EXPECT_EQ(qx::cosDeg(0), 1);
  EXPECT_NEAR(static_cast<double>(qx::sinDeg(90)), 1.0, 1e-19);
  EXPECT_NEAR(static_cast<double>(qx::tanDeg(45)), 1.0, 1e-18);
}

}  // namespace
