#include "Annotations.h"

#include "IoError.h"
#include "TextHelpers.h"

namespace qx {

bool hasAnnotations(const AnnotationFields& fields) {
  for (const std::string& line : fields.lines)
    if (!line.empty()) return true;
  return !fields.textNumber.empty();
}

AnnotationRecord buildRegistrationAnnotation(const AnnotationFields& fields) {
  AnnotationRecord record;
  for (int line = 1; line <= 3; ++line) record.setLine(line, fields.lines[std::size_t(line - 1)]);
  std::string note = fields.lines[3].substr(0, AnnotationRecord::kNoteWidth);
  note.resize(AnnotationRecord::kNoteWidth, ' ');
  record.setLine(4, note + fields.textNumber);
  return record;
}

std::optional<std::size_t> writeRegistrationAnnotation(const SubjectArchive& archive, std::size_t birthNumber,
                                                       const AnnotationFields& fields) {
  if (archive.isTemporary() || !hasAnnotations(fields)) return std::nullopt;

  RecordFile annotations = archive.openAnnotations(RecordFile::Mode::ReadWrite);
  const std::size_t number = annotations.count();
  if (number > std::size_t(kLargestRecordNumber))
    throw IoError(IoErrorCode::WriteFailed, annotations.path().string());
  annotations.writeRecord(number, buildRegistrationAnnotation(fields));
  // The annotation is on the disk before a birth record points to it.
  annotations.sync();

  RecordFile births = archive.openBirths(RecordFile::Mode::ReadWrite);
  BirthRecord birth = births.readRecord<BirthRecord>(birthNumber);
  birth.setAnnotationIndex(padZeros(long(number), 5));
  births.writeRecord(birthNumber, birth);
  births.sync();
  return number;
}

std::string recalledAnnotationsLine(const AnnotationRecord& record) {
  std::string out;
  for (int line = 1; line <= 4; ++line) {
    const std::string text = record.Line(line);
    const auto first = text.find_first_not_of(' ');
    out += ' ';
    if (first != std::string::npos) out += text.substr(first, text.find_last_not_of(' ') - first + 1);
  }
  return out;
}

}  // namespace qx
