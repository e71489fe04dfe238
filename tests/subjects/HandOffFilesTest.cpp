// The hand-off files of the subject windows and the current subject in TMPR.

#include <gtest/gtest.h>

#include "ArchiveTestSupport.h"
#include "HandOffFiles.h"
#include "IoError.h"
#include "SubjectArchive.h"
#include "TempFolder.h"
#include "TextFile.h"

namespace {

TEST(HandOffFiles, ArchiveListAddsANewNameAtTheEndAndHoldsAtMostTwelve) {
  qxtest::TempFolder temp;
  const qx::WorkFolder folder(temp.path());
  const auto path = temp.path() / "FileDum" / "MMordina.dum";
  struct Step {
    const char* archive;
    bool added;
  };
  const Step steps[] = {{"BASE", true}, {"RICE", true}, {"BASE", false}, {"PRIMOSECONDO", true}, {"PRIMOS", false}};
  for (const Step& s : steps) {
    SCOPED_TRACE(s.archive);
    EXPECT_EQ(qx::noteArchiveInList(folder, s.archive), s.added);
  }
  EXPECT_EQ(qx::readTextLines(path), (std::vector<std::string>{"BASE", "RICE", "PRIMOS"}));

  qx::writeTextLines(path, {"A1", "A2", "A3", "A4", "A5", "A6", "A7", "A8", "A9", "A10", "A11"});
  EXPECT_TRUE(qx::noteArchiveInList(folder, "BANK"));
  EXPECT_FALSE(qx::noteArchiveInList(folder, "MIA1")) << "twelve names are held";
  EXPECT_EQ(qx::readArchiveList(folder).size(), 12u);
  EXPECT_EQ(qx::readArchiveList(folder).back(), "BANK");
}

TEST(HandOffFiles, ValuesComeBackAsWritten) {
  qxtest::TempFolder temp;
  const qx::WorkFolder folder(temp.path());
  EXPECT_EQ(qx::readSubjectTextRef(folder), std::nullopt) << "no text chosen yet";
  EXPECT_TRUE(qx::readArchiveList(folder).empty());
  EXPECT_THROW(qx::readAnnotationsLine(folder), qx::IoError);

  qx::writeAnnotationsLine(folder, "ALLERGIA  00001");
  qx::writeSubjectTextRef(folder, {"BASE", "00001"});
  qx::writeTextToEdit(folder, "BASEtxt\\00001.txt");
  qx::writeRecalledSubjectRef(folder, {"00007", "RICE"});
  const std::string indexText = qx::makeIndexText("ROSSI MARIO", 7);
  qx::writeLastArchiveUse(folder, {"RICE", indexText, 3, "ROSSI MARIO"});

  EXPECT_EQ(qx::readAnnotationsLine(folder), "ALLERGIA  00001");
  const auto ref = qx::readSubjectTextRef(folder);
  ASSERT_TRUE(ref);
  EXPECT_EQ(ref->archive + "|" + ref->number, "BASE|00001");
  EXPECT_EQ(qx::readTextToEdit(folder), "BASEtxt\\00001.txt");
  const auto pointer = qx::readRecalledSubjectRef(folder);
  EXPECT_EQ(pointer.birthNumber + "|" + pointer.archive, "00007|RICE");
  EXPECT_EQ(qx::readTextLines(temp.path() / "FileDum" / "MMDatArc.dum"),
            (std::vector<std::string>{"RICE", indexText, "3", "ROSSI MARIO"}));
  EXPECT_EQ(qx::readLastArchiveUse(folder).position, 3);
  EXPECT_EQ(qxtest::fileBytes(temp.path() / "FileDum" / "StrText.dum"),
            (std::vector<std::uint8_t>{'B', 'A', 'S', 'E', '\r', '\n', '0', '0', '0', '0', '1', '\r', '\n'}));

  qx::writeTextLines(temp.path() / "FileDum" / "StrText.dum", {"BASE"});
  EXPECT_THROW(qx::readSubjectTextRef(folder), qx::IoError) << "a missing second line";
}

TEST(CurrentSubject, RegistrationSetsRecordZeroAndRecallLeavesOneRecord) {
  qxtest::TempFolder temp;
  const qx::WorkFolder folder(temp.path());
  EXPECT_THROW(qx::readCurrentSubject(folder), qx::IoError);

  qx::BirthRecord birth;
  birth.setDateKey("198001021230-1");
  birth.setAnnotationIndex("00000");
  const qx::IndexRecord index(qx::makeIndexText("ROSSI MARIO", 4));
  qx::setCurrentSubject(folder, index, birth);
  auto current = qx::readCurrentSubject(folder);
  EXPECT_EQ(current.index, index);
  EXPECT_EQ(current.birth, birth);

  // Later records of TMPR are kept by a registration, dropped by a recall.
  qx::RecordFile(folder.resolve("TMPR.ST1"), 44, qx::RecordFile::Mode::ReadWrite)
      .writeRecord(1, qx::IndexRecord("ALTRO"));
  const qx::IndexRecord other(qx::makeIndexText("VERDI ANNA", 9));
  qx::setCurrentSubject(folder, other, birth);
  EXPECT_EQ(qx::SubjectArchive(folder, "TMPR").openIndex().count(), 2u);
  EXPECT_EQ(qx::readCurrentSubject(folder).index, other);

  qx::replaceCurrentSubject(folder, qx::IndexRecord("VERDI ANNA"), birth);
  EXPECT_EQ(qx::SubjectArchive(folder, "TMPR").openIndex().count(), 1u);
  EXPECT_EQ(qx::SubjectArchive(folder, "TMPR").openBirths().count(), 1u);
  EXPECT_EQ(qx::readCurrentSubject(folder).index.indexText(), "VERDI ANNA");
}

}  // namespace
