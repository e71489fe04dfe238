#include "PositionFormats.h"

#include <cmath>

#include "Angles.h"
#include "TextHelpers.h"

namespace qx {

namespace {

constexpr const char* kSignCodes[12] = {"Ari", "Tor", "Gem", "Can", "Leo", "Ver",
                                        "Bil", "Sco", "Sag", "Cap", "Acq", "Pes"};
constexpr const char* kSignNames[12] = {"Ariete", "Toro",       "Gemelli",    "Cancro",   "Leone",    "Vergine",
                                        "Bilancia", "Scorpione", "Sagittario", "Capricorno", "Acquario", "Pesci"};
constexpr char kDegree = '\xB0';

struct SignPosition {
  int sign;  // 0 = Aries .. 11 = Pisces
  long degrees;
  long minutes;
  long seconds;
};

// Degrees, minutes and seconds within the sign; with `roundMinutes` the
// minutes are rounded by the seconds, never rolling into the next sign.
SignPosition splitInSign(Extended x, bool roundMinutes) {
  const long sign = long(truncate(x / 30));
  const Extended r = normalize30(x);
  SignPosition p{};
  p.sign = int(sign % 12);  // 360 is the start of Aries
  p.degrees = long(truncate(r));
  p.minutes = long(truncate((r - truncate(r)) * 60));
  p.seconds = long(std::nearbyint((x - p.degrees - 30 * sign - p.minutes / 60.0L) * 3600));
  if (roundMinutes) {
    if (p.seconds > 30) ++p.minutes;
    if (p.minutes >= 60) {
      if (p.degrees == 29) {
        p.minutes = 59;
      } else {
        p.minutes = 0;
        ++p.degrees;
      }
    }
  }
  return p;
}

}  // namespace

const char* signCode(int sign) { return kSignCodes[(sign + 11) % 12]; }
const char* signName(int sign) { return kSignNames[(sign + 11) % 12]; }

std::string formatInSign(Extended x, int mode) {
  const SignPosition p = splitInSign(x, mode != 2);
  std::string text = padZeros(p.degrees, 2) + kSignCodes[p.sign] + padZeros(p.minutes, 2);
  if (mode == 2) text += ":" + padZeros(p.seconds, 2);
  return text;
}

std::string formatDegMin(Extended x, int mode) {
  const SignPosition p = splitInSign(x, mode != 2);
  std::string text = padZeros(p.degrees, 2) + kDegree + padZeros(p.minutes, 2) + "'";
  if (mode == 2) text += padZeros(p.seconds, 2) + "\"";
  return text;
}

std::string formatWithSignName(Extended x, char flag) {
  const SignPosition p = splitInSign(x, true);
  std::string text = padZeros(p.degrees, 2) + kDegree + padZeros(p.minutes, 2) + "' " + kSignNames[p.sign];
  if (flag == 'r' || flag == 'R') text += " Retrogrado ";
  return text;
}

std::string formatLatitude(Extended b) {
  const Extended a = std::fabs(b);
  const long degrees = long(truncate(a));
  const long minutes = long(truncate((a - degrees) * 60));
  return padZeros(degrees, 2) + kDegree + " " + padZeros(minutes, 2) + "'" + " " + (b >= 0 ? "Nord" : "Sud");
}

}  // namespace qx
