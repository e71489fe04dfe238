#include "ShellState.h"

#include <gtest/gtest.h>

#include "Calendar.h"
#include "FileBytes.h"
#include "HandOffFiles.h"
#include "Installation.h"
#include "IoError.h"
#include "SubjectTexts.h"
#include "TempFolder.h"
#include "TextFile.h"
#include "UsageLog.h"

namespace qxtest {
namespace {

namespace fs = std::filesystem;

TEST(PlaceChildWindow, LowerRightCornerMarginBeyondTheMainWindows) {
  const struct {
    qx::MainWindowGeometry main;
    int width, height, margin;
    qx::WindowPosition expected;
  } cases[] = {
      {{100, 50, 652, 495}, 373, 166, 10, {100 + 652 + 10 - 373, 50 + 495 + 10 - 166}},  // 389, 389
      {{100, 50, 652, 495}, 600, 400, 0, {152, 145}},
      // A child larger than the main window starts left of and above it.
      {{0, 0, 652, 495}, 800, 600, 10, {-138, -95}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.width);
    EXPECT_EQ(qx::placeChildWindow(c.main, c.width, c.height, c.margin), c.expected);
  }
}

TEST(ChooserLook, LockedGreyUnlockedAqua) {
  const qx::ChooserLook locked = qx::chooserLook(true);
  EXPECT_FALSE(locked.enabled);
  EXPECT_EQ(locked.background, 0x808080u);
  EXPECT_EQ(locked.text, 0xFFFFFFu);
  EXPECT_EQ(locked.glyph, "LockShut");
  const qx::ChooserLook open = qx::chooserLook(false);
  EXPECT_TRUE(open.enabled);
  EXPECT_EQ(open.background, 0x00FFFFu);
  EXPECT_EQ(open.text, 0x000000u);
  EXPECT_EQ(open.glyph, "LockOpen");
}

// A working folder that starts as a copy of the installation tree, which is
// also the tree files are put back from.
class ShellStateOnInstallation : public ::testing::Test {
 protected:
  void SetUp() override {
    work.copyInstallation();
    installation.copyInstallation();
  }

  qx::ActivationView activate() {
    qx::ActivationView view;
    state.activate(652, 495, view);
    return view;
  }

  TempFolder work;
  TempFolder installation;
  qx::ShellState state{qx::WorkFolder(work.path()), {installation.path()}};
};

TEST_F(ShellStateOnInstallation, StartUpSetsTheDefaultsAndThePrinter) {
  state.SheetCode = qx::kHorizontal1Sheet;
  state.drawing().Zoom = 2;
  EXPECT_TRUE(state.startUp(1280, 1050).empty());
  EXPECT_EQ(state.SheetCode, qx::kCalibrationSheet);
  EXPECT_EQ(state.drawing().Zoom, 1);
  EXPECT_EQ(state.drawing().DisplayScale, 5);  // 1050 / 210
  EXPECT_EQ(state.orbSettings().nodeKind, "VERO");

  EXPECT_TRUE(state.setPrinter(std::nullopt));  // the warning is due
  EXPECT_FALSE(state.printerAvailable());
  EXPECT_FALSE(state.setPrinter(4960));  // A4 at 600 dpi
  EXPECT_TRUE(state.printerAvailable());
  EXPECT_TRUE(state.drawing().PrinterLandscape);
  EXPECT_NEAR(double(state.drawing().PrinterScale), 4960.0 / 210 * 0.776, 1e-12);
}

TEST_F(ShellStateOnInstallation, FirstActivationCreatesTheFilesAndShowsTheSubject) {
  state.startUp(1280, 1024);
  const qx::ActivationView view = activate();
  EXPECT_TRUE(view.restoredMessages.empty());
  EXPECT_EQ(view.userDisplayName, "Nome Cognome");
  EXPECT_EQ(view.nodeChoice, "VERO");
  EXPECT_EQ(view.orbComboText, "A (normali)");
  ASSERT_TRUE(view.subject);
  EXPECT_EQ(view.subject->lines[0], "ROSSI MARIA");
  EXPECT_FALSE(view.subject->textName);
  EXPECT_TRUE(state.choosersLocked());
  EXPECT_EQ(state.MainGeometry.width, 652);
  EXPECT_EQ(state.MainGeometry.height, 495);
  EXPECT_EQ(state.TodayJulianDay, qx::todayJulianDay());
  // The chart is computed with equal houses from the Ascendant.
  EXPECT_EQ(state.chart().HouseSystem, "CASE_MEDIE");
  EXPECT_EQ(state.chart().DateTimeText, "15/06/1968 14:30");
  EXPECT_NEAR(double(state.chart().Lon[1]), 84.4, 0.5);  // the Sun in Gemini

  // The empty personal archive: one record in each file.
  EXPECT_EQ(fs::file_size(work.path() / "BASE.ST1"), 44u);
  EXPECT_EQ(fs::file_size(work.path() / "BASE.ST2"), 385u);
  EXPECT_EQ(fs::file_size(work.path() / "BASE.ST3"), 284u);
  EXPECT_EQ(readBytes(work.path() / "FileTmp" / "Personal.Tmp"), "Nome\r\nCognome\r\n");

  // Nothing of it is written again by the next activation.
  std::vector<fs::file_time_type> times;
  for (const char* name : {"BASE.ST1", "BASE.ST2", "BASE.ST3", "FileSet/MMVarLas.stt", "FileTmp/Personal.Tmp"})
    times.push_back(fs::last_write_time(work.path() / name));
  activate();
  std::size_t i = 0;
  for (const char* name : {"BASE.ST1", "BASE.ST2", "BASE.ST3", "FileSet/MMVarLas.stt", "FileTmp/Personal.Tmp"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(fs::last_write_time(work.path() / name), times[i++]);
  }
}

TEST_F(ShellStateOnInstallation, ActivationReadsWhatOtherWindowsChanged) {
  state.startUp(1280, 1024);
  activate();
  writeBytes(work.path() / "FileTmp" / "Personal.Tmp", "Anna\r\nVerdi\r\n");
  writeBytes(work.path() / "FileSet" / "MMVarLas.stt",
             "1\r\n0\r\n0\r\n1\r\n 2.00000000000000E+0000\r\nQx6Backup\r\n0\r\n 1.25000000000000E+0000\r\n");
  std::vector<std::string> orb = qx::readTextLines(work.path() / "FileSet" / "OrbiDomi.stt");
  orb[17] = "MEDIO";
  qx::writeTextLines(work.path() / "FileSet" / "OrbiDomi.stt", orb);

  const qx::ActivationView view = activate();
  EXPECT_EQ(view.userDisplayName, "Anna Verdi");
  EXPECT_EQ(state.drawing().UserDisplayName, "Anna Verdi");
  EXPECT_EQ(view.nodeChoice, "MEDIO");
  EXPECT_EQ(state.chart().NodeKind, "MEDIO");
  EXPECT_EQ(state.drawing().LineThicknessFactor, 2);
  EXPECT_EQ(state.drawing().HorizontalFactor, 1);  // 0 is taken as 1
  EXPECT_EQ(state.drawing().VerticalFactor, 1.25L);
  EXPECT_EQ(readBytes(work.path() / "FileSet" / "MMVarLas.stt"),
            "1\r\n0\r\n0\r\n1\r\n 2.00000000000000E+0000\r\nDa definire\r\n0\r\n 1.25000000000000E+0000\r\n");
}

TEST_F(ShellStateOnInstallation, MissingSubjectIsPutBackBeforeItIsRead) {
  fs::remove(work.path() / "TMPR.ST2");
  const qx::ActivationView view = activate();
  EXPECT_EQ(view.restoredMessages, (std::vector<std::string>{qx::restoredFileMessage("TMPR.ST1"),
                                                             qx::restoredFileMessage("TMPR.ST2")}));
  ASSERT_TRUE(view.subject);
  EXPECT_EQ(view.subject->lines[4], "Coordinate: 41N54-012E30");
}

TEST(ShellStateActivation, FailedStepKeepsWhatWasReadBeforeIt) {
  // An empty working folder and no installation tree: the orb settings are
  // missing, after the user name was read.
  TempFolder work;
  qx::ShellState state(qx::WorkFolder(work.path()), {});
  qx::ActivationView view;
  try {
    state.activate(652, 495, view);
    ADD_FAILURE() << "no error";
  } catch (const qx::IoError& error) {
    EXPECT_EQ(error.code(), qx::IoErrorCode::FileNotFound);
    EXPECT_NE(error.file().find("OrbiDomi"), std::string::npos);
  }
  EXPECT_EQ(view.userDisplayName, "Nome Cognome");
  EXPECT_FALSE(view.nodeChoice);
  EXPECT_FALSE(view.subject);
  EXPECT_TRUE(fs::exists(work.path() / "BASE.ST1"));
}

TEST_F(ShellStateOnInstallation, IdleHandlerAppliesEachPendingChangeOnce) {
  state.startUp(1280, 1024);
  activate();
  EXPECT_FALSE(state.idleWorkPending());

  // A node text that is neither choice: MEDIO, shown and stored.
  state.nodeChooserChanged("XYZ");
  EXPECT_EQ(state.nodeChoice(), "XYZ");
  qx::IdleOutcome outcome = state.runIdleHandler("XYZ", "A (normali)");
  EXPECT_EQ(outcome.nodeChooserText, "MEDIO");
  EXPECT_FALSE(outcome.orbChooserText);
  EXPECT_EQ(qx::readTextLines(work.path() / "FileSet" / "OrbiDomi.stt")[17], "MEDIO");
  EXPECT_FALSE(state.idleWorkPending());

  // A double click toggles; an orb text that is none of the items is set A.
  EXPECT_EQ(state.nodeChooserDoubleClicked(), "VERO");
  state.orbChooserChanged("Z (strane)");
  outcome = state.runIdleHandler("VERO", "Z (strane)");
  EXPECT_EQ(outcome.nodeChooserText, "VERO");
  EXPECT_EQ(outcome.orbChooserText, "A (normali)");
  EXPECT_FALSE(outcome.errorMessage);
  EXPECT_EQ(state.orbSettings().nodeKind, "VERO");
  EXPECT_EQ(state.orbSettings().setLetter, "A");

  // Nothing pending: nothing is written.
  const auto before = fs::last_write_time(work.path() / "FileSet" / "OrbiDomi.stt");
  outcome = state.runIdleHandler("MEDIO", "C (personali)");
  EXPECT_FALSE(outcome.nodeChooserText || outcome.orbChooserText);
  EXPECT_EQ(fs::last_write_time(work.path() / "FileSet" / "OrbiDomi.stt"), before);
}

TEST_F(ShellStateOnInstallation, FailedOrbChangeIsNotTriedAgain) {
  state.startUp(1280, 1024);
  activate();
  fs::remove(work.path() / "FileDum" / "MMVarOrb.dum");
  state.orbChooserChanged("C (personali)");
  const qx::IdleOutcome outcome = state.runIdleHandler("VERO", "C (personali)");
  EXPECT_EQ(outcome.errorMessage, "Manca File \"MMVarOrb.dum\"");
  EXPECT_EQ(outcome.orbChooserText, "A (normali)");
  EXPECT_EQ(state.orbSettings().setLetter, "A");
  EXPECT_FALSE(state.idleWorkPending());
}

TEST_F(ShellStateOnInstallation, LockTogglesAndEveryActivationLocks) {
  state.startUp(1280, 1024);
  activate();
  EXPECT_FALSE(state.toggleChoosersLock());
  EXPECT_TRUE(state.toggleChoosersLock());
  EXPECT_FALSE(state.toggleChoosersLock());
  activate();
  EXPECT_TRUE(state.choosersLocked());
}

TEST_F(ShellStateOnInstallation, UsageLogOncePerRun) {
  state.startUp(1280, 1024);
  activate();
  const auto dates = state.updateUsageLogOnce();
  ASSERT_TRUE(dates);
  EXPECT_EQ(*dates, (std::vector<std::string>{qx::usageDateText(qx::todayJulianDay())}));
  const std::string today = qx::julianDayDigits(qx::todayJulianDay());
  EXPECT_EQ(readBytes(work.path() / "OpzioneT" / "Sole.tm1"), "2451545\r\n" + today + "\r\n2\r\n");
  activate();
  EXPECT_FALSE(state.updateUsageLogOnce());
  EXPECT_EQ(readBytes(work.path() / "OpzioneT" / "Luna.tm1"), today + "\r\n");
}

TEST_F(ShellStateOnInstallation, SubjectTextIsHandedToTheEditor) {
  qx::writeSubjectTextRef(state.folder(), {"BASE", "00007"});
  const fs::path path = state.handOffTextForEditing();
  EXPECT_EQ(readBytes(work.path() / "FileDum" / "DatModif.dum"), "BASEtxt/00007.txt\r\n");
  EXPECT_EQ(path, state.folder().resolve("BASEtxt/00007.txt"));

  fs::remove(work.path() / "FileDum" / "StrText.dum");
  EXPECT_THROW(state.handOffTextForEditing(), qx::IoError);
}

TEST_F(ShellStateOnInstallation, SheetCommandsSetTheSheetAndReloadTheSubject) {
  state.startUp(1280, 1024);
  state.drawing().Wheel = {1, 2, 3, 4, 5, 6, 7, 8};
  qx::CurrentSubjectView view;
  state.prepareSummarySheet(qx::kVertical2Sheet, 'P', view);
  EXPECT_EQ(state.SheetCode, 18);
  EXPECT_EQ(state.SheetOrientation, "P");
  EXPECT_EQ(state.drawing().Wheel, qx::kSheetWheelLayout);
  EXPECT_EQ(view.lines[0], "ROSSI MARIA");
  EXPECT_EQ(state.chart().DateTimeText, "15/06/1968 14:30");
}

}  // namespace
}  // namespace qxtest
