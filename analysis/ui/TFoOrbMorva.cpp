#include "TFoOrbMorva.h"

#include <QApplication>
#include <QMetaObject>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <algorithm>

#include "Cp1252.h"

namespace qx {

namespace {

const QColor kBackground(0xDE, 0xDE, 0xDE);
const QColor kAqua(0x00, 0xFF, 0xFF);
const QColor kRed(0xFF, 0x00, 0x00);
const QColor kPlain(0xFF, 0xFF, 0xFF);
const QColor kReadOnly(0xEE, 0xEE, 0xEE);

constexpr int kFieldWidth = 74;
constexpr int kRowHeight = 22;
constexpr int kColumnGap = 16;  // room between the columns for the bevel
constexpr int kBevelMargin = 5; // the bevel lies this far outside its column

QString fromCp1252(std::string_view text) { return QString::fromStdString(cp1252ToUtf8(text)); }
std::string toCp1252(const QString& text) { return utf8ToCp1252(text.toStdString()); }

void setBase(QLineEdit* edit, const QColor& base, const QColor& text) {
  QPalette colours = edit->palette();
  colours.setColor(QPalette::Base, base);
  colours.setColor(QPalette::Text, text);
  edit->setPalette(colours);
}

void showColour(QLineEdit* edit, OrbFieldColour colour) {
  switch (colour) {
    case OrbFieldColour::Plain: setBase(edit, kPlain, Qt::black); break;
    case OrbFieldColour::Aqua: setBase(edit, kAqua, Qt::black); break;
    case OrbFieldColour::Red: setBase(edit, kRed, Qt::white); break;
  }
}

// Puts a text back into an edit with the caret where it was (as far as the
// new text allows); an unchanged text is left alone.
void putBack(QLineEdit* edit, const QString& text) {
  if (edit->text() == text) return;
  const int caret = edit->cursorPosition();
  edit->setText(text);
  edit->setCursorPosition(std::min(caret, int(text.size())));
}

QLineEdit* orbEdit(QWidget* parent, const QString& name) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setFixedSize(kFieldWidth, kRowHeight);
  edit->setAlignment(Qt::AlignRight);
  return edit;
}

QLabel* fixedLabel(QWidget* parent, const QString& text, Qt::Alignment alignment) {
  auto* label = new QLabel(text, parent);
  label->setFixedHeight(kRowHeight);
  label->setAlignment(alignment | Qt::AlignVCenter);
  return label;
}

QPushButton* plainButton(QWidget* parent, const QString& name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  // Enter in a field must not press a button: adopting or leaving is always
  // a deliberate click.
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

int columnIndex(char setLetter) { return setLetter == 'C' ? 2 : setLetter == 'B' ? 1 : 0; }

}  // namespace

TFoOrbMorva::TFoOrbMorva(const WorkFolder& folder, QWidget* parent) : QDialog(parent), model_(folder) {
  setObjectName(QStringLiteral("FoOrbMorva"));
  setWindowTitle(fromCp1252(OrbWindowModel::kCaption));
  setModal(true);
  // The face of the main window.
  QFont face(QStringLiteral("Liberation Sans"));
  face.setPixelSize(12);
  setFont(face);
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, kBackground);
  setPalette(colours);

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(18, 16, 18, 14);
  outer->setSpacing(10);

  // The three columns: row captions, set A, set B, set C; a header above and
  // the column's "Adotta" below.
  auto* grid = new QGridLayout();
  grid->setHorizontalSpacing(kColumnGap);
  grid->setVerticalSpacing(3);
  outer->addLayout(grid);

  QLabel* aspectHeader = fixedLabel(this, QStringLiteral("Aspetto"), Qt::AlignLeft);
  QFont headerFont = aspectHeader->font();
  headerFont.setBold(true);
  aspectHeader->setFont(headerFont);
  grid->addWidget(aspectHeader, 0, 0);

  const char letters[3] = {'A', 'B', 'C'};
  const std::array<std::string_view, 3>& headers = kOrbComboItems;
  for (int column = 0; column < 3; ++column) {
    QLabel* header = fixedLabel(this, fromCp1252(headers[std::size_t(column)]), Qt::AlignHCenter);
    QFont bold = header->font();
    bold.setBold(true);
    header->setFont(bold);
    grid->addWidget(header, 0, column + 1, Qt::AlignHCenter);
    columns_[std::size_t(column)].push_back(header);
  }

  for (int row = 1; row <= kAspectCount; ++row) {
    const AspectKind& kind = kAspectKinds[std::size_t(kWindowRowIndex[std::size_t(row - 1)])];
    grid->addWidget(fixedLabel(this, fromCp1252(kind.caption), Qt::AlignLeft), row, 0);

    QLineEdit* a = orbEdit(this, QStringLiteral("EditA%1").arg(row));
    a->setReadOnly(true);
    a->setFocusPolicy(Qt::NoFocus);
    setBase(a, kReadOnly, Qt::black);
    setA_[std::size_t(row - 1)] = a;
    grid->addWidget(a, row, 1, Qt::AlignHCenter);
    columns_[0].push_back(a);

    for (int column = 1; column < 3; ++column) {
      const OrbFieldKind kindOfField = column == 1 ? OrbFieldKind::SetB : OrbFieldKind::SetC;
      QLineEdit* edit = orbEdit(this, QStringLiteral("Edit%1%2").arg(QChar(letters[column])).arg(row));
      grid->addWidget(edit, row, column + 1, Qt::AlignHCenter);
      columns_[std::size_t(column)].push_back(edit);
      fields_.push_back({edit, {kindOfField, row}});
    }
  }

  for (int column = 0; column < 3; ++column) {
    const char letter = letters[column];
    QPushButton* button = plainButton(this, QStringLiteral("BBadotta%1").arg(QChar(letter)),
                                      fromCp1252(OrbWindowModel::kAdoptCaption));
    button->setFixedWidth(kFieldWidth + 16);
    button->setToolTip(QStringLiteral("Adotta il set %1").arg(QChar(letter)));
    connect(button, &QPushButton::clicked, this, [this, letter] { adoptClicked(letter); });
    grid->addWidget(button, kAspectCount + 1, column + 1, Qt::AlignHCenter);
    adopt_[std::size_t(column)] = button;
    columns_[std::size_t(column)].push_back(button);
  }
  grid->setColumnMinimumWidth(0, 110);

  // The parallel and antiscia orbs: carried through both files, shown by no
  // one; the panel stays hidden.
  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("Panel1"));
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  auto* extras = new QGridLayout(panel);
  extras->addWidget(new QLabel(fromCp1252(OrbWindowModel::kParallelLabel1), panel), 0, 0);
  extras->addWidget(new QLabel(fromCp1252(OrbWindowModel::kParallelLabel2), panel), 1, 0);
  QLineEdit* parallel = orbEdit(panel, QStringLiteral("EditParal"));
  extras->addWidget(parallel, 0, 1, 2, 1);
  extras->addWidget(new QLabel(fromCp1252(OrbWindowModel::kAntisciaLabel1), panel), 0, 2);
  extras->addWidget(new QLabel(fromCp1252(OrbWindowModel::kAntisciaLabel2), panel), 1, 2);
  QLineEdit* antiscia = orbEdit(panel, QStringLiteral("EditAntis"));
  extras->addWidget(antiscia, 0, 3, 2, 1);
  fields_.push_back({parallel, {OrbFieldKind::Parallel, 0}});
  fields_.push_back({antiscia, {OrbFieldKind::Antiscia, 0}});
  outer->addWidget(panel);
  panel->hide();

  // The set in force, and the way back.
  auto* bottom = new QHBoxLayout();
  outer->addLayout(bottom);
  labelOrbite_ = new QLabel(fromCp1252(OrbWindowModel::kLabelOrbite), this);
  labelOrbite_->setObjectName(QStringLiteral("LabelOrbite"));
  bottom->addWidget(labelOrbite_);
  edit1_ = new QLineEdit(this);
  edit1_->setObjectName(QStringLiteral("Edit1"));
  edit1_->setReadOnly(true);
  edit1_->setFocusPolicy(Qt::NoFocus);
  edit1_->setAlignment(Qt::AlignCenter);
  edit1_->setFixedSize(30, kRowHeight);
  QFont letterFont = edit1_->font();
  letterFont.setBold(true);
  edit1_->setFont(letterFont);
  setBase(edit1_, kReadOnly, Qt::black);
  bottom->addWidget(edit1_);
  bottom->addStretch(1);
  return_ = plainButton(this, QStringLiteral("BBritorna"), fromCp1252(OrbWindowModel::kReturnCaption));
  connect(return_, &QPushButton::clicked, this, &TFoOrbMorva::returnClicked);
  bottom->addWidget(return_);

  // The frame that marks the set in force: drawn over its column, letting
  // the mouse through to the fields.
  for (int column = 0; column < 3; ++column) {
    auto* bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Bevel%1").arg(QChar(letters[column])));
    bevel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    bevel->setLineWidth(2);
    bevel->setAttribute(Qt::WA_TransparentForMouseEvents);
    bevel->hide();
    bevels_[std::size_t(column)] = bevel;
  }

  for (const FieldControl& control : fields_) {
    connect(control.edit, &QLineEdit::textEdited, this, [this, control] { fieldEdited(control); });
  }
  // Tab goes down set B, then down set C.
  QWidget* previous = nullptr;
  for (OrbFieldKind kind : {OrbFieldKind::SetB, OrbFieldKind::SetC}) {
    for (const FieldControl& control : fields_) {
      if (control.id.kind != kind) continue;
      if (previous) setTabOrder(previous, control.edit);
      previous = control.edit;
    }
  }

  // A fixed window, sized now: the main window places it by its size before
  // showing it.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  layout()->activate();
  placeBevels();
}

int TFoOrbMorva::exec() {
  load();
  preloaded_ = true;
  return QDialog::exec();
}

void TFoOrbMorva::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;  // the window came back from being minimised: no new opening
  if (preloaded_) {
    preloaded_ = false;
  } else {
    try {
      load();
    } catch (...) {
      // The error goes on to the general error box; the window, holding
      // nothing it could show, closes once the box is done.
      QMetaObject::invokeMethod(this, [this] { QDialog::reject(); }, Qt::QueuedConnection);
      throw;
    }
  }
  placeBevels();
}

void TFoOrbMorva::load() {
  loaded_ = false;
  // Opening resets the cursor (an hourglass left by the caller).
  while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
  model_.open();
  loaded_ = true;
  for (int row = 1; row <= kAspectCount; ++row) setA_[std::size_t(row - 1)]->setText(fromCp1252(model_.setAText(row)));
  showFields();
  showSetInForce();
  if (!fields_.empty()) fields_.front().edit->setFocus();
}

void TFoOrbMorva::showFields() {
  for (const FieldControl& control : fields_) {
    const OrbField& field = model_.field(control.id);
    putBack(control.edit, fromCp1252(field.text));
    showColour(control.edit, field.colour);
  }
  return_->setEnabled(model_.canReturn());
}

void TFoOrbMorva::showSetInForce() {
  edit1_->setText(fromCp1252(model_.edit1Text()));
  const int marked = columnIndex(model_.markedColumn());
  for (int column = 0; column < 3; ++column) bevels_[std::size_t(column)]->setVisible(column == marked);
  placeBevels();
}

void TFoOrbMorva::placeBevels() {
  for (int column = 0; column < 3; ++column) {
    QRect area;
    for (const QWidget* widget : columns_[std::size_t(column)]) area = area.united(widget->geometry());
    QFrame* bevel = bevels_[std::size_t(column)];
    bevel->setGeometry(area.adjusted(-kBevelMargin, -kBevelMargin, kBevelMargin, kBevelMargin));
    bevel->raise();
  }
}

void TFoOrbMorva::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  placeBevels();
}

void TFoOrbMorva::fieldEdited(const FieldControl& control) {
  model_.editField(control.id, toCp1252(control.edit->text()));
  showFields();
}

void TFoOrbMorva::adoptClicked(char setLetter) {
  const OrbWindowModel::AdoptResult result = model_.adopt(setLetter);
  if (result.message) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("QxMorva"), fromCp1252(*result.message), QMessageBox::Ok,
                    this);
    box.setObjectName(QStringLiteral("MessaggioOrbite"));
    box.exec();
    return;
  }
  showFields();
  showSetInForce();
  if (result.comboText) emit orbSetAdopted(fromCp1252(*result.comboText));
}

void TFoOrbMorva::returnClicked() {
  if (leave()) QDialog::accept();
}

void TFoOrbMorva::reject() {
  if (leave()) QDialog::reject();
}

bool TFoOrbMorva::leave() {
  // A window whose files could not be read holds nothing worth writing.
  if (!loaded_) return true;
  const OrbWindowModel::CloseResult result = model_.close();
  if (!result.closed) {
    QApplication::beep();
    return false;
  }
  loaded_ = false;
  if (result.comboText) emit orbSetAdopted(fromCp1252(*result.comboText));
  return true;
}

}  // namespace qx
