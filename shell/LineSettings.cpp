#include "LineSettings.h"

#include <limits>

#include "IoError.h"
#include "RealText.h"
#include "TextFile.h"

namespace qx {

namespace {

// Line numbers (from 0) of the file's values.
enum LineSettingsLine : std::size_t {
  kStoredValue1Line = 0,
  kPrinterModeLine = 1,
  kStoredValue3Line = 2,
  kCalendarOptionLine = 3,
  kLineThicknessLine = 4,
  kBackupDestinationLine = 5,
  kHorizontalFactorLine = 6,
  kVerticalFactorLine = 7,
};

const std::string& lineOf(const std::vector<std::string>& lines, std::size_t index, std::string_view file) {
  return lineAt(lines, index, std::filesystem::path(file));
}

int integerLine(const std::vector<std::string>& lines, std::size_t index, std::string_view file) {
  const auto value = leadingInteger(lineOf(lines, index, file));
  if (!value || *value < std::numeric_limits<int>::min() || *value > std::numeric_limits<int>::max())
    throw IoError(IoErrorCode::InvalidNumber, std::string(file));
  return static_cast<int>(*value);
}

// A factor line: a 0 stands for 1.0.
Extended factorLine(const std::vector<std::string>& lines, std::size_t index, std::string_view file) {
  const auto value = leadingReal(lineOf(lines, index, file));
  if (!value) throw IoError(IoErrorCode::InvalidNumber, std::string(file));
  return *value == 0 ? 1.0L : *value;
}

// The first eight lines of the existing file, as text.
std::vector<std::string> readEightLines(const WorkFolder& folder) {
  const std::filesystem::path path = folder.resolve(kLineSettingsFile);
  std::vector<std::string> lines = readTextLines(path);
  if (lines.size() < kLineSettingsLineCount) throw IoError(IoErrorCode::ReadPastEnd, path.string());
  lines.resize(kLineSettingsLineCount);
  return lines;
}

void writeLines(const WorkFolder& folder, const std::vector<std::string>& lines) {
  writeTextLines(folder.pathForWrite(kLineSettingsFile), lines);
}

}  // namespace

LineSettings parseLineSettings(const std::vector<std::string>& lines, std::string_view file) {
  LineSettings s;
  s.StoredValue1 = integerLine(lines, kStoredValue1Line, file);
  s.PrinterCompatibilityMode = integerLine(lines, kPrinterModeLine, file);
  s.StoredValue3 = integerLine(lines, kStoredValue3Line, file);
  s.CalendarOption = integerLine(lines, kCalendarOptionLine, file);
  s.LineThicknessFactor = factorLine(lines, kLineThicknessLine, file);
  s.BackupDestination = lineOf(lines, kBackupDestinationLine, file);
  s.HorizontalFactor = factorLine(lines, kHorizontalFactorLine, file);
  s.VerticalFactor = factorLine(lines, kVerticalFactorLine, file);
  return s;
}

std::vector<std::string> formatLineSettings(const LineSettings& s) {
  return {
      std::to_string(s.StoredValue1),
      std::to_string(s.PrinterCompatibilityMode),
      std::to_string(s.StoredValue3),
      std::to_string(s.CalendarOption),
      formatRealText(s.LineThicknessFactor),
      s.BackupDestination,
      formatRealText(s.HorizontalFactor),
      formatRealText(s.VerticalFactor),
  };
}

LineSettings readLineSettings(const WorkFolder& folder) {
  const std::filesystem::path path = folder.resolve(kLineSettingsFile);
  return parseLineSettings(readTextLines(path), path.string());
}

void writeLineSettings(const WorkFolder& folder, const LineSettings& settings) {
  writeLines(folder, formatLineSettings(settings));
}

void writeDefaultLineSettings(const WorkFolder& folder) { writeLineSettings(folder, LineSettings{}); }

void writeBackupDestination(const WorkFolder& folder, std::string_view destination) {
  std::vector<std::string> lines = readEightLines(folder);
  lines[kBackupDestinationLine] = std::string(destination);
  writeLines(folder, lines);
}

bool prepareLineSettings(const WorkFolder& folder) {
  if (!folder.exists(kLineSettingsFile)) {
    writeDefaultLineSettings(folder);
    return true;
  }
  std::vector<std::string> lines = readEightLines(folder);
  if (lines[kBackupDestinationLine].find(kBackupPlaceholderMark) == std::string::npos) return false;
  lines[kBackupDestinationLine] = std::string(kNoBackupDestination);
  writeLines(folder, lines);
  return true;
}

}  // namespace qx
