#include "CurrentSubjectView.h"

#include <vector>

#include "Annotations.h"
#include "ChartEngine.h"
#include "HandOffFiles.h"
#include "IoError.h"
#include "RealText.h"
#include "TextFile.h"
#include "TextHelpers.h"

namespace qx {

namespace {

std::string part(const std::string& text, std::size_t first, std::size_t count) {
  return first < text.size() ? text.substr(first, count) : std::string();
}

// dd/mm/yyyy hh:mm from the yyyymmddhhmm of a date key.
std::string birthDateTimeText(const std::string& dateKey) {
  std::string key = dateKey;
  key.resize(std::max<std::size_t>(key.size(), 12), ' ');
  return key.substr(6, 2) + "/" + key.substr(4, 2) + "/" + key.substr(0, 4) + " " + key.substr(8, 2) + ":" +
         key.substr(10, 2);
}

bool sameBirthData(const BirthRecord& a, const BirthRecord& b) {
  return a.DateKey() == b.DateKey() && a.CalendarCode() == b.CalendarCode() &&
         part(a.PlaceField(), 0, 12) == part(b.PlaceField(), 0, 12);
}

struct HomePointer {
  std::string archive;
  long birthNumber = 0;
};

// The pointers the subject windows leave, in the order they are tried. They
// only point: a pointer file that cannot be read points nowhere.
std::vector<HomePointer> homePointers(const WorkFolder& folder, const CurrentSubject& subject) {
  std::vector<HomePointer> pointers;
  if (folder.exists(kRecalledSubjectHandOff)) {
    try {
      const RecalledSubjectRef ref = readRecalledSubjectRef(folder);
      if (const auto number = parseInteger(ref.birthNumber)) pointers.push_back({ref.archive, long(*number)});
    } catch (const IoError&) {
    }
  }
  if (folder.exists(kLastArchiveUseHandOff)) {
    try {
      const LastArchiveUse use = readLastArchiveUse(folder);
      if (const auto number = indexNumber(use.indexText)) pointers.push_back({use.archive, *number});
    } catch (const IoError&) {
    }
  }
  if (const auto number = indexNumber(subject.index.indexText())) {
    try {
      if (const auto ref = readSubjectTextRef(folder)) pointers.push_back({ref->archive, *number});
    } catch (const IoError&) {
    }
  }
  return pointers;
}

std::optional<SubjectHome> homeAt(const WorkFolder& folder, const HomePointer& pointer,
                                  const CurrentSubject& subject) {
  const SubjectArchive archive(folder, trimTrailingBlanks(pointer.archive));
  if (archive.name().empty() || archive.isTemporary() || !archive.exists() || pointer.birthNumber < 1) return {};
  if (!folder.exists(archive.name() + ".ST2")) return {};
  const RecordFile births = archive.openBirths();
  const auto number = std::size_t(pointer.birthNumber);
  if (number >= births.count()) return {};
  const BirthRecord birth = births.readRecord<BirthRecord>(number);
  if (!sameBirthData(birth, subject.birth)) return {};

  SubjectHome home;
  home.archive = archive.name();
  home.birthNumber = number;
  const auto annotationNumber = parseInteger(birth.AnnotationIndex());
  if (archive.hasAnnotationFile() && annotationNumber && *annotationNumber >= 0) {
    const RecordFile annotations = archive.openAnnotations();
    if (std::size_t(*annotationNumber) < annotations.count()) {
      home.annotationNumber = std::size_t(*annotationNumber);
      home.annotation = annotations.readRecord<AnnotationRecord>(home.annotationNumber);
    }
  }
  return home;
}

std::string trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

}  // namespace

std::array<std::string, kSubjectLineCount> currentSubjectLines(const CurrentSubject& subject) {
  const std::string dateKey = subject.birth.DateKey();
  const std::string place = subject.birth.PlaceField();
  return {
      trimTrailingBlanks(part(subject.index.indexText(), 0, kIndexNameWidth)),
      "Nascita " + birthDateTimeText(dateKey) + "  Correz. " + trimTrailingBlanks(part(dateKey, 12, 5)),
      "Localit\xE0: " + cleanPlaceText(part(place, 12, 28)),
      "Nazionalit\xE0: " + subject.birth.Nationality(),
      "Coordinate: " + part(place, 0, 12),
      subject.birth.CalendarCode() == "GR" ? "Calendario GREGORIANO" : "Calendario GIULIANO",
  };
}

std::optional<SubjectHome> findSubjectHome(const WorkFolder& folder, const CurrentSubject& subject) {
  for (const HomePointer& pointer : homePointers(folder, subject))
    if (auto home = homeAt(folder, pointer, subject)) return home;
  return std::nullopt;
}

std::string registeredAnnotationsLine(const AnnotationRecord& record) {
  return trimTrailingBlanks(record.Line(1)) + " " + trimTrailingBlanks(record.Line(2)) + " " +
         trimTrailingBlanks(record.Line(3)) + " " + record.Line(4);
}

std::string annotationToShow(const WorkFolder& folder, const std::optional<SubjectHome>& home) {
  if (!home || !home->annotation) return recalledAnnotationsLine(defaultAnnotationRecord());
  const AnnotationRecord& record = *home->annotation;
  const std::string recalled = recalledAnnotationsLine(record);
  // A missing hand-off is as good as a stale one.
  const std::vector<std::string> handOff =
      folder.exists(kAnnotationsHandOff) ? readTextLines(folder.resolve(kAnnotationsHandOff))
                                         : std::vector<std::string>();
  if (!handOff.empty()) {
    const std::string& line = handOff.front();
    if (line == recalled || (home->annotationNumber > 0 && line == registeredAnnotationsLine(record))) return line;
  }
  return recalled;
}

std::optional<std::string> subjectTextToShow(const WorkFolder& folder, const CurrentSubject& subject,
                                             const std::optional<SubjectHome>& home) {
  std::optional<SubjectTextRef> ref;
  try {
    ref = readSubjectTextRef(folder);
  } catch (const IoError&) {
    // A reference without its second line names no text.
    return std::nullopt;
  }
  if (!ref) return std::nullopt;
  const std::string name = ref->archive + "txt/" + ref->number + ".txt";
  if (!folder.exists(name)) return std::nullopt;

  if (home) {
    const bool belongs = upperCaseText(trimmed(ref->archive)) == home->archive && home->annotation &&
                         home->annotationNumber > 0 && !trimmed(ref->number).empty() &&
                         trimmed(home->annotation->TextNumber()) == trimmed(ref->number);
    return belongs ? std::optional<std::string>(name) : std::nullopt;
  }
  const std::vector<std::string> text = readTextLines(folder.resolve(name));
  const std::string subjectName = trimTrailingBlanks(part(subject.index.indexText(), 0, kIndexNameWidth));
  const bool belongs =
      !text.empty() && !subjectName.empty() && trimTrailingBlanks(part(text.front(), 0, kIndexNameWidth)) == subjectName;
  return belongs ? std::optional<std::string>(name) : std::nullopt;
}

CurrentSubjectView viewCurrentSubject(const WorkFolder& folder, const CurrentSubject& subject) {
  CurrentSubjectView view;
  view.lines = currentSubjectLines(subject);
  const std::optional<SubjectHome> home = findSubjectHome(folder, subject);
  view.annotation = annotationToShow(folder, home);
  view.textName = subjectTextToShow(folder, subject, home);
  return view;
}

}  // namespace qx
