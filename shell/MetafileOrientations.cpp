#include "MetafileOrientations.h"

#include <vector>

#include "TextFile.h"

namespace qx {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

MetafileResult<int> metafileLineNumber(std::string_view metafileName) {
  // Characters 5 and 6 (counted from 1), both digits.
  if (metafileName.size() < 6 || !isDigit(metafileName[4]) || !isDigit(metafileName[5]))
    return MetafileResult<int>::refused();
  const int line = (metafileName[4] - '0') * 10 + (metafileName[5] - '0');
  if (line < 1 || line > kMetafileCount) return MetafileResult<int>::refused();
  return MetafileResult<int>::ok(line);
}

char orientationForSaving(bool printerAvailable, bool printerPortrait) {
  return printerAvailable && printerPortrait ? kPortrait : kLandscape;
}

MetafileResult<char> readMetafileOrientation(const WorkFolder& folder, std::string_view metafileName) {
  const MetafileResult<int> line = metafileLineNumber(metafileName);
  if (!line.accepted()) return MetafileResult<char>::refused();
  const std::filesystem::path path = folder.resolve(kMetafileOrientationFile);
  const std::vector<std::string> lines = readTextLines(path);
  const std::string& text = lineAt(lines, std::size_t(*line.value - 1), path);
  return MetafileResult<char>::ok(text.empty() ? ' ' : text.front());
}

MetafileResult<char> saveMetafileOrientation(const WorkFolder& folder, std::string_view metafileName,
                                             bool printerAvailable, bool printerPortrait) {
  const MetafileResult<int> line = metafileLineNumber(metafileName);
  if (!line.accepted()) return MetafileResult<char>::refused();
  const std::filesystem::path path = folder.resolve(kMetafileOrientationFile);
  std::vector<std::string> lines = readTextLines(path);
  const std::size_t index = std::size_t(*line.value - 1);
  lineAt(lines, index, path);  // a file without the line is the runtime's read error
  const char orientation = orientationForSaving(printerAvailable, printerPortrait);
  lines[index] = std::string(1, orientation);
  writeTextLines(folder.pathForWrite(kMetafileOrientationFile), lines);
  return MetafileResult<char>::ok(orientation);
}

}  // namespace qx
