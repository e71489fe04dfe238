#pragma once
// Local sidereal time, Midheaven, Ascendant and the twelve house cusps in one
// of the named house systems, and the house in which a longitude lies.

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "Extended.h"

namespace qx {

// The house-system names the engine settings may hold.
inline constexpr std::string_view kPlacidus = "PLACIDO";
inline constexpr std::string_view kKoch = "KOCH";
inline constexpr std::string_view kRegiomontanus = "REGIOMONT";
inline constexpr std::string_view kPorphyry = "PORFIRIO";
inline constexpr std::string_view kCampanus = "CAMPANO";
inline constexpr std::string_view kEqualHouses = "CASE_UGUALI";
inline constexpr std::string_view kEqualFromAscendant = "CASE_MEDIE";
inline constexpr std::string_view kMorinus = "MORINO";
inline constexpr std::string_view kAlcabitius = "ALCABIZIO";

// What a house computation fills. The cusps persist from one call to the next
// (a system that sets only some cusps leaves the others as they were).
struct HouseState {
  std::array<Extended, 13> cusp{};  // index 1..12, degrees 0..360; index 0 unused
  Extended localSiderealTime = 0;   // hours, 0..24
  Extended mcRadians = 0;
  Extended ascRadians = 0;
};

// Geographic position as the subject records hold it: whole degrees, whole
// minutes and a letter. Longitude "O" or "W" is west, anything else east;
// latitude "S" is south, anything else north.
struct GeoPosition {
  int latitudeDegrees = 0;
  int latitudeMinutes = 0;
  char latitudeLetter = 'N';
  int longitudeDegrees = 0;
  int longitudeMinutes = 0;
  char longitudeLetter = 'E';
};

// `jdUt` is the instant in UT (already corrected by `corr`); `clockHours` and
// `clockMinutes` the rounded local clock time of the birth.
void computeHouses(std::string_view system, Extended jdUt, Extended corr, int clockHours, int clockMinutes,
                   const GeoPosition& place, HouseState& houses);

// The cusp step on its own, from the sidereal time as RAMC (degrees, a full
// turn being 0), the obliquity (degrees) and the latitude (degrees; south as
// 360 - phi or as a negative value). Fills MC, Ascendant and the cusps of
// `system`; for a name that is none of the above only cusps 1 (Ascendant) and
// 10 (MC) are set and the others keep what they held.
void computeCuspsFromRamc(std::string_view system, Extended ramcDegrees, Extended obliquity, Extended latitude,
                          HouseState& houses);

// For each of the first n longitudes (longitudes[1..n]), the house 1..12 it
// lies in; result[0] is unused. A longitude exactly on a cusp belongs to the
// house the cusp opens, except on cusp 1, which falls in house 12.
std::vector<std::uint8_t> houseOfPoint(int n, const Extended* longitudes, const std::array<Extended, 13>& cusps);

}  // namespace qx
