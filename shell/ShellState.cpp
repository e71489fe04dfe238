#include "ShellState.h"

#include "Calendar.h"
#include "HandOffFiles.h"
#include "Installation.h"
#include "IoError.h"
#include "SubjectArchive.h"
#include "UsageLog.h"

namespace qx {

WindowPosition placeChildWindow(const MainWindowGeometry& main, int childWidth, int childHeight, int margin) {
  return {main.left + main.width + margin - childWidth, main.top + main.height + margin - childHeight};
}

Extended printerScale(Extended pageWidth) { return pageWidth / 210 * 0.776L; }

ChooserLook chooserLook(bool locked) {
  if (locked) return {false, 0x808080, 0xFFFFFF, "LockShut"};
  return {true, 0x00FFFF, 0x000000, "LockOpen"};
}

ShellState::ShellState(WorkFolder folder, std::vector<std::filesystem::path> installationTrees)
    : folder_(folder), trees_(std::move(installationTrees)), engine_(std::move(folder)) {}

std::vector<std::string> ShellState::startUp(int screenWidth, int screenHeight) {
  // 1. Global defaults and the display scale.
  SheetCode = kCalibrationSheet;
  drawing_ = DrawingState{};
  drawing_.setScreenSize(screenWidth, screenHeight);

  // 2. The orb settings.
  std::vector<std::string> messages;
  for (const std::string& name : restoreInstalledFiles(folder_, trees_, CheckedFiles::OrbSettingsOnly))
    messages.push_back(restoredFileMessage(name));
  orbSettings_ = loadOrbSettings(folder_);
  return messages;
}

bool ShellState::setPrinter(std::optional<Extended> pageWidth) {
  drawing_.PrinterAvailable = pageWidth.has_value();
  if (!pageWidth) return true;
  drawing_.PrinterScale = printerScale(*pageWidth);
  drawing_.PrinterLandscape = true;
  return false;
}

void ShellState::activate(int mainWidth, int mainHeight, ActivationView& view) {
  // The files every activation reads, checked before they are used.
  for (const std::string& name : restoreInstalledFiles(folder_, trees_, CheckedFiles::All))
    view.restoredMessages.push_back(restoredFileMessage(name));

  // 1. The backup placeholder rule (or a new settings file).
  prepareLineSettings(folder_);
  // 2. The personal archive.
  ensureBaseArchive(folder_);
  // 3. Today, for the usage log.
  TodayJulianDay = todayJulianDay();
  // 4. The main window's size, for placing children.
  MainGeometry.width = mainWidth;
  MainGeometry.height = mainHeight;
  // 5. The user name.
  userName_ = readUserName(folder_);
  drawing_.UserDisplayName = displayName(userName_);
  view.userDisplayName = drawing_.UserDisplayName;
  // 6. The line settings, into the drawing layer.
  lineSettings_ = readLineSettings(folder_);
  drawing_.LineThicknessFactor = lineSettings_.LineThicknessFactor;
  drawing_.HorizontalFactor = lineSettings_.HorizontalFactor;
  drawing_.VerticalFactor = lineSettings_.VerticalFactor;
  // The orb settings, which the orb window may have changed on disk.
  orbSettings_ = loadOrbSettings(folder_);
  // 7. The node choice.
  view.nodeChoice = orbSettings_.nodeKind;
  // 9. The current subject and its chart.
  view.subject.emplace();
  loadCurrentSubject(*view.subject);
  // 10. The choosers locked, the orb set in force shown.
  choosersLocked_ = true;
  view.orbComboText = std::string(orbComboText(orbSetLetter(orbSettings_.setLetter)));
}

void ShellState::loadCurrentSubject(CurrentSubjectView& view) {
  const CurrentSubject subject = readCurrentSubject(folder_);
  view = viewCurrentSubject(folder_, subject);

  orbSettings_.houseSystem = std::string(kMainHouseSystem);
  ChartRecord& c = engine_.chart();
  c.HouseSystem = orbSettings_.houseSystem;
  c.NodeKind = orbSettings_.nodeKind;
  c.ApogeeKind = orbSettings_.apogeeKind;
  engine_.computeChart();
}

void ShellState::prepareChartWindow(CurrentSubjectView& view) {
  loadCurrentSubject(view);
  drawing_.Wheel = kSheetWheelLayout;
}

void ShellState::prepareSummarySheet(int sheetCode, char orientation, CurrentSubjectView& view) {
  loadCurrentSubject(view);
  SheetCode = sheetCode;
  drawing_.Wheel = kSheetWheelLayout;
  SheetOrientation = std::string(1, orientation);
}

std::optional<std::vector<std::string>> ShellState::updateUsageLogOnce() {
  if (usageLogDone_) return std::nullopt;
  usageLogDone_ = true;
  if (TodayJulianDay == 0) TodayJulianDay = todayJulianDay();
  return updateUsageLog(folder_, TodayJulianDay);
}

bool ShellState::toggleChoosersLock() {
  choosersLocked_ = !choosersLocked_;
  return choosersLocked_;
}

void ShellState::orbChooserChanged(std::string_view comboText) {
  pendingLetter_ = orbSetFromComboText(comboText);
  orbPending_ = true;
}

void ShellState::nodeChooserChanged(std::string_view comboText) {
  orbSettings_.nodeKind = std::string(comboText.substr(0, kNodeKindLength));
  nodePending_ = true;
}

std::string ShellState::nodeChooserDoubleClicked() {
  orbSettings_.nodeKind = toggledNodeChoice(orbSettings_.nodeKind);
  nodePending_ = true;
  return orbSettings_.nodeKind;
}

IdleOutcome ShellState::runIdleHandler(std::string_view nodeChooserText, std::string_view orbChooserText) {
  IdleOutcome outcome;
  if (nodePending_) {
    nodePending_ = false;
    NodeChoiceChange change = applyNodeChoice(folder_, nodeChooserText);
    orbSettings_ = std::move(change.settings);
    outcome.nodeChooserText = change.nodeChoice;
  }
  if (orbPending_) {
    orbPending_ = false;
    // A text that is none of the items means set A.
    const char letter = isOrbComboItem(orbChooserText) ? pendingLetter_ : 'A';
    OrbSetChange change = ApplyOrbSet(folder_, std::string(1, letter), orbSettings_);
    orbSettings_ = std::move(change.settings);
    outcome.orbChooserText = change.comboText;
    outcome.errorMessage = change.errorMessage;
  }
  return outcome;
}

std::filesystem::path ShellState::handOffTextForEditing() {
  const std::optional<SubjectTextRef> ref = readSubjectTextRef(folder_);
  if (!ref) throw IoError(IoErrorCode::FileNotFound, folder_.resolve(kSubjectTextHandOff).string());
  const std::string name = ref->archive + "txt" + "/" + ref->number + ".txt";
  writeTextToEdit(folder_, name);
  return folder_.resolve(name);
}

}  // namespace qx
