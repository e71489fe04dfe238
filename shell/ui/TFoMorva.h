#pragma once
// The main window: the hub of the application, first created and last closed.
// It shows the current subject, offers the orb-set and lunar-node choosers and
// opens every other window.
//
// The window is a view over ShellState: every step it runs (activation,
// LoadCurrentSubject, the idle handler, the text hand-off) is the state's, and
// the window only shows what the step gives. Every time the window becomes
// active (at start, and when a window opened from it closes) the activation
// steps run again. A message shown during an activation (a file put back, the
// general error box) takes the activation away and gives it back when it
// closes; that return does not start another activation, so an error that an
// activation meets is shown once and not again and again.
//
// Controls carry the names of the application's command table as objectName
// ("BitBtnDati", "ComboOrb", "MemoDati" ...). A command whose window is not
// built yet is disabled and its tooltip says "Funzione non ancora
// disponibile".

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "ChildWindows.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QToolButton;

namespace qx {

class ShellState;
struct ActivationView;
struct CurrentSubjectView;

class TFoMorva : public QWidget {
  Q_OBJECT

 public:
  static constexpr const char* kCaption = "QxMorva - MAR 2015  Demo";
  static constexpr const char* kNotYetAvailable = "Funzione non ancora disponibile";
  static constexpr int kClientWidth = 636;
  static constexpr int kClientHeight = 456;

  // Creates the window and then, in their order, the application's other
  // windows as its children.
  explicit TFoMorva(ShellState& state, QWidget* parent = nullptr);
  ~TFoMorva() override;

  ShellState& state() { return state_; }
  ChildWindows& windows() { return *windows_; }

  // Activations run so far (each one, whether it succeeded or not).
  int activationCount() const { return activationCount_; }

  // What starts the editor on a subject text for "Apri Testo"; true when one
  // started. The default starts the desktop's editor for the file, without a
  // shell. Tests put their own here.
  using TextEditorStarter = std::function<bool(const QString& path)>;
  void setTextEditorStarter(TextEditorStarter starter) { startEditor_ = std::move(starter); }

  // LoadCurrentSubject with what it shows; the commands that reload the
  // subject call it, and so does every activation.
  void loadCurrentSubject();

 signals:
  // After each activation.
  void activationDone();
  // The exit picture was released: the program is to end.
  void programEnded();

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // Construction (TFoMorvaLayout.cpp).
  void buildControls();
  void buildTopBand();
  void buildSubjectPage(QWidget* page);
  void buildRemedyPage(QWidget* page);
  void buildAccessoryPage(QWidget* page);
  void buildBottomPanel();
  QPushButton* addCommand(QWidget* parent, const char* name, const QString& caption, const QRect& geometry,
                          bool available, std::function<void()> action);

  // Activation.
  void activateIfNeeded();
  void runActivation();
  void sizeFullScreenWindows();
  void showActivation(const ActivationView& view);
  void showSubject(const CurrentSubjectView& view);
  void showUsageDates();

  // Commands.
  void runAction(const std::function<void()>& action);
  void placeAndShow(WindowId id, int margin);
  void showChild(WindowId id);
  void childClosed();
  void showNonModal(WindowId id);
  void summarySheet(int sheetCode, char orientation);
  void openSubjectText();
  void showChooserLock();
  void orbChooserEdited(const QString& text);
  void nodeChooserEdited(const QString& text);
  void nodeChooserDoubleClicked();
  void myIdleHandler();
  void setChooserText(QComboBox* combo, const QString& text);
  void showExitPicture(bool pressed);

  ShellState& state_;
  std::unique_ptr<ChildWindows> windows_;
  TextEditorStarter startEditor_;

  // Activation state: an activation is due (at start, and after the window
  // lost the activation outside an activation), one is running.
  bool needsActivation_ = true;
  bool inActivation_ = false;
  int activationCount_ = 0;

  QLabel* banner_ = nullptr;
  QLabel* logo_ = nullptr;
  QPushButton* nameButton_ = nullptr;
  QComboBox* usageDates_ = nullptr;
  QTabWidget* pages_ = nullptr;
  QPlainTextEdit* memoDati_ = nullptr;
  QPlainTextEdit* memoAnnotaz_ = nullptr;
  QComboBox* comboNodo_ = nullptr;
  QComboBox* comboOrb_ = nullptr;
  QPushButton* lockButton_ = nullptr;
  QToolButton* printerTypeButton_ = nullptr;
  QLabel* printerTypeLabel1_ = nullptr;
  QLabel* printerTypeLabel2_ = nullptr;
  QPushButton* openTextButton_ = nullptr;
  QLabel* exitPicture_ = nullptr;
};

}  // namespace qx
