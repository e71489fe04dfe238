#pragma once
// Small text helpers shared by every window. Texts are Windows-1252 bytes.

#include <string>
#include <string_view>

#include "Extended.h"

namespace qx {

// Decimal text of n with "0" in front until it is at least `width` long.
std::string padZeros(long n, int width);

// ASCII letters to upper case; every other byte unchanged.
std::string upperCaseText(std::string_view s);

std::string repeatChar(int n, char c);

// Removes the blanks at the end (the text taken as a short string of 80).
std::string trimTrailingBlanks(std::string_view s);

// Up to 10 times, drops the last character while it is not one of ")", ".",
// the accented letters "àéèùòì", a letter a-z or A-Z, or a digit.
std::string trimTrailingJunk(std::string_view s);

// The first n characters of the plain decimal form of |x| (no exponent, cut,
// not rounded): 1 gives "1.00" for n = 4, 0.25 "0.25", 12.5 "12.5". The plain
// form is made from the 15-digit scientific text of the real text form.
std::string fixedDecimal(Extended x, int n);

// The general float-to-text form: at most 15 significant digits, trailing
// zeros dropped, "," as the decimal separator; plain decimal notation for
// values from 0.00001 with at most 15 digits before the separator, otherwise
// scientific ("1,5E-6", "2E20"). -1 gives "-1", 5.5 "5,5", 2446000.72916667
// "2446000,72916667".
std::string generalFloatText(Extended x);

// The zone offset shown to the user: the sign of -corr ("+" when -corr >= 0)
// followed by fixedDecimal(corr, 4). Corr = -1 gives "+1.00".
std::string signedCorrText(Extended corr);

// Busy-waits (blocking the caller) until the time has passed.
void delaySeconds(unsigned seconds, unsigned milliseconds);

}  // namespace qx
