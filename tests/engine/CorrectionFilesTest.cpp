#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include "CorrectionFiles.h"
#include "IoError.h"
#include "TempFolder.h"

namespace {

namespace fs = std::filesystem;

void writeInts(const fs::path& path, const std::vector<int>& values, int width) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  for (int v : values)
    for (int i = 0; i < width; ++i) out.put(char((unsigned(v) >> (8 * i)) & 0xFF));
}

void writeDpr1(const fs::path& path, long firstRecord, long count, int fieldValue(long k)) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  for (long k = 0; k < firstRecord + count; ++k) {
    qx::Dpr1Record r;
    r.setReal(qx::Dpr1Layout::kJulianDay, qx::kPlanetFileBase + 0.5L + 5 * k);
    for (const qx::Field& f : qx::Dpr1Layout::kFields) r.setInteger(f, fieldValue(k));
    out.write(reinterpret_cast<const char*>(r.data()), qx::Dpr1Layout::kSize);
  }
}

TEST(CorrectionFiles, RecordIndices) {
  // Daily files: round(JD - first - 0.5), so the record at or before JD.
  EXPECT_EQ(qx::dailyRecordIndex(1721420.5L, qx::kMoonFileFirstDay), 0);
  EXPECT_EQ(qx::dailyRecordIndex(1721421.2L, qx::kMoonFileFirstDay), 0);
  EXPECT_EQ(qx::dailyRecordIndex(1721421.9L, qx::kMoonFileFirstDay), 1);
  EXPECT_EQ(qx::dailyRecordIndex(2341972.5L + 100.75L, qx::kApogeeFileFirstDay), 100);
  // Five-day file: trunc(JD - 1721408.5 - 0.5) div 5.
  EXPECT_EQ(qx::fiveDayRecordIndex(1721409.0L), 0);
  EXPECT_EQ(qx::fiveDayRecordIndex(1721413.99L), 0);
  EXPECT_EQ(qx::fiveDayRecordIndex(1721414.0L), 1);
  EXPECT_EQ(qx::fiveDayRecordIndex(2415020.5L), (2415020 - 1721409) / 5);
}

TEST(CorrectionFiles, DailyInterpolationAndTheReductionAbove21600) {
  qxtest::TempFolder folder;
  // Moon file: values 10, 20, 21590, 21620 at days 0..3.
  writeInts(folder.path() / "FilePosi" / "DSEL.rnd", {10, 20, 21590, 21620}, 2);
  qx::CorrectionFiles files{qx::WorkFolder(folder.path())};
  files.beginEvaluation();
  EXPECT_NEAR(static_cast<double>(files.moonArcSeconds(1721420.5L + 0.25L)), 12.5, 1e-12);
  EXPECT_NEAR(static_cast<double>(files.moonArcSeconds(1721420.5L + 1.0L)), 20, 1e-12);
  // Between 21590 and 21620 the value passes 21600 and is reduced by it.
  EXPECT_NEAR(static_cast<double>(files.moonArcSeconds(1721420.5L + 2.5L)), 5, 1e-9);
  // Past the file's end: the runtime's error.
  EXPECT_THROW(files.moonArcSeconds(1721420.5L + 3.5L), qx::IoError);
}

TEST(CorrectionFiles, ApogeeFileHasNoReduction) {
  qxtest::TempFolder folder;
  writeInts(folder.path() / "FilePosi" / "NOJLNE.rnd", {21590, 21630, -40000}, 4);
  qx::CorrectionFiles files{qx::WorkFolder(folder.path())};
  files.beginEvaluation();
  EXPECT_NEAR(static_cast<double>(files.apogeeArcSeconds(2341972.5L + 0.5L)), 21610, 1e-9);
  EXPECT_NEAR(static_cast<double>(files.apogeeArcSeconds(2341972.5L + 1.5L)), -9185, 1e-9);
}

TEST(CorrectionFiles, FiveDayInterpolationUsesTheRecordDate) {
  qxtest::TempFolder folder;
  writeDpr1(folder.path() / "FilePosi" / "DPR1.rnd", 0, 4, [](long k) { return int(10 * k - 5); });
  qx::CorrectionFiles files{qx::WorkFolder(folder.path())};
  files.beginEvaluation();
  const long double j1 = qx::kPlanetFileBase + 0.5L + 5;  // record 1
  for (int field : {1, 8, 9, 17}) {
    SCOPED_TRACE(field);
    EXPECT_NEAR(static_cast<double>(files.planetField(field, j1)), 5, 1e-12);
    EXPECT_NEAR(static_cast<double>(files.planetField(field, j1 + 2.5L)), 10, 1e-12);
  }
}

TEST(CorrectionFiles, MissingFileRaisesAndAReplacedFileIsSeen) {
  qxtest::TempFolder folder;
  qx::CorrectionFiles files{qx::WorkFolder(folder.path())};
  files.beginEvaluation();
  EXPECT_THROW(files.moonArcSeconds(1721421.0L), qx::IoError);

  const fs::path dsel = folder.path() / "FilePosi" / "DSEL.rnd";
  writeInts(dsel, {100, 100, 100}, 2);
  files.beginEvaluation();
  EXPECT_EQ(files.moonArcSeconds(1721421.0L), 100);
  // Replaced by a new file (new inode) and rewritten in place: both are seen
  // at the next evaluation.
  writeInts(folder.path() / "nuovo.rnd", {7, 7, 7}, 2);
  fs::rename(folder.path() / "nuovo.rnd", dsel);
  files.beginEvaluation();
  EXPECT_EQ(files.moonArcSeconds(1721421.0L), 7);
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  writeInts(dsel, {9, 9, 9}, 2);
  files.beginEvaluation();
  EXPECT_EQ(files.moonArcSeconds(1721421.0L), 9);
}

}  // namespace
