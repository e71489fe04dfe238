// Sorted insertion, relocation, removal and the search by first letters over
// a subject archive's name index.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "ArchiveTestSupport.h"
#include "FirstLetters.h"
#include "IndexSorting.h"
#include "IoError.h"
#include "TempFolder.h"

namespace {

using qx::IndexRecord;
using qx::makeIndexText;

class IndexSortingTest : public ::testing::Test {
 protected:
  qxtest::TempFolder temp;
  qx::WorkFolder folder{temp.path()};
  qx::SubjectArchive archive = qxtest::makeEmptyArchive(folder, "BASE");

  // Registers the names in order (birth numbers 1, 2, ...); gives the
  // position of the last one.
  std::size_t registerAll(const std::vector<std::string>& names) {
    std::size_t position = 0;
    for (const std::string& n : names) position = qxtest::registerName(archive, n);
    return position;
  }

  // Birth-record numbers of index records 1..n, in index order.
  std::vector<long> numbersInOrder() {
    std::vector<long> numbers;
    const auto texts = qxtest::indexTexts(archive);
    for (std::size_t i = 1; i < texts.size(); ++i) numbers.push_back(qx::indexNumber(texts[i]).value_or(-1));
    return numbers;
  }

  void expectRecordZeroUntouched() {
    EXPECT_EQ(archive.openIndex().readRecord<IndexRecord>(0), qx::emptyArchiveIndexRecord());
  }
};

TEST_F(IndexSortingTest, RegistrationAndSearchCases) {
  struct Case {
    const char* what;
    std::vector<std::string> registered;  // birth numbers 1, 2, ... in this order
    std::vector<long> order;              // birth numbers in index order
    const char* typed;                    // nullptr: check the last registration
    std::size_t position;                 // of the last registration, or found by the search
    bool matches;
  };
  const std::vector<std::string> four = {"BIANCHI", "ROSSI LUCA", "VERDI", "ROSSI MARIO"};
  const Case cases[] = {
      {"ROSSI MARIO goes between ROSSI LUCA and VERDI", four, {1, 2, 4, 3}, nullptr, 3, false},
      {"an equal name goes after the older one", {"ROSSI MARIO", "BIANCHI", "ROSSI MARIO"}, {2, 1, 3}, nullptr, 3,
       false},
      {"a name below all goes to position 1", {"VERDI", "ROSSI", "BIANCHI"}, {3, 2, 1}, nullptr, 1, false},
      {"the first subject of an empty archive", {"VERDI"}, {1}, nullptr, 1, false},
      {"ROSSI finds ROSSI MARIO and matches", four, {1, 2, 4, 3}, "ROSSI", 3, true},
      {"typed letters are upper-cased", four, {1, 2, 4, 3}, "rossi", 3, true},
      {"ROSSI LUCA finds itself", four, {1, 2, 4, 3}, "ROSSI LUCA", 2, true},
      {"ROSSI L stops before ROSSI LUCA", four, {1, 2, 4, 3}, "ROSSI L", 1, false},
      {"ROS finds the record before the first ROS name", four, {1, 2, 4, 3}, "ROS", 1, false},
      {"a key above all stops at count - 1", four, {1, 2, 4, 3}, "ZZ", 3, false},
      {"a key below all gives record 1", four, {1, 2, 4, 3}, "A", 1, false},
      {"VERDI is last and found only as count - 1", four, {1, 2, 4, 3}, "VERDI", 3, false},
      {"a single subject", {"VERDI"}, {1}, "VERDI", 1, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    archive = qxtest::makeEmptyArchive(folder, "BASE");
    const std::size_t inserted = registerAll(c.registered);
    EXPECT_EQ(numbersInOrder(), c.order);
    expectRecordZeroUntouched();
    if (c.typed == nullptr) {
      EXPECT_EQ(inserted, c.position);
      continue;
    }
    const qx::RecordFile index = archive.openIndex();
    const std::size_t found = qx::searchFirstLetters(index, c.typed, archive.subjectCount());
    EXPECT_EQ(found, c.position);
    EXPECT_EQ(qx::firstLettersMatch(index.readRecord<IndexRecord>(found).indexText(), c.typed), c.matches);
  }
}

TEST_F(IndexSortingTest, SearchKeyIsUpperCasedLettersThenExclamationMarks) {
  EXPECT_EQ(qx::firstLettersKey("ros"), "ROS" + std::string(35, '!'));
  EXPECT_EQ(qx::firstLettersKey(std::string(40, 'A')), std::string(38, 'A'));
  EXPECT_EQ(qx::bisectFirstLetters("X", 0, [](std::size_t) -> std::string { throw std::logic_error("read"); }), 0u);
}

TEST_F(IndexSortingTest, SearchFindsEveryPrefixInALargerArchive) {
  std::vector<std::string> texts;
  for (int i = 0; i < 300; ++i) texts.push_back(makeIndexText("N" + std::to_string(1000 + i * 7), i + 1));
  qxtest::writeIndex(archive, texts);
  const qx::RecordFile index = archive.openIndex();
  const std::size_t count = archive.subjectCount();
  for (int i = 1; i < 299; ++i) {
    const std::string name = "N" + std::to_string(1000 + i * 7);
    SCOPED_TRACE(name);
    const std::size_t found = qx::searchFirstLetters(index, name, count);
    EXPECT_EQ(qx::indexName(index.readRecord<IndexRecord>(found).indexText()), name);
  }
}

TEST_F(IndexSortingTest, RemovingRecordTwoOfFiveKeepsTheOthersInOrder) {
  registerAll({"ANNA", "BRUNO", "CARLA", "DARIO", "ELENA"});
  const auto births = archive.openBirths().count();
  const auto before = std::filesystem::file_size(archive.indexPath());
  qx::removeIndex(archive, 2);
  EXPECT_EQ(numbersInOrder(), (std::vector<long>{1, 3, 4, 5}));
  EXPECT_EQ(std::filesystem::file_size(archive.indexPath()), before - 44);
  EXPECT_EQ(archive.openBirths().count(), births);
  expectRecordZeroUntouched();

  qx::removeIndex(archive, 4);
  qx::removeIndex(archive, 1);
  qx::removeIndex(archive, 1);
  qx::removeIndex(archive, 1);
  EXPECT_EQ(archive.subjectCount(), 0u) << "the only subject removed leaves record 0 alone";
  expectRecordZeroUntouched();
}

TEST_F(IndexSortingTest, RelocationComparesWholeTextsSoTheIndexStaysSorted) {
  registerAll({"ROSSI MARIA", "ROSSI MARIKA", "ROSSI MARIO", "ROSSINI MARIO", "VERDI"});
  // Index: MARIA(1) MARIKA(2) MARIO(3) ROSSINI(4) VERDI(5). ROSSI MARIO becomes
  // ROSSI MARIA B: the first 8 characters are unchanged, but it must move
  // before ROSSI MARIKA.
  struct Case {
    const char* what;
    std::size_t position;
    std::string newName;
    long number;
    std::size_t expectedPosition;
    std::vector<long> order;
  };
  const Case cases[] = {
      {"change beyond character 8 moves up", 3, "ROSSI MARIA B", 3, 2, {1, 3, 2, 4, 5}},
      {"rename to a later name moves down", 1, "ROSSINI ZETA", 1, 4, {3, 2, 4, 1, 5}},
      {"same text is written in place", 2, "ROSSI MARIKA", 2, 2, {3, 2, 4, 1, 5}},
      {"the last subject renamed later stays last", 5, "ZORRO", 5, 5, {3, 2, 4, 1, 5}},
      {"the last subject renamed first", 5, "ABATE", 5, 1, {5, 3, 2, 4, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(qx::relocateSorted(archive, c.position, IndexRecord(makeIndexText(c.newName, c.number))),
              c.expectedPosition);
    EXPECT_EQ(numbersInOrder(), c.order);
    const auto texts = qxtest::indexTexts(archive);
    EXPECT_TRUE(std::is_sorted(texts.begin() + 1, texts.end()));
    EXPECT_EQ(texts.at(c.expectedPosition), makeIndexText(c.newName, c.number));
    expectRecordZeroUntouched();
  }
}

TEST_F(IndexSortingTest, TemporaryArchiveTakesTheNewSubjectAsRecordZero) {
  const qx::SubjectArchive tmpr = qxtest::makeEmptyArchive(folder, "TMPR");
  const IndexRecord subject(makeIndexText("ROSSI MARIO", 1));
  EXPECT_EQ(qx::insertSorted(tmpr, subject), 0u);
  const auto texts = qxtest::indexTexts(tmpr);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0], subject.indexText());
}

TEST_F(IndexSortingTest, FailuresRaiseTheInputOutputErrorAndLeaveTheIndexAlone) {
  registerAll({"ANNA", "BRUNO"});
  const auto before = qxtest::fileBytes(archive.indexPath());
  EXPECT_THROW(qx::removeIndex(archive, 0), qx::IoError) << "record 0 is not a subject";
  EXPECT_THROW(qx::removeIndex(archive, 3), qx::IoError);
  EXPECT_THROW(qx::relocateSorted(archive, 3, IndexRecord("X")), qx::IoError);
  EXPECT_EQ(qxtest::fileBytes(archive.indexPath()), before);

  const qx::SubjectArchive missing(folder, "NONE");
  try {
    qx::insertSorted(missing, IndexRecord("X"));
    FAIL() << "no error for a missing index";
  } catch (const qx::IoError& e) {
    EXPECT_EQ(e.code(), qx::IoErrorCode::FileNotFound);
    EXPECT_NE(e.file().find("NONE.ST1"), std::string::npos);
  }

  qxtest::writeBytes(temp.path() / "VUOT.ST1", {});
  EXPECT_THROW(qx::insertSorted(qx::SubjectArchive(folder, "VUOT"), IndexRecord("X")), qx::IoError)
      << "an index without record 0 would lose its first subject";
}

// The same operations done in place, record by record, as the archive files
// have always been changed; the whole-file replacement must end with the very
// same bytes, including the bytes after each text's length and in the odd
// cases (unsorted records, equal texts, a partial record at the end).
namespace reference {

std::string textOf(const std::vector<std::uint8_t>& r) {
  return std::string(reinterpret_cast<const char*>(r.data() + 1), std::min<std::size_t>(r[0], 43));
}

std::size_t insert(const std::filesystem::path& path, const std::vector<std::uint8_t>& record, bool temporary) {
  qx::RecordFile f(path, 44, qx::RecordFile::Mode::ReadWrite);
  const std::size_t written = temporary ? 0 : f.count();
  f.write(written, record);
  std::size_t remembered = written;
  std::vector<std::uint8_t> a(44), b(44);
  for (std::size_t o = f.count() - 1; o >= 2; --o) {
    f.read(o, a);
    f.read(o - 1, b);
    if (textOf(a) <= textOf(b)) {
      f.write(o, b);
      f.write(o - 1, a);
      if (a == record) remembered = o - 1;
    }
  }
  return remembered;
}

std::size_t relocate(const std::filesystem::path& path, std::size_t p, const std::vector<std::uint8_t>& record) {
  qx::RecordFile f(path, 44, qx::RecordFile::Mode::ReadWrite);
  std::vector<std::uint8_t> old(44), next(44);
  f.read(p, old);
  const std::string text = textOf(record);
  if (text < textOf(old)) {
    while (p - 1 >= 1 && (f.read(p - 1, next), text < textOf(next))) {
      f.write(p, next);
      --p;
    }
  } else if (text > textOf(old)) {
    while (p + 1 < f.count() && (f.read(p + 1, next), text > textOf(next))) {
      f.write(p, next);
      ++p;
    }
  }
  f.write(p, record);
  return p;
}

void remove(const std::filesystem::path& path, std::size_t p) {
  qx::RecordFile f(path, 44, qx::RecordFile::Mode::ReadWrite);
  std::vector<std::uint8_t> r(44);
  for (std::size_t i = p; i + 1 < f.count(); ++i) {
    f.read(i + 1, r);
    f.write(i, r);
  }
  f.truncateAfter(f.count() - 2);
}

}  // namespace reference

TEST_F(IndexSortingTest, FinalBytesEqualThoseOfTheInPlaceExchanges) {
  std::mt19937 random(20240601);
  const char* names[] = {"ROSSI", "ROSSI MARIO", "VERDI", "BIANCHI", "\xC8RBA", "ROSS"};
  auto randomRecord = [&](long number) {
    std::vector<std::uint8_t> r(44);
    for (auto& byte : r) byte = std::uint8_t(random());  // what the writer's buffer held
    const std::string text = makeIndexText(names[random() % 6], number % 4);  // equal texts happen
    const std::size_t length = random() % 5 == 0 ? random() % 256 : 43;  // short ones, odd lengths
    r[0] = std::uint8_t(length);
    std::copy(text.begin(), text.begin() + std::ptrdiff_t(std::min<std::size_t>(length, 43)), r.begin() + 1);
    return r;
  };

  for (int round = 0; round < 36; ++round) {
    SCOPED_TRACE(round);
    const bool temporary = round % 10 == 9;
    const bool sorted = round % 3 != 0;
    const std::size_t count = 1 + random() % 12;
    std::vector<std::vector<std::uint8_t>> records;
    for (std::size_t i = 0; i < count; ++i) records.push_back(randomRecord(long(i)));
    if (sorted)
      std::sort(records.begin() + 1, records.end(),
                [](const auto& a, const auto& b) { return reference::textOf(a) < reference::textOf(b); });
    std::vector<std::uint8_t> file;
    for (const auto& r : records) file.insert(file.end(), r.begin(), r.end());
    if (round % 4 == 1) file.insert(file.end(), {9, 9, 9});  // partial record at the end

    const qx::SubjectArchive ours = qxtest::makeEmptyArchive(folder, temporary ? "TMPR" : "OURS");
    const std::filesystem::path theirs = temp.path() / "theirs.st1";
    auto reset = [&] {
      qxtest::writeBytes(ours.indexPath(), file);
      qxtest::writeBytes(theirs, file);
    };

    const auto added = randomRecord(long(count));
    reset();
    IndexRecord addedRecord;
    std::copy(added.begin(), added.end(), addedRecord.bytes().begin());
    EXPECT_EQ(qx::insertSorted(ours, addedRecord), reference::insert(theirs, added, temporary)) << "insert";
    EXPECT_EQ(qxtest::fileBytes(ours.indexPath()), qxtest::fileBytes(theirs)) << "insert";

    if (temporary || count < 2) continue;
    const std::size_t position = 1 + random() % (count - 1);
    reset();
    EXPECT_EQ(qx::relocateSorted(ours, position, addedRecord), reference::relocate(theirs, position, added));
    EXPECT_EQ(qxtest::fileBytes(ours.indexPath()), qxtest::fileBytes(theirs)) << "relocate";

    reset();
    qx::removeIndex(ours, position);
    reference::remove(theirs, position);
    EXPECT_EQ(qxtest::fileBytes(ours.indexPath()), qxtest::fileBytes(theirs)) << "remove";
  }
}

}  // namespace
