#pragma once
// Codecs for the two binary real formats of the data files:
//  - the 10-byte extended real (64-bit significand with explicit integer bit,
//    15-bit exponent biased by 16383, sign bit; little-endian);
//  - the 6-byte real (8-bit exponent biased by 129 in byte 0, 0 meaning zero;
//    39-bit fraction with a hidden leading 1 in bytes 1..5; sign in the top bit
//    of byte 5).
// Both are built from the bits with integer arithmetic and ldexp, so they do not
// depend on how the host lays out its own long double. Every value that fits the
// host's long double significand converts exactly both ways.

#include <array>
#include <cstdint>

#include "Extended.h"

namespace qx {

using ExtendedBytes = std::array<std::uint8_t, 10>;
using Real48Bytes = std::array<std::uint8_t, 6>;

Extended decodeExtended(const std::uint8_t* bytes);
ExtendedBytes encodeExtended(Extended value);

// A 6-byte real has no infinities or NaNs; encoding one, or a value beyond the
// format's range (about 1.7e38), throws std::range_error. Values below its
// smallest normal number (about 2.9e-39) encode as zero.
Extended decodeReal48(const std::uint8_t* bytes);
Real48Bytes encodeReal48(Extended value);

}  // namespace qx
