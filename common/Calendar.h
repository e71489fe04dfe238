#pragma once
// Julian Day of a civil date (Gregorian or Julian calendar) and its inverse,
// the date texts derived from them, and the engine's valid date range.

#include <filesystem>
#include <string>

#include "Extended.h"

namespace qx {

// The engine's valid range: 1850-01-01 0h to 2080-12-31 0h.
inline constexpr Extended kFirstValidJd = 2396758.5L;
inline constexpr Extended kLastValidJd = 2481129.5L;
inline bool inValidRange(Extended jd) { return jd >= kFirstValidJd && jd <= kLastValidJd; }

// `gregorian` is the calendar flag: 1 Gregorian, 0 Julian. Arguments may carry
// fractions; the hour and minute are added to the day.
Extended julianDay(int gregorian, Extended year, Extended month, Extended day, Extended hour, Extended minute);

// "dd/mm/yyyy hh:mm". The general form applies the Gregorian correction to
// days after 1582-10-04 (Z > 2299160); the chart-window form applies it when
// the subject's calendar flag is 1.
std::string jdToText(Extended jd);
std::string jdToText(Extended jd, bool gregorian);

// The jdToText text of the file's last-write time (local clock), or
// "Non Valida" when the file does not exist.
std::string fileDateText(const std::filesystem::path& file);

// Today's date as "dd/mm/yyyy" (local clock).
std::string todayText();

// Julian Day at 0h of today's local date (Gregorian).
Extended todayJulianDay();

}  // namespace qx
