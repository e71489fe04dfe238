#pragma once
// The three codes stored with every birth record at registration and
// modification: planets (house, sign and degree of each body), cusps (sign
// and degree of each Placidus cusp) and aspects (the major aspects with a
// rough orb). They are written and kept; nothing reads them back.

#include <string>

#include "ChartRecord.h"
#include "Ephemeris.h"
#include "Extended.h"
#include "Houses.h"

namespace qx {

struct BirthCodes {
  std::string PlanetsCode;  // 12 entries of 6 characters
  std::string CuspsCode;    // 12 entries of 5 characters
  std::string AspectsCode;  // entries of 4 characters, the first 124 characters kept
};

// The codes from the positions: `lon[1..12]` the raw layout (absolute
// values), `lon[13]` and `lon[14]` cusp 1 and cusp 10, and the Placidus cusps.
BirthCodes codesOfPositions(const PositionArray& lon, const std::array<Extended, 13>& cusps);

// `localJd` is the Julian Day of the local date and clock time; the bodies are
// evaluated at localJd + corr/24 (UT), while the Placidus cusps take localJd
// as their time argument with `corr` and the clock time for the sidereal
// time. `settings` are the node and apogee kinds in force.
BirthCodes buildCodes(Ephemeris& ephemeris, const EphemerisSettings& settings, Extended localJd, Extended corr,
                      int clockHours, int clockMinutes, const GeoPosition& place);

}  // namespace qx
