#include "MetafileOrientations.h"

#include <gtest/gtest.h>

#include "FileBytes.h"
#include "IoError.h"
#include "TempFolder.h"

namespace qxtest {
namespace {

std::string fifteenLines(const std::string& orientations) {
  std::string content;
  for (char c : orientations) content += std::string(1, c) + "\r\n";
  return content;
}

TEST(MetafileLine, NumberFromCharactersFiveAndSix) {
  const struct {
    const char* name;
    int line;  // 0: refused
  } cases[] = {
      {"GRAF01.EMF", 1}, {"GRAF07.EMF", 7}, {"GRAF15.EMF", 15}, {"GRAF03", 3}, {"graf10.emf", 10},
      {"GRAF00.EMF", 0}, {"GRAF16.EMF", 0}, {"GRAF99.EMF", 0}, {"GRAFxx.EMF", 0}, {"GRAF7.EMF", 0},
      {"GRAF 7.EMF", 0}, {"GRAF-1.EMF", 0}, {"GRAF1", 0},      {"GRA", 0},        {"", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto result = qx::metafileLineNumber(c.name);
    if (c.line == 0) {
      EXPECT_FALSE(result.accepted());
      EXPECT_EQ(result.refusal, "Nome di metafile non valido: sono ammessi i nomi da GRAF01.EMF a GRAF15.EMF");
    } else {
      ASSERT_TRUE(result.accepted());
      EXPECT_EQ(*result.value, c.line);
      EXPECT_TRUE(result.refusal.empty());
    }
  }
}

class MetafileOrientationFile : public ::testing::Test {
 protected:
  std::filesystem::path file() const { return temp.path() / "Emf" / "TipGraf.Set"; }

  TempFolder temp;
  qx::WorkFolder folder{temp.path()};
};

TEST_F(MetafileOrientationFile, InstalledListHoldsFifteenLandscapeLines) {
  temp.copyInstallation();
  EXPECT_EQ(readBytes(file()), fifteenLines("LLLLLLLLLLLLLLL"));
}

TEST_F(MetafileOrientationFile, SavingChangesOnlyTheMetafilesLine) {
  const struct {
    bool available, portrait;
    char expected;
  } printers[] = {{true, true, 'P'}, {true, false, 'L'}, {false, true, 'L'}, {false, false, 'L'}};
  for (const auto& p : printers) {
    SCOPED_TRACE(::testing::Message() << "available " << p.available << " portrait " << p.portrait);
    temp.copyInstallation();
    const auto saved = qx::saveMetafileOrientation(folder, "GRAF03.EMF", p.available, p.portrait);
    ASSERT_TRUE(saved.accepted());
    EXPECT_EQ(*saved.value, p.expected);
    EXPECT_EQ(readBytes(file()), fifteenLines(std::string("LL") + p.expected + "LLLLLLLLLLLL"));
    EXPECT_EQ(*qx::readMetafileOrientation(folder, "GRAF03.EMF").value, p.expected);
  }
}

TEST_F(MetafileOrientationFile, OtherLinesKeepTheirBytes) {
  // Lines no writer of this list produces: they must come back as they were.
  const std::string before = "P\r\nL\r\nLx\r\n\r\np\r\nL\r\nL\r\nL\r\nL\r\nL\r\nL\r\nL\r\nL\r\nL\r\nP\r\n";
  writeBytes(file(), before);
  EXPECT_EQ(*qx::readMetafileOrientation(folder, "GRAF03.EMF").value, 'L');
  EXPECT_EQ(*qx::readMetafileOrientation(folder, "GRAF04.EMF").value, ' ');
  ASSERT_TRUE(qx::saveMetafileOrientation(folder, "GRAF15.EMF", true, false).accepted());
  std::string after = before;
  after.replace(after.size() - 3, 1, "L");
  EXPECT_EQ(readBytes(file()), after);
}

TEST_F(MetafileOrientationFile, RefusedNamesLeaveTheFileAlone) {
  temp.copyInstallation();
  for (const char* name : {"GRAF00.EMF", "GRAF16.EMF", "GRAFxx.EMF", "GRAF"}) {
    SCOPED_TRACE(name);
    const auto saved = qx::saveMetafileOrientation(folder, name, true, true);
    EXPECT_FALSE(saved.accepted());
    EXPECT_EQ(saved.refusal, qx::kMetafileNameRefused);
    EXPECT_FALSE(qx::readMetafileOrientation(folder, name).accepted());
  }
  EXPECT_EQ(readBytes(file()), fifteenLines("LLLLLLLLLLLLLLL"));
}

TEST_F(MetafileOrientationFile, MissingFileOrLineIsTheRuntimeError) {
  EXPECT_THROW(qx::readMetafileOrientation(folder, "GRAF01.EMF"), qx::IoError);
  EXPECT_THROW(qx::saveMetafileOrientation(folder, "GRAF01.EMF", true, true), qx::IoError);
  EXPECT_FALSE(std::filesystem::exists(file()));

  writeBytes(file(), "L\r\nL\r\n");
  try {
    qx::saveMetafileOrientation(folder, "GRAF03.EMF", true, true);
    ADD_FAILURE() << "no error";
  } catch (const qx::IoError& e) {
    EXPECT_EQ(e.code(), qx::IoErrorCode::ReadPastEnd);
  }
  EXPECT_EQ(readBytes(file()), "L\r\nL\r\n");
}

}  // namespace
}  // namespace qxtest
