#include <gtest/gtest.h>

#include <fstream>

#include "IoError.h"
#include "RecordFile.h"
#include "RecordLayout.h"
#include "ShortString.h"
#include "TempFolder.h"
#include "TextFile.h"

namespace {

using qx::RecordFile;

struct Sample : qx::FixedRecord<12> {
  static constexpr qx::Field kName{0, 6, qx::FieldType::ShortString, "name"};
  static constexpr qx::Field kCount{6, 2, qx::FieldType::Int16, "count"};
  static constexpr qx::Field kDate{8, 4, qx::FieldType::Int32, "date"};
  static constexpr std::array<qx::Field, 3> kLayout{kName, kCount, kDate};
};
static_assert(qx::tilesRecord(Sample::kLayout, Sample::kSize));

TEST(RecordFile, CountReadWriteAppendTruncate) {
  qxtest::TempFolder folder;
  const auto path = folder.path() / "prova.rnd";
  RecordFile file(path, Sample::kSize, RecordFile::Mode::Create);
  EXPECT_EQ(file.count(), 0u);
  for (int i = 0; i < 4; ++i) {
    Sample s;
    s.setText(Sample::kName, "N" + std::to_string(i));
    s.setInteger(Sample::kCount, -i);
    file.writeRecord(i, s);  // i == count appends
  }
  EXPECT_EQ(file.count(), 4u);
  const auto third = file.readRecord<Sample>(2);
  EXPECT_EQ(third.text(Sample::kName), "N2");
  EXPECT_EQ(third.integer(Sample::kCount), -2);
  file.truncateAfter(1);
  EXPECT_EQ(file.count(), 2u);
  EXPECT_THROW(file.readRecord<Sample>(2), qx::IoError);
  Sample s;
  EXPECT_THROW(file.writeRecord(5, s), qx::IoError);  // beyond the end
}

TEST(RecordFile, MissingFileAndShortReadRaiseTheIoError) {
  qxtest::TempFolder folder;
  try {
    RecordFile file(folder.path() / "manca.rnd", 44, RecordFile::Mode::Read);
    FAIL() << "opened a missing file";
  } catch (const qx::IoError& e) {
    EXPECT_EQ(e.code(), qx::IoErrorCode::FileNotFound);
    EXPECT_NE(e.file().find("manca.rnd"), std::string::npos);
  }
  std::ofstream(folder.path() / "corto.rnd", std::ios::binary) << std::string(50, 'x');
  RecordFile file(folder.path() / "corto.rnd", 44, RecordFile::Mode::Read);
  EXPECT_EQ(file.count(), 1u);  // a trailing partial record is not counted
  std::array<std::uint8_t, 44> buffer{};
  EXPECT_THROW(file.read(1, buffer), qx::IoError);
}

TEST(ShortString, BytesAfterTheLengthAreIgnoredAndKept) {
  // Length 3, then "ABC", then junk the writer left in its buffer.
  const std::uint8_t bytes[6] = {3, 'A', 'B', 'C', 'x', 'y'};
  auto s = qx::ShortString<5>::fromBytes(bytes);
  EXPECT_EQ(s.text(), "ABC");
  s.assign("Z");
  std::uint8_t out[6];
  s.toBytes(out);
  const std::uint8_t expected[6] = {1, 'Z', 'B', 'C', 'x', 'y'};
  EXPECT_TRUE(std::equal(out, out + 6, expected));
  s.assign("TOO LONG");
  EXPECT_EQ(s.text(), "TOO L");
  // A length byte above the capacity counts as the capacity.
  const std::uint8_t wild[6] = {200, 'a', 'b', 'c', 'd', 'e'};
  EXPECT_EQ(qx::ShortString<5>::fromBytes(wild).text(), "abcde");
}

TEST(TextFile, CrLfLinesInWindows1252) {
  qxtest::TempFolder folder;
  const auto path = folder.path() / "righe.txt";
  qx::writeTextLines(path, {"Citt\xE0", "", "fine"});
  std::ifstream in(path, std::ios::binary);
  const std::string raw((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(raw, "Citt\xE0\r\n\r\nfine\r\n");
  EXPECT_EQ(qx::readTextLines(path), (std::vector<std::string>{"Citt\xE0", "", "fine"}));
  // A last line without CR LF, and LF alone, are read too.
  std::ofstream(folder.path() / "misto.txt", std::ios::binary) << "uno\r\ndue\ntre";
  EXPECT_EQ(qx::readTextLines(folder.path() / "misto.txt"), (std::vector<std::string>{"uno", "due", "tre"}));
  EXPECT_THROW(qx::readTextLines(folder.path() / "manca.txt"), qx::IoError);
}

}  // namespace
