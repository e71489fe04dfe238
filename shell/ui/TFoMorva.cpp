#include "TFoMorva.h"

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include "Cp1252.h"
#include "DesktopDocuments.h"
#include "GeneralErrorBox.h"
#include "ShellPictures.h"
#include "ShellState.h"
#include "TFoOrbMorva.h"

namespace qx {

namespace {

QString fromCp1252(std::string_view text) { return QString::fromStdString(cp1252ToUtf8(text)); }
std::string toCp1252(const QString& text) { return utf8ToCp1252(text.toStdString()); }

// The desktop's editor for a text file, started without a shell and not
// waited for.
bool startDesktopEditor(const QString& path) {
  if (QProcess::startDetached(QStringLiteral("xdg-open"), {path})) return true;
  return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void showMessage(QWidget* parent, QMessageBox::Icon icon, const QString& name, const QString& text) {
  QMessageBox box(icon, QStringLiteral("QxMorva"), text, QMessageBox::Ok, parent);
  box.setObjectName(name);
  box.exec();
}

QColor colourOf(std::uint32_t rgb) { return QColor(int(rgb >> 16) & 0xFF, int(rgb >> 8) & 0xFF, int(rgb) & 0xFF); }

}  // namespace

// The title bar has no close or maximise button: the program is left through
// the exit picture.
TFoMorva::TFoMorva(ShellState& state, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint),
      state_(state),
      startEditor_(startDesktopEditor) {
  setObjectName(QStringLiteral("FoMorva"));
  setWindowTitle(QString::fromLatin1(kCaption));
  // Client area 636 x 456 with a fixed border, background #DEDEDE.
  setFixedSize(kClientWidth, kClientHeight);
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, QColor(0xDE, 0xDE, 0xDE));
  setPalette(colours);

  // The other windows of the application, in their order, after this one.
  windows_ = std::make_unique<ChildWindows>(state_, this);
  buildControls();
  // A set adopted in the orb window is shown by the chooser at once.
  if (auto* orbWindow = windows_->as<TFoOrbMorva>(WindowId::FoOrbMorva))
    connect(orbWindow, &TFoOrbMorva::orbSetAdopted, this,
            [this](const QString& comboText) { setChooserText(comboOrb_, comboText); });
}

TFoMorva::~TFoMorva() = default;

// --- Activation ---

bool TFoMorva::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::WindowActivate:
      activateIfNeeded();
      break;
    case QEvent::WindowDeactivate:
      // A window opened from here (or another program) took the activation;
      // the next activation reloads everything. Messages shown during an
      // activation do not count: their return must not start another one.
      if (!inActivation_) needsActivation_ = true;
      break;
    default:
      break;
  }
  return QWidget::event(event);
}

void TFoMorva::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // The first activation runs once the window is shown, even where the window
  // system does not make it the active window.
  QTimer::singleShot(0, this, &TFoMorva::activateIfNeeded);
}

void TFoMorva::activateIfNeeded() {
  if (needsActivation_ && !inActivation_ && isVisible()) runActivation();
}

void TFoMorva::runActivation() {
  inActivation_ = true;
  needsActivation_ = false;
  ActivationView view;
  std::exception_ptr failure;
  try {
    sizeFullScreenWindows();
    state_.activate(frameGeometry().width(), frameGeometry().height(), view);
  } catch (const std::exception&) {
    failure = std::current_exception();
  }
  showActivation(view);
  if (!view.restoredMessages.empty()) {
    QStringList lines;
    for (const std::string& message : view.restoredMessages) lines << fromCp1252(message);
    showMessage(this, QMessageBox::Information, QStringLiteral("MessaggioRipristino"), lines.join('\n'));
  }
  if (failure) {
    try {
      std::rethrow_exception(failure);
    } catch (const std::exception& error) {
      showGeneralError(error, this);
    }
  } else {
    // Once per run, after the first activation.
    try {
      showUsageDates();
    } catch (const std::exception& error) {
      showGeneralError(error, this);
    }
  }
  ++activationCount_;
  inActivation_ = false;
  emit activationDone();
}

void TFoMorva::sizeFullScreenWindows() {
  const QScreen* where = screen() ? screen() : QGuiApplication::primaryScreen();
  if (!where) return;
  const QSize size = where->geometry().size();
  for (WindowId id : ChildWindows::kFullScreen) {
    QWidget* window = windows_->window(id);
    window->setGeometry(0, 0, size.width(), size.height());
    // The tool panel lies along the bottom of the screen.
    if (auto* panel = window->findChild<QWidget*>(QStringLiteral("Panel1"), Qt::FindDirectChildrenOnly))
      panel->setGeometry(0, size.height() - panel->height(), size.width(), panel->height());
  }
}

void TFoMorva::showActivation(const ActivationView& view) {
  if (view.userDisplayName) nameButton_->setText(fromCp1252(*view.userDisplayName));
  if (view.nodeChoice) setChooserText(comboNodo_, fromCp1252(*view.nodeChoice));
  if (view.subject) showSubject(*view.subject);
  if (view.orbComboText) {
    setChooserText(comboOrb_, fromCp1252(*view.orbComboText));
    showChooserLock();
  }
}

void TFoMorva::showSubject(const CurrentSubjectView& view) {
  QStringList lines;
  for (const std::string& line : view.lines) lines << fromCp1252(line);
  memoDati_->setPlainText(lines.join('\n'));
  memoAnnotaz_->setPlainText(fromCp1252(view.annotation));
  openTextButton_->setVisible(view.textName.has_value());
}

void TFoMorva::showUsageDates() {
  const auto dates = state_.updateUsageLogOnce();
  if (!dates) return;
  usageDates_->clear();
  for (const std::string& date : *dates) usageDates_->addItem(fromCp1252(date.substr(0, 10)));
  usageDates_->setCurrentIndex(usageDates_->count() - 1);
}

void TFoMorva::loadCurrentSubject() {
  CurrentSubjectView view;
  try {
    state_.loadCurrentSubject(view);
  } catch (...) {
    showSubject(view);
    throw;
  }
  showSubject(view);
}

// --- Commands ---

void TFoMorva::runAction(const std::function<void()>& action) {
  try {
    action();
  } catch (const std::exception& error) {
    showGeneralError(error, this);
  }
}

void TFoMorva::placeAndShow(WindowId id, int margin) {
  QWidget* child = windows_->window(id);
  // Pending window messages first, then the main window's place as it is now.
  QCoreApplication::processEvents();
  const QRect frame = frameGeometry();
  state_.MainGeometry.left = frame.left();
  state_.MainGeometry.top = frame.top();
  // A window not shown yet has no frame: take the main window's.
  const QSize childSize = child->testAttribute(Qt::WA_WState_Created)
                              ? child->frameGeometry().size()
                              : child->size() + (frame.size() - size());
  const WindowPosition at = placeChildWindow(state_.MainGeometry, childSize.width(), childSize.height(), margin);
  child->move(at.left, at.top);
  showChild(id);
}

void TFoMorva::showChild(WindowId id) {
  QWidget* child = windows_->window(id);
  if (auto* dialog = qobject_cast<QDialog*>(child)) {
    dialog->exec();
    childClosed();
  } else {
    child->setWindowModality(Qt::ApplicationModal);
    child->show();
  }
}

void TFoMorva::childClosed() {
  // Whatever the child changed on disk is shown by the activation that its
  // closing brings, or by this one where the window system brings none.
  needsActivation_ = true;
  QTimer::singleShot(0, this, &TFoMorva::activateIfNeeded);
}

void TFoMorva::showNonModal(WindowId id) {
  QWidget* window = windows_->window(id);
  window->setWindowModality(Qt::NonModal);
  window->show();
  window->raise();
  window->activateWindow();
}

void TFoMorva::summarySheet(int sheetCode, char orientation) {
  CurrentSubjectView view;
  state_.prepareSummarySheet(sheetCode, orientation, view);
  showSubject(view);
  showNonModal(WindowId::FgrNaMorva);
}

void TFoMorva::openSubjectText() {
  const std::filesystem::path path = state_.handOffTextForEditing();
  const QString file = QString::fromStdString(path.string());
  if (!startEditor_(file))
    showMessage(this, QMessageBox::Warning, QStringLiteral("MessaggioTesto"),
                QStringLiteral("Nessun editor disponibile per aprire il testo \"%1\".").arg(file));
}

void TFoMorva::showChooserLock() {
  const ChooserLook look = chooserLook(state_.choosersLocked());
  for (QComboBox* combo : {comboNodo_, comboOrb_}) {
    combo->setEnabled(look.enabled);
    QPalette colours = combo->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
      for (QPalette::ColorRole role : {QPalette::Base, QPalette::Button, QPalette::Window})
        colours.setColor(group, role, colourOf(look.background));
      for (QPalette::ColorRole role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
        colours.setColor(group, role, colourOf(look.text));
    }
    combo->setPalette(colours);
    if (combo->lineEdit()) combo->lineEdit()->setPalette(colours);
  }
  const QString glyph = QString::fromLatin1(look.glyph.data(), qsizetype(look.glyph.size()));
  lockButton_->setIcon(glyphIcon(glyph));
  lockButton_->setProperty("glyph", glyph);
}

void TFoMorva::setChooserText(QComboBox* combo, const QString& text) {
  const QSignalBlocker quiet(combo);
  const int index = combo->findText(text);
  if (index >= 0) combo->setCurrentIndex(index);
  combo->setEditText(text);
}

void TFoMorva::orbChooserEdited(const QString& text) {
  state_.orbChooserChanged(toCp1252(text));
  QTimer::singleShot(0, this, &TFoMorva::myIdleHandler);
}

void TFoMorva::nodeChooserEdited(const QString& text) {
  state_.nodeChooserChanged(toCp1252(text));
  QTimer::singleShot(0, this, &TFoMorva::myIdleHandler);
}

void TFoMorva::nodeChooserDoubleClicked() {
  setChooserText(comboNodo_, fromCp1252(state_.nodeChooserDoubleClicked()));
  QTimer::singleShot(0, this, &TFoMorva::myIdleHandler);
}

void TFoMorva::myIdleHandler() {
  if (!state_.idleWorkPending()) return;
  runAction([this] {
    const IdleOutcome outcome =
        state_.runIdleHandler(toCp1252(comboNodo_->currentText()), toCp1252(comboOrb_->currentText()));
    if (outcome.nodeChooserText) setChooserText(comboNodo_, fromCp1252(*outcome.nodeChooserText));
    if (outcome.orbChooserText) setChooserText(comboOrb_, fromCp1252(*outcome.orbChooserText));
    if (outcome.errorMessage)
      showMessage(this, QMessageBox::Critical, QStringLiteral("MessaggioOrbite"), fromCp1252(*outcome.errorMessage));
  });
}

void TFoMorva::showExitPicture(bool pressed) {
  const QPixmap picture = exitPicture(state_.folder(), pressed);
  exitPicture_->setPixmap(picture);
  exitPicture_->setFrameShape(picture.isNull() ? QFrame::Box : QFrame::NoFrame);
}

bool TFoMorva::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched == exitPicture_) {
    if (type == QEvent::MouseButtonPress) {
      showExitPicture(true);
      return true;
    }
    if (type == QEvent::MouseButtonRelease) {
      showExitPicture(false);
      close();
      emit programEnded();
      return true;
    }
  } else if (watched == memoDati_->viewport() && type == QEvent::MouseButtonRelease) {
    memoAnnotaz_->show();
    memoAnnotaz_->raise();
  } else if (watched == memoAnnotaz_->viewport() && type == QEvent::MouseButtonRelease) {
    memoAnnotaz_->hide();
  } else if (watched == comboNodo_->lineEdit() && type == QEvent::MouseButtonDblClick) {
    nodeChooserDoubleClicked();
    return true;
  } else if (watched == usageDates_->lineEdit() && type == QEvent::MouseButtonDblClick) {
    usageDates_->hide();
    return true;
  } else if ((watched == printerTypeLabel1_ || watched == printerTypeLabel2_) &&
             type == QEvent::MouseButtonRelease) {
    // A click on either label acts as a click on the button.
    if (printerTypeButton_->isEnabled()) printerTypeButton_->click();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace qx
