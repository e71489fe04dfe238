#include "HandOffFiles.h"

#include <algorithm>

#include "IoError.h"
#include "RealText.h"
#include "TextFile.h"

namespace qx {

namespace {

void writeLines(const WorkFolder& folder, const char* name, const std::vector<std::string>& lines) {
  writeTextLines(folder.pathForWrite(name), lines);
}

// The lines of the file and its path, so that a missing line names the file.
struct Lines {
  std::filesystem::path path;
  std::vector<std::string> lines;
  const std::string& at(std::size_t i) const { return lineAt(lines, i, path); }
};

Lines readLines(const WorkFolder& folder, const char* name) {
  Lines l;
  l.path = folder.resolve(name);
  l.lines = readTextLines(l.path);
  return l;
}

}  // namespace

void writeAnnotationsLine(const WorkFolder& folder, std::string_view line) {
  writeLines(folder, kAnnotationsHandOff, {std::string(line)});
}

std::string readAnnotationsLine(const WorkFolder& folder) { return readLines(folder, kAnnotationsHandOff).at(0); }

void writeSubjectTextRef(const WorkFolder& folder, const SubjectTextRef& ref) {
  writeLines(folder, kSubjectTextHandOff, {ref.archive, ref.number});
}

std::optional<SubjectTextRef> readSubjectTextRef(const WorkFolder& folder) {
  if (!folder.exists(kSubjectTextHandOff)) return std::nullopt;
  const Lines l = readLines(folder, kSubjectTextHandOff);
  return SubjectTextRef{l.at(0), l.at(1)};
}

void writeTextToEdit(const WorkFolder& folder, std::string_view textName) {
  writeLines(folder, kTextToEditHandOff, {std::string(textName)});
}

std::string readTextToEdit(const WorkFolder& folder) { return readLines(folder, kTextToEditHandOff).at(0); }

void writeRecalledSubjectRef(const WorkFolder& folder, const RecalledSubjectRef& ref) {
  writeLines(folder, kRecalledSubjectHandOff, {ref.birthNumber, ref.archive});
}

RecalledSubjectRef readRecalledSubjectRef(const WorkFolder& folder) {
  const Lines l = readLines(folder, kRecalledSubjectHandOff);
  return {l.at(0), l.at(1)};
}

void writeLastArchiveUse(const WorkFolder& folder, const LastArchiveUse& use) {
  writeLines(folder, kLastArchiveUseHandOff, {use.archive, use.indexText, std::to_string(use.position), use.name});
}

LastArchiveUse readLastArchiveUse(const WorkFolder& folder) {
  const Lines l = readLines(folder, kLastArchiveUseHandOff);
  const std::optional<long long> position = parseInteger(l.at(2));
  if (!position) throw IoError(IoErrorCode::InvalidNumber, l.path.string());
  return {l.at(0), l.at(1), long(*position), l.at(3)};
}

std::vector<std::string> readArchiveList(const WorkFolder& folder) {
  if (!folder.exists(kArchiveListHandOff)) return {};
  std::vector<std::string> names = readLines(folder, kArchiveListHandOff).lines;
  if (names.size() > kArchiveListMaxNames) names.resize(kArchiveListMaxNames);
  for (std::string& name : names) name = name.substr(0, kArchiveListNameWidth);
  return names;
}

bool noteArchiveInList(const WorkFolder& folder, std::string_view archive) {
  const std::string name(archive.substr(0, kArchiveListNameWidth));
  std::vector<std::string> names = readArchiveList(folder);
  if (std::find(names.begin(), names.end(), name) != names.end()) return false;
  if (names.size() >= kArchiveListMaxNames) return false;
  names.push_back(name);
  writeLines(folder, kArchiveListHandOff, names);
  return true;
}

}  // namespace qx
