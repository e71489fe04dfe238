#include <gtest/gtest.h>

#include "ArchiveRecords.h"
#include "BirthCodes.h"
#include "Calendar.h"
#include "ChartEngine.h"
#include "RecordFile.h"

namespace {

// Equal cusps from 0 Aries: house k holds longitudes 30(k-1) .. 30k.
std::array<long double, 13> equalCusps() {
  std::array<long double, 13> cusps{};
  for (int k = 1; k <= 12; ++k) cusps[k] = 30.0L * (k - 1);
  return cusps;
}

TEST(BirthCodes, PlanetAndCuspEntries) {
  qx::PositionArray lon{};
  for (int i = 1; i <= 12; ++i) lon[i] = 30.0L * (i - 1) + 5.5L;  // each body 5.5 deg into a sign
  lon[13] = 0;
  lon[14] = 270;
  const qx::BirthCodes codes = qx::codesOfPositions(lon, equalCusps());
  ASSERT_EQ(codes.PlanetsCode.size(), 72u);
  EXPECT_EQ(codes.PlanetsCode.substr(0, 12), "01eA0502lT05");
  EXPECT_EQ(codes.PlanetsCode.substr(66, 6), "12hP05");
  ASSERT_EQ(codes.CuspsCode.size(), 60u);
  EXPECT_EQ(codes.CuspsCode.substr(0, 10), "01A0002T00");
  EXPECT_EQ(codes.CuspsCode.substr(55, 5), "12P00");
}

TEST(BirthCodes, AspectEntriesAndTheirOrbDigit) {
  // The Sun-Moon entry ("e", aspect, "l", orb digit) for several separations.
  struct Case {
    long double moon;
    const char* entry;  // the Sun-Moon entry, or "" for none
  };
  const Case cases[] = {
      {57, "eJl3"},   // sextile, 3 deg from exact
      {64, ""},       // beyond the sextile's bounds
      {172, "eOl8"},  // opposition from 171
      {113, "eZl7"},  // trine
      {8.4L, "eKl8"}, // conjunction
      {92.5L, "eWl2"},  // square, 2.5 rounds to even
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.entry);
    qx::PositionArray lon{};
    lon[1] = 0;
    lon[2] = c.moon;
    for (int i = 3; i <= 14; ++i) lon[i] = 236.5L + 0.01L * i;
    const qx::BirthCodes codes = qx::codesOfPositions(lon, equalCusps());
    std::string sunMoon;
    for (std::size_t k = 0; k + 4 <= codes.AspectsCode.size(); k += 4)
      if (codes.AspectsCode[k] == 'e' && codes.AspectsCode[k + 2] == 'l') sunMoon = codes.AspectsCode.substr(k, 4);
    EXPECT_EQ(sunMoon, c.entry) << codes.AspectsCode;
  }
}

TEST(BirthCodes, InstalledSubjectCarriesTheCodesOfItsBirth) {
  // The installation's current subject was written as a registration writes
  // it: its codes are those the engine gives for its birth data.
  const qx::WorkFolder data(QX_DATA_DIR);
  const auto birth = qx::RecordFile(data.resolve("TMPR.ST2"), qx::BirthRecord::kSize, qx::RecordFile::Mode::Read)
                         .readRecord<qx::BirthRecord>(0);
  EXPECT_EQ(birth.DateKey(), "196806151430-2");
  EXPECT_EQ(birth.PlaceField(), "41N54-012E30ROMA *RM*");
  EXPECT_EQ(birth.CalendarCode(), "GR");
  EXPECT_EQ(birth.AnnotationIndex(), "00000");
  qx::Ephemeris ephemeris(data);
  const qx::BirthCodes codes = qx::buildCodes(ephemeris, {"VERO", "VERA"}, qx::julianDay(1, 1968, 6, 15, 14, 30), -2,
                                              14, 30, qx::geoPositionOfCoordinates("41N54-012E30"));
  EXPECT_EQ(birth.PlanetsCode(), codes.PlanetsCode);
  EXPECT_EQ(birth.CuspsCode(), codes.CuspsCode);
  EXPECT_EQ(birth.AspectsCode(), codes.AspectsCode);
  EXPECT_EQ(codes.PlanetsCode.substr(0, 6), "09eG24");  // the Sun at 24 Gemini in house 9
}

}  // namespace
