#pragma once
// An eleven-point chart whose only major aspects under set A are a trine of
// the Sun and the Moon 2.3456 degrees from exact, the node axis and an exact
// square of the Ascendant and the Midheaven. Every other pair lies at least
// 0.9 degrees outside its nearest orb.

#include "ChartRecord.h"

namespace qxtest {

inline qx::PositionArray elevenPointChart() {
  qx::PositionArray lon{};
  lon[1] = 10;            // Sun
  lon[2] = 132.3456L;     // Moon
  lon[3] = 359;           // Mercury
  lon[4] = 65;            // Venus
  lon[5] = 79;            // Mars
  lon[6] = 108;           // Jupiter
  lon[7] = 162;           // Saturn
  lon[8] = 33;            // north node
  lon[9] = 213;           // south node
  lon[10] = 54;           // Ascendant
  lon[11] = 144;          // Midheaven
  return lon;
}

}  // namespace qxtest
