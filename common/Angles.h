#pragma once
// Angle conventions: degrees in extended reals, longitudes in 0..360 (360
// itself may occur), radians only inside the trigonometric calls. `int` in the
// formulas of the engine is truncation towards zero.

#include <cmath>

#include "Extended.h"
#include "Trig.h"

namespace qx {

// The integer part towards zero. The runtime's truncation of an extended real
// switches the processor's rounding mode for every call; rounding to nearest
// with the add-and-subtract of 1.5 * 2^63 and stepping back is exact and much
// cheaper. Values of 2^62 and more are whole numbers already.
inline Extended truncate(Extended x) {
  if (!(std::fabs(x) < 0x1p62L)) return x;
  constexpr Extended kShift = 0x1.8p63L;
  const Extended r = (x + kShift) - kShift;
  if (x >= 0) return r > x ? r - 1 : r;
  return r < x ? r + 1 : r;
}

inline Extended normalize360(Extended x) {
  x -= truncate(x / 360) * 360;
  return x < 0 ? x + 360 : x;
}

// Degrees within the sign.
inline Extended normalize30(Extended x) {
  x -= truncate(x / 30) * 30;
  return x < 0 ? x + 30 : x;
}

// Sine, cosine and tangent of x degrees (x times pi/180); the tangent is the
// sine over the cosine.
inline Extended sinDeg(Extended x) { return sinCosDegrees(x).sin; }
inline Extended cosDeg(Extended x) { return sinCosDegrees(x).cos; }
inline Extended tanDeg(Extended x) {
  const SinCos sc = sinCosDegrees(x);
  return sc.sin / sc.cos;
}
inline Extended arcsinRad(Extended s) { return std::atan(s / std::sqrt(1 - s * s)); }
inline Extended radToDeg(Extended r) { return r * 180 / kPi; }

// Sign number 1 = Aries .. 12 = Pisces. A longitude of exactly 360 is the
// start of Aries (sign 1), not a thirteenth sign.
inline int signIndex(Extended lon) {
  const int sign = int(truncate(lon / 30)) + 1;
  return sign > 12 ? sign - 12 : sign;
}

}  // namespace qx
