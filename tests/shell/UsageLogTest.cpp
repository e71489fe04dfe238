#include "UsageLog.h"

#include <gtest/gtest.h>

#include "FileBytes.h"
#include "IoError.h"
#include "TempFolder.h"

namespace qxtest {
namespace {

using Dates = std::vector<std::string>;

// Julian days at 0 h, from the count of days since 2000-01-01 (JD 2451544.5).
constexpr qx::Extended k2024Dec10 = 2460654.5L;
constexpr qx::Extended k2024Dec11 = 2460655.5L;

class UsageLogFiles : public ::testing::Test {
 protected:
  std::filesystem::path sole() const { return temp.path() / "OpzioneT" / "Sole.tm1"; }
  std::filesystem::path luna() const { return temp.path() / "OpzioneT" / "Luna.tm1"; }

  TempFolder temp;
  qx::WorkFolder folder{temp.path()};
};

TEST_F(UsageLogFiles, FirstAndSecondRun) {
  EXPECT_EQ(qx::updateUsageLog(folder, k2024Dec10), (Dates{"10/12/2024"}));
  EXPECT_EQ(readBytes(sole()), "2451545\r\n2460654\r\n2\r\n");
  EXPECT_EQ(readBytes(luna()), "2460654\r\n");

  EXPECT_EQ(qx::updateUsageLog(folder, k2024Dec11), (Dates{"10/12/2024", "11/12/2024"}));
  EXPECT_EQ(readBytes(sole()), "2460654\r\n2460655\r\n3\r\n");
  EXPECT_EQ(readBytes(luna()), "2460654\r\n2460655\r\n");
}

TEST_F(UsageLogFiles, ExistingLogIsRotatedAndExtended) {
  // Line 2 is read as a short string of 10; the count is the number at the
  // start of line 3; a Luna.tm1 without its last line end still takes the
  // new line after it.
  writeBytes(sole(), "2451545\r\n24606501234567\r\n41 usi\r\n");
  writeBytes(luna(), "2396758\r\n2481129\r\n");
  EXPECT_EQ(qx::updateUsageLog(folder, k2024Dec10), (Dates{"01/01/1850", "31/12/2080", "10/12/2024"}));
  EXPECT_EQ(readBytes(sole()), "2460650123\r\n2460654\r\n42\r\n");
  EXPECT_EQ(readBytes(luna()), "2396758\r\n2481129\r\n2460654\r\n");
}

TEST_F(UsageLogFiles, MissingListIsCreatedBesideAnExistingState) {
  writeBytes(sole(), "2460600\r\n2460650\r\n7\r\n");
  EXPECT_EQ(qx::updateUsageLog(folder, k2024Dec10), (Dates{"10/12/2024"}));
  EXPECT_EQ(readBytes(sole()), "2460650\r\n2460654\r\n8\r\n");
}

TEST_F(UsageLogFiles, DamagedStateRaisesTheIoError) {
  struct Case {
    const char* name;
    std::string content;
    qx::IoErrorCode code;
  };
  const Case cases[] = {
      {"two lines", "2451545\r\n2451545\r\n", qx::IoErrorCode::ReadPastEnd},
      {"no count", "2451545\r\n2451545\r\nmolti\r\n", qx::IoErrorCode::InvalidNumber},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    writeBytes(sole(), c.content);
    try {
      qx::updateUsageLog(folder, k2024Dec10);
      ADD_FAILURE() << "no error";
    } catch (const qx::IoError& e) {
      EXPECT_EQ(e.code(), c.code);
      EXPECT_EQ(e.file(), sole().string());
    }
    EXPECT_EQ(readBytes(sole()), c.content);
  }
}

TEST(UsageDates, SevenDigitsAndTheirDate) {
  const struct {
    qx::Extended jd;  // at 0 h
    const char* digits;
    const char* date;
  } cases[] = {
      {2451544.5L, "2451544", "01/01/2000"},
      {2460369.5L, "2460369", "29/02/2024"},
      {2396758.5L, "2396758", "01/01/1850"},
      {2481129.5L, "2481129", "31/12/2080"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.digits);
    EXPECT_EQ(qx::julianDayDigits(c.jd), c.digits);
    EXPECT_EQ(qx::usageDateText(c.jd - 0.5L), c.date);
    EXPECT_EQ(qx::usageDateText(c.jd), c.date);  // a full Julian day at 0 h gives the same date
  }
}

}  // namespace
}  // namespace qxtest
