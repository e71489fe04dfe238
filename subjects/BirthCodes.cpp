#include "BirthCodes.h"

#include <cmath>
#include <cstring>

#include "Angles.h"
#include "ChartRecord.h"
#include "PositionFormats.h"
#include "TextHelpers.h"

namespace qx {

namespace {

// Point letters by position: 1..12 of the raw layout, 13 the Ascendant (cusp
// 1), 14 the Midheaven (cusp 10).
constexpr char kPointLetters[15] = {' ', 'e', 'l', 'm', 'v', 'a', 'g', 's', 'u', 'n', 'p', 'd', 'h', 'x', 'y'};
// Sign letters for signs 1..12.
constexpr char kSignLetters[13] = {' ', 'A', 'T', 'G', 'N', 'L', 'V', 'B', 'S', 'R', 'C', 'Q', 'P'};

// The sign letter of a three-letter sign code ("Ari" .. "Pes").
char signLetterOfCode(const std::string& code) {
  for (int sign = 1; sign <= 12; ++sign)
    if (code == signCode(sign)) return kSignLetters[sign];
  return ' ';
}

}  // namespace

BirthCodes buildCodes(Ephemeris& ephemeris, const EphemerisSettings& settings, Extended localJd, Extended corr,
                      int clockHours, int clockMinutes, const GeoPosition& place) {
  PositionArray lon{}, lat{};
  ephemeris.evaluate(0, 0, localJd + corr / 24, settings, lon, lat);
  for (Extended& l : lon) l = std::fabs(l);

  HouseState houses;
  computeHouses(kPlacidus, localJd, corr, clockHours, clockMinutes, place, houses);
  lon[13] = houses.cusp[1];
  lon[14] = houses.cusp[10];
  return codesOfPositions(lon, houses.cusp);
}

BirthCodes codesOfPositions(const PositionArray& lon, const std::array<Extended, 13>& cusps) {
  BirthCodes codes;
  const std::vector<std::uint8_t> house = houseOfPoint(12, lon.data(), cusps);
  for (int i = 1; i <= 12; ++i) {
    const long d = long(truncate(lon[i]));
    // A longitude of exactly 360 is taken as the start of Aries.
    const int sign = int((d / 30) % 12) + 1;
    codes.PlanetsCode += padZeros(house[i], 2) + kPointLetters[i] + kSignLetters[sign] + padZeros(d % 30, 2);
  }
  for (int k = 1; k <= 12; ++k) {
    const std::string text = formatInSign(cusps[k], 0);
    codes.CuspsCode += padZeros(k, 2) + signLetterOfCode(text.substr(2, 3)) + text.substr(0, 2);
  }
  for (int i = 1; i <= 10; ++i) {
    for (int j = i + 1; j <= 14; ++j) {
      if (j == 11 || j == 12) continue;
      Extended e = lon[j] - lon[i];
      if (e < 0) e += 360;
      if (e > 180) e = 360 - e;
      char aspect = 0;
      Extended orb = 0;
      if (e > 171) {
        aspect = 'O';
        orb = 180 - e;
      } else if (e > 112 && e < 128) {
        aspect = 'Z';
        orb = std::fabs(e - 120);
      } else if (e > 84 && e < 96) {
        aspect = 'W';
        orb = std::fabs(e - 90);
      } else if (e > 56 && e < 64) {
        aspect = 'J';
        orb = std::fabs(e - 60);
      } else if (e < 9) {
        aspect = 'K';
        orb = e;
      }
      if (!aspect) continue;
      const std::string rounded = std::to_string(long(std::nearbyint(orb)));
      codes.AspectsCode += std::string{kPointLetters[i], aspect, kPointLetters[j], rounded[0]};
    }
  }
  if (codes.AspectsCode.size() > 124) codes.AspectsCode.resize(124);
  return codes;
}

}  // namespace qx
