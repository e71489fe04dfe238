#include <gtest/gtest.h>

#include "TextHelpers.h"

namespace {

TEST(TextHelpers, PadZerosFillsToTheWidth) {
  EXPECT_EQ(qx::padZeros(7, 2), "07");
  EXPECT_EQ(qx::padZeros(123, 2), "123");
  EXPECT_EQ(qx::padZeros(42, 5), "00042");
  EXPECT_EQ(qx::padZeros(0, 0), "0");
}

TEST(TextHelpers, FixedDecimalCutsWithoutRounding) {
  struct Case {
    long double x;
    int n;
    const char* text;
  };
  const Case cases[] = {
      {1.0L, 4, "1.00"},    {0.25L, 4, "0.25"},   {12.5L, 4, "12.5"}, {2.3456L, 4, "2.34"},
      {9.9999L, 4, "9.99"}, {0.05L, 4, "0.05"},   {0.5L, 4, "0.50"},  {0.0L, 4, "0.00"},
      {-1.5L, 4, "1.50"},   {123.456L, 5, "123.4"}, {0.001L, 5, "0.001"}, {5.5L, 3, "5.5"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(qx::fixedDecimal(c.x, c.n), c.text);
  }
}

TEST(TextHelpers, SignedCorrTextShowsTheZoneOffset) {
  struct Case {
    long double corr;
    const char* text;
  };
  const Case cases[] = {{-2, "+2.00"}, {0, "+0.00"}, {5, "-5.00"}, {-1, "+1.00"}, {-5.5L, "+5.50"}, {-10, "+10.0"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(qx::signedCorrText(c.corr), c.text);
  }
}

TEST(TextHelpers, GeneralFloatTextIsTheShortestFifteenDigitForm) {
  struct Case {
    long double x;
    const char* text;
  };
  const Case cases[] = {
      {-1, "-1"},           {5, "5"},          {-5.5L, "-5,5"},      {0, "0"},
      {0.25L, "0,25"},      {0.00001L, "0,00001"}, {0.000001L, "1E-6"},  {1e20L, "1E20"},
      {2446000.729166666667L, "2446000,72916667"}, {123456789012345.0L, "123456789012345"},
      {1.0L / 3, "0,333333333333333"},             {2451545.0L, "2451545"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(qx::generalFloatText(c.x), c.text);
  }
}

TEST(TextHelpers, TrimTrailingJunkKeepsLettersDigitsAndAccents) {
  EXPECT_EQ(qx::trimTrailingJunk("Roma (RM)"), "Roma (RM)");
  EXPECT_EQ(qx::trimTrailingJunk("Forl\xEC  - ;"), "Forl\xEC");
  EXPECT_EQ(qx::trimTrailingJunk("fine."), "fine.");
  // At most ten characters are dropped.
  EXPECT_EQ(qx::trimTrailingJunk("a############"), "a##");
  EXPECT_EQ(qx::trimTrailingJunk(""), "");
}

TEST(TextHelpers, TrimTrailingBlanksAndCase) {
  EXPECT_EQ(qx::trimTrailingBlanks("ROSSI MARIO     "), "ROSSI MARIO");
  EXPECT_EQ(qx::trimTrailingBlanks("   "), "");
  EXPECT_EQ(qx::upperCaseText("Rossi \xE8 qui"), "ROSSI \xE8 QUI");  // accented letters unchanged
  EXPECT_EQ(qx::repeatChar(3, '!'), "!!!");
  EXPECT_EQ(qx::repeatChar(-1, '!'), "");
}

}  // namespace
