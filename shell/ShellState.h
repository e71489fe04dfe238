#pragma once
// The application state the shell holds for the whole run, and the steps the
// main window runs over it: start-up, the activation steps with the current
// subject, the orb and node choosers with their idle handler, the lock of the
// choosers, the placing of child windows and the text hand-off of
// "Apri Testo". The main window (shell/ui/TFoMorva) shows what these steps
// give and does nothing else; every other window receives this object.
//
// Activation is the refresh point: settings, user name, orb settings, the
// current subject and the chart are read again at every activation, never
// kept from the previous one.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ChartEngine.h"
#include "CurrentSubjectView.h"
#include "Drawing.h"
#include "Extended.h"
#include "LineSettings.h"
#include "OrbFiles.h"
#include "UserName.h"
#include "WorkFolder.h"

namespace qx {

inline constexpr std::string_view kNoPrinterWarning =
    "OCCORRE INSTALLARE DRIVER STAMPANTE - VEDERE MANUALE (inizio)";

// `SheetCode` values set by the main window's commands.
inline constexpr int kCalibrationSheet = 0;
inline constexpr int kVertical1Sheet = 5;
inline constexpr int kHorizontal1Sheet = 16;
inline constexpr int kHorizontal2Sheet = 17;
inline constexpr int kVertical2Sheet = 18;

// The house system the main window computes with.
inline constexpr std::string_view kMainHouseSystem = "CASE_MEDIE";

// The main window's outer geometry as recorded for placing children: left
// and top just before a child is placed, width and height at each activation.
struct MainWindowGeometry {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

struct WindowPosition {
  int left = 0;
  int top = 0;
  friend bool operator==(const WindowPosition&, const WindowPosition&) = default;
};

// PlaceChildWindow: the child's lower-right corner lies `margin` pixels to the
// right of and below the main window's lower-right corner.
WindowPosition placeChildWindow(const MainWindowGeometry& main, int childWidth, int childHeight, int margin);

// The printer scale of the drawing layer: page width / 210 x 0.776.
Extended printerScale(Extended pageWidth);

// How the two choosers and the lock button look.
struct ChooserLook {
  bool enabled = false;
  std::uint32_t background = 0;  // 0xRRGGBB
  std::uint32_t text = 0;
  std::string_view glyph;  // picture of the lock button
};

// Unlocked: enabled, aqua with black text, "LockOpen". Locked: disabled, grey
// with white text, "LockShut".
ChooserLook chooserLook(bool locked);

// What an activation gives the main window to show. Each part is set once its
// step has run, so that after a failed step the parts already read are shown.
struct ActivationView {
  std::vector<std::string> restoredMessages;  // files put back, one message each
  std::optional<std::string> userDisplayName;
  std::optional<std::string> nodeChoice;
  std::optional<CurrentSubjectView> subject;
  std::optional<std::string> orbComboText;  // set with the lock of step 10
};

// What the idle handler gives the main window: the texts the choosers show
// after it, and a message for the error box.
struct IdleOutcome {
  std::optional<std::string> nodeChooserText;
  std::optional<std::string> orbChooserText;
  std::optional<std::string> errorMessage;
};

class ShellState {
 public:
  // `installationTrees`: where missing or damaged files are put back from
  // (see Installation.h).
  ShellState(WorkFolder folder, std::vector<std::filesystem::path> installationTrees);

  const WorkFolder& folder() const { return folder_; }
  const std::vector<std::filesystem::path>& installationTrees() const { return trees_; }

  ChartEngine& engine() { return engine_; }
  ChartRecord& chart() { return engine_.chart(); }
  const OrbSettings& orbSettings() const { return orbSettings_; }
  UserName& userName() { return userName_; }
  const LineSettings& lineSettings() const { return lineSettings_; }
  DrawingState& drawing() { return drawing_; }
  const DrawingState& drawing() const { return drawing_; }

  int SheetCode = kCalibrationSheet;
  std::string SheetOrientation;  // "L" or "P"
  MainWindowGeometry MainGeometry;
  Extended TodayJulianDay = 0;  // at 0 h, computed at each activation
  bool printerAvailable() const { return drawing_.PrinterAvailable; }

  // Start-up steps 1 and 2: the drawing state's defaults with the display
  // scale of the screen, `SheetCode` 0, then the orb settings (put back from
  // the installation tree first when missing or damaged). Gives the messages
  // of the files put back.
  std::vector<std::string> startUp(int screenWidth, int screenHeight);

  // Start-up step 3 with the default printer's page width in device pixels,
  // or nothing when no printer answers. Gives whether the warning
  // kNoPrinterWarning is to be shown.
  bool setPrinter(std::optional<Extended> pageWidth);

  // The activation steps, without the sizing of the full-screen windows
  // (step 8, which the windows do). `view` receives each part as its step
  // has run; a failure raises IoError and stops there.
  void activate(int mainWidth, int mainHeight, ActivationView& view);

  // LoadCurrentSubject: reads the current subject, sets `view` to what the
  // main window shows of it, then computes the chart with the house system
  // "CASE_MEDIE" and the node and apogee kinds of the orb settings.
  void loadCurrentSubject(CurrentSubjectView& view);

  // "Modello Propedeutico Interattivo" before the chart window shows:
  // LoadCurrentSubject, then the wheel layout of the sheets.
  void prepareChartWindow(CurrentSubjectView& view);

  // A summary-sheet command before the sheet window shows: LoadCurrentSubject,
  // then `SheetCode`, the wheel layout of the sheets and `SheetOrientation`
  // ("L" or "P"). The mutual receptions and the sheet's copy of the positions
  // are the sheet window's own steps.
  void prepareSummarySheet(int sheetCode, char orientation, CurrentSubjectView& view);

  // The usage log, once per run: the dates of all uses for `Cbox1` the first
  // time, nothing afterwards.
  std::optional<std::vector<std::string>> updateUsageLogOnce();

  // The lock of the two choosers; every activation locks them.
  bool choosersLocked() const { return choosersLocked_; }
  bool toggleChoosersLock();

  // `ComboOrb` and `ComboNodo` changes, and the double click on `ComboNodo`
  // (which gives the node choice the chooser is to show). Each leaves work
  // for the idle handler.
  void orbChooserChanged(std::string_view comboText);
  void nodeChooserChanged(std::string_view comboText);
  std::string nodeChooserDoubleClicked();
  bool idleWorkPending() const { return nodePending_ || orbPending_; }
  const std::string& nodeChoice() const { return orbSettings_.nodeKind; }

  // MyIdleHandler, with the texts the choosers show. A pending change is
  // taken off before its files are written, so a failed write is not tried
  // again by the next idle pass.
  IdleOutcome runIdleHandler(std::string_view nodeChooserText, std::string_view orbChooserText);

  // "Apri Testo": reads the reference of "FileDum\\StrText.dum", writes
  // a + "txt" + "/" + b + ".txt" as the one line of "FileDum\\DatModif.dum"
  // and gives the text's real path. A missing reference raises IoError.
  std::filesystem::path handOffTextForEditing();

 private:
  WorkFolder folder_;
  std::vector<std::filesystem::path> trees_;
  ChartEngine engine_;
  OrbSettings orbSettings_;
  UserName userName_;
  LineSettings lineSettings_;
  DrawingState drawing_;
  bool choosersLocked_ = true;
  bool nodePending_ = false;
  bool orbPending_ = false;
  char pendingLetter_ = 'A';
  bool usageLogDone_ = false;
};

}  // namespace qx
