#include "OrbWindowModel.h"

#include <gtest/gtest.h>

#include "OrbFolder.h"
#include "RealText.h"

namespace qxtest {
namespace {

using qx::OrbFieldColour;
using qx::OrbFieldId;
using qx::OrbFieldKind;
using qx::OrbWindowModel;

const OrbFieldId kSetBConjunction{OrbFieldKind::SetB, 1};
const OrbFieldId kSetBSquare{OrbFieldKind::SetB, 9};
const OrbFieldId kSetCOpposition{OrbFieldKind::SetC, 14};
const OrbFieldId kParallel{OrbFieldKind::Parallel, 0};
const OrbFieldId kAntiscia{OrbFieldKind::Antiscia, 0};

class OrbWindow : public testing::Test {
 protected:
  OrbWindow() : model_(orb_.folder()) { model_.open(); }

  OrbFolder orb_;
  OrbWindowModel model_;
};

TEST_F(OrbWindow, OpeningShowsTheFilesAndTheSetInForce) {
  EXPECT_EQ(model_.setAText(1), "\xB1 10");
  EXPECT_EQ(model_.setAText(7), "\xB1 4");
  EXPECT_EQ(model_.setAText(14), "\xB1 9");
  EXPECT_EQ(model_.field(kSetBConjunction).text, "10,0000");
  EXPECT_EQ(model_.field({OrbFieldKind::SetB, 3}).text, "0,50000");
  EXPECT_EQ(model_.field({OrbFieldKind::SetC, 9}).text, "4,50000");
  EXPECT_EQ(model_.field(kParallel).text, "1,00000");
  EXPECT_EQ(model_.field(kSetBConjunction).colour, OrbFieldColour::Plain);
  EXPECT_TRUE(model_.valid());
  EXPECT_TRUE(model_.extrasUnchanged());
  EXPECT_EQ(model_.edit1Text(), "A");
  EXPECT_EQ(model_.markedColumn(), 'A');
  EXPECT_EQ(OrbWindowModel::kLabelOrbite, "Set di Orbite Attualmente Selezionato = ");
}

TEST_F(OrbWindow, ValidationOfEveryField) {
  struct Case {
    const char* what;
    OrbFieldId field;
    const char* typed;
    const char* shown;
    OrbFieldColour colour;
    bool valid;
  } cases[] = {
      {"comma decimal kept", kSetBSquare, "12,5", "12,5", OrbFieldColour::Aqua, true},
      {"point becomes comma, blanks trimmed", kSetBSquare, "  12.5 ", "12,5", OrbFieldColour::Aqua, true},
      {"upper limit", kSetCOpposition, "15", "15", OrbFieldColour::Aqua, true},
      {"zero", kSetCOpposition, "0", "0", OrbFieldColour::Aqua, true},
      {"above 15 is emptied", kSetBSquare, "16", "", OrbFieldColour::Red, false},
      {"negative is emptied", kSetBSquare, "-1", "", OrbFieldColour::Red, false},
      {"not a number stays as typed", kSetBSquare, "12,5a", "12,5a", OrbFieldColour::Red, false},
      {"empty", kSetBSquare, "", "", OrbFieldColour::Red, false},
      {"parallel up to 6", kParallel, "6", "6", OrbFieldColour::Aqua, true},
      {"parallel above 6 is emptied", kParallel, "7", "", OrbFieldColour::Red, false},
      {"antiscia above 6 is emptied", kAntiscia, "6,01", "", OrbFieldColour::Red, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    model_.open();
    model_.editField(c.field, c.typed);
    EXPECT_EQ(model_.field(c.field).text, c.shown);
    EXPECT_EQ(model_.field(c.field).colour, c.colour);
    EXPECT_EQ(model_.valid(), c.valid);
    EXPECT_EQ(model_.canReturn(), c.valid);
    const bool extra = c.field.kind == OrbFieldKind::Parallel || c.field.kind == OrbFieldKind::Antiscia;
    EXPECT_EQ(model_.extrasUnchanged(), !extra);
    // Every field is validated after any edit.
    if (c.field.kind != OrbFieldKind::SetB || c.field.row != 1) {
      EXPECT_EQ(model_.field(kSetBConjunction).colour, OrbFieldColour::Aqua);
    }
  }
}

TEST_F(OrbWindow, FixingTheLastBadFieldMakesTheWindowValidAgain) {
  model_.editField(kSetBSquare, "16");
  model_.editField(kSetCOpposition, "x");
  EXPECT_FALSE(model_.valid());
  model_.editField(kSetBSquare, "4");
  EXPECT_FALSE(model_.valid());
  model_.editField(kSetCOpposition, "7");
  EXPECT_TRUE(model_.valid());
}

TEST_F(OrbWindow, AdoptWhileInvalidWritesNothing) {
  const std::string settings = fileBytes(orb_.settingsPath());
  const std::string archive = fileBytes(orb_.archivePath());
  model_.editField(kSetBSquare, "16");
  const OrbWindowModel::AdoptResult result = model_.adopt('B');
  ASSERT_TRUE(result.message);
  EXPECT_EQ(*result.message, "Errore Impostazione Orbite");
  EXPECT_FALSE(result.comboText);
  EXPECT_EQ(fileBytes(orb_.settingsPath()), settings);
  EXPECT_EQ(fileBytes(orb_.archivePath()), archive);
  EXPECT_EQ(model_.edit1Text(), "A");
}

TEST_F(OrbWindow, AdoptingCWritesItsOrbsAndLetterToBothFiles) {
  model_.editField(kSetCOpposition, "7,25");
  const OrbWindowModel::AdoptResult result = model_.adopt('C');
  EXPECT_FALSE(result.message);
  EXPECT_EQ(result.comboText, "C (personali)");

  const std::vector<std::string> settings = orb_.settingsLines();
  ASSERT_EQ(settings.size(), 20u);
  EXPECT_EQ(settings[0], qx::formatRealText(5));       // set C conjunction
  EXPECT_EQ(settings[8], qx::formatRealText(4.5L));    // set C square
  EXPECT_EQ(settings[13], qx::formatRealText(7.25L));  // the edited opposition
  EXPECT_EQ(settings[16], "CASE_MEDIE");
  EXPECT_EQ(settings[17], "VERO");
  EXPECT_EQ(settings[18], "C");
  EXPECT_EQ(settings[19], "VERA");

  const std::vector<std::string> archive = orb_.archiveLines();
  ASSERT_EQ(archive.size(), 49u);
  EXPECT_EQ(archive[0], "10");  // set A still whole numbers
  EXPECT_EQ(archive[45], qx::formatRealText(7.25L));
  EXPECT_EQ(archive[48], "C");

  EXPECT_EQ(model_.field(kSetCOpposition).text, "7,25000");  // reloaded from the file
  EXPECT_EQ(model_.edit1Text(), "C");
  EXPECT_EQ(model_.markedColumn(), 'C');
  EXPECT_EQ(model_.settings().setLetter, "C");
  EXPECT_EQ(model_.settings().orbs[qx::kOpposition], 7.25L);
}

TEST_F(OrbWindow, AdoptingATakesTheFixedOrbs) {
  model_.adopt('B');
  model_.adopt('A');
  const std::vector<std::string> settings = orb_.settingsLines();
  EXPECT_EQ(settings[0], qx::formatRealText(10));
  EXPECT_EQ(settings[6], qx::formatRealText(4));
  EXPECT_EQ(settings[13], qx::formatRealText(9));
  EXPECT_EQ(settings[18], "A");
}

TEST_F(OrbWindow, ClosingIsRefusedWhileInvalid) {
  const std::string archive = fileBytes(orb_.archivePath());
  model_.editField(kSetBSquare, "-1");
  EXPECT_FALSE(model_.close().closed);
  EXPECT_EQ(fileBytes(orb_.archivePath()), archive);
}

TEST_F(OrbWindow, ClosingKeepsEditedSetsButOnlyReadoptsForExtras) {
  // An orb edit is kept in the archive but is not put in force.
  const std::string settings = fileBytes(orb_.settingsPath());
  model_.editField(kSetBSquare, "5,5");
  const OrbWindowModel::CloseResult closed = model_.close();
  EXPECT_TRUE(closed.closed);
  EXPECT_FALSE(closed.comboText);
  EXPECT_EQ(orb_.archiveLines()[24], qx::formatRealText(5.5L));
  EXPECT_EQ(orb_.archiveLines()[48], "A");
  EXPECT_EQ(fileBytes(orb_.settingsPath()), settings);

  // A parallel edit adopts the set in force again.
  model_.open();
  model_.editField(kParallel, "2,5");
  const OrbWindowModel::CloseResult again = model_.close();
  EXPECT_TRUE(again.closed);
  EXPECT_EQ(again.comboText, "A (normali)");
  const std::vector<std::string> lines = orb_.settingsLines();
  EXPECT_EQ(lines[14], qx::formatRealText(2.5L));
  EXPECT_EQ(lines[0], qx::formatRealText(10));
  EXPECT_EQ(lines[18], "A");
  const std::vector<std::string> archive = orb_.archiveLines();
  for (std::size_t line : {14u, 30u, 46u}) EXPECT_EQ(archive[line], qx::formatRealText(2.5L)) << line;
}

TEST(OrbFieldText, FirstSevenCharactersWithComma) {
  EXPECT_EQ(qx::orbFieldText(10), "10,0000");
  EXPECT_EQ(qx::orbFieldText(0.8L), "0,80000");
  EXPECT_EQ(qx::orbFieldText(12.3456789L), "12,3456");
  EXPECT_EQ(qx::orbFieldText(-1), "-1,0000");
}

}  // namespace
}  // namespace qxtest
