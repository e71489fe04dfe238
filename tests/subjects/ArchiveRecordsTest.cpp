// The byte layouts of the three archive records and of the empty personal
// archive, pinned by hex fixtures, and the index text helpers.

#include <gtest/gtest.h>

#include "Annotations.h"
#include "ArchiveRecords.h"
#include "ArchiveTestSupport.h"
#include "SubjectArchive.h"
#include "TempFolder.h"

namespace {

using qxtest::hexBytes;
using qxtest::HexRun;
using qxtest::recordFromRuns;

template <class Record>
std::vector<std::uint8_t> bytesOf(const Record& r) {
  return {r.bytes().begin(), r.bytes().end()};
}

std::string repeatHex(const char* hex, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += hex;
  return out;
}

TEST(ArchiveRecords, IndexRecordIsALengthByteAndTheFortyThreeCharacterText) {
  const qx::IndexRecord r(qx::makeIndexText("ROSSI MARIO", 7));
  EXPECT_EQ(bytesOf(r), hexBytes("2B 524F535349204D4152494F" + repeatHex("20", 27) + "3030303037"));
  EXPECT_EQ(qx::IndexRecord(r).indexText(), "ROSSI MARIO                           00007");
}

TEST(ArchiveRecords, BirthRecordFieldsStandAtTheirOffsets) {
  qx::BirthRecord r;
  r.setDateKey("198001021230+1");
  r.setPlaceField("41N54-012E29ROMA *RM*");
  r.setCalendarCode("GR");
  r.setNationality("ITALIA");
  r.setPlanetsCode("01ASO10");
  r.setCuspsCode("01A12");
  r.setAspectsCode("SLO3");
  r.setReserved1("");
  r.setReserved2("");
  r.setAnnotationIndex("00012");
  const std::vector<std::uint8_t> expected = recordFromRuns(385, {
      {0, "0E 3139383030313032313233302B31"},
      {21, "15 34314E35342D303132453239524F4D41202A524D2A"},
      {61, "02 4752"},
      {64, "06 4954414C4941"},
      {85, "07 303141534F3130"},
      {158, "05 3031413132"},
      {219, "04 534C4F33"},
      {344, "00"},
      {366, "00"},
      {379, "05 3030303132"},
  });
  EXPECT_EQ(bytesOf(r), expected);
  EXPECT_EQ(r.PlaceField().substr(0, 12), "41N54-012E29");
  EXPECT_EQ(r.AnnotationIndex(), "00012");
}

TEST(ArchiveRecords, FieldsLongerThanTheirWidthAreCut) {
  qx::BirthRecord r;
  r.setCalendarCode("GREGORIANO");
  r.setNationality(std::string(30, 'X'));
  EXPECT_EQ(r.CalendarCode(), "GR");
  EXPECT_EQ(r.Nationality(), std::string(20, 'X'));
  EXPECT_EQ(r.bytes()[85], 0) << "the nationality must not spill into the planets code";
}

TEST(ArchiveRecords, AnnotationLineFourHoldsTheNoteAndTheTextNumber) {
  qx::AnnotationRecord r;
  r.setLine(1, "PRIMA");
  r.setLine(4, "NOTA" + std::string(60, ' ') + "00003");
  const std::vector<std::uint8_t> expected = recordFromRuns(284, {
      {0, "05 5052494D41"},
      {213, ("45 4E4F5441" + repeatHex("20", 60) + "3030303033").c_str()},
  });
  EXPECT_EQ(bytesOf(r), expected);
  EXPECT_EQ(r.Line4Note(), "NOTA" + std::string(60, ' '));
  EXPECT_EQ(r.TextNumber(), "00003");
  r.setLine(4, "SOLO NOTA");
  EXPECT_EQ(r.TextNumber(), "");
}

TEST(ArchiveRecords, IndexTextKeepsTheNumberInCharacters39To43) {
  struct Case {
    const char* what;
    std::string name;
    long number;
    std::string expected;
  };
  const std::string longName = "BARTOLOMEI DE' MEDICI CASTELFRANCO ALESSANDRA MARIA";
  const Case cases[] = {
      {"short name padded", "VERDI", 1, "VERDI" + std::string(33, ' ') + "00001"},
      {"exactly 38", std::string(38, 'A'), 12345, std::string(38, 'A') + "12345"},
      {"longer name cut before padding", longName, 42, longName.substr(0, 38) + "00042"},
      {"number 0", "", 0, std::string(38, ' ') + "00000"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string text = qx::makeIndexText(c.name, c.number);
    EXPECT_EQ(text, c.expected);
    EXPECT_EQ(text.size(), 43u);
    EXPECT_EQ(qx::indexNumber(text), c.number);
    EXPECT_EQ(qx::indexName(text), qx::indexName(c.name.substr(0, 38)));
  }
  EXPECT_THROW(qx::makeIndexText("X", 100000), std::invalid_argument);
  EXPECT_EQ(qx::indexNumber("ROSSI MARIO"), std::nullopt) << "the current subject after a recall has no number";
  EXPECT_EQ(qx::indexNumber(std::string(38, ' ') + "00A12"), std::nullopt);
}

TEST(ArchiveRecords, IndexTextsCompareAsUnsignedBytesWithPrefixesFirst) {
  EXPECT_LT(qx::compareIndexTexts("ROSSI", "ROSSI "), 0);
  EXPECT_LT(qx::compareIndexTexts("ROSSI LUCA", "ROSSI MARIO"), 0);
  EXPECT_LT(qx::compareIndexTexts("ZETA", "\xC8RE"), 0) << "accented letters sort above ASCII";
  EXPECT_EQ(qx::compareIndexTexts("A", "A"), 0);
}

TEST(EmptyBaseArchive, FilesHoldTheirRecordZeroByteForByte) {
  qxtest::TempFolder temp;
  const qx::WorkFolder folder(temp.path());
  ASSERT_TRUE(qx::ensureBaseArchive(folder));

  EXPECT_EQ(qxtest::fileBytes(temp.path() / "BASE.ST1"),
            hexBytes("2B 3020526567697374726F2076756F746F" + repeatHex("2E", 22) + "3030303030"));
  EXPECT_EQ(qxtest::fileBytes(temp.path() / "BASE.ST2"),
            recordFromRuns(385, {{0, "0120"},
                                 {21, "0120"},
                                 {61, "0120"},
                                 {64, "0120"},
                                 {85, "0120"},
                                 {158, "0120"},
                                 {219, "0120"},
                                 {344, "0120"},
                                 {366, "0120"},
                                 {379, "05 2020202020"}}));

  const char* lines[] = {
      "   LO SPAZIO DELIMITATO DA QUESTA CORNICE E'DESTINATO A RICEVERE      ",
      "  EVENTUALI ANNOTAZIONI SCRITTE DAGLI UTENTI. LE ANNOTAZIONI DEVONO   ",
      "      RIFERIRSI A QUESTO SPECIFICO TEMA (O A QUESTA PERSONA).         ",
      "           QUESTO TEMA NON CONTIENE PER ORA ANNOTAZIONI.              ",
  };
  std::vector<std::uint8_t> st3;
  for (const char* line : lines) {
    st3.push_back(70);
    st3.insert(st3.end(), line, line + 70);
  }
  EXPECT_EQ(qxtest::fileBytes(temp.path() / "BASE.ST3"), st3);

  const qx::SubjectArchive base(folder, "BASE");
  EXPECT_EQ(base.subjectCount(), 0u);
  EXPECT_EQ(qx::listArchives(folder, false).at(0).label, "BASE (personale)");
}

TEST(EmptyBaseArchive, IsCreatedOnlyWhenTheIndexIsMissingLetterCaseAside) {
  qxtest::TempFolder temp;
  const qx::WorkFolder folder(temp.path());
  qxtest::writeBytes(temp.path() / "base.St1", {1, 2, 3});
  EXPECT_FALSE(qx::ensureBaseArchive(folder));
  EXPECT_FALSE(std::filesystem::exists(temp.path() / "BASE.ST2"));
  EXPECT_EQ(qxtest::fileBytes(temp.path() / "base.St1"), (std::vector<std::uint8_t>{1, 2, 3}));
}

TEST(EmptyBaseArchive, KeepsBirthRecordsAndAnnotationsOfALostIndex) {
  qxtest::TempFolder temp;
  const qx::WorkFolder folder(temp.path());
  const qx::SubjectArchive base = qxtest::makeEmptyArchive(folder, "BASE");
  qxtest::registerName(base, "ROSSI MARIO");
  const auto births = qxtest::fileBytes(temp.path() / "BASE.ST2");
  std::filesystem::remove(temp.path() / "BASE.ST1");

  EXPECT_TRUE(qx::ensureBaseArchive(folder));
  EXPECT_EQ(qxtest::fileBytes(temp.path() / "BASE.ST2"), births);
  EXPECT_EQ(base.subjectCount(), 0u);
  EXPECT_EQ(qxtest::registerName(base, "VERDI"), 1u);
  EXPECT_EQ(qxtest::indexTexts(base).at(1), qx::makeIndexText("VERDI", 2)) << "numbers continue after the kept records";
}

}  // namespace

namespace {

TEST(DateKey, CorrectionTextAsARegistrationWritesIt) {
  struct Case {
    long double corr;
    const char* text;
  };
  const Case cases[] = {{0, "+0"}, {-2, "-2"}, {5.5L, "+5,5"}, {-1, "-1"}, {-5.5L, "-5,5"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(qx::correctionText(c.corr), c.text);
  }
  EXPECT_EQ(qx::makeDateKey(1968, 6, 15, 14, 30, -2), "196806151430-2");
  EXPECT_EQ(qx::makeDateKey(2001, 1, 2, 3, 4, 0), "200101020304+0");
}

TEST(RecalledAnnotations, FourTrimmedLinesEachAfterABlank) {
  qx::AnnotationRecord record;
  record.setLine(1, "   PRIMA   ");
  record.setLine(2, "");
  record.setLine(3, "TERZA RIGA");
  const std::string fourth = std::string(64, ' ') + "00007";
  record.setLine(4, fourth);
  EXPECT_EQ(qx::recalledAnnotationsLine(record), " PRIMA  TERZA RIGA 00007");
}

}  // namespace
