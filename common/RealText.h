#pragma once
// The 23-character real text form of the settings and hand-off files, and the
// readers of numbers in text.
//
// Form: a sign position (blank, or "-" for a negative value), one digit, ".",
// 14 digits, "E", the exponent's sign and four digits. 10 is written
// " 1.00000000000000E+0001", 1.0 " 1.00000000000000E+0000". The 15 significant
// digits are rounded to nearest from the exact binary value.

#include <optional>
#include <string>
#include <string_view>

#include "Extended.h"

namespace qx {

std::string formatRealText(Extended value);

// A whole text as a number: blanks at both ends are ignored, the rest must be
// a decimal or scientific number with "." or "," as separator ("12,5", "-3",
// "1.5E+0002", "+.5"). Gives nothing for any other text.
std::optional<Extended> parseReal(std::string_view text);

// Integers as the file readers take them: optional blanks, an optional sign,
// digits; the whole (trimmed) text must be the number.
std::optional<long long> parseInteger(std::string_view text);

// The number at the start of a line as a file reader takes it: leading blanks
// skipped, then the longest number, the rest of the line ignored. Gives
// nothing when the line does not start with a number.
std::optional<Extended> leadingReal(std::string_view line);
std::optional<long long> leadingInteger(std::string_view line);

}  // namespace qx
