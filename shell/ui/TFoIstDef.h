#pragma once
// "Selezionare": which manual to open, the short instructions
// ("Istruzioni_J.pdf") or the extended ones ("Istruzioni.pdf"). OK opens the
// chosen document of the working folder with the desktop's viewer and closes.

#include <QDialog>
#include <string_view>

#include "WorkFolder.h"

class QRadioButton;

namespace qx {

class TFoIstDef : public QDialog {
  Q_OBJECT

 public:
  static constexpr const char* kCaption = "Selezionare";
  static constexpr std::string_view kShortManual = "Istruzioni_J.pdf";
  static constexpr std::string_view kExtendedManual = "Istruzioni.pdf";

  explicit TFoIstDef(const WorkFolder& folder, QWidget* parent = nullptr);

  // The document OK opens with the current choice.
  std::string_view chosenDocument() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void okClicked();

  WorkFolder folder_;
  QRadioButton* rb1_ = nullptr;
  QRadioButton* rb2_ = nullptr;
};

}  // namespace qx
