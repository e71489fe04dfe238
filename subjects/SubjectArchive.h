#pragma once
// Subject archives in the working folder: an archive is a four-letter name and
// three record files, NAME.ST1 (name index), NAME.ST2 (birth records) and
// NAME.ST3 (annotations). This file finds the archives, names their files,
// creates the empty personal archive and keeps the current subject (record 0
// of "TMPR.ST1" and "TMPR.ST2").

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "ArchiveRecords.h"
#include "RecordFile.h"
#include "WorkFolder.h"

namespace qx {

inline constexpr const char* kBaseArchive = "BASE";
inline constexpr const char* kTemporaryArchive = "TMPR";
// The only line of the name list of an archive that holds no subject.
inline constexpr const char* kEmptyArchiveLine = "ARCHIVIO VUOTO";

// One archive of a working folder. Cheap to copy; opens nothing by itself.
class SubjectArchive {
 public:
  // `name` is taken upper-cased ("base" names the archive BASE).
  SubjectArchive(WorkFolder folder, std::string_view name);

  const WorkFolder& folder() const { return folder_; }
  const std::string& name() const { return name_; }
  // The temporary archive TMPR, whose record 0 is the current subject.
  bool isTemporary() const { return name_ == kTemporaryArchive; }

  // The files, found without regard to case.
  std::filesystem::path indexPath() const;       // NAME.ST1
  std::filesystem::path birthPath() const;       // NAME.ST2
  std::filesystem::path annotationPath() const;  // NAME.ST3
  bool exists() const;                           // NAME.ST1 is present
  bool hasAnnotationFile() const;                // NAME.ST3 is present

  // Opens a file of the archive; a missing file raises IoError. The index
  // operations replace NAME.ST1 as a whole, so an index opened before one of
  // them must be opened again afterwards.
  RecordFile openIndex(RecordFile::Mode mode = RecordFile::Mode::Read) const;
  RecordFile openBirths(RecordFile::Mode mode = RecordFile::Mode::Read) const;
  RecordFile openAnnotations(RecordFile::Mode mode = RecordFile::Mode::Read) const;

  // Index records minus the placeholder record 0 (0 for an archive holding
  // only record 0).
  std::size_t subjectCount() const;

  // Appends a birth record to NAME.ST2, forces it to the disk and gives its
  // number. A number beyond the 5-digit fields raises IoError naming NAME.ST2.
  std::size_t appendBirthRecord(const BirthRecord& record) const;

  // The folder of the subject texts: NAME + "txt".
  std::string textFolderName() const { return name_ + "txt"; }

 private:
  std::string fileName(const char* extension) const { return name_ + extension; }

  WorkFolder folder_;
  std::string name_;
};

// The label under which an archive is listed: "BASE (personale)",
// "TMPR (temporaneo)", "RICE (speciale)", "BANK (banca dati)", any other name
// bare. The windows take the archive name back from the first four characters.
std::string archiveLabel(std::string_view name);

struct ArchiveEntry {
  std::string name;   // upper-cased, four characters
  std::string label;  // as archiveLabel
};

// Every archive of the working folder: each "????.ST1" without regard to case,
// named by its first four characters upper-cased, each name once, sorted.
// TMPR is left out unless `includeTemporary` (only the register window offers
// it).
std::vector<ArchiveEntry> listArchives(const WorkFolder& folder, bool includeTemporary);

// Creates the empty personal archive BASE when "BASE.st1" is missing (letter
// case aside); gives whether it did. Each file holds one record 0: the index
// placeholder "0 Registro vuoto......................00000", an empty birth
// record, and the four default annotation lines that the windows show for a
// subject without annotations. A BASE.ST2 or BASE.ST3 already present with at
// least record 0 is kept, so birth records and annotations are never wiped;
// BASE.ST1 is written last, so an interrupted creation is simply done again.
bool ensureBaseArchive(const WorkFolder& folder);

// The record 0 texts of a new archive.
IndexRecord emptyArchiveIndexRecord();
BirthRecord emptyArchiveBirthRecord();
AnnotationRecord defaultAnnotationRecord();

// The current subject: record 0 of "TMPR.ST1" and of "TMPR.ST2".
struct CurrentSubject {
  IndexRecord index;
  BirthRecord birth;
};

// Reads record 0 of both files; a missing file or record raises IoError.
CurrentSubject readCurrentSubject(const WorkFolder& folder);

// After a registration: record 0 of both files becomes the new subject, any
// later records are kept. Files are created when missing.
void setCurrentSubject(const WorkFolder& folder, const IndexRecord& index, const BirthRecord& birth);

// After a recall: both files are rewritten with exactly this one record.
void replaceCurrentSubject(const WorkFolder& folder, const IndexRecord& index, const BirthRecord& birth);

}  // namespace qx
