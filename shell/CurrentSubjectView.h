#pragma once
// What the main window shows of the current subject (record 0 of "TMPR.ST1"
// and "TMPR.ST2"): the six lines of `MemoDati`, the annotation line of
// `MemoAnnotaz` and the subject's text behind "Apri Testo".
//
// The annotation and the text come from the hand-off files
// "FileDum\\Annotaz.dum" and "FileDum\\StrText.dum", which the register and
// recall windows write. Those windows do not rewrite them for every subject
// (a registration without annotations or without a text leaves them alone,
// and so does a recall from an archive without NAME.ST3), and a recall that
// shows a subject and is then cancelled rewrites them for a subject that did
// not become current. The files alone therefore cannot tell whose they are.
// The main window ties them to the current subject through the subject's home:
//
//   The home of the current subject is the birth record it was recalled or
//   registered from. The subject windows leave pointers to it: the archive
//   and birth-record number of "FileDum\\PointGlo.dum" (recall), the archive
//   and index text of "FileDum\\MMDatArc.dum" (register and recall), and the
//   archive of "FileDum\\StrText.dum" with the birth-record number of the
//   index text in "TMPR.ST1" (register). A pointer is taken only when the
//   birth record it names holds the current subject's date key, calendar and
//   coordinates; the first one that does is the home. TMPR is never a home:
//   it is where subjects are handed over, and it keeps no annotations.
//
//   Annotation: when the home's archive has NAME.ST3, the subject's
//   annotation record is the one its AnnotationIndex names (record 0, the
//   archive's default lines, for "00000"). The hand-off line is shown when it
//   is one of the two lines written for that record (the recall's line, or
//   the register's line of a new annotation); otherwise the hand-off belongs
//   to another subject and the recall's line of the record is shown instead.
//   Without a home, or without NAME.ST3, the subject has no annotation: the
//   default lines of a new archive are shown, as a recall shows them.
//
//   Text: the reference a, b of "FileDum\\StrText.dum" names the text
//   a + "txt/" + b + ".txt", which must exist. With a home, it is the
//   subject's text when a is the home's archive and b the text number of the
//   home's annotation record (characters 65 to 69 of line 4). Without a
//   home (a subject registered into TMPR, or pointers lost), it is the
//   subject's text when its first line, the name line every new text starts
//   with, is the subject's name. Otherwise there is no text.

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "ArchiveRecords.h"
#include "SubjectArchive.h"
#include "WorkFolder.h"

namespace qx {

inline constexpr std::size_t kSubjectLineCount = 6;

// The lines of `MemoDati` (Windows-1252), from 0:
//   0 the first 38 characters of the name;
//   1 "Nascita " + dd/mm/yyyy hh:mm + "  Correz. " + the correction text;
//   2 "Località: " + the place, cleaned;
//   3 "Nazionalità: " + the nationality;
//   4 "Coordinate: " + the coordinates text;
//   5 "Calendario GREGORIANO" or "Calendario GIULIANO".
std::array<std::string, kSubjectLineCount> currentSubjectLines(const CurrentSubject& subject);

struct SubjectHome {
  std::string archive;      // upper-cased
  std::size_t birthNumber = 0;
  // The annotation record the recall shows for the subject; nothing when the
  // archive has no NAME.ST3 or not that record.
  std::optional<AnnotationRecord> annotation;
  // The record's number (0 for the default lines).
  std::size_t annotationNumber = 0;
};

// The current subject's home as described above, or nothing.
std::optional<SubjectHome> findSubjectHome(const WorkFolder& folder, const CurrentSubject& subject);

// The annotation line a registration writes to "FileDum\\Annotaz.dum": lines
// 1 to 3 without trailing blanks and line 4 as stored, joined by blanks.
std::string registeredAnnotationsLine(const AnnotationRecord& record);

// The annotation line shown for the subject, by the rule above.
std::string annotationToShow(const WorkFolder& folder, const std::optional<SubjectHome>& home);

// The subject's text name a + "txt/" + b + ".txt", or nothing, by the rule
// above. A "FileDum\\StrText.dum" without its second line names no text.
std::optional<std::string> subjectTextToShow(const WorkFolder& folder, const CurrentSubject& subject,
                                             const std::optional<SubjectHome>& home);

struct CurrentSubjectView {
  std::array<std::string, kSubjectLineCount> lines;
  std::string annotation;
  std::optional<std::string> textName;  // "Apri Testo" is shown when set
};

// Everything the main window shows of the subject.
CurrentSubjectView viewCurrentSubject(const WorkFolder& folder, const CurrentSubject& subject);

}  // namespace qx
