#include "TFoNomUte.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>

#include "Cp1252.h"

namespace qx {

namespace {

QString fromCp1252(std::string_view text) { return QString::fromStdString(cp1252ToUtf8(text)); }

// The name as the file will hold it: Windows-1252, at most 80 characters.
std::string storedName(const QString& text) { return utf8ToCp1252(text.toStdString()).substr(0, kUserNameLength); }

QLineEdit* aquaEdit(QWidget* parent, const QString& name) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  QPalette colours = edit->palette();
  colours.setColor(QPalette::Base, QColor(0x00, 0xFF, 0xFF));
  colours.setColor(QPalette::Text, Qt::black);
  edit->setPalette(colours);
  return edit;
}

}  // namespace

TFoNomUte::TFoNomUte(const WorkFolder& folder, UserName& name, QWidget* parent)
    : QDialog(parent), folder_(folder), name_(name) {
  setObjectName(QStringLiteral("FoNomUte"));
  setWindowTitle(QString::fromLatin1(kCaption));
  setModal(true);
  // The face of the main window.
  QFont face(QStringLiteral("Liberation Sans"));
  face.setPixelSize(12);
  setFont(face);
  // Client area 373 x 166 with a fixed border, background #DEDEDE.
  setFixedSize(373, 166);
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, QColor(0xDE, 0xDE, 0xDE));
  setPalette(colours);

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(10, 8, 10, 10);
  outer->setSpacing(6);

  auto* panel = new QGroupBox(QStringLiteral("Personalizzazione"), this);
  panel->setObjectName(QStringLiteral("Panel1"));
  auto* fields = new QGridLayout(panel);
  fields->setContentsMargins(10, 6, 10, 8);
  fields->setHorizontalSpacing(10);
  fields->setVerticalSpacing(6);
  editNome_ = aquaEdit(panel, QStringLiteral("EditNome"));
  editCognome_ = aquaEdit(panel, QStringLiteral("EditCognome"));
  auto* labelNome = new QLabel(QStringLiteral("Nome Utente"), panel);
  auto* labelCognome = new QLabel(QStringLiteral("Cognome Utente"), panel);
  labelNome->setBuddy(editNome_);
  labelCognome->setBuddy(editCognome_);
  fields->addWidget(labelNome, 0, 0);
  fields->addWidget(editNome_, 0, 1);
  fields->addWidget(labelCognome, 1, 0);
  fields->addWidget(editCognome_, 1, 1);
  outer->addWidget(panel);

  auto* note = new QLabel(QStringLiteral("La Personalizzazione può essere variata  a piacere"), this);
  note->setObjectName(QStringLiteral("Panel2"));
  note->setAlignment(Qt::AlignCenter);
  note->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  note->setMinimumHeight(22);
  outer->addWidget(note);

  auto* buttons = new QHBoxLayout();
  buttons->addStretch(1);
  auto* ok = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("BitBtnOk"));
  ok->setDefault(true);
  auto* cancel =
      new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), QStringLiteral("Annulla"), this);
  cancel->setObjectName(QStringLiteral("BitBtnAnnulla"));
  cancel->setAutoDefault(false);
  for (QPushButton* button : {ok, cancel}) {
    button->setMinimumWidth(90);
    buttons->addWidget(button);
  }
  outer->addLayout(buttons);

  connect(editNome_, &QLineEdit::textChanged, this, [this] { changed_ = true; });
  connect(editCognome_, &QLineEdit::textChanged, this, [this] { changed_ = true; });
  connect(ok, &QPushButton::clicked, this, &TFoNomUte::okClicked);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFoNomUte::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;  // back from being minimised: not a new activation
  editNome_->setText(fromCp1252(name_.FirstName));
  editCognome_->setText(fromCp1252(name_.Surname));
  changed_ = false;
  editNome_->setFocus();
  editNome_->selectAll();
}

void TFoNomUte::okClicked() {
  if (changed_) {
    UserName typed;
    typed.FirstName = storedName(editNome_->text());
    typed.Surname = storedName(editCognome_->text());
    // The file first: the names in memory change only once they are stored.
    writeUserName(folder_, typed);
    name_ = typed;
    changed_ = false;
  }
  accept();
}

}  // namespace qx
