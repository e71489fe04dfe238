#include "CurrentSubjectView.h"

#include <gtest/gtest.h>

#include <functional>

#include "Annotations.h"
#include "FileBytes.h"
#include "HandOffFiles.h"
#include "RecordFile.h"
#include "SubjectArchive.h"
#include "SubjectTexts.h"
#include "TempFolder.h"
#include "TextHelpers.h"

namespace qxtest {
namespace {

qx::BirthRecord birthRecord(const std::string& dateKey, const std::string& place, const std::string& calendar,
                            const std::string& nationality) {
  qx::BirthRecord birth;
  birth.setDateKey(dateKey);
  birth.setPlaceField(place);
  birth.setCalendarCode(calendar);
  birth.setNationality(nationality);
  birth.setAnnotationIndex("00000");
  return birth;
}

TEST(CurrentSubjectLines, SixLinesOfTheSubject) {
  struct Case {
    const char* what;
    std::string indexText;
    qx::BirthRecord birth;
    std::array<std::string, 6> lines;
  };
  const Case cases[] = {
      {"registered subject",
       qx::makeIndexText("ROSSI MARIA", 3),
       birthRecord("196806151430-2", "41N54-012E30ROMA *RM*", "GR", "ITALIA"),
       {"ROSSI MARIA", "Nascita 15/06/1968 14:30  Correz. -2", "Localit\xE0: ROMA (RM)", "Nazionalit\xE0: ITALIA",
        "Coordinate: 41N54-012E30", "Calendario GREGORIANO"}},
      // A recalled name of 43 characters is cut to 38; a double blank in the
      // place is dropped; a Julian date.
      {"long recalled name",
       "BIANCHI GIOVANNI BATTISTA MARIA LUIGI XYZW",
       birthRecord("170001020304+0,5", "45N28-009E11MILANO  *MI*", "GI", "ITALIA"),
       {"BIANCHI GIOVANNI BATTISTA MARIA LUIGI", "Nascita 02/01/1700 03:04  Correz. +0,5",
        "Localit\xE0: MILANO (MI)", "Nazionalit\xE0: ITALIA", "Coordinate: 45N28-009E11", "Calendario GIULIANO"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    qx::CurrentSubject subject{qx::IndexRecord(c.indexText), c.birth};
    EXPECT_EQ(qx::currentSubjectLines(subject), c.lines);
  }
}

// A working folder with the archives BASE (with NAME.ST3) and RICE (without),
// where subjects are stored, registered and recalled as the subject windows
// do it, hand-off files included.
class SubjectWorld {
 public:
  struct Stored {
    std::string archive;
    std::string name;
    std::size_t birthNumber = 0;
    qx::BirthRecord birth;  // as the archive holds it
  };

  SubjectWorld() {
    for (const char* archive : {"BASE", "RICE"}) {
      qx::RecordFile(folder.pathForWrite(std::string(archive) + ".ST1"), qx::IndexRecord::kSize,
                     qx::RecordFile::Mode::Create)
          .writeRecord(0, qx::emptyArchiveIndexRecord());
      qx::RecordFile(folder.pathForWrite(std::string(archive) + ".ST2"), qx::BirthRecord::kSize,
                     qx::RecordFile::Mode::Create)
          .writeRecord(0, qx::emptyArchiveBirthRecord());
    }
    qx::RecordFile(folder.pathForWrite("BASE.ST3"), qx::AnnotationRecord::kSize, qx::RecordFile::Mode::Create)
        .writeRecord(0, qx::defaultAnnotationRecord());
    // The installation's subject, with the default annotation line.
    qx::replaceCurrentSubject(folder, qx::IndexRecord(qx::makeIndexText("ROSSI MARIA", 0)),
                              birthRecord("196806151430-2", "41N54-012E30ROMA *RM*", "GR", "ITALIA"));
    qx::writeAnnotationsLine(folder, qx::recalledAnnotationsLine(qx::defaultAnnotationRecord()));
  }

  // A subject in an archive, with annotation lines and optionally a text.
  Stored store(const std::string& archive, const std::string& name, const std::string& dateKey,
               const std::string& note, bool withText) {
    const qx::SubjectArchive a(folder, archive);
    Stored s{archive, name, 0, birthRecord(dateKey, "45N28-009E11MILANO *MI*", "GR", "ITALIA")};
    s.birthNumber = a.appendBirthRecord(s.birth);
    qx::AnnotationFields fields;
    fields.lines[0] = note;
    if (withText) {
      const long number = qx::drawTextNumber(folder, archive);
      qx::createSubjectText(folder, archive, number, name);
      fields.textNumber = qx::padZeros(number, 5);
    }
    if (a.hasAnnotationFile()) qx::writeRegistrationAnnotation(a, s.birthNumber, fields);
    s.birth = a.openBirths().readRecord<qx::BirthRecord>(s.birthNumber);
    return s;
  }

  std::optional<qx::AnnotationRecord> annotationOf(const Stored& s) const {
    const qx::SubjectArchive a(folder, s.archive);
    if (!a.hasAnnotationFile()) return std::nullopt;
    return a.openAnnotations().readRecord<qx::AnnotationRecord>(
        std::size_t(std::stol(s.birth.AnnotationIndex())));
  }

  // What a registration leaves: the records of TMPR (the birth record as
  // first written, "00000"), "FileDum\\Annotaz.dum" only for annotations,
  // "FileDum\\StrText.dum" only for a text, and "FileDum\\MMDatArc.dum".
  void registerCurrent(const Stored& s) {
    qx::BirthRecord first = s.birth;
    first.setAnnotationIndex("00000");
    const std::string indexText = qx::makeIndexText(s.name, long(s.birthNumber));
    qx::setCurrentSubject(folder, qx::IndexRecord(indexText), first);
    const auto record = annotationOf(s);
    if (record && s.birth.AnnotationIndex() != "00000")
      qx::writeAnnotationsLine(folder, qx::registeredAnnotationsLine(*record));
    if (record && !qx::trimTrailingBlanks(record->TextNumber()).empty())
      qx::writeSubjectTextRef(folder, {s.archive, record->TextNumber()});
    qx::writeLastArchiveUse(folder, {s.archive, indexText, 1, s.name});
  }

  // Showing a subject in the recall window writes the pointer and, with
  // NAME.ST3, the annotation line and the text reference.
  void showInRecall(const Stored& s) {
    qx::writeRecalledSubjectRef(folder, {qx::padZeros(long(s.birthNumber), 5), s.archive});
    if (const auto record = annotationOf(s)) {
      qx::writeAnnotationsLine(folder, qx::recalledAnnotationsLine(*record));
      qx::writeSubjectTextRef(folder, {s.archive, record->TextNumber()});
    }
  }
  void leaveRecall(const Stored& s) {
    qx::writeLastArchiveUse(folder, {s.archive, qx::makeIndexText(s.name, long(s.birthNumber)), 1, s.name});
  }
  // "&OK": TMPR holds the name alone and the recalled birth record.
  void recallCurrent(const Stored& s) {
    showInRecall(s);
    qx::replaceCurrentSubject(folder, qx::IndexRecord(s.name), s.birth);
    leaveRecall(s);
  }

  qx::CurrentSubjectView view() const { return qx::viewCurrentSubject(folder, qx::readCurrentSubject(folder)); }

  TempFolder temp;
  qx::WorkFolder folder{temp.path()};
};

const std::string kNoAnnotation = qx::recalledAnnotationsLine(qx::defaultAnnotationRecord());

TEST(CurrentSubjectHandOffs, AnnotationAndTextBelongToTheCurrentSubject) {
  using Steps = std::function<void(SubjectWorld&)>;
  struct Case {
    const char* what;
    Steps steps;
    std::string annotation;  // "" stands for the default lines
    std::optional<std::string> text;
  };
  const Case cases[] = {
      {"installation subject: nothing ties it to an archive", [](SubjectWorld&) {}, "", std::nullopt},
      {"recall of a subject with annotation and text",
       [](SubjectWorld& w) { w.recallCurrent(w.store("BASE", "VERDI ANNA", "197001010800-1", "ALLERGIA", true)); },
       " ALLERGIA   00001", "BASEtxt/00001.txt"},
      {"registration without annotations after a subject with both",
       [](SubjectWorld& w) {
         w.recallCurrent(w.store("BASE", "VERDI ANNA", "197001010800-1", "ALLERGIA", true));
         w.registerCurrent(w.store("BASE", "NERI LUCA", "198002020900-1", "", false));
       },
       "", std::nullopt},
      {"registration with annotations but no text after a subject with a text",
       [](SubjectWorld& w) {
         w.recallCurrent(w.store("BASE", "VERDI ANNA", "197001010800-1", "ALLERGIA", true));
         w.registerCurrent(w.store("BASE", "NERI LUCA", "198002020900-1", "EMICRANIA", false));
       },
       "EMICRANIA   " + std::string(64, ' '), std::nullopt},
      {"registration with a text",
       [](SubjectWorld& w) { w.registerCurrent(w.store("BASE", "NERI LUCA", "198002020900-1", "", true)); },
       "   " + std::string(64, ' ') + "00001", "BASEtxt/00001.txt"},
      {"recall from an archive without NAME.ST3 after a subject with both",
       [](SubjectWorld& w) {
         w.recallCurrent(w.store("BASE", "VERDI ANNA", "197001010800-1", "ALLERGIA", true));
         w.recallCurrent(w.store("RICE", "GIALLI ADA", "196503030700-1", "", false));
       },
       "", std::nullopt},
      // Another subject shown and the recall cancelled: its hand-offs are
      // never shown for the current one.
      {"recall shown and cancelled",
       [](SubjectWorld& w) {
         w.recallCurrent(w.store("BASE", "VERDI ANNA", "197001010800-1", "ALLERGIA", false));
         const auto other = w.store("BASE", "NERI LUCA", "198002020900-1", "EMICRANIA", true);
         w.showInRecall(other);
         w.leaveRecall(other);
       },
       "", std::nullopt},
      {"annotation hand-off missing: the record's own line",
       [](SubjectWorld& w) {
         w.recallCurrent(w.store("BASE", "VERDI ANNA", "197001010800-1", "ALLERGIA", false));
         std::filesystem::remove(w.temp.path() / "FileDum" / "Annotaz.dum");
       },
       " ALLERGIA   ", std::nullopt},
      {"text of the reference deleted",
       [](SubjectWorld& w) {
         w.recallCurrent(w.store("BASE", "VERDI ANNA", "197001010800-1", "ALLERGIA", true));
         std::filesystem::remove(w.temp.path() / "BASEtxt" / "00001.txt");
       },
       " ALLERGIA   00001", std::nullopt},
      // A subject registered into TMPR has no annotation record: its text is
      // known by the name line it starts with.
      {"text of a subject registered into TMPR",
       [](SubjectWorld& w) {
         qx::createSubjectText(w.folder, "TMPR", 1, "ROSSI MARIA");
         qx::writeSubjectTextRef(w.folder, {"TMPR", "00001"});
       },
       "", "TMPRtxt/00001.txt"},
      {"text of another subject in TMPR",
       [](SubjectWorld& w) {
         qx::createSubjectText(w.folder, "TMPR", 1, "BIANCHI PAOLO");
         qx::writeSubjectTextRef(w.folder, {"TMPR", "00001"});
       },
       "", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SubjectWorld world;
    c.steps(world);
    const qx::CurrentSubjectView view = world.view();
    EXPECT_EQ(view.annotation, c.annotation.empty() ? kNoAnnotation : c.annotation);
    EXPECT_EQ(view.textName, c.text);
  }
}

TEST(CurrentSubjectHome, PointerMustHoldTheSubjectsBirthData) {
  SubjectWorld world;
  const auto anna = world.store("BASE", "VERDI ANNA", "197001010800-1", "ALLERGIA", false);
  world.recallCurrent(anna);
  const auto home = qx::findSubjectHome(world.folder, qx::readCurrentSubject(world.folder));
  ASSERT_TRUE(home);
  EXPECT_EQ(home->archive, "BASE");
  EXPECT_EQ(home->birthNumber, anna.birthNumber);
  EXPECT_EQ(home->annotationNumber, 1u);

  // The same record number with other birth data (the record was corrected
  // since) is not the subject's home.
  qx::BirthRecord corrected = anna.birth;
  corrected.setDateKey("197001010900-1");
  qx::SubjectArchive(world.folder, "BASE").openBirths(qx::RecordFile::Mode::ReadWrite)
      .writeRecord(anna.birthNumber, corrected);
  EXPECT_FALSE(qx::findSubjectHome(world.folder, qx::readCurrentSubject(world.folder)));
}

}  // namespace
}  // namespace qxtest
