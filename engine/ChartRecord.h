#pragma once
// The computed chart of the current subject: positions, cusps, retrograde
// marks and texts. The program holds exactly one, owned by the application
// state and handed to every window that reads it.

#include <array>
#include <cstdint>
#include <string>

#include "Extended.h"

namespace qx {

// Body numbers of the raw layout (during an evaluation).
enum Body : int {
  kSun = 1,
  kMoon = 2,
  kMercury = 3,
  kVenus = 4,
  kMars = 5,
  kJupiter = 6,
  kSaturn = 7,
  kUranus = 8,
  kNeptune = 9,
  kPluto = 10,
  kLunarNode = 11,
  kLunarApogee = 12,
  kAscendantBody = 13,
  kCeres = 15,
  kPallas = 16,
  kJuno = 17,
  kVesta = 18,
  kChiron = 19,
};

// Indices of the display layout (after the chart computation), used by every
// analysis: 1 Sun .. 7 Saturn, then these four.
enum DisplayPoint : int {
  kNorthNode = 8,
  kSouthNode = 9,
  kAscendant = 10,
  kMidheaven = 11,
};

inline constexpr int kPositionCount = 25;  // index 0..24, index 0 carries no body
inline constexpr int kMarkCount = 22;      // index 1..22

using PositionArray = std::array<Extended, kPositionCount>;

struct ChartRecord {
  PositionArray Lon{};
  PositionArray Lat{};
  std::array<Extended, 13> Cusp{};           // index 1..12
  std::array<std::string, kMarkCount + 1> RetroMark{};  // index 1..22: "r" or " "
  std::array<std::uint8_t, kMarkCount + 1> SignOf{};    // index 1..22: sign 1..12
  Extended LocalSiderealTime = 0;  // hours
  Extended McRadians = 0;
  Extended AscRadians = 0;
  Extended JdUt = 0;
  Extended Corr = 0;  // hours; UT = local time + Corr
  std::string CorrText;
  std::string JdText;
  std::string DateTimeText;
  std::string CoordText;
  std::string PlaceText;
  std::uint8_t Gregorian = 0;
  std::string HouseSystem;  // at most 15 characters
  std::string NodeKind;     // at most 5 characters: "VERO" or "MEDIO"
  std::string ApogeeKind;   // at most 5 characters: "VERA" selects the corrected apogee
  // The chart window's own copy of the longitudes; the range rule clears its
  // minor bodies too.
  PositionArray AuxLon{};
};

}  // namespace qx
