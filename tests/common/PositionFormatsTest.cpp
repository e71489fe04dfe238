#include <gtest/gtest.h>

#include "PositionFormats.h"

namespace {

TEST(PositionFormats, MinutesRoundWithoutLeavingTheSign) {
  struct Case {
    long double x;
    const char* degMin;
    const char* inSign;
  };
  const Case cases[] = {
      {15.9999L, "16\xB0" "00'", "16Ari00"},
      {29.9999L, "29\xB0" "59'", "29Ari59"},  // never rolls into Taurus
      {15.98L, "15\xB0" "59'", "15Ari59"},    // 58' 48" rounds up
      {45.5L, "15\xB0" "30'", "15Tor30"},
      {359.99L, "29\xB0" "59'", "29Pes59"},
      {360, "00\xB0" "00'", "00Ari00"},
      {200.0083L, "20\xB0" "00'", "20Bil00"},  // 29.9" rounds down
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.inSign);
    EXPECT_EQ(qx::formatDegMin(c.x, 0), c.degMin);
    EXPECT_EQ(qx::formatInSign(c.x, 0), c.inSign);
  }
}

TEST(PositionFormats, SecondsMode) {
  EXPECT_EQ(qx::formatDegMin(15.98L, 2), "15\xB0" "58'48\"");
  EXPECT_EQ(qx::formatInSign(15.98L, 2), "15Ari58:48");
  EXPECT_EQ(qx::formatInSign(123.5125L, 2), "03Leo30:45");
}

TEST(PositionFormats, SignNamesRetrogradeAndLatitude) {
  EXPECT_EQ(qx::formatWithSignName(123.5125L, ' '), "03\xB0" "31' Leone");
  EXPECT_EQ(qx::formatWithSignName(275, 'r'), "05\xB0" "00' Capricorno Retrogrado ");
  EXPECT_EQ(qx::formatWithSignName(275, 'R'), "05\xB0" "00' Capricorno Retrogrado ");
  EXPECT_EQ(qx::formatLatitude(5.125L), "05\xB0 07' Nord");
  EXPECT_EQ(qx::formatLatitude(-1.999L), "01\xB0 59' Sud");  // minutes cut, not rounded
  EXPECT_EQ(qx::formatLatitude(0), "00\xB0 00' Nord");
}

}  // namespace
