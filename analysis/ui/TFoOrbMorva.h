#pragma once
// The orb window "Variazione Orbite Aspetti": the three orb sets side by side
// (A fixed, B and C editable), the "Adotta" button of each set, the set in
// force framed and named in `Edit1`, and "Ritorna a Menu Principale".
//
// The window only shows `OrbWindowModel` and forwards the user's edits and
// clicks to it. It loads the two orb files every time it is shown. File
// failures (IoError) are not caught here: they reach the application's
// general error box, and a window whose loading failed writes nothing.
//
// Controls by name: "EditA1".."EditA14" (read-only), "EditB1".."EditB14",
// "EditC1".."EditC14" (window row order), "BBadottaA", "BBadottaB",
// "BBadottaC", "BevelA", "BevelB", "BevelC", "Edit1", "LabelOrbite",
// "BBritorna", and in the hidden panel "Panel1" the edits "EditParal" and
// "EditAntis".

#include <QDialog>
#include <array>
#include <vector>

#include "OrbWindowModel.h"
#include "WorkFolder.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qx {

class TFoOrbMorva : public QDialog {
  Q_OBJECT

 public:
  explicit TFoOrbMorva(const WorkFolder& folder, QWidget* parent = nullptr);

  // Loads the files, then shows the window modally. A file error leaves the
  // window unshown and reaches the caller.
  int exec() override;

  // Esc and the title-bar close: the window is left only while it is valid.
  void reject() override;

  // The state shown (and the settings now in force after an "Adotta").
  const OrbWindowModel& model() const { return model_; }

 signals:
  // A set was made the set in force: the main window's `ComboOrb` is to show
  // `comboText` ("A (normali)", "B (personali)" or "C (personali)").
  void orbSetAdopted(const QString& comboText);

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  struct FieldControl {
    QLineEdit* edit = nullptr;
    OrbFieldId id;
  };

  void load();
  void fieldEdited(const FieldControl& control);
  void adoptClicked(char setLetter);
  void returnClicked();
  bool leave();
  void showFields();
  void showSetInForce();
  void placeBevels();

  OrbWindowModel model_;
  bool loaded_ = false;     // the files were read for this showing
  bool preloaded_ = false;  // exec() has already loaded for the coming show

  std::array<QLineEdit*, kAspectCount> setA_{};
  std::vector<FieldControl> fields_;  // set B, set C, parallel, antiscia
  std::array<QPushButton*, 3> adopt_{};
  std::array<QFrame*, 3> bevels_{};
  std::array<std::vector<QWidget*>, 3> columns_;  // what each bevel frames
  QLineEdit* edit1_ = nullptr;
  QLabel* labelOrbite_ = nullptr;
  QPushButton* return_ = nullptr;
};

}  // namespace qx
