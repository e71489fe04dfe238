#include <gtest/gtest.h>

#include "RealText.h"

namespace {

TEST(RealText, WritesTheTwentyThreeCharacterForm) {
  struct Case {
    long double value;
    const char* text;
  };
  const Case cases[] = {
      {10.0L, " 1.00000000000000E+0001"},
      {1.0L, " 1.00000000000000E+0000"},
      {0.0L, " 0.00000000000000E+0000"},
      {-2.5L, "-2.50000000000000E+0000"},
      {0.95L, " 9.50000000000000E-0001"},
      {12.5L, " 1.25000000000000E+0001"},
      {2451545.0L, " 2.45154500000000E+0006"},
      {1e-300L, " 1.00000000000000E-0300"},
      {123456789012345678.0L, " 1.23456789012346E+0017"},  // rounded to 15 digits
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const std::string text = qx::formatRealText(c.value);
    EXPECT_EQ(text, c.text);
    EXPECT_EQ(text.size(), 23u);
  }
}

TEST(RealText, ReadsAnyDecimalOrScientificNumber) {
  struct Case {
    const char* text;
    long double value;
  };
  const Case cases[] = {
      {" 1.00000000000000E+0001", 10.0L}, {"12,5", 12.5L}, {"12.5", 12.5L},   {"  -3 ", -3.0L},
      {"+4", 4.0L},                       {".5", 0.5L},    {"7.", 7.0L},      {"1,5E+0002", 150.0L},
      {"2e-3", 0.002L},                   {"0", 0.0L},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const auto value = qx::parseReal(c.text);
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(*value, c.value);
  }
  for (const char* bad : {"", " ", "abc", "1.2.3", "1,2,3", "12a", "e5", "--1", "1e"}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(qx::parseReal(bad).has_value());
  }
}

TEST(RealText, FormReadsBackToTheSameFifteenDigits) {
  for (long double v : {1.0L / 3, -0.95L, 3.9L / 0.95L, 2441234.56789L}) {
    const auto back = qx::parseReal(qx::formatRealText(v));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(qx::formatRealText(*back), qx::formatRealText(v));
  }
}

TEST(RealText, LineReadersTakeTheLeadingNumber) {
  EXPECT_EQ(qx::leadingReal("  3,25 gradi"), 3.25L);
  EXPECT_EQ(qx::leadingReal(" 1.00000000000000E+0000"), 1.0L);
  EXPECT_FALSE(qx::leadingReal("x1").has_value());
  EXPECT_EQ(qx::leadingInteger("42 e altro"), 42);
  EXPECT_EQ(qx::leadingInteger("-7"), -7);
  EXPECT_FALSE(qx::leadingInteger("").has_value());
  EXPECT_EQ(qx::parseInteger(" 2451545 "), 2451545);
  EXPECT_FALSE(qx::parseInteger("12.5").has_value());
}

}  // namespace
