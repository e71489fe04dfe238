#include "LineSettings.h"

#include <gtest/gtest.h>

#include "FileBytes.h"
#include "IoError.h"
#include "TempFolder.h"

namespace qxtest {
namespace {

using qx::IoError;
using qx::IoErrorCode;
using qx::LineSettings;

const std::string kOne = " 1.00000000000000E+0000";

const std::string kDefaultContent = "1\r\n0\r\n0\r\n1\r\n" + kOne + "\r\n\r\n" + kOne + "\r\n" + kOne + "\r\n";

class LineSettingsFile : public ::testing::Test {
 protected:
  std::filesystem::path file() const { return temp.path() / "FileSet" / "MMVarLas.stt"; }
  void store(const std::string& bytes) const { writeBytes(file(), bytes); }
  std::string stored() const { return readBytes(file()); }

  TempFolder temp;
  qx::WorkFolder folder{temp.path()};
};

TEST_F(LineSettingsFile, MissingFileIsCreatedWithTheDefaultContent) {
  EXPECT_TRUE(qx::prepareLineSettings(folder));
  EXPECT_EQ(stored(), kDefaultContent);
  EXPECT_EQ(qx::readLineSettings(folder), LineSettings{});
}

TEST_F(LineSettingsFile, FilesInTheWrittenFormRoundTripByteForByte) {
  const std::string cases[] = {
      kDefaultContent,
      "1\r\n1\r\n0\r\n0\r\n 1.05263157894737E+0000\r\nE:\\QxmorvaBck\r\n 8.50000000000000E-0001\r\n"
      " 1.20000000000000E+0000\r\n",
      "-3\r\n0\r\n12\r\n1\r\n 4.00000000000000E+0000\r\nDa definire\r\n 9.43000000000000E-0001\r\n"
      " 1.05700000000000E+0000\r\n",
      // Line 6 is kept as its Windows-1252 bytes, blanks included.
      "1\r\n0\r\n0\r\n1\r\n 5.00000000000000E-0001\r\n  Unit\xe0 \xe8 \r\n" + kOne + "\r\n" + kOne + "\r\n",
  };
  for (const std::string& content : cases) {
    SCOPED_TRACE(content);
    store(content);
    const LineSettings settings = qx::readLineSettings(folder);
    std::filesystem::remove(file());
    qx::writeLineSettings(folder, settings);
    EXPECT_EQ(stored(), content);
  }
}

TEST_F(LineSettingsFile, ZeroFactorsAreReadAsOneAndWrittenBackAsOne) {
  for (std::size_t line : {4u, 6u, 7u}) {
    SCOPED_TRACE(line + 1);
    std::vector<std::string> lines = {"1", "0", "0", "1", " 2.00000000000000E+0000", "Da definire",
                                      " 2.00000000000000E+0000", " 2.00000000000000E+0000"};
    lines[line] = line == 6 ? "0" : " 0.00000000000000E+0000";
    std::string content;
    for (const std::string& l : lines) content += l + "\r\n";
    store(content);

    const LineSettings settings = qx::readLineSettings(folder);
    const qx::Extended factors[] = {settings.LineThicknessFactor, settings.HorizontalFactor,
                                    settings.VerticalFactor};
    const std::size_t factorIndex = line == 4 ? 0 : line == 6 ? 1 : 2;
    for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(factors[i], i == factorIndex ? 1.0L : 2.0L);

    qx::writeLineSettings(folder, settings);
    lines[line] = kOne;
    std::string expected;
    for (const std::string& l : lines) expected += l + "\r\n";
    EXPECT_EQ(stored(), expected);
  }
}

TEST_F(LineSettingsFile, ReadersTakeTheNumberAtTheStartOfEachLine) {
  store("  2 rest\r\n1\r\n+7\r\n0\r\n1,5\r\nF:\\QxmorvaBck\n.95 x\r\n1.1E+0000  \r\n");
  const LineSettings s = qx::readLineSettings(folder);
  EXPECT_EQ(s.StoredValue1, 2);
  EXPECT_EQ(s.PrinterCompatibilityMode, 1);
  EXPECT_EQ(s.StoredValue3, 7);
  EXPECT_EQ(s.CalendarOption, 0);
  EXPECT_EQ(s.LineThicknessFactor, 1.5L);
  EXPECT_EQ(s.BackupDestination, "F:\\QxmorvaBck");
  EXPECT_EQ(s.HorizontalFactor, 0.95L);
  EXPECT_EQ(s.VerticalFactor, 1.1L);
}

TEST_F(LineSettingsFile, DamagedFilesRaiseTheIoErrorNamingTheFile) {
  struct Case {
    const char* name;
    std::string content;
    IoErrorCode code;
  };
  const Case cases[] = {
      {"seven lines", "1\r\n0\r\n0\r\n1\r\n" + kOne + "\r\n\r\n" + kOne + "\r\n", IoErrorCode::ReadPastEnd},
      {"empty file", "", IoErrorCode::ReadPastEnd},
      {"text for an integer", "uno\r\n0\r\n0\r\n1\r\n" + kOne + "\r\n\r\n" + kOne + "\r\n" + kOne + "\r\n",
       IoErrorCode::InvalidNumber},
      {"integer out of range", "1\r\n0\r\n99999999999\r\n1\r\n" + kOne + "\r\n\r\n" + kOne + "\r\n" + kOne + "\r\n",
       IoErrorCode::InvalidNumber},
      {"text for a real", "1\r\n0\r\n0\r\n1\r\n" + kOne + "\r\n\r\nE+0000\r\n" + kOne + "\r\n",
       IoErrorCode::InvalidNumber},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    store(c.content);
    try {
      qx::readLineSettings(folder);
      ADD_FAILURE() << "no error";
    } catch (const IoError& e) {
      EXPECT_EQ(e.code(), c.code);
      EXPECT_EQ(e.file(), file().string());
    }
  }
  std::filesystem::remove(file());
  try {
    qx::readLineSettings(folder);
    ADD_FAILURE() << "no error for a missing file";
  } catch (const IoError& e) {
    EXPECT_EQ(e.code(), IoErrorCode::FileNotFound);
  }
}

// Lines in forms no whole-file writer produces, so a rewrite that went
// through the values would show.
const std::string kHandWritten[] = {"01 primo", "1", " 0", "1\t", "1,5", "", "0", "1.2e0 x"};

std::string joined(const std::string (&lines)[8], const std::string& line6) {
  std::string content;
  for (int i = 0; i < 8; ++i) content += (i == 5 ? line6 : lines[i]) + "\r\n";
  return content;
}

TEST_F(LineSettingsFile, PlaceholderRuleChangesOnlyLineSix) {
  struct Case {
    std::string line6;
    bool rewritten;
    std::string expected6;
  };
  const Case cases[] = {
      {"Qx6Backup", true, "Da definire"},
      {"C:\\Qx6Backup\\Old", true, "Da definire"},
      {"E:\\QxmorvaBck", false, "E:\\QxmorvaBck"},
      {"qx6backup", false, "qx6backup"},  // the mark is matched exactly
      {"", false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line6);
    store(joined(kHandWritten, c.line6));
    EXPECT_EQ(qx::prepareLineSettings(folder), c.rewritten);
    EXPECT_EQ(stored(), joined(kHandWritten, c.expected6));
  }
}

TEST_F(LineSettingsFile, PlaceholderRuleKeepsEightLinesAndTheirBytes) {
  // Lines ended by LF alone and lines after the eighth: the rewrite writes the
  // eight lines with CR LF, as a text rewrite does.
  store("1\n0\n0\n1\n" + kOne + "\nX:\\Qx6Backup\n" + kOne + "\n" + kOne + "\nextra\n");
  EXPECT_TRUE(qx::prepareLineSettings(folder));
  EXPECT_EQ(stored(), "1\r\n0\r\n0\r\n1\r\n" + kOne + "\r\nDa definire\r\n" + kOne + "\r\n" + kOne + "\r\n");
}

TEST_F(LineSettingsFile, BackupDestinationRewriteChangesOnlyLineSix) {
  store(joined(kHandWritten, "Da definire"));
  qx::writeBackupDestination(folder, "G:\\QxmorvaBck");
  EXPECT_EQ(stored(), joined(kHandWritten, "G:\\QxmorvaBck"));
  EXPECT_EQ(qx::readLineSettings(folder).BackupDestination, "G:\\QxmorvaBck");
}

TEST_F(LineSettingsFile, TextRewritesOfAShortFileFailAndLeaveItAlone) {
  const std::string shortFile = "1\r\n0\r\n0\r\n1\r\n" + kOne + "\r\nQx6Backup\r\n";
  store(shortFile);
  EXPECT_THROW(qx::prepareLineSettings(folder), IoError);
  EXPECT_THROW(qx::writeBackupDestination(folder, "G:\\QxmorvaBck"), IoError);
  EXPECT_EQ(stored(), shortFile);
}

TEST_F(LineSettingsFile, FileNameIsMatchedWithoutRegardToCase) {
  writeBytes(temp.path() / "fileset" / "MMVARLAS.STT", joined(kHandWritten, "Qx6Backup"));
  EXPECT_TRUE(qx::prepareLineSettings(folder));
  EXPECT_FALSE(std::filesystem::exists(file()));
  EXPECT_EQ(readBytes(temp.path() / "fileset" / "MMVARLAS.STT"), joined(kHandWritten, "Da definire"));
}

}  // namespace
}  // namespace qxtest
