#include "OrbFiles.h"

#include <gtest/gtest.h>

#include "IoError.h"
#include "OrbFolder.h"
#include "RealText.h"

namespace qxtest {
namespace {

using qx::Extended;
using qx::OrbArchive;
using qx::OrbSettings;
using qx::SetAForm;

// An archive whose 48 numbers are 1..48, so every line shows where it came from.
OrbArchive numberedArchive(const char* letter) {
  OrbArchive archive;
  for (std::size_t i = 0; i < archive.values.size(); ++i) archive.values[i] = Extended(i + 1);
  archive.letter = letter;
  return archive;
}

TEST(OrbFiles, InstalledFilesAreTheDefaults) {
  const TempFolder temp;
  const qx::WorkFolder folder(temp.path());
  qx::writeOrbSettings(folder, qx::defaultOrbSettings());
  qx::writeOrbArchive(folder, qx::defaultOrbArchive(), SetAForm::WholeNumbers);
  EXPECT_EQ(fileBytes(temp.path() / "FileSet/OrbiDomi.stt"),
            fileBytes(std::filesystem::path(QX_DATA_DIR) / "FileSet/OrbiDomi.stt"));
  EXPECT_EQ(fileBytes(temp.path() / "FileDum/MMVarOrb.dum"),
            fileBytes(std::filesystem::path(QX_DATA_DIR) / "FileDum/MMVarOrb.dum"));

  const std::vector<std::string> archive = qx::readTextLines(temp.path() / "FileDum/MMVarOrb.dum");
  ASSERT_EQ(archive.size(), 49u);
  const std::vector<std::string> setA(archive.begin(), archive.begin() + 14);
  EXPECT_EQ(setA, (std::vector<std::string>{"10", "1", "1", "1", "1", "1", "4", "1", "6", "8", "1", "1", "1", "9"}));
  EXPECT_EQ(archive[14], " 1.00000000000000E+0000");
  EXPECT_EQ(archive[16], " 1.00000000000000E+0001");  // set B conjunction
  EXPECT_EQ(archive[40], " 4.50000000000000E+0000");  // set C square
  EXPECT_EQ(archive[48], "A");
}

TEST(OrbFiles, BothFilesRoundTripByteForByte) {
  const OrbFolder orb;
  const std::string settingsBefore = fileBytes(orb.settingsPath());
  qx::writeOrbSettings(orb.folder(), qx::loadOrbSettings(orb.folder()));
  EXPECT_EQ(fileBytes(orb.settingsPath()), settingsBefore);

  for (SetAForm form : {SetAForm::WholeNumbers, SetAForm::Reals}) {
    SCOPED_TRACE(form == SetAForm::WholeNumbers ? "whole numbers" : "reals");
    qx::writeOrbArchive(orb.folder(), qx::readOrbArchive(orb.folder()), form);
    const std::string archiveBefore = fileBytes(orb.archivePath());
    qx::writeOrbArchive(orb.folder(), qx::readOrbArchive(orb.folder()), form);
    EXPECT_EQ(fileBytes(orb.archivePath()), archiveBefore);
  }
}

TEST(OrbFiles, SettingsLinesMapOntoTheTableIndices) {
  std::vector<std::string> lines;
  for (int row = 1; row <= 14; ++row) lines.push_back(std::to_string(row) + ".5");  // any decimal form is read
  lines.insert(lines.end(), {"2,25", " 3.00000000000000E+0000", "CASE_MEDIE_LUNGO_NOME", "MEDIOX", "BC", "VERAX"});
  const OrbSettings s = qx::parseOrbSettings(lines, "OrbiDomi.stt");
  for (int row = 1; row <= 14; ++row) {
    SCOPED_TRACE(row);
    EXPECT_EQ(s.orbs[qx::kWindowRowIndex[std::size_t(row - 1)]], row + 0.5L);
  }
  EXPECT_EQ(s.orbs[qx::kSextile], 7.5L);      // row 7
  EXPECT_EQ(s.orbs[qx::kOpposition], 14.5L);  // row 14
  EXPECT_EQ(s.parallelOrb, 2.25L);
  EXPECT_EQ(s.antisciaOrb, 3);
  // Strings are cut to their declared lengths.
  EXPECT_EQ(s.houseSystem, "CASE_MEDIE_LUNG");
  EXPECT_EQ(s.nodeKind, "MEDIO");
  EXPECT_EQ(s.setLetter, "B");
  EXPECT_EQ(s.apogeeKind, "VERAX");
}

TEST(OrbFiles, DamagedOrMissingFilesRaiseTheFileError) {
  const OrbFolder orb;
  struct Case {
    const char* what;
    int dropLines;          // lines removed from the end
    int spoilLine;          // 0-based line replaced by a non-number, -1 none
    qx::IoErrorCode code;
  } cases[] = {
      {"settings file one line short", 1, -1, qx::IoErrorCode::ReadPastEnd},
      {"an orb line that is not a number", 0, 3, qx::IoErrorCode::InvalidNumber},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::string> lines = qx::readTextLines(std::filesystem::path(QX_DATA_DIR) / "FileSet/OrbiDomi.stt");
    lines.resize(lines.size() - std::size_t(c.dropLines));
    if (c.spoilLine >= 0) lines[std::size_t(c.spoilLine)] = "dieci";
    qx::writeTextLines(orb.settingsPath(), lines);
    try {
      qx::loadOrbSettings(orb.folder());
      ADD_FAILURE() << "no error";
    } catch (const qx::IoError& e) {
      EXPECT_EQ(e.code(), c.code);
    }
  }
  std::filesystem::remove(orb.settingsPath());
  EXPECT_THROW(qx::loadOrbSettings(orb.folder()), qx::IoError);
  std::filesystem::remove(orb.archivePath());
  EXPECT_THROW(qx::readOrbArchive(orb.folder()), qx::IoError);
}

TEST(ApplyOrbSet, ChosenSetBecomesTheSettingsAndTheLetterIsStored) {
  struct Case {
    const char* letter;
    int first;  // the archive number that becomes line 1
    char stored;
    const char* combo;
  } cases[] = {
      {"A", 1, 'A', "A (normali)"},
      {"B", 17, 'B', "B (personali)"},
      {"C", 33, 'C', "C (personali)"},
      {"X", 1, 'A', "A (normali)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.letter);
    const OrbFolder orb;
    qx::writeOrbArchive(orb.folder(), numberedArchive("A"), SetAForm::WholeNumbers);
    OrbSettings current = qx::loadOrbSettings(orb.folder());
    current.houseSystem = "PLACIDO";
    current.nodeKind = "MEDIO";

    const qx::OrbSetChange change = qx::ApplyOrbSet(orb.folder(), c.letter, current);
    EXPECT_FALSE(change.errorMessage);
    EXPECT_EQ(change.comboText, c.combo);

    const std::vector<std::string> settings = orb.settingsLines();
    ASSERT_EQ(settings.size(), 20u);
    for (int line = 1; line <= 16; ++line)
      EXPECT_EQ(settings[std::size_t(line - 1)], qx::formatRealText(c.first + line - 1)) << "line " << line;
    EXPECT_EQ(settings[16], "PLACIDO");
    EXPECT_EQ(settings[17], "MEDIO");
    EXPECT_EQ(settings[18], std::string(1, c.stored));
    EXPECT_EQ(settings[19], "VERA");

    const std::vector<std::string> archive = orb.archiveLines();
    ASSERT_EQ(archive.size(), 49u);
    EXPECT_EQ(archive[0], " 1.00000000000000E+0000");  // set A now written as a real
    EXPECT_EQ(archive[47], qx::formatRealText(48));
    EXPECT_EQ(archive[48], std::string(1, c.stored));

    EXPECT_EQ(change.settings.setLetter, std::string(1, c.stored));
    EXPECT_EQ(change.settings.orbs[qx::kConjunction], c.first);
    EXPECT_EQ(change.settings.orbs[qx::kOpposition], c.first + 13);
  }
}

TEST(ApplyOrbSet, MissingArchiveChangesNothing) {
  const OrbFolder orb;
  std::filesystem::remove(orb.archivePath());
  const std::string before = fileBytes(orb.settingsPath());
  const OrbSettings current = qx::loadOrbSettings(orb.folder());

  const qx::OrbSetChange change = qx::ApplyOrbSet(orb.folder(), "B", current);
  ASSERT_TRUE(change.errorMessage);
  EXPECT_EQ(*change.errorMessage, "Manca File \"MMVarOrb.dum\"");
  EXPECT_EQ(change.settings.setLetter, "A");
  EXPECT_EQ(change.comboText, "A (normali)");
  EXPECT_EQ(fileBytes(orb.settingsPath()), before);
  EXPECT_FALSE(std::filesystem::exists(orb.archivePath()));
}

TEST(ApplyOrbSet, ComboTextsAndLetters) {
  EXPECT_EQ(qx::orbSetFromComboText("B (personali)"), 'B');
  EXPECT_EQ(qx::orbSetFromComboText("C (personali)"), 'C');
  EXPECT_EQ(qx::orbSetFromComboText("qualcosa"), 'A');
  EXPECT_FALSE(qx::isOrbComboItem("qualcosa"));
  EXPECT_TRUE(qx::isOrbComboItem("A (normali)"));
}

TEST(NodeChoice, IdleHandlerRewritesOnlyLine18) {
  struct Case {
    const char* chooser;
    const char* stored;
  } cases[] = {{"XYZ", "MEDIO"}, {"VERO", "VERO"}, {"MEDIO", "MEDIO"}, {"", "MEDIO"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.chooser);
    const OrbFolder orb;
    std::vector<std::string> before = orb.settingsLines();
    const qx::NodeChoiceChange change = qx::applyNodeChoice(orb.folder(), c.chooser);
    EXPECT_EQ(change.nodeChoice, c.stored);
    EXPECT_EQ(change.settings.nodeKind, c.stored);
    before[17] = c.stored;
    EXPECT_EQ(orb.settingsLines(), before);
  }
  EXPECT_EQ(qx::toggledNodeChoice("VERO"), "MEDIO");
  EXPECT_EQ(qx::toggledNodeChoice("MEDIO"), "VERO");
}

}  // namespace
}  // namespace qxtest
