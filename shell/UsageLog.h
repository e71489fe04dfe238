#pragma once
// The usage log, advanced once per run by the main window.
//
// "OpzioneT\\Sole.tm1" holds three lines: the Julian day of the previous use,
// the Julian day of the current use (7 digits each, read as short strings of
// 10) and the number of uses so far. "OpzioneT\\Luna.tm1" holds one line per
// use, the 7-digit Julian day, oldest first. A 7-digit Julian day is the
// integer part of the Julian day at 0 h of the day of use. A new log holds
// "2451545", "2451545", "1" (2451545 stands for the missing previous use) and
// an empty list.

#include <string>
#include <string_view>
#include <vector>

#include "Extended.h"
#include "WorkFolder.h"

namespace qx {

inline constexpr std::string_view kUsageStateFile = "OpzioneT\\Sole.tm1";
inline constexpr std::string_view kUsageDatesFile = "OpzioneT\\Luna.tm1";
inline constexpr std::string_view kNoPreviousUse = "2451545";
inline constexpr std::size_t kUsageDayLength = 10;

// The first 7 decimal digits of the integer part of `jd`.
std::string julianDayDigits(Extended jd);

// The date "dd/mm/yyyy" of a logged day. The 7 digits lost the half day of
// 0 h, so the day is taken as its 0 h (integer part + 0.5): the 12 h of the
// whole number itself lies on the day before.
std::string usageDateText(Extended loggedDay);

// Advances the log for a run on the day whose Julian day at 0 h is `todayJd`:
// creates missing files, rewrites "OpzioneT\\Sole.tm1" as (old line 2, today,
// count + 1), appends today to "OpzioneT\\Luna.tm1", and gives the dates of all
// logged uses, oldest first, for the main window's list of use dates. A line
// that does not hold the number it should raises IoError.
std::vector<std::string> updateUsageLog(const WorkFolder& folder, Extended todayJd);

}  // namespace qx
