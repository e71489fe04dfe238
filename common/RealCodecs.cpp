#include "RealCodecs.h"

#include <cmath>
#include <limits>
#include <stdexcept>

namespace qx {

Extended decodeExtended(const std::uint8_t* bytes) {
  std::uint64_t significand = 0;
  for (int i = 7; i >= 0; --i) significand = (significand << 8) | bytes[i];
  const unsigned signAndExponent = bytes[8] | (unsigned(bytes[9]) << 8);
  const bool negative = (signAndExponent & 0x8000u) != 0;
  const int exponent = int(signAndExponent & 0x7FFFu);

  Extended value;
  if (exponent == 0x7FFF) {
    // Top two significand bits 10 with nothing else: infinity; anything else: NaN.
    const bool infinity = (significand << 1) == 0;
    value = infinity ? std::numeric_limits<Extended>::infinity()
                     : std::numeric_limits<Extended>::quiet_NaN();
  } else if (exponent == 0) {
    // Denormal (or zero): the exponent counts as 1 with no integer bit.
    value = std::ldexp(static_cast<Extended>(significand), 1 - 16383 - 63);
  } else {
    value = std::ldexp(static_cast<Extended>(significand), exponent - 16383 - 63);
  }
  return negative ? -value : value;
}

ExtendedBytes encodeExtended(Extended value) {
  ExtendedBytes out{};
  const bool negative = std::signbit(value);
  std::uint64_t significand = 0;
  int exponent = 0;
  if (std::isnan(value)) {
    exponent = 0x7FFF;
    significand = 0xC000000000000000ull;
  } else if (std::isinf(value)) {
    exponent = 0x7FFF;
    significand = 0x8000000000000000ull;
  } else if (value != 0) {
    int binaryExponent = 0;
    const Extended fraction = std::frexp(std::fabs(value), &binaryExponent);  // [0.5, 1)
    exponent = binaryExponent - 1 + 16383;
    if (exponent <= 0) {
      // Denormal: shift the significand so that the exponent field is 0.
      significand = static_cast<std::uint64_t>(std::ldexp(fraction, 64 + exponent - 1));
      exponent = 0;
    } else {
      significand = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
    }
  }
  for (int i = 0; i < 8; ++i) out[i] = std::uint8_t(significand >> (8 * i));
  const unsigned signAndExponent = unsigned(exponent) | (negative ? 0x8000u : 0u);
  out[8] = std::uint8_t(signAndExponent & 0xFF);
  out[9] = std::uint8_t(signAndExponent >> 8);
  return out;
}

Extended decodeReal48(const std::uint8_t* bytes) {
  const int exponent = bytes[0];
  if (exponent == 0) return 0;
  std::uint64_t fraction = bytes[5] & 0x7Fu;
  for (int i = 4; i >= 1; --i) fraction = (fraction << 8) | bytes[i];
  const Extended significand = 1 + std::ldexp(static_cast<Extended>(fraction), -39);
  const Extended value = std::ldexp(significand, exponent - 129);
  return (bytes[5] & 0x80u) ? -value : value;
}

Real48Bytes encodeReal48(Extended value) {
  Real48Bytes out{};
  if (!std::isfinite(value)) throw std::range_error("6-byte real: not a finite value");
  if (value == 0) return out;
  const bool negative = value < 0;
  int binaryExponent = 0;
  const Extended fraction = std::frexp(std::fabs(value), &binaryExponent);  // [0.5, 1)
  // value = (2 * fraction) * 2^(binaryExponent - 1), 2 * fraction in [1, 2).
  std::uint64_t bits = static_cast<std::uint64_t>(std::nearbyint(std::ldexp(2 * fraction - 1, 39)));
  int exponent = binaryExponent - 1 + 129;
  if (bits == (std::uint64_t(1) << 39)) {  // rounding carried into the next binade
    bits = 0;
    ++exponent;
  }
  if (exponent > 255) throw std::range_error("6-byte real: value out of range");
  if (exponent < 1) return out;
  out[0] = std::uint8_t(exponent);
  for (int i = 1; i <= 5; ++i) out[i] = std::uint8_t(bits >> (8 * (i - 1)));
  out[5] = std::uint8_t((out[5] & 0x7Fu) | (negative ? 0x80u : 0u));
  return out;
}

}  // namespace qx
