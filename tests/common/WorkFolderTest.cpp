#include <gtest/gtest.h>

#include <fstream>

#include "Cp1252.h"
#include "TempFolder.h"
#include "WorkFolder.h"

namespace {

namespace fs = std::filesystem;

TEST(WorkFolder, ResolvesEveryComponentWithoutRegardToCase) {
  qxtest::TempFolder folder;
  fs::create_directories(folder.path() / "fileset");
  std::ofstream(folder.path() / "fileset" / "ORBIDOMI.stt") << "x";
  const qx::WorkFolder work(folder.path());
  EXPECT_EQ(work.resolve("FileSet\\OrbiDomi.Stt"), folder.path() / "fileset" / "ORBIDOMI.stt");
  EXPECT_EQ(work.resolve("FILESET/orbidomi.STT"), folder.path() / "fileset" / "ORBIDOMI.stt");
  EXPECT_TRUE(work.exists("FileSet\\OrbiDomi.Stt"));
  // A missing name keeps its spelling; an existing folder keeps its own.
  EXPECT_EQ(work.resolve("FileSet\\Nuovo.stt"), folder.path() / "fileset" / "Nuovo.stt");
  EXPECT_FALSE(work.exists("FileDum\\Annotaz.dum"));
}

TEST(WorkFolder, WritingCreatesMissingFoldersOnce) {
  qxtest::TempFolder folder;
  fs::create_directories(folder.path() / "FILEDUM");
  const qx::WorkFolder work(folder.path());
  const fs::path existing = work.pathForWrite("FileDum\\Annotaz.dum");
  EXPECT_EQ(existing, folder.path() / "FILEDUM" / "Annotaz.dum");
  const fs::path fresh = work.pathForWrite("BASEtxt\\FlagTxt.set");
  EXPECT_EQ(fresh, folder.path() / "BASEtxt" / "FlagTxt.set");
  EXPECT_TRUE(fs::is_directory(folder.path() / "BASEtxt"));
  std::ofstream(fresh) << "1";
  EXPECT_EQ(work.pathForWrite("basetxt\\flagtxt.SET"), fresh);  // no second file differing in case
}

TEST(WorkFolder, ListsByPatternWithoutRegardToCase) {
  qxtest::TempFolder folder;
  for (const char* name : {"BASE.ST1", "tmpr.st1", "Rice.St1", "BASE.ST2", "LUNGO.ST1", "AB.ST1"})
    std::ofstream(folder.path() / name) << "";
  const qx::WorkFolder work(folder.path());
  EXPECT_EQ(work.list("", "????.ST1"), (std::vector<std::string>{"BASE.ST1", "Rice.St1", "tmpr.st1"}));
  EXPECT_TRUE(qx::matchesPattern("GRAF07.EMF", "graf*.emf"));
  EXPECT_FALSE(qx::matchesPattern("GRAF07.EMF", "graf?.emf"));
}

TEST(Cp1252, RoundTripsEveryByte) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += char(b);
  EXPECT_EQ(qx::utf8ToCp1252(qx::cp1252ToUtf8(all)), all);
  EXPECT_EQ(qx::cp1252ToUtf8("Citt\xE0 \x80"), "Citt\xC3\xA0 \xE2\x82\xAC");
  EXPECT_EQ(qx::utf8ToCp1252("\xE2\x82\xAC\xF0\x9F\x98\x80"), "\x80?");  // the euro sign; an emoji has no byte
}

}  // namespace
