#include <gtest/gtest.h>

#include <fstream>

#include "Calendar.h"
#include "TempFolder.h"

namespace {

TEST(JulianDay, KnownDatesAndTheValidRange) {
  struct Case {
    int gregorian, year, month, day, hour, minute;
    long double jd;
    bool inRange;
  };
  const Case cases[] = {
      {1, 1850, 1, 1, 0, 0, 2396758.5L, true},
      {1, 2080, 12, 31, 0, 0, 2481129.5L, true},
      {1, 2080, 12, 31, 0, 1, 2481129.5L + 1.0L / 1440, false},
      {1, 1849, 12, 31, 23, 59, 2396758.5L - 1.0L / 1440, false},
      {1, 2000, 1, 1, 12, 0, 2451545.0L, true},  // January counts as month 13 of 1999
      {0, 1582, 10, 4, 0, 0, 2299159.5L, false},  // Julian flag: no Gregorian correction
      {1, 1582, 10, 15, 0, 0, 2299160.5L, false},
      {1, 1900, 1, 1, 0, 0, 2415020.5L, true},
      {0, 0, 12, 31, 0, 0, 1721422.5L, false},   // the eve of 1 AD
      {0, -1, 12, 31, 0, 0, 1721056.5L, false},  // a negative year takes one day off
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
    const long double jd = qx::julianDay(c.gregorian, c.year, c.month, c.day, c.hour, c.minute);
    EXPECT_NEAR(static_cast<double>(jd), static_cast<double>(c.jd), 1e-9);
    EXPECT_EQ(qx::inValidRange(jd), c.inRange);
  }
}

TEST(JdToText, InvertsJulianDay) {
  EXPECT_EQ(qx::jdToText(2451545.0L), "01/01/2000 12:00");
  EXPECT_EQ(qx::jdToText(2396758.5L), "01/01/1850 00:00");
  EXPECT_EQ(qx::jdToText(qx::julianDay(1, 1975, 7, 14, 23, 45)), "14/07/1975 23:45");
  // The general form switches calendars at the reform.
  EXPECT_EQ(qx::jdToText(2299159.5L), "04/10/1582 00:00");
  EXPECT_EQ(qx::jdToText(2299160.5L), "15/10/1582 00:00");
  // The chart-window form follows the subject's calendar instead.
  EXPECT_EQ(qx::jdToText(qx::julianDay(0, 1700, 3, 1, 0, 0), false), "01/03/1700 00:00");
  EXPECT_EQ(qx::jdToText(qx::julianDay(1, 1700, 3, 1, 0, 0), true), "01/03/1700 00:00");
}

TEST(JdToText, NeverShowsSixtyMinutes) {
  // 29.9999 minutes past 10:59 rounds to the next hour, not to 10:60.
  const long double jd = qx::julianDay(1, 2001, 2, 3, 10, 59.9999L);
  EXPECT_EQ(qx::jdToText(jd), "03/02/2001 11:00");
  const long double midnight = qx::julianDay(1, 2001, 12, 31, 23, 59.9999L);
  EXPECT_EQ(qx::jdToText(midnight), "01/01/2002 00:00");
}

TEST(FileDateText, MissingFileIsNotValid) {
  qxtest::TempFolder folder;
  EXPECT_EQ(qx::fileDateText(folder.path() / "nessuno.txt"), "Non Valida");
  std::ofstream(folder.path() / "oggi.txt") << "x";
  const std::string text = qx::fileDateText(folder.path() / "oggi.txt");
  EXPECT_EQ(text.substr(0, 10), qx::todayText().substr(0, 10));
  EXPECT_EQ(text.size(), 16u);
}

}  // namespace
