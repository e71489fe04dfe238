#pragma once
// The line settings file "FileSet\\MMVarLas.stt": eight lines, one value each.
//
//   1  integer  stored value without other use, written back as read
//   2  integer  printer compatibility mode (1 = a blank job before each print)
//   3  integer  stored value without other use, written back as read
//   4  integer  calendar option of the birth-data entry
//   5  real     LineThicknessFactor (every pen width is multiplied by it)
//   6  text     backup destination, or "Da definire" while none is chosen
//   7  real     HorizontalFactor (x coordinates are divided by it)
//   8  real     VerticalFactor (y coordinates are divided by it)
//
// Integers are plain decimal, reals the 23-character real text form, the text
// as it is; every line ends with CR LF. A reader takes the value at the start
// of its line and skips the rest. A 0 read in line 5, 7 or 8 is taken as 1.0:
// those values multiply or divide coordinates and pen widths.
//
// Two kinds of writer exist. The windows that hold the values (line thickness,
// calibration, printer type) write all eight lines from memory. The backup
// window and the main window's placeholder rule treat the file as eight text
// lines and change line 6 only, so the other lines keep their exact bytes.

#include <string>
#include <string_view>
#include <vector>

#include "Extended.h"
#include "WorkFolder.h"

namespace qx {

inline constexpr std::string_view kLineSettingsFile = "FileSet\\MMVarLas.stt";
inline constexpr std::size_t kLineSettingsLineCount = 8;

// Line 6 while no backup destination is chosen.
inline constexpr std::string_view kNoBackupDestination = "Da definire";
// A line 6 containing this text is put back to kNoBackupDestination at every
// activation of the main window.
inline constexpr std::string_view kBackupPlaceholderMark = "Qx6Backup";

// The eight values, in line order. The initial values are those of the file
// the main window creates when it is missing.
struct LineSettings {
  int StoredValue1 = 1;
  int PrinterCompatibilityMode = 0;  // 0 or 1
  int StoredValue3 = 0;
  int CalendarOption = 1;
  Extended LineThicknessFactor = 1.0L;
  std::string BackupDestination;  // empty in a new file
  Extended HorizontalFactor = 1.0L;
  Extended VerticalFactor = 1.0L;

  friend bool operator==(const LineSettings&, const LineSettings&) = default;
};

// The eight values from the file's lines, with the 0-is-1.0 rule. A missing
// line or a line that does not start with the number it should hold raises
// IoError naming `file`.
LineSettings parseLineSettings(const std::vector<std::string>& lines, std::string_view file);

// The eight lines a whole-file writer writes.
std::vector<std::string> formatLineSettings(const LineSettings& settings);

// Reads the file; a missing file raises IoError.
LineSettings readLineSettings(const WorkFolder& folder);

// Writes the whole file anew from the values.
void writeLineSettings(const WorkFolder& folder, const LineSettings& settings);

// Writes the default content: "1", "0", "0", "1", the real 1, an empty line,
// the real 1, the real 1.
void writeDefaultLineSettings(const WorkFolder& folder);

// The backup window's way of recording a destination: the eight lines are read
// as text and written back with line 6 replaced by `destination`.
void writeBackupDestination(const WorkFolder& folder, std::string_view destination);

// The main window's first activation step: a missing file is created with the
// default content; otherwise, when line 6 contains "Qx6Backup", line 6 becomes
// "Da definire" and the eight lines are written back as text. Returns true when
// the file was written.
bool prepareLineSettings(const WorkFolder& folder);

}  // namespace qx
