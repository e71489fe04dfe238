#include "OrbFiles.h"

#include <cmath>

#include "IoError.h"
#include "RealText.h"
#include "TextFile.h"

namespace qx {

namespace {

// Lines of "FileSet\\OrbiDomi.stt", from 0.
constexpr std::size_t kParallelLine = 14;
constexpr std::size_t kAntisciaLine = 15;
constexpr std::size_t kHouseSystemLine = 16;
constexpr std::size_t kNodeKindLine = 17;
constexpr std::size_t kLetterLine = 18;
constexpr std::size_t kApogeeKindLine = 19;

// The node-line rewrite reads every line as a short string of 25.
constexpr std::size_t kNodeRewriteLineLength = 25;

Extended numberAt(const std::vector<std::string>& lines, std::size_t index, std::string_view fileName) {
  const std::optional<Extended> value = leadingReal(lineAt(lines, index, std::string(fileName)));
  if (!value) throw IoError(IoErrorCode::InvalidNumber, std::string(fileName));
  return *value;
}

std::string textAt(const std::vector<std::string>& lines, std::size_t index, std::size_t length,
                   std::string_view fileName) {
  return lineAt(lines, index, std::string(fileName)).substr(0, length);
}

std::string wholeNumberText(Extended value) {
  if (value != std::trunc(value) || std::fabs(value) > 1e15L) return formatRealText(value);
  return std::to_string(static_cast<long long>(value));
}

std::size_t setOffset(char setLetter) {
  switch (orbSetLetter(std::string_view(&setLetter, 1))) {
    case 'B': return kOrbSetSize;
    case 'C': return 2 * kOrbSetSize;
    default: return 0;
  }
}

}  // namespace

// --- "FileSet\\OrbiDomi.stt" ---

OrbSettings defaultOrbSettings() {
  OrbSettings settings;
  settings.orbs = OrbTable::setA();
  settings.parallelOrb = 1;
  settings.antisciaOrb = 1;
  settings.houseSystem = "CASE_MEDIE";
  settings.nodeKind = "VERO";
  settings.setLetter = "A";
  settings.apogeeKind = "VERA";
  return settings;
}

std::vector<std::string> orbSettingsLines(const OrbSettings& settings) {
  std::vector<std::string> lines;
  for (Extended orb : windowRowsFromOrbTable(settings.orbs)) lines.push_back(formatRealText(orb));
  lines.push_back(formatRealText(settings.parallelOrb));
  lines.push_back(formatRealText(settings.antisciaOrb));
  lines.push_back(settings.houseSystem.substr(0, kHouseSystemLength));
  lines.push_back(settings.nodeKind.substr(0, kNodeKindLength));
  lines.push_back(settings.setLetter.substr(0, kOrbLetterLength));
  lines.push_back(settings.apogeeKind.substr(0, kApogeeKindLength));
  return lines;
}

OrbSettings parseOrbSettings(const std::vector<std::string>& lines, std::string_view fileName) {
  OrbSettings settings;
  std::array<Extended, kAspectCount> rows{};
  for (std::size_t row = 0; row < rows.size(); ++row) rows[row] = numberAt(lines, row, fileName);
  settings.orbs = orbTableFromWindowRows(rows);
  settings.parallelOrb = numberAt(lines, kParallelLine, fileName);
  settings.antisciaOrb = numberAt(lines, kAntisciaLine, fileName);
  settings.houseSystem = textAt(lines, kHouseSystemLine, kHouseSystemLength, fileName);
  settings.nodeKind = textAt(lines, kNodeKindLine, kNodeKindLength, fileName);
  settings.setLetter = textAt(lines, kLetterLine, kOrbLetterLength, fileName);
  settings.apogeeKind = textAt(lines, kApogeeKindLine, kApogeeKindLength, fileName);
  return settings;
}

OrbSettings loadOrbSettings(const WorkFolder& folder) {
  const std::filesystem::path path = folder.resolve(kOrbSettingsFile);
  return parseOrbSettings(readTextLines(path), path.string());
}

void writeOrbSettings(const WorkFolder& folder, const OrbSettings& settings) {
  writeTextLines(folder.pathForWrite(kOrbSettingsFile), orbSettingsLines(settings));
}

OrbSetValues orbSetValues(const OrbSettings& settings) {
  OrbSetValues values{};
  const std::array<Extended, kAspectCount> rows = windowRowsFromOrbTable(settings.orbs);
  std::copy(rows.begin(), rows.end(), values.begin());
  values[kAspectCount] = settings.parallelOrb;
  values[kAspectCount + 1] = settings.antisciaOrb;
  return values;
}

void applyOrbSetValues(OrbSettings& settings, const OrbSetValues& values) {
  std::array<Extended, kAspectCount> rows{};
  std::copy(values.begin(), values.begin() + kAspectCount, rows.begin());
  settings.orbs = orbTableFromWindowRows(rows);
  settings.parallelOrb = values[kAspectCount];
  settings.antisciaOrb = values[kAspectCount + 1];
}

// --- "FileDum\\MMVarOrb.dum" ---

OrbSetValues OrbArchive::set(char setLetter) const {
  OrbSetValues out{};
  const std::size_t offset = setOffset(setLetter);
  std::copy(values.begin() + std::ptrdiff_t(offset), values.begin() + std::ptrdiff_t(offset + kOrbSetSize), out.begin());
  return out;
}

void OrbArchive::setSet(char setLetter, const OrbSetValues& set) {
  std::copy(set.begin(), set.end(), values.begin() + std::ptrdiff_t(setOffset(setLetter)));
}

OrbArchive defaultOrbArchive() {
  OrbArchive archive;
  const auto withExtras = [](const std::array<Extended, kAspectCount>& rows) {
    OrbSetValues set{};
    std::copy(rows.begin(), rows.end(), set.begin());
    set[kAspectCount] = 1;
    set[kAspectCount + 1] = 1;
    return set;
  };
  archive.setSet('A', withExtras(setAWindowRows()));
  archive.setSet('B', withExtras(defaultSetBWindowRows()));
  archive.setSet('C', withExtras(defaultSetCWindowRows()));
  archive.letter = "A";
  return archive;
}

std::vector<std::string> orbArchiveLines(const OrbArchive& archive, SetAForm form) {
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < archive.values.size(); ++i) {
    const bool whole = form == SetAForm::WholeNumbers && i < std::size_t(kAspectCount);
    lines.push_back(whole ? wholeNumberText(archive.values[i]) : formatRealText(archive.values[i]));
  }
  lines.push_back(archive.letter.substr(0, kOrbLetterLength));
  return lines;
}

OrbArchive parseOrbArchive(const std::vector<std::string>& lines, std::string_view fileName) {
  OrbArchive archive;
  for (std::size_t i = 0; i < archive.values.size(); ++i) archive.values[i] = numberAt(lines, i, fileName);
  if (lines.size() > std::size_t(kOrbArchiveValues))
    archive.letter = lines[std::size_t(kOrbArchiveValues)].substr(0, kOrbLetterLength);
  return archive;
}

OrbArchive readOrbArchive(const WorkFolder& folder) {
  const std::filesystem::path path = folder.resolve(kOrbArchiveFile);
  return parseOrbArchive(readTextLines(path), path.string());
}

void writeOrbArchive(const WorkFolder& folder, const OrbArchive& archive, SetAForm form) {
  writeTextLines(folder.pathForWrite(kOrbArchiveFile), orbArchiveLines(archive, form));
}

// --- Letters and the main window's choosers ---

char orbSetLetter(std::string_view letter) {
  if (letter == "B") return 'B';
  if (letter == "C") return 'C';
  return 'A';
}

std::string_view orbComboText(char setLetter) {
  switch (setLetter) {
    case 'B': return kOrbComboItems[1];
    case 'C': return kOrbComboItems[2];
    default: return kOrbComboItems[0];
  }
}

bool isOrbComboItem(std::string_view text) {
  for (std::string_view item : kOrbComboItems)
    if (text == item) return true;
  return false;
}

char orbSetFromComboText(std::string_view text) {
  if (text == kOrbComboItems[1]) return 'B';
  if (text == kOrbComboItems[2]) return 'C';
  return 'A';
}

OrbSetChange ApplyOrbSet(const WorkFolder& folder, std::string_view letter, const OrbSettings& current) {
  const char chosen = orbSetLetter(letter);
  const std::filesystem::path archivePath = folder.resolve(kOrbArchiveFile);
  std::vector<std::string> archiveLines;
  try {
    archiveLines = readTextLines(archivePath);
  } catch (const IoError&) {
    // Only the open can fail here: the archive is missing or locked.
    return {std::string(kMissingOrbArchiveMessage), current,
            std::string(orbComboText(orbSetLetter(current.setLetter)))};
  }
  OrbArchive archive = parseOrbArchive(archiveLines, archivePath.string());

  OrbSettings settings = current;
  applyOrbSetValues(settings, archive.set(chosen));
  settings.setLetter = std::string(1, chosen);
  writeOrbSettings(folder, settings);

  archive.letter = settings.setLetter;
  writeOrbArchive(folder, archive, SetAForm::Reals);

  return {std::nullopt, loadOrbSettings(folder), std::string(orbComboText(chosen))};
}

std::string nodeChoiceFromText(std::string_view chooserText) {
  return chooserText == "VERO" ? "VERO" : "MEDIO";
}

std::string toggledNodeChoice(std::string_view nodeChoice) { return nodeChoice == "VERO" ? "MEDIO" : "VERO"; }

NodeChoiceChange applyNodeChoice(const WorkFolder& folder, std::string_view chooserText) {
  const std::string node = nodeChoiceFromText(chooserText);
  const std::filesystem::path path = folder.resolve(kOrbSettingsFile);
  const std::vector<std::string> read = readTextLines(path);
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < std::size_t(kOrbSettingsLines); ++i)
    lines.push_back(lineAt(read, i, path).substr(0, kNodeRewriteLineLength));
  lines[kNodeKindLine] = node;
  writeTextLines(folder.pathForWrite(kOrbSettingsFile), lines);
  return {node, loadOrbSettings(folder)};
}

}  // namespace qx
