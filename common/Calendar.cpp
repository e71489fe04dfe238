#include "Calendar.h"

#include <chrono>
#include <cmath>
#include <ctime>

#include <sys/stat.h>

#include "Angles.h"
#include "TextHelpers.h"

namespace qx {

Extended julianDay(int gregorian, Extended year, Extended month, Extended day, Extended hour, Extended minute) {
  day = day + hour / 24 + minute / 1440;
  if (month < 3) {
    year -= 1;
    month += 12;
  }
  Extended b = 0;
  if (gregorian == 1) {
    const Extended a = truncate(year / 100);
    b = 2 - a + truncate(a / 4);
  }
  Extended c = truncate(365.25L * year);
  if (year < 0) c -= 1;
  const Extended e = truncate(30.6001L * (month + 1));
  return b + c + e + day + 1720994.5L;
}

namespace {

std::string jdToTextWith(Extended jd, bool gregorianRule, bool general) {
  Extended x = jd + 0.5L;
  for (;;) {
    const Extended z = truncate(x);
    const Extended f = x - z;
    const bool correct = general ? (z > 2299160) : gregorianRule;
    Extended a = z;
    if (correct) {
      const Extended alpha = truncate((z - 1867216.25L) / 36524.25L);
      a = z + 1 + alpha - truncate(alpha / 4);
    }
    const Extended b = a + 1524;
    const Extended c = truncate((b - 122.1L) / 365.25L);
    const Extended d = truncate(365.25L * c);
    const Extended e = truncate((b - d) / 30.6001L);
    const Extended dayf = b - d - truncate(30.6001L * e) + f;
    const Extended month = e < 13.5L ? e - 1 : e - 13;
    const Extended year = month > 2.5L ? c - 4716 : c - 4715;
    const Extended h24 = (dayf - truncate(dayf)) * 24;
    const Extended hours = truncate(h24);
    const Extended minutes = truncate((h24 - truncate(h24)) * 60 + 0.5L);
    const Extended day = truncate(dayf);
    if (minutes >= 60) {
      // A minute count of 60 is never shown: step forward a little and redo.
      x += 0.00001L;
      continue;
    }
    return padZeros(long(day), 2) + "/" + padZeros(long(month), 2) + "/" + padZeros(long(year), 4) + " " +
           padZeros(long(hours), 2) + ":" + padZeros(long(minutes), 2);
  }
}

}  // namespace

std::string jdToText(Extended jd) { return jdToTextWith(jd, false, true); }

std::string jdToText(Extended jd, bool gregorian) { return jdToTextWith(jd, gregorian, false); }

std::string fileDateText(const std::filesystem::path& file) {
  struct stat st {};
  if (::stat(file.c_str(), &st) != 0) return "Non Valida";
  const std::time_t seconds = st.st_mtim.tv_sec;
  std::tm local{};
  localtime_r(&seconds, &local);
  return jdToText(julianDay(1, local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                            local.tm_min + local.tm_sec / 60.0L));
}

namespace {

std::tm localNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

}  // namespace

std::string todayText() {
  const std::tm t = localNow();
  return padZeros(t.tm_mday, 2) + "/" + padZeros(t.tm_mon + 1, 2) + "/" + padZeros(t.tm_year + 1900, 4);
}

Extended todayJulianDay() {
  const std::tm t = localNow();
  return julianDay(1, t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, 0, 0);
}

}  // namespace qx
