#pragma once
// "Cambio Nome Utente": the practitioner's first name and surname, shown on
// the main window's name button and printed on the summary sheets.
//
// Each showing starts from `name` with the changed flag clear. OK writes the
// two names, cut to 80 characters, to "FileTmp\\Personal.Tmp" and into `name`
// only when something was typed; otherwise, and on "Annulla", nothing changes.

#include <QDialog>

#include "UserName.h"
#include "WorkFolder.h"

class QLineEdit;

namespace qx {

class TFoNomUte : public QDialog {
  Q_OBJECT

 public:
  static constexpr const char* kCaption = "Cambio Nome Utente";

  TFoNomUte(const WorkFolder& folder, UserName& name, QWidget* parent = nullptr);

  bool changed() const { return changed_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void okClicked();

  WorkFolder folder_;
  UserName& name_;
  bool changed_ = false;
  QLineEdit* editNome_ = nullptr;
  QLineEdit* editCognome_ = nullptr;
};

}  // namespace qx
