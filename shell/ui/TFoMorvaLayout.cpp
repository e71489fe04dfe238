// The main window's controls: where each one lies, what it shows and which
// command it runs. The window is laid out by hand at its fixed size of
// 636 x 456.

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

#include "Cp1252.h"
#include "DesktopDocuments.h"
#include "ShellPictures.h"
#include "ShellState.h"
#include "TFoMorva.h"

namespace qx {

namespace {

QPalette coloured(QPalette palette, const QColor& background, const QColor& text) {
  palette.setColor(QPalette::Base, background);
  palette.setColor(QPalette::Window, background);
  palette.setColor(QPalette::Text, text);
  palette.setColor(QPalette::WindowText, text);
  return palette;
}

QLabel* addLabel(QWidget* parent, const QString& text, const QRect& geometry) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(geometry);
  return label;
}

// A picture in a label; a plain frame where the picture is missing.
QLabel* addPicture(QWidget* parent, const char* name, const QPixmap& picture, const QRect& geometry) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(geometry);
  label->setAlignment(Qt::AlignCenter);
  if (picture.isNull())
    label->setFrameShape(QFrame::Box);
  else
    label->setPixmap(picture);
  return label;
}

// The choosers: editable combo boxes over fixed items.
QComboBox* addChooser(QWidget* parent, const char* name, const QStringList& items, const QRect& geometry) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(QString::fromLatin1(name));
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);
  combo->addItems(items);
  combo->setGeometry(geometry);
  return combo;
}

}  // namespace

QPushButton* TFoMorva::addCommand(QWidget* parent, const char* name, const QString& caption,
                                  const QRect& geometry, bool available, std::function<void()> action) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(geometry);
  button->setEnabled(available);
  if (!available) button->setToolTip(QString::fromLatin1(kNotYetAvailable));
  connect(button, &QPushButton::clicked, this, [this, action = std::move(action)] { runAction(action); });
  return button;
}

void TFoMorva::buildControls() {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(12);
  setFont(font);

  buildTopBand();

  pages_ = new QTabWidget(this);
  pages_->setObjectName(QStringLiteral("PageControl1"));
  pages_->setGeometry(6, 128, 624, 236);
  auto* subjects = new QWidget;
  subjects->setObjectName(QStringLiteral("TabSheet1"));
  auto* remedies = new QWidget;
  remedies->setObjectName(QStringLiteral("TabSheet2"));
  auto* accessories = new QWidget;
  accessories->setObjectName(QStringLiteral("TabSheet5"));
  pages_->addTab(subjects, QStringLiteral("Funzioni  Astrologiche"));
  pages_->addTab(remedies, QStringLiteral("Consultazione Rimedi"));
  pages_->addTab(accessories, QStringLiteral("Funzioni Accessorie"));
  buildSubjectPage(subjects);
  buildRemedyPage(remedies);
  buildAccessoryPage(accessories);
  pages_->setCurrentIndex(0);

  buildBottomPanel();
}

void TFoMorva::buildTopBand() {
  banner_ = addPicture(this, "Banner", applicationPicture(QStringLiteral("Banner")), QRect(0, 0, 636, 60));
  logo_ = addPicture(this, "Logo", applicationPicture(QStringLiteral("Logo")), QRect(568, 64, 60, 60));

  nameButton_ = addCommand(this, "BitBtnNomeCognome", QString(), QRect(8, 81, 172, 26),
                           windows_->isBuilt(WindowId::FoNomUte), [this] {
                             placeAndShow(WindowId::FoNomUte, 10);
                             nameButton_->setText(QString::fromStdString(cp1252ToUtf8(displayName(state_.userName()))));
                           });
  if (nameButton_->isEnabled()) nameButton_->setToolTip(QStringLiteral("Cambia Personalizzazione"));
  addCommand(this, "BBistruz", QStringLiteral("Istruzioni.pdf"), QRect(186, 81, 92, 26),
             windows_->isBuilt(WindowId::FoIstDef), [this] { placeAndShow(WindowId::FoIstDef, 10); });
  addCommand(this, "BBdispensa", QStringLiteral("Dispensa.pdf"), QRect(284, 81, 92, 26), true,
             [this] { openDocument(this, state_.folder(), "Dispensa.pdf"); });
  QPushButton* updates = addCommand(this, "EdAggiorna", QStringLiteral("Aggiornam."), QRect(382, 81, 76, 26),
                                    windows_->isBuilt(WindowId::FoAggiorna),
                                    [this] { placeAndShow(WindowId::FoAggiorna, 10); });
  if (updates->isEnabled())
    updates->setToolTip(QStringLiteral("Per aggiornare l'elenco Rimedi e relativo utilizzo "));

  usageDates_ = new QComboBox(this);
  usageDates_->setObjectName(QStringLiteral("Cbox1"));
  usageDates_->setEditable(true);
  usageDates_->lineEdit()->setReadOnly(true);
  usageDates_->setMaxVisibleItems(25);
  usageDates_->setGeometry(464, 82, 96, 24);
  usageDates_->lineEdit()->installEventFilter(this);
}

void TFoMorva::buildSubjectPage(QWidget* page) {
  addLabel(page, QStringLiteral("Soggetto Attualmente selezionato"), QRect(12, 4, 330, 16));

  memoDati_ = new QPlainTextEdit(page);
  memoDati_->setObjectName(QStringLiteral("MemoDati"));
  memoDati_->setReadOnly(true);
  memoDati_->setLineWrapMode(QPlainTextEdit::NoWrap);
  memoDati_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  memoDati_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  memoDati_->setPalette(coloured(memoDati_->palette(), QColor(0x00, 0x80, 0x80), Qt::white));
  memoDati_->setGeometry(10, 22, 340, 118);
  memoDati_->viewport()->installEventFilter(this);

  memoAnnotaz_ = new QPlainTextEdit(page);
  memoAnnotaz_->setObjectName(QStringLiteral("MemoAnnotaz"));
  memoAnnotaz_->setReadOnly(true);
  memoAnnotaz_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memoAnnotaz_->setPalette(coloured(memoAnnotaz_->palette(), QColor(0xC0, 0xC0, 0xC0), Qt::black));
  memoAnnotaz_->setGeometry(memoDati_->geometry());
  memoAnnotaz_->viewport()->installEventFilter(this);
  memoAnnotaz_->hide();

  // The subject commands.
  struct Command {
    const char* name;
    QString caption;
    WindowId window;
    std::function<void()> action;
  };
  const Command commands[] = {
      {"BitBtnDati", QStringLiteral("Richiamo Nuovo Soggetto"), WindowId::FormRich,
       [this] {
         placeAndShow(WindowId::FormRich, 0);
         loadCurrentSubject();
       }},
      {"BBProped", QStringLiteral("Modello Propedeutico Interattivo"), WindowId::FgrMorva,
       [this] {
         QApplication::setOverrideCursor(Qt::WaitCursor);
         try {
           CurrentSubjectView view;
           state_.prepareChartWindow(view);
           showSubject(view);
           showNonModal(WindowId::FgrMorva);
         } catch (...) {
           QApplication::restoreOverrideCursor();
           throw;
         }
         QApplication::restoreOverrideCursor();
       }},
      {"BitBtnInputA", QStringLiteral("Inserim Dati Nascita"), WindowId::FoInputMorva,
       [this] {
         placeAndShow(WindowId::FoInputMorva, 10);
         loadCurrentSubject();
       }},
      {"BitBtnCancel", QStringLiteral("Eliminaz Dati Nascita"), WindowId::FoCancel,
       [this] { placeAndShow(WindowId::FoCancel, 10); }},
      {"BitBtn1", QStringLiteral("Modifica Dati Nascita / Crea Testo"), WindowId::FoModifi,
       [this] { placeAndShow(WindowId::FoModifi, 10); }},
  };
  int y = 4;
  for (const Command& c : commands) {
    addCommand(page, c.name, c.caption, QRect(362, y, 246, 24), windows_->isBuilt(c.window), c.action);
    y += 28;
  }

  auto* sheets = new QGroupBox(QStringLiteral("Grafici Riassuntivi Stampabili"), page);
  sheets->setObjectName(QStringLiteral("PanelGrafici"));
  sheets->setGeometry(10, 146, 598, 58);
  struct Sheet {
    const char* name;
    QString caption;
    int code;
    char orientation;
  };
  // "Orizzontale 2" leaves out the mutual receptions; that step is the sheet
  // window's own.
  const Sheet sheetCommands[] = {
      {"BBOriz", QStringLiteral("Orizzontale 1 "), kHorizontal1Sheet, 'L'},
      {"BBVert", QStringLiteral("Verticale 1"), kVertical1Sheet, 'P'},
      {"BBoriz2", QStringLiteral("Orizzontale 2"), kHorizontal2Sheet, 'L'},
      {"BBvert2", QStringLiteral("Verticale 2"), kVertical2Sheet, 'P'},
  };
  const bool sheetWindow = windows_->isBuilt(WindowId::FgrNaMorva);
  int x = 12;
  for (const Sheet& s : sheetCommands) {
    addCommand(sheets, s.name, s.caption, QRect(x, 22, 136, 26), sheetWindow,
               [this, code = s.code, orientation = s.orientation] { summarySheet(code, orientation); });
    x += 146;
  }
}

void TFoMorva::buildRemedyPage(QWidget* page) {
  struct Command {
    const char* name;
    QString caption;
    std::optional<WindowId> window;  // none: a window created anew, not built yet
  };
  const Command commands[] = {
      {"BBSintomi", QStringLiteral("Sintomi"), std::nullopt},
      {"BitBtn2", QStringLiteral("Rimedi"), std::nullopt},
      {"BitBtn3", QStringLiteral("Terapie"), WindowId::FoTerapi},
      {"BitBtn4", QStringLiteral("Database Primario"), WindowId::FoMainArc},
      {"BBaggRep", QStringLiteral("Repertorio Terapie"), WindowId::FoAggRep},
      {"BitBtn5", QStringLiteral("Segnature Astrologiche / S"), WindowId::FoSegnat},
      {"BitBtn6", QStringLiteral("Debilità Astrologiche / T"), WindowId::FoMali},
      {"BitBtn7", QStringLiteral("Piante e Principi Attivi"), WindowId::FoPiante},
      {"BitBtn9", QStringLiteral("Sintesi Psichica"), WindowId::FoSintesi},
      {"BIlvo1", QStringLiteral("Ilvo-1"), WindowId::FoSintom3},
      {"BIlvo2", QStringLiteral("Ilvo-2"), WindowId::FoSintom2},
  };
  int index = 0;
  for (const Command& c : commands) {
    const int column = index % 3, row = index / 3;
    const bool available = c.window && windows_->isBuilt(*c.window);
    addCommand(page, c.name, c.caption, QRect(14 + column * 200, 14 + row * 47, 188, 34), available,
               [this, window = c.window] {
                 if (window) showChild(*window);
               });
    ++index;
  }
}

void TFoMorva::buildAccessoryPage(QWidget* page) {
  struct Command {
    const char* name;
    QString caption;
    std::optional<WindowId> window;
    std::function<void()> action;
  };
  const Command commands[] = {
      {"BitBtnVarOrbAsp", QStringLiteral("Variaz Orbite Aspetti"), WindowId::FoOrbMorva,
       [this] { placeAndShow(WindowId::FoOrbMorva, 10); }},
      {"BBCerchio", QStringLiteral("Rotondità Cerchi e Ridimensionamento Schermo"), WindowId::FgrTxtMorva,
       [this] {
         state_.SheetCode = kCalibrationSheet;
         showChild(WindowId::FgrTxtMorva);
       }},
      {"BitBtn22", QStringLiteral("Spessore Linee"), WindowId::FoSpeLin,
       [this] { placeAndShow(WindowId::FoSpeLin, 10); }},
      {"BButility", QStringLiteral("Utility Ricerca"), WindowId::FoUtilit,
       [this] { placeAndShow(WindowId::FoUtilit, 10); }},
      {"BBSalva", QStringLiteral("Backup/Ripristino  Dati di Nascita e Testi "), std::nullopt, [] {}},
  };
  int index = 0;
  for (const Command& c : commands) {
    const int column = index % 2, row = index / 2;
    const bool available = c.window && windows_->isBuilt(*c.window);
    addCommand(page, c.name, c.caption, QRect(14 + column * 300, 18 + row * 60, 290, 40), available, c.action);
    ++index;
  }
}

void TFoMorva::buildBottomPanel() {
  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("Panel9"));
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel->setGeometry(6, 368, 624, 82);
  panel->setAutoFillBackground(true);
  QPalette colours = panel->palette();
  colours.setColor(QPalette::Window, QColor(0xFE, 0xE2, 0xBA));
  panel->setPalette(colours);

  addLabel(panel, QStringLiteral("Nodo Lunare"), QRect(12, 19, 92, 16));
  comboNodo_ = addChooser(panel, "ComboNodo", {QStringLiteral("VERO"), QStringLiteral("MEDIO")},
                          QRect(12, 37, 92, 26));
  addLabel(panel, QStringLiteral("Orbite Aspetti"), QRect(114, 19, 132, 16));
  QStringList orbItems;
  for (std::string_view item : kOrbComboItems) orbItems << QString::fromLatin1(item.data(), qsizetype(item.size()));
  comboOrb_ = addChooser(panel, "ComboOrb", orbItems, QRect(114, 37, 132, 26));
  connect(comboNodo_, &QComboBox::editTextChanged, this, &TFoMorva::nodeChooserEdited);
  connect(comboOrb_, &QComboBox::editTextChanged, this, &TFoMorva::orbChooserEdited);
  comboNodo_->lineEdit()->installEventFilter(this);

  lockButton_ = addCommand(panel, "BBlk", QString(), QRect(254, 36, 28, 28), true, [this] {
    state_.toggleChoosersLock();
    showChooserLock();
  });
  lockButton_->setIconSize(QSize(24, 24));
  lockButton_->setToolTip(QStringLiteral("Sblocca/Blocca"));

  printerTypeButton_ = new QToolButton(panel);
  printerTypeButton_->setObjectName(QStringLiteral("SBtipoStamp"));
  printerTypeButton_->setGeometry(300, 33, 34, 34);
  printerTypeButton_->setIcon(printerTypeGlyph());
  printerTypeButton_->setIconSize(QSize(24, 24));
  printerTypeButton_->setAutoRaise(true);
  const bool printerWindow = windows_->isBuilt(WindowId::FoStampa);
  printerTypeButton_->setEnabled(printerWindow);
  if (!printerWindow) printerTypeButton_->setToolTip(QString::fromLatin1(kNotYetAvailable));
  connect(printerTypeButton_, &QToolButton::clicked, this,
          [this] { runAction([this] { placeAndShow(WindowId::FoStampa, 10); }); });
  printerTypeLabel1_ = addLabel(panel, QStringLiteral("Tipo"), QRect(338, 34, 80, 16));
  printerTypeLabel2_ = addLabel(panel, QStringLiteral("Stampante"), QRect(338, 50, 80, 16));
  printerTypeLabel1_->installEventFilter(this);
  printerTypeLabel2_->installEventFilter(this);

  openTextButton_ = addCommand(panel, "BBApriTesto", QStringLiteral("Apri Testo"), QRect(440, 36, 100, 28), true,
                               [this] { openSubjectText(); });
  openTextButton_->hide();

  exitPicture_ = addPicture(panel, "Image9", QPixmap(), QRect(572, 30, 40, 40));
  exitPicture_->setToolTip(QStringLiteral("Chiudi il Programma"));
  exitPicture_->installEventFilter(this);
  showExitPicture(false);

  showChooserLock();
}

}  // namespace qx
