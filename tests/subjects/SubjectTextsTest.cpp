// Subject text folders, text numbers and the annotation record written at
// registration.

#include <gtest/gtest.h>

#include "Annotations.h"
#include "ArchiveTestSupport.h"
#include "IoError.h"
#include "SubjectTexts.h"
#include "TempFolder.h"
#include "TextFile.h"

namespace {

TEST(SubjectTexts, NumbersComeFromTheFlagFileWhichIsCreatedWithOne) {
  qxtest::TempFolder temp;
  const qx::WorkFolder folder(temp.path());
  EXPECT_EQ(qx::drawTextNumber(folder, "BASE"), 1);
  EXPECT_EQ(qx::readTextLines(temp.path() / "BASEtxt" / "FlagTxt.set"), std::vector<std::string>{"2"});
  EXPECT_EQ(qxtest::fileBytes(temp.path() / "BASEtxt" / "FlagTxt.set"), (std::vector<std::uint8_t>{'2', '\r', '\n'}));
  EXPECT_EQ(qx::drawTextNumber(folder, "BASE"), 2);

  qx::writeTextLines(temp.path() / "BASEtxt" / "FlagTxt.set", {"41"});
  EXPECT_EQ(qx::drawTextNumber(folder, "BASE"), 41);
  EXPECT_EQ(qx::textFileName(41), "00041.txt");
  EXPECT_EQ(qx::subjectTextName("BASE", "00041"), "BASEtxt\\00041.txt");
  EXPECT_FALSE(qx::ensureTextFolder(folder, "BASE")) << "an existing folder is left alone";
  EXPECT_EQ(qx::readTextLines(temp.path() / "BASEtxt" / "FlagTxt.set"), std::vector<std::string>{"42"});
}

TEST(SubjectTexts, ANewNumberNeverOverwritesAnExistingText) {
  qxtest::TempFolder temp;
  const qx::WorkFolder folder(temp.path());
  qx::ensureTextFolder(folder, "RICE");
  qx::createSubjectText(folder, "RICE", 1, "ROSSI MARIO");
  qx::createSubjectText(folder, "RICE", 2, "VERDI ANNA");
  // The flag file was put back from an older copy and still says 1.
  EXPECT_EQ(qx::drawTextNumber(folder, "RICE"), 3);
  EXPECT_EQ(qx::readTextLines(temp.path() / "RICEtxt" / "FlagTxt.set"), std::vector<std::string>{"4"});
}

TEST(SubjectTexts, ABrokenFlagFileIsAnInputOutputError) {
  qxtest::TempFolder temp;
  const qx::WorkFolder folder(temp.path());
  std::filesystem::create_directory(temp.path() / "BANKtxt");
  EXPECT_THROW(qx::drawTextNumber(folder, "BANK"), qx::IoError) << "folder present, flag file missing";
  qx::writeTextLines(temp.path() / "BANKtxt" / "FlagTxt.set", {"uno"});
  try {
    qx::drawTextNumber(folder, "BANK");
    FAIL();
  } catch (const qx::IoError& e) {
    EXPECT_EQ(e.code(), qx::IoErrorCode::InvalidNumber);
  }
}

TEST(SubjectTexts, ANewTextStartsWithTheFirst38CharactersOfThePaddedName) {
  qxtest::TempFolder temp;
  const qx::WorkFolder folder(temp.path());
  const std::string longName = "BARTOLOMEI DE' MEDICI CASTELFRANCO ALESSANDRA";
  EXPECT_EQ(qx::createSubjectText(folder, "BASE", 7, "ROSSI MARIO"), "BASEtxt\\00007.txt");
  EXPECT_EQ(qx::readTextLines(temp.path() / "BASEtxt" / "00007.txt"),
            std::vector<std::string>{"ROSSI MARIO" + std::string(27, ' ')});
  qx::createSubjectText(folder, "BASE", 8, longName);
  EXPECT_EQ(qx::readTextLines(temp.path() / "BASEtxt" / "00008.txt"), std::vector<std::string>{longName.substr(0, 38)});
}

TEST(RegistrationAnnotation, LinesAreCutAndLineFourCarriesTheTextNumber) {
  struct Case {
    const char* what;
    qx::AnnotationFields fields;
    std::array<std::string, 4> lines;
  };
  const std::string seventy(70, 'A');
  const Case cases[] = {
      {"short lines", {{"UNO", "DUE", "TRE", "QUATTRO"}, "00012"},
       {"UNO", "DUE", "TRE", "QUATTRO" + std::string(57, ' ') + "00012"}},
      {"long lines cut", {{seventy + "XX", seventy + "X", seventy, std::string(65, 'Q')}, ""},
       {seventy, seventy, seventy, std::string(64, 'Q')}},
      {"only the text number", {{"", "", "", ""}, "00003"}, {"", "", "", std::string(64, ' ') + "00003"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_TRUE(qx::hasAnnotations(c.fields));
    const qx::AnnotationRecord r = qx::buildRegistrationAnnotation(c.fields);
    for (int line = 1; line <= 4; ++line) EXPECT_EQ(r.Line(line), c.lines[std::size_t(line - 1)]) << line;
  }
  EXPECT_FALSE(qx::hasAnnotations({{"", "", "", ""}, ""}));
}

TEST(RegistrationAnnotation, IsAppendedAndTheBirthRecordPointsToIt) {
  qxtest::TempFolder temp;
  const qx::WorkFolder folder(temp.path());
  const qx::SubjectArchive base = qxtest::makeEmptyArchive(folder, "BASE");
  qxtest::registerName(base, "BIANCHI");
  qxtest::registerName(base, "ROSSI MARIO");
  const auto firstBirth = base.openBirths().readRecord<qx::BirthRecord>(1);

  EXPECT_EQ(qx::writeRegistrationAnnotation(base, 2, {{"", "", "", ""}, ""}), std::nullopt);
  EXPECT_EQ(base.openAnnotations().count(), 1u) << "nothing to write, nothing appended";

  EXPECT_EQ(qx::writeRegistrationAnnotation(base, 2, {{"ALLERGIA", "", "", ""}, "00001"}), 1u);
  EXPECT_EQ(base.openAnnotations().count(), 2u);
  const auto births = base.openBirths();
  EXPECT_EQ(births.readRecord<qx::BirthRecord>(2).AnnotationIndex(), "00001");
  EXPECT_EQ(births.readRecord<qx::BirthRecord>(2).DateKey(), "198001021230+1") << "the rest of the record kept";
  EXPECT_EQ(births.readRecord<qx::BirthRecord>(1), firstBirth);
  EXPECT_EQ(base.openAnnotations().readRecord<qx::AnnotationRecord>(1).TextNumber(), "00001");

  const qx::SubjectArchive tmpr = qxtest::makeEmptyArchive(folder, "TMPR");
  EXPECT_EQ(qx::writeRegistrationAnnotation(tmpr, 0, {{"ALLERGIA", "", "", ""}, ""}), std::nullopt);
  EXPECT_EQ(tmpr.openAnnotations().count(), 1u) << "TMPR keeps no annotations";
}

}  // namespace
