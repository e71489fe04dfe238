#pragma once
// The annotation record a registration adds to NAME.ST3.

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "ArchiveRecords.h"
#include "SubjectArchive.h"

namespace qx {

// What the register window gathers: four annotation lines and the number of
// the subject's text ("" when there is none).
struct AnnotationFields {
  std::array<std::string, 4> lines;
  std::string textNumber;
};

// Whether any of the four lines or the text number is non-empty.
bool hasAnnotations(const AnnotationFields& fields);

// Lines 1 to 3 cut to 70 characters; line 4 the fourth line padded with blanks
// and cut to 64 characters, followed by the text number.
AnnotationRecord buildRegistrationAnnotation(const AnnotationFields& fields);

// For an archive other than TMPR and when hasAnnotations: appends the record to
// NAME.ST3 and rewrites the new birth record `birthNumber` with its
// AnnotationIndex set to the annotation's number as 5 digits. Gives that
// number, or nothing when no record was written. Failures raise IoError (also
// when the number would not fit the 5-digit field).
std::optional<std::size_t> writeRegistrationAnnotation(const SubjectArchive& archive, std::size_t birthNumber,
                                                       const AnnotationFields& fields);

// The annotation line a recall shows and hands on in "FileDum\\Annotaz.dum":
// each of the four lines without leading and trailing blanks, each after a
// blank.
std::string recalledAnnotationsLine(const AnnotationRecord& record);

}  // namespace qx
