#include "SubjectArchive.h"

#include <algorithm>

#include "IoError.h"
#include "SafeReplace.h"
#include "TextHelpers.h"

namespace qx {

SubjectArchive::SubjectArchive(WorkFolder folder, std::string_view name)
    : folder_(std::move(folder)), name_(upperCaseText(name)) {}

std::filesystem::path SubjectArchive::indexPath() const { return folder_.resolve(fileName(".ST1")); }
std::filesystem::path SubjectArchive::birthPath() const { return folder_.resolve(fileName(".ST2")); }
std::filesystem::path SubjectArchive::annotationPath() const { return folder_.resolve(fileName(".ST3")); }
bool SubjectArchive::exists() const { return folder_.exists(fileName(".ST1")); }
bool SubjectArchive::hasAnnotationFile() const { return folder_.exists(fileName(".ST3")); }

RecordFile SubjectArchive::openIndex(RecordFile::Mode mode) const {
  return RecordFile(indexPath(), IndexRecord::kSize, mode);
}
RecordFile SubjectArchive::openBirths(RecordFile::Mode mode) const {
  return RecordFile(birthPath(), BirthRecord::kSize, mode);
}
RecordFile SubjectArchive::openAnnotations(RecordFile::Mode mode) const {
  return RecordFile(annotationPath(), AnnotationRecord::kSize, mode);
}

std::size_t SubjectArchive::subjectCount() const {
  const std::size_t records = openIndex().count();
  return records > 0 ? records - 1 : 0;
}

std::size_t SubjectArchive::appendBirthRecord(const BirthRecord& record) const {
  RecordFile births = openBirths(RecordFile::Mode::ReadWrite);
  const std::size_t number = births.count();
  if (number > std::size_t(kLargestRecordNumber)) throw IoError(IoErrorCode::WriteFailed, births.path().string());
  births.writeRecord(number, record);
  births.sync();
  return number;
}

std::string archiveLabel(std::string_view name) {
  if (name == "BASE") return "BASE (personale)";
  if (name == "TMPR") return "TMPR (temporaneo)";
  if (name == "RICE") return "RICE (speciale)";
  if (name == "BANK") return "BANK (banca dati)";
  return std::string(name);
}

std::vector<ArchiveEntry> listArchives(const WorkFolder& folder, bool includeTemporary) {
  std::vector<std::string> names;
  for (const std::string& file : folder.list("", "????.ST1")) names.push_back(upperCaseText(file.substr(0, 4)));
  std::sort(names.begin(), names.end());
  names.erase(std::unique(names.begin(), names.end()), names.end());

  std::vector<ArchiveEntry> entries;
  for (const std::string& name : names) {
    if (!includeTemporary && name == kTemporaryArchive) continue;
    entries.push_back({name, archiveLabel(name)});
  }
  return entries;
}

IndexRecord emptyArchiveIndexRecord() {
  return IndexRecord("0 Registro vuoto" + std::string(22, '.') + "00000");
}

BirthRecord emptyArchiveBirthRecord() {
  BirthRecord r;
  // A single blank in every field, five in the annotation number.
  for (const Field& f : BirthRecord::kLayout)
    r.setText(f, f.offset == BirthRecord::kAnnotationIndex.offset ? "     " : " ");
  return r;
}

AnnotationRecord defaultAnnotationRecord() {
  AnnotationRecord r;
  r.setLine(1, "   LO SPAZIO DELIMITATO DA QUESTA CORNICE E'DESTINATO A RICEVERE      ");
  r.setLine(2, "  EVENTUALI ANNOTAZIONI SCRITTE DAGLI UTENTI. LE ANNOTAZIONI DEVONO   ");
  r.setLine(3, "      RIFERIRSI A QUESTO SPECIFICO TEMA (O A QUESTA PERSONA).         ");
  r.setLine(4, "           QUESTO TEMA NON CONTIENE PER ORA ANNOTAZIONI.              ");
  return r;
}

namespace {

template <class Record>
void writeSingleRecordFile(const std::filesystem::path& path, const Record& record) {
  replaceFileContents(path, record.bytes());
}

// True when the file exists and holds at least one whole record.
bool holdsRecordZero(const WorkFolder& folder, std::string_view name, std::size_t recordSize) {
  if (!folder.exists(name)) return false;
  std::error_code ec;
  const auto size = std::filesystem::file_size(folder.resolve(name), ec);
  return !ec && size >= recordSize;
}

// Writes `record` as record 0 of the file, keeping any later records.
template <class Record>
void replaceRecordZero(const std::filesystem::path& path, const Record& record, bool keepLater) {
  std::vector<std::uint8_t> bytes;
  std::error_code ec;
  if (keepLater && std::filesystem::exists(path, ec)) bytes = readWholeFile(path);
  if (bytes.size() < Record::kSize) bytes.resize(Record::kSize);
  std::copy(record.bytes().begin(), record.bytes().end(), bytes.begin());
  if (!keepLater) bytes.resize(Record::kSize);
  replaceFileContents(path, bytes);
}

}  // namespace

bool ensureBaseArchive(const WorkFolder& folder) {
  if (folder.exists("BASE.st1")) return false;
  if (!holdsRecordZero(folder, "BASE.ST2", BirthRecord::kSize))
    writeSingleRecordFile(folder.pathForWrite("BASE.ST2"), emptyArchiveBirthRecord());
  if (!holdsRecordZero(folder, "BASE.ST3", AnnotationRecord::kSize))
    writeSingleRecordFile(folder.pathForWrite("BASE.ST3"), defaultAnnotationRecord());
  writeSingleRecordFile(folder.pathForWrite("BASE.ST1"), emptyArchiveIndexRecord());
  return true;
}

CurrentSubject readCurrentSubject(const WorkFolder& folder) {
  const SubjectArchive temporary(folder, kTemporaryArchive);
  CurrentSubject current;
  current.index = temporary.openIndex().readRecord<IndexRecord>(0);
  current.birth = temporary.openBirths().readRecord<BirthRecord>(0);
  return current;
}

void setCurrentSubject(const WorkFolder& folder, const IndexRecord& index, const BirthRecord& birth) {
  replaceRecordZero(folder.pathForWrite("TMPR.ST2"), birth, true);
  replaceRecordZero(folder.pathForWrite("TMPR.ST1"), index, true);
}

void replaceCurrentSubject(const WorkFolder& folder, const IndexRecord& index, const BirthRecord& birth) {
  replaceRecordZero(folder.pathForWrite("TMPR.ST2"), birth, false);
  replaceRecordZero(folder.pathForWrite("TMPR.ST1"), index, false);
}

}  // namespace qx
