#include "Installation.h"

#include <gtest/gtest.h>

#include "FileBytes.h"
#include "IoError.h"
#include "TempFolder.h"

namespace qxtest {
namespace {

namespace fs = std::filesystem;

// A working folder and an installation tree holding sound copies of the four
// checked files.
class InstalledFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    installation.copyInstallation();
    for (const char* name : {"FileSet/OrbiDomi.stt", "TMPR.ST1", "TMPR.ST2", "FileDum/Annotaz.dum"}) {
      fs::create_directories((work.path() / name).parent_path());
      fs::copy_file(installation.path() / name, work.path() / name);
    }
  }

  std::vector<std::string> restore() { return qx::restoreInstalledFiles(folder, {installation.path()}); }

  TempFolder work;
  TempFolder installation;
  qx::WorkFolder folder{work.path()};
};

TEST_F(InstalledFiles, SoundFilesAreLeftAlone) {
  const auto before = fs::last_write_time(work.path() / "TMPR.ST1");
  EXPECT_TRUE(restore().empty());
  EXPECT_EQ(fs::last_write_time(work.path() / "TMPR.ST1"), before);
}

TEST_F(InstalledFiles, MissingOrDamagedFilesArePutBack) {
  const std::string orbLines = readBytes(installation.path() / "FileSet/OrbiDomi.stt");
  struct Case {
    const char* what;
    const char* file;        // below the working folder
    const char* content;     // nullptr: the file is removed
    std::vector<std::string> restored;
  };
  const Case cases[] = {
      {"orb settings missing", "FileSet/OrbiDomi.stt", nullptr, {"FileSet\\OrbiDomi.Stt"}},
      {"orb settings cut short", "FileSet/OrbiDomi.stt", " 1.00000000000000E+0001\r\n", {"FileSet\\OrbiDomi.Stt"}},
      {"orb number not a number", "FileSet/OrbiDomi.stt", "dieci\r\n", {"FileSet\\OrbiDomi.Stt"}},
      // The current subject is one pair: both files come back together.
      {"index missing", "TMPR.ST1", nullptr, {"TMPR.ST1", "TMPR.ST2"}},
      {"index empty", "TMPR.ST1", "", {"TMPR.ST1", "TMPR.ST2"}},
      {"birth record cut", "TMPR.ST2", "0123456789", {"TMPR.ST1", "TMPR.ST2"}},
      {"annotations missing", "FileDum/Annotaz.dum", nullptr, {"FileDum\\Annotaz.dum"}},
      {"annotations without a line", "FileDum/Annotaz.dum", "", {"FileDum\\Annotaz.dum"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const fs::path path = work.path() / c.file;
    const std::string original = readBytes(installation.path() / c.file);
    if (c.content)
      writeBytes(path, c.content);
    else
      fs::remove(path);
    EXPECT_EQ(restore(), c.restored);
    EXPECT_EQ(readBytes(path), original);
  }
  EXPECT_EQ(readBytes(work.path() / "FileSet/OrbiDomi.stt"), orbLines);
}

TEST_F(InstalledFiles, NothingIsPutBackWithoutASoundCopy) {
  // The tree's own copy is damaged too; a tree that is the working folder
  // itself is never a source.
  writeBytes(work.path() / "TMPR.ST2", "0123456789");
  writeBytes(installation.path() / "TMPR.ST2", "0123456789");
  fs::remove(work.path() / "FileDum/Annotaz.dum");
  EXPECT_TRUE(qx::restoreInstalledFiles(folder, {installation.path() / "missing", work.path()}).empty());
  EXPECT_EQ(qx::restoreInstalledFiles(folder, {installation.path()}), (std::vector<std::string>{"FileDum\\Annotaz.dum"}));
  EXPECT_EQ(readBytes(work.path() / "TMPR.ST2"), "0123456789");
}

TEST_F(InstalledFiles, OrbSettingsAloneAtStart) {
  fs::remove(work.path() / "FileSet/OrbiDomi.stt");
  fs::remove(work.path() / "TMPR.ST1");
  EXPECT_EQ(qx::restoreInstalledFiles(folder, {installation.path()}, qx::CheckedFiles::OrbSettingsOnly),
            (std::vector<std::string>{"FileSet\\OrbiDomi.Stt"}));
  EXPECT_FALSE(fs::exists(work.path() / "TMPR.ST1"));
}

TEST(InstallationTrees, SharedFolderOfAnInstalledProgramComesFirst) {
  TempFolder prefix;
  fs::create_directories(prefix.path() / "bin");
  // No share folder: only the tree built in.
  EXPECT_EQ(qx::installationTrees(prefix.path() / "bin"), (std::vector<fs::path>{qx::builtInInstallationTree()}));
  fs::create_directories(prefix.path() / "share" / "qxmorva");
  const auto trees = qx::installationTrees(prefix.path() / "bin");
  ASSERT_EQ(trees.size(), 2u);
  EXPECT_TRUE(fs::equivalent(trees[0], prefix.path() / "share" / "qxmorva"));
  EXPECT_TRUE(fs::equivalent(trees[1], QX_DATA_DIR));
}

TEST(RestoredFileMessage, NamesTheFile) {
  EXPECT_EQ(qx::restoredFileMessage("FileSet\\OrbiDomi.Stt"),
            "Il file \"FileSet\\OrbiDomi.Stt\" mancava o era danneggiato: \xE8 stato ripristinato dalla copia di "
            "installazione.");
}

}  // namespace
}  // namespace qxtest
