#include "SubjectTexts.h"

#include <vector>

#include "ArchiveRecords.h"
#include "IoError.h"
#include "RealText.h"
#include "SafeReplace.h"
#include "TextFile.h"
#include "TextHelpers.h"

namespace qx {

namespace {

constexpr const char* kFlagFile = "FlagTxt.set";

std::string folderName(std::string_view archive) { return std::string(archive) + "txt"; }

std::string flagName(std::string_view archive) { return folderName(archive) + "\\" + kFlagFile; }

// The flag file holds one line; it is replaced in one step so that a crash
// never leaves it empty.
void writeFlag(const WorkFolder& folder, std::string_view archive, long next) {
  const std::string content = std::to_string(next) + "\r\n";
  replaceFileContents(folder.pathForWrite(flagName(archive)),
                      {reinterpret_cast<const std::uint8_t*>(content.data()), content.size()});
}

}  // namespace

std::string textFileName(long number) { return padZeros(number, 5) + ".txt"; }

std::string subjectTextName(std::string_view archive, std::string_view number) {
  return folderName(archive) + "\\" + std::string(number) + ".txt";
}

bool ensureTextFolder(const WorkFolder& folder, std::string_view archive) {
  if (folder.exists(folderName(archive))) return false;
  writeFlag(folder, archive, 1);
  return true;
}

long drawTextNumber(const WorkFolder& folder, std::string_view archive) {
  ensureTextFolder(folder, archive);
  const std::filesystem::path flag = folder.resolve(flagName(archive));
  const std::vector<std::string> lines = readTextLines(flag);
  const std::optional<long long> first = leadingInteger(lineAt(lines, 0, flag));
  if (!first) throw IoError(IoErrorCode::InvalidNumber, flag.string());
  long number = long(*first);
  while (folder.exists(folderName(archive) + "\\" + textFileName(number))) ++number;
  writeFlag(folder, archive, number + 1);
  return number;
}

std::string subjectTextFirstLine(std::string_view name) {
  std::string line(name.substr(0, kIndexNameWidth));
  line.resize(kIndexNameWidth, ' ');
  return line;
}

std::string createSubjectText(const WorkFolder& folder, std::string_view archive, long number, std::string_view name) {
  const std::string textName = subjectTextName(archive, padZeros(number, 5));
  writeTextLines(folder.pathForWrite(textName), {subjectTextFirstLine(name)});
  return textName;
}

}  // namespace qx
