#pragma once
// The two orb files and the changes of orb set and node kind the main window
// makes through them.
//
// "FileSet\\OrbiDomi.stt" (20 lines) holds the set in force and four chart
// settings that travel with it:
//   1..14  the orbs in window row order, 15 parallel orb, 16 antiscia orb,
//   17 house-system name (15 characters), 18 node kind (5), 19 orb-set
//   letter (1), 20 the apogee option ("VERA", 5).
// "FileDum\\MMVarOrb.dum" (49 lines) holds all three sets, 16 numbers each
// (14 orbs in window row order, parallel, antiscia), then the letter in
// force. Numbers are written in the 23-character real text form except set
// A's orbs when the orb window writes the file (whole numbers); readers take
// either.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Extended.h"
#include "OrbTable.h"
#include "WorkFolder.h"

namespace qx {

inline constexpr std::string_view kOrbSettingsFile = "FileSet\\OrbiDomi.stt";
inline constexpr std::string_view kOrbArchiveFile = "FileDum\\MMVarOrb.dum";
inline constexpr std::string_view kMissingOrbArchiveMessage = "Manca File \"MMVarOrb.dum\"";

inline constexpr int kOrbSettingsLines = 20;
inline constexpr int kOrbSetSize = kAspectCount + 2;  // 14 orbs, parallel, antiscia
inline constexpr int kOrbArchiveValues = 3 * kOrbSetSize;
inline constexpr int kOrbArchiveLines = kOrbArchiveValues + 1;

// Declared lengths of the settings strings.
inline constexpr std::size_t kHouseSystemLength = 15;
inline constexpr std::size_t kNodeKindLength = 5;
inline constexpr std::size_t kOrbLetterLength = 1;
inline constexpr std::size_t kApogeeKindLength = 5;

// The contents of "FileSet\\OrbiDomi.stt".
struct OrbSettings {
  OrbTable orbs;
  Extended parallelOrb = 0;  // carried, read by no computation
  Extended antisciaOrb = 0;
  std::string houseSystem;
  std::string nodeKind;   // "VERO" or "MEDIO"
  std::string setLetter;  // "A", "B" or "C"
  std::string apogeeKind; // "VERA" selects the corrected apogee
};

// Set A, parallel 1, antiscia 1, "CASE_MEDIE", "VERO", "A", "VERA".
OrbSettings defaultOrbSettings();

std::vector<std::string> orbSettingsLines(const OrbSettings& settings);
OrbSettings parseOrbSettings(const std::vector<std::string>& lines, std::string_view fileName);

// Reads the 20 lines; a missing file, a missing line or a number line that is
// not a number raise IoError.
OrbSettings loadOrbSettings(const WorkFolder& folder);
void writeOrbSettings(const WorkFolder& folder, const OrbSettings& settings);

using OrbSetValues = std::array<Extended, kOrbSetSize>;

// The contents of "FileDum\\MMVarOrb.dum".
struct OrbArchive {
  std::array<Extended, kOrbArchiveValues> values{};  // set A, B, C
  std::string letter;

  // The 16 numbers of set 'A', 'B' or 'C' (any other letter: A).
  OrbSetValues set(char setLetter) const;
  void setSet(char setLetter, const OrbSetValues& values);
};

// How the first 14 lines are written: as whole numbers (the orb window, and a
// new file) or as reals (the main window's change of set).
enum class SetAForm { WholeNumbers, Reals };

// Set A, B and C as they are before anything is edited, parallel and
// antiscia 1 in each set, letter "A".
OrbArchive defaultOrbArchive();

std::vector<std::string> orbArchiveLines(const OrbArchive& archive, SetAForm form);
OrbArchive parseOrbArchive(const std::vector<std::string>& lines, std::string_view fileName);

// Reads the 48 numbers and, when present, the letter of line 49.
OrbArchive readOrbArchive(const WorkFolder& folder);
void writeOrbArchive(const WorkFolder& folder, const OrbArchive& archive, SetAForm form);

// A set's 16 numbers as "FileSet\\OrbiDomi.stt" holds them.
OrbSetValues orbSetValues(const OrbSettings& settings);
void applyOrbSetValues(OrbSettings& settings, const OrbSetValues& values);

// 'A', 'B' or 'C' from a letter text; anything else is 'A'.
char orbSetLetter(std::string_view letter);

// The items of the main window's `ComboOrb`.
inline constexpr std::array<std::string_view, 3> kOrbComboItems = {"A (normali)", "B (personali)", "C (personali)"};
std::string_view orbComboText(char setLetter);
bool isOrbComboItem(std::string_view text);
// The letter of a combo text; a text that is none of the items means A.
char orbSetFromComboText(std::string_view text);

// What a change of orb set leaves for the main window.
struct OrbSetChange {
  std::optional<std::string> errorMessage;  // shown in the error box when set
  OrbSettings settings;                     // the settings now in force
  std::string comboText;                    // what `ComboOrb` shows
};

// The main window's change of set: the chosen set's 16 numbers of
// "FileDum\\MMVarOrb.dum" become lines 1..16 of "FileSet\\OrbiDomi.stt",
// followed by the house-system name, node kind and apogee option of
// `current` and the new letter; the archive is written back with its 48
// numbers as reals and the letter; the settings are read again. A missing
// archive gives `kMissingOrbArchiveMessage` and changes nothing.
OrbSetChange ApplyOrbSet(const WorkFolder& folder, std::string_view letter, const OrbSettings& current);

// The node chooser's text as a node choice: "VERO" or "MEDIO"; any other text
// is "MEDIO".
std::string nodeChoiceFromText(std::string_view chooserText);
// A double click on the chooser: "MEDIO" after "VERO", "VERO" otherwise.
std::string toggledNodeChoice(std::string_view nodeChoice);

struct NodeChoiceChange {
  std::string nodeChoice;  // also what the chooser shows
  OrbSettings settings;    // the settings read again
};

// The idle handler's node change: the 20 lines of "FileSet\\OrbiDomi.stt"
// are read as short strings of 25 characters, line 18 is replaced by the node
// choice, the lines are written back and the file is read again.
NodeChoiceChange applyNodeChoice(const WorkFolder& folder, std::string_view chooserText);

}  // namespace qx
