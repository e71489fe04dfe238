#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "HexBytes.h"
#include "RealCodecs.h"

namespace {

using qxtest::hexText;

// Little-endian bytes as the files hold them.
struct ExtendedCase {
  long double value;
  const char* bytes;
};

TEST(ExtendedCodec, KnownBytesBothWays) {
  const ExtendedCase cases[] = {
      {0.0L, "00000000000000000000"},
      {1.0L, "0000000000000080FF3F"},
      {-1.0L, "0000000000000080FFBF"},
      {10.0L, "00000000000000A00240"},
      {0.5L, "0000000000000080FE3F"},
      {2451545.0L, "000000000064A1951440"},
      {0.1L, "CDCCCCCCCCCCCCCCFB3F"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bytes);
    const auto encoded = qx::encodeExtended(c.value);
    EXPECT_EQ(hexText(encoded.data(), 10), c.bytes);
    EXPECT_EQ(qx::decodeExtended(encoded.data()), c.value);
  }
}

TEST(ExtendedCodec, RoundTripsEveryKindOfFiniteValue) {
  const long double values[] = {
      std::numeric_limits<long double>::min(),         std::numeric_limits<long double>::denorm_min(),
      std::numeric_limits<long double>::max(),         -std::numeric_limits<long double>::max(),
      3.14159265358979323846264338327950288L,          -2396758.5L,
      std::numeric_limits<long double>::denorm_min() * 12345,
  };
  for (long double v : values) {
    SCOPED_TRACE(static_cast<double>(v));
    EXPECT_EQ(qx::decodeExtended(qx::encodeExtended(v).data()), v);
  }
  const auto inf = qx::encodeExtended(std::numeric_limits<long double>::infinity());
  EXPECT_TRUE(std::isinf(qx::decodeExtended(inf.data())));
  const auto nan = qx::encodeExtended(std::numeric_limits<long double>::quiet_NaN());
  EXPECT_TRUE(std::isnan(qx::decodeExtended(nan.data())));
}

struct Real48Case {
  long double value;
  const char* bytes;
};

TEST(Real48Codec, KnownBytesBothWays) {
  // Byte 0 is the exponent (bias 129), byte 5's top bit the sign.
  const Real48Case cases[] = {
      {0.0L, "000000000000"},
      {1.0L, "810000000000"},
      {-1.0L, "810000000080"},
      {0.5L, "800000000000"},
      {10.0L, "840000000020"},
      {1721409.0L, "950000082252"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bytes);
    const auto encoded = qx::encodeReal48(c.value);
    EXPECT_EQ(hexText(encoded.data(), 6), c.bytes);
    EXPECT_EQ(qx::decodeReal48(encoded.data()), c.value);
  }
}

TEST(Real48Codec, HoldsEveryRecordDateExactly) {
  for (long double jd = 1721409.0L; jd < 2499380.0L; jd += 5 * 997) {
    SCOPED_TRACE(static_cast<double>(jd));
    EXPECT_EQ(qx::decodeReal48(qx::encodeReal48(jd).data()), jd);
    EXPECT_EQ(qx::decodeReal48(qx::encodeReal48(jd + 0.5L).data()), jd + 0.5L);
  }
}

TEST(Real48Codec, RefusesWhatItCannotHold) {
  EXPECT_THROW(qx::encodeReal48(1e39L), std::range_error);
  EXPECT_THROW(qx::encodeReal48(std::numeric_limits<long double>::infinity()), std::range_error);
  // The zero exponent byte means zero whatever the other bytes hold.
  const std::uint8_t junk[6] = {0, 1, 2, 3, 4, 5};
  EXPECT_EQ(qx::decodeReal48(junk), 0.0L);
}

}  // namespace
