#pragma once
// The fixed text forms in which positions and latitudes are shown. x is an
// ecliptic longitude in degrees; "dd", "mm", "ss" are two-digit numbers.
// Texts are Windows-1252 ("°" is one byte).

#include <string>

#include "Extended.h"

namespace qx {

// Mode 2: "dd" + sign code + "mm" + ":" + "ss"; any other mode: "dd" + sign
// code + "mm" with the minutes rounded. Codes "Ari", "Tor", ... "Pes".
std::string formatInSign(Extended x, int mode);

// Degrees within the sign. Mode 2: dd°mm'ss"; any other mode: dd°mm' rounded.
std::string formatDegMin(Extended x, int mode);

// dd°mm' + blank + sign name ("Ariete" ... "Pesci"), then " Retrogrado " when
// `flag` is "r" or "R". Minutes rounded.
std::string formatWithSignName(Extended x, char flag);

// dd° mm' Nord / Sud, of |b|, minutes cut.
std::string formatLatitude(Extended b);

// The three-letter sign code and the sign name of sign number 1..12.
const char* signCode(int sign);
const char* signName(int sign);

}  // namespace qx
