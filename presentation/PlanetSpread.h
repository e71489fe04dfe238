#pragma once
// Spreading the planet symbols of a wheel so that they do not overlap: the
// angles of the bodies on the ring are moved apart to a minimum separation,
// and each run of moved symbols is pulled back towards its true places when
// the arc before it leaves room. Worked in single precision, as the symbols
// have always been placed.

#include <vector>

namespace qx {

inline constexpr float kPlanetSpacing = 5.0f;  // degrees between symbols on the sheets

// `angles` are the bodies' wheel angles (ASC - longitude, in 0..360) in body
// order; the result holds each body's spread angle in the same order. A
// spread angle may lie a little outside 0..360 (it is only ever used through
// sine and cosine).
//
// 1. The angles are sorted ascending and the list is rotated to start after
//    the largest circular gap (the angles before it get 360 added).
// 2. Walking the list, an angle within `spacing` of the one before it is
//    pushed to exactly `spacing` beyond it.
// 3. When a run of m + 1 angles ends (the gap after it exceeds `spacing`), it
//    is moved back by half of the push of its last angle, h, if the gap g
//    before its first angle is at least spacing + h; otherwise, for a run of
//    three or more with g > spacing, it is moved back by g - spacing.
std::vector<float> spreadAngles(const std::vector<float>& angles, float spacing = kPlanetSpacing);

}  // namespace qx
