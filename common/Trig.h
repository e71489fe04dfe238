#pragma once
// Sine and cosine in extended precision, fast.
//
// The runtime's long double sine costs about ten times its double sine, and
// the ephemeris calls a few hundred per evaluation. Here the argument is
// reduced exactly in degrees to a table point k * 1.40625 degrees (256 points
// per turn, an exact binary number) plus a remainder below 0.71 degrees, and
// sin(a + b) = sin a cos b + cos a sin b is formed from the table and short
// Taylor polynomials of the remainder. The result is within a few units in
// the last place of the 64-bit significand.

#include <cmath>

#include "Extended.h"

namespace qx {

struct SinCos {
  Extended sin, cos;
};

namespace trig_detail {

inline constexpr int kTableSize = 256;
inline constexpr Extended kTableStep = 1.40625L;  // 360 / 256 degrees, exact in binary

struct Table {
  Extended sin[kTableSize];
  Extended cos[kTableSize];
};

// Built at compile time: the compiler folds its sine and cosine builtins with
// correct rounding, so every entry is the nearest extended real.
constexpr Table buildTable() {
  Table t{};
  for (int k = 0; k < kTableSize; ++k) {
    const Extended a = k * kTableStep * kDegToRad;
    t.sin[k] = __builtin_sinl(a);
    t.cos[k] = __builtin_cosl(a);
  }
  return t;
}
inline constexpr Table kTable = buildTable();

// Nearest integer of |x| < 2^62 by the classic add-and-subtract of 1.5 * 2^63:
// much cheaper than the library's rounding functions on extended reals.
inline Extended nearestInteger(Extended x) {
  constexpr Extended kShift = 0x1.8p63L;
  return (x + kShift) - kShift;
}

}  // namespace trig_detail

inline SinCos sinCosDegrees(Extended x) {
  using namespace trig_detail;
  if (!(std::fabs(x) < 0x1p50L)) return {std::sin(x * kDegToRad), std::cos(x * kDegToRad)};
  constexpr Extended kStepsPerDegree = 1 / kTableStep;
  const Extended k = nearestInteger(x * kStepsPerDegree);
  const Extended b = (x - k * kTableStep) * kDegToRad;  // |b| <= 0.0123 rad; the subtraction is exact
  // k is a whole number below 2^50: through double it converts exactly, and
  // without the control-word switch of a direct extended-to-integer cast.
  const int index = int(static_cast<long long>(static_cast<double>(k)) & (kTableSize - 1));
  const Extended z = b * b;
  // sin b - b and cos b - 1, Taylor terms to b^7 and b^8.
  const Extended sinRest = b * z * (-1.0L / 6 + z * (1.0L / 120 + z * (-1.0L / 5040)));
  const Extended cosRest = z * (-1.0L / 2 + z * (1.0L / 24 + z * (-1.0L / 720 + z * (1.0L / 40320))));
  const Extended sa = kTable.sin[index], ca = kTable.cos[index];
  const Extended sinB = b + sinRest;
  return {sa + (sa * cosRest + ca * sinB), ca + (ca * cosRest - sa * sinB)};
}

inline SinCos sinCosRadians(Extended x) { return sinCosDegrees(x * kRadToDeg); }

inline Extended sinRad(Extended x) { return sinCosRadians(x).sin; }
inline Extended cosRad(Extended x) { return sinCosRadians(x).cos; }

}  // namespace qx
