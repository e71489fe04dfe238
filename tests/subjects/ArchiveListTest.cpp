// Finding the archives of the working folder and counting their subjects.

#include <gtest/gtest.h>

#include "ArchiveTestSupport.h"
#include "IoError.h"
#include "SubjectArchive.h"
#include "TempFolder.h"

namespace {

TEST(ArchiveList, FindsEveryFourLetterIndexWithoutRegardToCase) {
  qxtest::TempFolder temp;
  for (const char* file : {"base.st1", "Tmpr.ST1", "RICE.St1", "bank.ST1", "Mia1.st1", "LUNGO.ST1", "ABC.ST1",
                           "BASE.ST2", "NOTE.TXT", "BASE.ST1.new"})
    qxtest::writeBytes(temp.path() / file, {});
  const qx::WorkFolder folder(temp.path());

  std::vector<std::string> labels;
  for (const qx::ArchiveEntry& e : qx::listArchives(folder, true)) labels.push_back(e.name + "|" + e.label);
  EXPECT_EQ(labels, (std::vector<std::string>{"BANK|BANK (banca dati)", "BASE|BASE (personale)", "MIA1|MIA1",
                                              "RICE|RICE (speciale)", "TMPR|TMPR (temporaneo)"}));

  std::vector<std::string> names;
  for (const qx::ArchiveEntry& e : qx::listArchives(folder, false)) names.push_back(e.name);
  EXPECT_EQ(names, (std::vector<std::string>{"BANK", "BASE", "MIA1", "RICE"})) << "recall never offers TMPR";
}

TEST(ArchiveList, ListsAnArchiveOnceWhenTwoSpellingsExist) {
  qxtest::TempFolder temp;
  qxtest::writeBytes(temp.path() / "rice.st1", {});
  qxtest::writeBytes(temp.path() / "RICE.ST1", {});
  const auto entries = qx::listArchives(qx::WorkFolder(temp.path()), false);
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].name, "RICE");
}

TEST(ArchiveList, SubjectCountIsTheIndexRecordsLessRecordZero) {
  qxtest::TempFolder temp;
  const qx::WorkFolder folder(temp.path());
  const qx::SubjectArchive archive = qxtest::makeEmptyArchive(folder, "rice");
  EXPECT_EQ(archive.name(), "RICE");
  EXPECT_EQ(archive.subjectCount(), 0u) << "shown as the single line " << qx::kEmptyArchiveLine;
  qxtest::registerName(archive, "VERDI");
  qxtest::registerName(archive, "BIANCHI");
  EXPECT_EQ(archive.subjectCount(), 2u);
  EXPECT_EQ(qx::SubjectArchive(folder, "Rice").indexPath(), temp.path() / "rice.ST1") << "found as spelt on disk";
  EXPECT_THROW(qx::SubjectArchive(folder, "NONE").subjectCount(), qx::IoError);
}

}  // namespace
