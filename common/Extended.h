#pragma once
// The program's real type. Angles, times and Julian Days are carried in the
// x87 80-bit extended format, which is what `long double` is on the targets
// we build for; the file codecs below do not depend on that.

#include <numbers>

namespace qx {

using Extended = long double;

// Degree-to-radian factor and its reciprocal, held once.
inline constexpr Extended kDegToRad = std::numbers::pi_v<long double> / 180.0L;
inline constexpr Extended kRadToDeg = 180.0L / std::numbers::pi_v<long double>;
inline constexpr Extended kPi = std::numbers::pi_v<long double>;

}  // namespace qx
