#pragma once
// The small text files in "FileDum" through which the subject windows hand the
// chosen subject to the rest of the program. One value per line. Readers raise
// IoError for a missing file or a missing line unless they say otherwise.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "WorkFolder.h"

namespace qx {

inline constexpr const char* kAnnotationsHandOff = "FileDum\\Annotaz.dum";
inline constexpr const char* kSubjectTextHandOff = "FileDum\\StrText.dum";
inline constexpr const char* kTextToEditHandOff = "FileDum\\DatModif.dum";
inline constexpr const char* kRecalledSubjectHandOff = "FileDum\\PointGlo.dum";
inline constexpr const char* kLastArchiveUseHandOff = "FileDum\\MMDatArc.dum";
inline constexpr const char* kArchiveListHandOff = "FileDum\\MMordina.dum";

// "FileDum\\Annotaz.dum": the subject's annotations as one line.
void writeAnnotationsLine(const WorkFolder& folder, std::string_view line);
std::string readAnnotationsLine(const WorkFolder& folder);

// "FileDum\\StrText.dum": the archive and the 5-digit number of the subject's
// text.
struct SubjectTextRef {
  std::string archive;
  std::string number;
};
void writeSubjectTextRef(const WorkFolder& folder, const SubjectTextRef& ref);
// Nothing when the file is missing.
std::optional<SubjectTextRef> readSubjectTextRef(const WorkFolder& folder);

// "FileDum\\DatModif.dum": the name of the subject text to edit
// ("BASEtxt\\00001.txt", see subjectTextName).
void writeTextToEdit(const WorkFolder& folder, std::string_view textName);
std::string readTextToEdit(const WorkFolder& folder);

// "FileDum\\PointGlo.dum": the 5-digit birth-record number of the recalled
// subject and its archive.
struct RecalledSubjectRef {
  std::string birthNumber;
  std::string archive;
};
void writeRecalledSubjectRef(const WorkFolder& folder, const RecalledSubjectRef& ref);
RecalledSubjectRef readRecalledSubjectRef(const WorkFolder& folder);

// "FileDum\\MMDatArc.dum": the archive, the 43-character index text, the index
// position and the subject's name of the last registration or recall.
struct LastArchiveUse {
  std::string archive;
  std::string indexText;
  long position = 0;
  std::string name;
};
void writeLastArchiveUse(const WorkFolder& folder, const LastArchiveUse& use);
// A third line that is not a number raises IoError.
LastArchiveUse readLastArchiveUse(const WorkFolder& folder);

// "FileDum\\MMordina.dum": the archives the register and deletion windows have
// worked on, one name per line, at most 12 names of at most 6 characters.
inline constexpr std::size_t kArchiveListMaxNames = 12;
inline constexpr std::size_t kArchiveListNameWidth = 6;
// The names held (empty when the file is missing); at most 12, each cut to 6.
std::vector<std::string> readArchiveList(const WorkFolder& folder);
// When `archive` (cut to 6) is not yet held and fewer than 12 names are, the
// file is rewritten with its names followed by it. Gives whether it was added.
bool noteArchiveInList(const WorkFolder& folder, std::string_view archive);

}  // namespace qx
