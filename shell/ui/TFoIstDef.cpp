#include "TFoIstDef.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>

#include "DesktopDocuments.h"

namespace qx {

TFoIstDef::TFoIstDef(const WorkFolder& folder, QWidget* parent) : QDialog(parent), folder_(folder) {
  setObjectName(QStringLiteral("FoIstDef"));
  setWindowTitle(QString::fromLatin1(kCaption));
  setModal(true);
  // The face of the main window.
  QFont face(QStringLiteral("Liberation Sans"));
  face.setPixelSize(12);
  setFont(face);
  // Client area 332 x 105 with a fixed border.
  setFixedSize(332, 105);
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, QColor(0xDE, 0xDE, 0xDE));
  setPalette(colours);

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(16, 10, 12, 10);
  outer->setSpacing(4);

  rb1_ = new QRadioButton(QStringLiteral("Istruzioni sommarie  (Istruzioni_J.pdf)"), this);
  rb1_->setObjectName(QStringLiteral("RB1"));
  rb2_ = new QRadioButton(QStringLiteral("Istruzioni estese   (Istruzioni.pdf)"), this);
  rb2_->setObjectName(QStringLiteral("RB2"));
  outer->addWidget(rb1_);
  outer->addWidget(rb2_);
  outer->addStretch(1);

  auto* buttons = new QHBoxLayout();
  buttons->addStretch(1);
  auto* ok = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("BitBtn1"));
  ok->setDefault(true);
  auto* cancel =
      new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), QStringLiteral("Annulla"), this);
  cancel->setObjectName(QStringLiteral("BitBtn2"));
  cancel->setAutoDefault(false);
  for (QPushButton* button : {ok, cancel}) {
    button->setMinimumWidth(90);
    buttons->addWidget(button);
  }
  outer->addLayout(buttons);

  connect(ok, &QPushButton::clicked, this, &TFoIstDef::okClicked);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFoIstDef::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  rb1_->setChecked(true);
  rb1_->setFocus();
}

std::string_view TFoIstDef::chosenDocument() const { return rb1_->isChecked() ? kShortManual : kExtendedManual; }

void TFoIstDef::okClicked() {
  // The window closes whether or not a viewer took the document; a failure
  // has been told in its own message.
  openDocument(this, folder_, chosenDocument());
  accept();
}

}  // namespace qx
