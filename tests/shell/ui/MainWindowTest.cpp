#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <filesystem>

#include "Calendar.h"
#include "ChildWindows.h"
#include "DesktopDocuments.h"
#include "GeneralErrorBox.h"
#include "HandOffFiles.h"
#include "IoError.h"
#include "PlaceholderWindow.h"
#include "QxApplication.h"
#include "WidgetTestSupport.h"
#include "ShellState.h"
#include "StartUp.h"
#include "SubjectArchive.h"
#include "SubjectTexts.h"
#include "TFoIstDef.h"
#include "TFoMorva.h"
#include "TempFolder.h"
#include "TextFile.h"
#include "UsageLog.h"
#include "shell/FileBytes.h"

namespace qxtest {
namespace {

namespace fs = std::filesystem;

// Lets the event loop run for a while (idle handlers, activations, boxes).
void settle(int milliseconds = 100) { QTest::qWait(milliseconds); }

QString latin1(std::string_view text) { return QString::fromLatin1(text.data(), qsizetype(text.size())); }

// The program on a working folder that starts as a copy of the installation
// tree, which is also the tree missing files are put back from. The main
// window is started by `start`, so that a test can prepare the folder first.
class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() {
    work.copyInstallation();
    installation.copyInstallation();
  }

  qx::TFoMorva& start(std::optional<qx::Extended> printerWidth = 4960) {
    window = qx::startUp(state, [printerWidth] { return printerWidth; });
    EXPECT_TRUE(QTest::qWaitFor([this] { return window->activationCount() >= 1; }, 5000));
    return *window;
  }

  // The window loses the activation to another window and gets it back.
  void reactivate() {
    const int before = window->activationCount();
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(window.get(), &deactivate);
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(window.get(), &activate);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->activationCount() > before; }, 5000));
  }

  // A control of the main window itself (the other windows are its children
  // and have controls of the same names).
  template <class Widget>
  Widget* find(const char* objectName) {
    for (Widget* widget : window->findChildren<Widget*>(QString::fromLatin1(objectName)))
      if (widget->window() == window.get()) return widget;
    ADD_FAILURE() << "no control " << objectName;
    return nullptr;
  }

  QStringList memoLines() { return find<QPlainTextEdit>("MemoDati")->toPlainText().split('\n'); }

  void unlockChoosers() {
    QTest::mouseClick(find<QPushButton>("BBlk"), Qt::LeftButton);
    ASSERT_TRUE(find<QComboBox>("ComboOrb")->isEnabled());
  }

  fs::path file(const char* name) const { return work.path() / name; }

  QApplication& app = testApplication<qx::QxApplication>();
  TempFolder work;
  TempFolder installation;
  qx::ShellState state{qx::WorkFolder(work.path()), {installation.path()}};
  std::unique_ptr<qx::TFoMorva> window;
};

TEST(MainWindow, CaptionNameAndSize) {
  testApplication<qx::QxApplication>();
  TempFolder work;
  work.copyInstallation();
  qx::ShellState state(qx::WorkFolder(work.path()), {});
  qx::TFoMorva window(state);
  EXPECT_EQ(window.objectName(), "FoMorva");
  EXPECT_EQ(window.windowTitle(), "QxMorva - MAR 2015  Demo");
  EXPECT_EQ(window.size(), QSize(636, 456));
  EXPECT_EQ(window.minimumSize(), window.maximumSize());
  EXPECT_EQ(window.palette().color(QPalette::Window), QColor(0xDE, 0xDE, 0xDE));
}

TEST_F(MainWindowTest, ControlsCarryTheirNamesAndCaptions) {
  start();
  const struct {
    const char* name;
    QString caption;
    bool available;  // its window is built
    int tab;         // 0: not on a tab
  } commands[] = {
      {"BitBtnDati", "Richiamo Nuovo Soggetto", false, 1},
      {"BBProped", "Modello Propedeutico Interattivo", false, 1},
      {"BitBtnInputA", "Inserim Dati Nascita", false, 1},
      {"BitBtnCancel", "Eliminaz Dati Nascita", false, 1},
      {"BitBtn1", "Modifica Dati Nascita / Crea Testo", false, 1},
      {"BBOriz", "Orizzontale 1 ", false, 1},
      {"BBVert", "Verticale 1", false, 1},
      {"BBoriz2", "Orizzontale 2", false, 1},
      {"BBvert2", "Verticale 2", false, 1},
      {"BBSintomi", "Sintomi", false, 2},
      {"BitBtn2", "Rimedi", false, 2},
      {"BitBtn3", "Terapie", false, 2},
      {"BitBtn4", "Database Primario", false, 2},
      {"BBaggRep", "Repertorio Terapie", false, 2},
      {"BitBtn5", "Segnature Astrologiche / S", false, 2},
      {"BitBtn6", QStringLiteral("Debilità Astrologiche / T"), false, 2},
      {"BitBtn7", "Piante e Principi Attivi", false, 2},
      {"BitBtn9", "Sintesi Psichica", false, 2},
      {"BIlvo1", "Ilvo-1", false, 2},
      {"BIlvo2", "Ilvo-2", false, 2},
      {"BitBtnVarOrbAsp", "Variaz Orbite Aspetti", true, 3},
      {"BBCerchio", QStringLiteral("Rotondità Cerchi e Ridimensionamento Schermo"), false, 3},
      {"BitBtn22", "Spessore Linee", false, 3},
      {"BButility", "Utility Ricerca", false, 3},
      {"BBSalva", "Backup/Ripristino  Dati di Nascita e Testi ", false, 3},
      {"BitBtnNomeCognome", "Nome Cognome", true, 0},
      {"EdAggiorna", "Aggiornam.", false, 0},
      {"BBistruz", "Istruzioni.pdf", true, 0},
      {"BBdispensa", "Dispensa.pdf", true, 0},
      {"BBApriTesto", "Apri Testo", true, 0},
  };
  auto* pages = find<QTabWidget>("PageControl1");
  for (const auto& c : commands) {
    SCOPED_TRACE(c.name);
    auto* button = find<QAbstractButton>(c.name);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), c.caption);
    EXPECT_EQ(button->isEnabled(), c.available);
    if (!c.available) {
      EXPECT_EQ(button->toolTip(), "Funzione non ancora disponibile");
    }
    if (c.tab) {
      EXPECT_TRUE(pages->widget(c.tab - 1)->isAncestorOf(button));
    }
  }
  EXPECT_EQ(pages->count(), 3);
  EXPECT_EQ(pages->currentIndex(), 0);
  const QString tabs[] = {"Funzioni  Astrologiche", "Consultazione Rimedi", "Funzioni Accessorie"};
  const char* sheets[] = {"TabSheet1", "TabSheet2", "TabSheet5"};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(pages->tabText(i), tabs[i]);
    EXPECT_EQ(pages->widget(i)->objectName(), sheets[i]);
  }

  EXPECT_EQ(find<QPushButton>("BitBtnNomeCognome")->toolTip(), "Cambia Personalizzazione");
  EXPECT_EQ(find<QPushButton>("BBlk")->toolTip(), "Sblocca/Blocca");
  EXPECT_EQ(find<QLabel>("Image9")->toolTip(), "Chiudi il Programma");
  EXPECT_FALSE(find<QToolButton>("SBtipoStamp")->isEnabled());
  EXPECT_EQ(find<QComboBox>("Cbox1")->maxVisibleItems(), 25);
  EXPECT_EQ(find<QWidget>("Panel9")->palette().color(QPalette::Window), QColor(0xFE, 0xE2, 0xBA));
  EXPECT_EQ(find<QGroupBox>("PanelGrafici")->title(), "Grafici Riassuntivi Stampabili");
  QStringList labels;
  for (const QLabel* label : window->findChildren<QLabel*>())
    if (label->window() == window.get()) labels << label->text();
  for (const char* text : {"Nodo Lunare", "Orbite Aspetti", "Tipo", "Stampante", "Soggetto Attualmente selezionato"})
    EXPECT_TRUE(labels.contains(text)) << text;

  auto* nodes = find<QComboBox>("ComboNodo");
  auto* orbs = find<QComboBox>("ComboOrb");
  EXPECT_TRUE(nodes->isEditable() && orbs->isEditable());
  EXPECT_EQ(nodes->count(), 2);
  EXPECT_EQ(nodes->itemText(0), "VERO");
  EXPECT_EQ(nodes->itemText(1), "MEDIO");
  ASSERT_EQ(orbs->count(), 3);
  EXPECT_EQ(orbs->itemText(0), "A (normali)");
  EXPECT_EQ(orbs->itemText(1), "B (personali)");
  EXPECT_EQ(orbs->itemText(2), "C (personali)");

  auto* memo = find<QPlainTextEdit>("MemoDati");
  EXPECT_TRUE(memo->isReadOnly());
  EXPECT_EQ(memo->palette().color(QPalette::Base), QColor(0x00, 0x80, 0x80));
  EXPECT_EQ(memo->palette().color(QPalette::Text), QColor(Qt::white));
  // Seven lines of the memo's font fit.
  EXPECT_GE(memo->viewport()->height(), 7 * memo->fontMetrics().lineSpacing());
  auto* annotations = find<QPlainTextEdit>("MemoAnnotaz");
  EXPECT_TRUE(annotations->isReadOnly());
  EXPECT_FALSE(annotations->isVisible());
  EXPECT_EQ(annotations->geometry(), memo->geometry());
  EXPECT_EQ(annotations->palette().color(QPalette::Base), QColor(0xC0, 0xC0, 0xC0));
  EXPECT_EQ(annotations->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

TEST_F(MainWindowTest, FirstStartWithoutPrinter) {
  MessageCatcher messages;
  start(std::nullopt);
  EXPECT_EQ(messages.texts, QStringList{"OCCORRE INSTALLARE DRIVER STAMPANTE - VEDERE MANUALE (inizio)"});
  EXPECT_FALSE(state.printerAvailable());
  EXPECT_TRUE(window->isVisible());

  // The 28 windows, in their order, all hidden but the main one.
  QStringList created{"FoMorva"}, expected;
  for (const QObject* child : window->children())
    if (child->isWidgetType() && static_cast<const QWidget*>(child)->isWindow()) created << child->objectName();
  for (const qx::WindowEntry& entry : qx::kWindowTable) expected << qx::instanceName(entry);
  EXPECT_EQ(created, expected);
  for (const qx::WindowEntry& entry : qx::kWindowTable) {
    SCOPED_TRACE(entry.className.data());
    if (entry.id == qx::WindowId::FoMorva) continue;
    QWidget* child = window->windows().window(entry.id);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->objectName(), qx::instanceName(entry));
    EXPECT_FALSE(child->isVisible());
    EXPECT_EQ(child->parentWidget(), window.get());
    if (const auto* placeholder = qobject_cast<qx::PlaceholderWindow*>(child)) {
      EXPECT_EQ(placeholder->windowClassName(), latin1(entry.className));
      EXPECT_EQ(placeholder->windowTitle(), latin1(entry.caption));
    }
  }
  EXPECT_TRUE(window->windows().isBuilt(qx::WindowId::FoOrbMorva));
  EXPECT_FALSE(window->windows().isBuilt(qx::WindowId::FormRich));
  // The full-screen windows cover the screen; a tool panel lies along its
  // bottom.
  const QSize screen = window->screen()->geometry().size();
  for (qx::WindowId id : qx::ChildWindows::kFullScreen)
    EXPECT_EQ(window->windows().window(id)->geometry(), QRect(QPoint(0, 0), screen));
  auto* panel = new QWidget(window->windows().window(qx::WindowId::FgrMorva));
  panel->setObjectName("Panel1");
  panel->setGeometry(5, 5, 100, 40);
  reactivate();
  EXPECT_EQ(panel->geometry(), QRect(0, screen.height() - 40, screen.width(), 40));

  // The current subject, the empty personal archive, the usage log.
  EXPECT_EQ(memoLines(), (QStringList{"ROSSI MARIA", "Nascita 15/06/1968 14:30  Correz. -2",
                                      QStringLiteral("Località: ROMA (RM)"), QStringLiteral("Nazionalità: ITALIA"),
                                      "Coordinate: 41N54-012E30", "Calendario GREGORIANO"}));
  EXPECT_EQ(find<QPushButton>("BitBtnNomeCognome")->text(), "Nome Cognome");
  EXPECT_EQ(fs::file_size(file("BASE.ST1")), 44u);
  EXPECT_EQ(fs::file_size(file("BASE.ST2")), 385u);
  EXPECT_EQ(fs::file_size(file("BASE.ST3")), 284u);
  const std::string today = qx::julianDayDigits(qx::todayJulianDay());
  EXPECT_EQ(readBytes(file("OpzioneT/Sole.tm1")), "2451545\r\n" + today + "\r\n2\r\n");
  auto* dates = find<QComboBox>("Cbox1");
  ASSERT_EQ(dates->count(), 1);
  EXPECT_EQ(dates->itemText(0), QString::fromStdString(qx::usageDateText(qx::todayJulianDay())));

  // Further activations do not advance the log.
  EXPECT_EQ(readBytes(file("OpzioneT/Sole.tm1")), "2451545\r\n" + today + "\r\n2\r\n");
  EXPECT_EQ(messages.texts.size(), 1);
}

TEST_F(MainWindowTest, SecondStartLeavesTheArchiveAlone) {
  start();
  window.reset();
  std::vector<std::string> bytes;
  std::vector<fs::file_time_type> times;
  for (const char* name : {"BASE.ST1", "BASE.ST2", "BASE.ST3"}) {
    bytes.push_back(readBytes(file(name)));
    times.push_back(fs::last_write_time(file(name)));
  }
  qx::ShellState second(qx::WorkFolder(work.path()), {installation.path()});
  auto again = qx::startUp(second, [] { return std::optional<qx::Extended>(4960); });
  ASSERT_TRUE(QTest::qWaitFor([&] { return again->activationCount() >= 1; }, 5000));
  std::size_t i = 0;
  for (const char* name : {"BASE.ST1", "BASE.ST2", "BASE.ST3"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(readBytes(file(name)), bytes[i]);
    EXPECT_EQ(fs::last_write_time(file(name)), times[i]);
    ++i;
  }
  EXPECT_EQ(qx::readTextLines(file("OpzioneT/Sole.tm1"))[2], "3");
  window = std::move(again);
  EXPECT_EQ(find<QComboBox>("Cbox1")->count(), 2);
}

TEST_F(MainWindowTest, BackupPlaceholderIsPutBackAtActivation) {
  writeBytes(file("FileSet/MMVarLas.stt"),
             "1\r\n1\r\n0\r\n1\r\n 1.00000000000000E+0000\r\nE:\\Qx6Backup\r\n 1.00000000000000E+0000\r\n"
             " 9.50000000000000E-0001\r\n");
  start();
  EXPECT_EQ(readBytes(file("FileSet/MMVarLas.stt")),
            "1\r\n1\r\n0\r\n1\r\n 1.00000000000000E+0000\r\nDa definire\r\n 1.00000000000000E+0000\r\n"
            " 9.50000000000000E-0001\r\n");
}

TEST_F(MainWindowTest, LongNameIsCutToThirtyEightCharacters) {
  qx::CurrentSubject current = qx::readCurrentSubject(state.folder());
  current.index.setIndexText("BIANCHI-ROSSI MARIA ASSUNTA CATERINA LUIGIA");  // 43 characters, as a recall leaves it
  qx::replaceCurrentSubject(state.folder(), current.index, current.birth);
  start();
  EXPECT_EQ(memoLines().front(), "BIANCHI-ROSSI MARIA ASSUNTA CATERINA L");
}

TEST_F(MainWindowTest, LockColoursAndEveryActivationLocks) {
  start();
  const auto expectLook = [this](bool locked) {
    const QColor background = locked ? QColor(0x80, 0x80, 0x80) : QColor(0x00, 0xFF, 0xFF);
    const QColor text = locked ? QColor(Qt::white) : QColor(Qt::black);
    for (const char* name : {"ComboNodo", "ComboOrb"}) {
      SCOPED_TRACE(name);
      auto* combo = find<QComboBox>(name);
      EXPECT_EQ(combo->isEnabled(), !locked);
      const QPalette::ColorGroup group = locked ? QPalette::Disabled : QPalette::Active;
      EXPECT_EQ(combo->lineEdit()->palette().color(group, QPalette::Base), background);
      EXPECT_EQ(combo->lineEdit()->palette().color(group, QPalette::Text), text);
      // What the user sees: the colour inside the field, away from its text.
      const QImage seen = combo->grab().toImage();
      EXPECT_EQ(seen.pixelColor(seen.width() - 30, seen.height() - 5), background);
    }
    auto* lock = find<QPushButton>("BBlk");
    EXPECT_EQ(lock->property("glyph").toString(), locked ? "LockShut" : "LockOpen");
    EXPECT_FALSE(lock->icon().isNull());
  };
  expectLook(true);
  unlockChoosers();
  expectLook(false);
  QTest::mouseClick(find<QPushButton>("BBlk"), Qt::LeftButton);
  expectLook(true);
  unlockChoosers();
  reactivate();
  expectLook(true);
}

TEST_F(MainWindowTest, NodeChooserTypedOrDoubleClicked) {
  start();
  unlockChoosers();
  auto* nodes = find<QComboBox>("ComboNodo");
  const auto storedNode = [this] { return qx::readTextLines(file("FileSet/OrbiDomi.stt"))[17]; };

  // Typing a text that is neither choice: the idle handler puts back MEDIO.
  nodes->lineEdit()->selectAll();
  QTest::keyClicks(nodes->lineEdit(), "XYZ");
  EXPECT_EQ(nodes->currentText(), "XYZ");
  settle();
  EXPECT_EQ(nodes->currentText(), "MEDIO");
  EXPECT_EQ(storedNode(), "MEDIO");

  QTest::mouseDClick(nodes->lineEdit(), Qt::LeftButton);
  settle();
  EXPECT_EQ(nodes->currentText(), "VERO");
  EXPECT_EQ(storedNode(), "VERO");

  nodes->setCurrentIndex(1);  // chosen from the list
  settle();
  EXPECT_EQ(storedNode(), "MEDIO");
  EXPECT_EQ(state.orbSettings().nodeKind, "MEDIO");
}

TEST_F(MainWindowTest, ChoosingSetBWritesItsOrbs) {
  start();
  unlockChoosers();
  const std::vector<std::string> archive = qx::readTextLines(file("FileDum/MMVarOrb.dum"));
  find<QComboBox>("ComboOrb")->setCurrentIndex(1);
  settle();
  const std::vector<std::string> settings = qx::readTextLines(file("FileSet/OrbiDomi.stt"));
  ASSERT_EQ(settings.size(), 20u);
  for (int line = 0; line < 16; ++line) {
    SCOPED_TRACE(line + 1);
    EXPECT_EQ(settings[std::size_t(line)], archive[std::size_t(16 + line)]);  // numbers 17 to 32
  }
  EXPECT_EQ(settings[16], "CASE_MEDIE");
  EXPECT_EQ(settings[18], "B");
  EXPECT_EQ(qx::readTextLines(file("FileDum/MMVarOrb.dum")).at(48), "B");
  EXPECT_EQ(find<QComboBox>("ComboOrb")->currentText(), "B (personali)");
  EXPECT_EQ(state.orbSettings().setLetter, "B");

  // Without the orb archive the set stays and the error box says why.
  fs::remove(file("FileDum/MMVarOrb.dum"));
  MessageCatcher messages;
  find<QComboBox>("ComboOrb")->setCurrentIndex(2);
  settle(200);
  EXPECT_EQ(messages.texts, QStringList{"Manca File \"MMVarOrb.dum\""});
  EXPECT_EQ(find<QComboBox>("ComboOrb")->currentText(), "B (personali)");
  EXPECT_EQ(qx::readTextLines(file("FileSet/OrbiDomi.stt"))[18], "B");
}

TEST_F(MainWindowTest, FilesMissingAtActivationArePutBackAndSaid) {
  start();
  fs::remove(file("TMPR.ST1"));
  writeBytes(file("FileDum/Annotaz.dum"), "");
  MessageCatcher messages(window.get());
  reactivate();
  settle();
  ASSERT_EQ(messages.texts.size(), 1);
  EXPECT_EQ(messages.texts[0],
            QStringLiteral("Il file \"TMPR.ST1\" mancava o era danneggiato: è stato ripristinato dalla copia di "
                           "installazione.\n"
                           "Il file \"TMPR.ST2\" mancava o era danneggiato: è stato ripristinato dalla copia di "
                           "installazione.\n"
                           "Il file \"FileDum\\Annotaz.dum\" mancava o era danneggiato: è stato ripristinato dalla "
                           "copia di installazione."));
  EXPECT_EQ(memoLines().front(), "ROSSI MARIA");
  // Its closing brings no further activation, hence no further message.
  EXPECT_EQ(window->activationCount(), 2);
}

TEST_F(MainWindowTest, ActivationErrorIsShownOnceNotInALoop) {
  start();
  fs::remove_all(file("FilePosi"));  // the chart cannot be computed
  writeBytes(file("FileTmp/Personal.Tmp"), "Lucia\r\nFerri\r\n");
  MessageCatcher messages(window.get());
  reactivate();
  settle(500);
  ASSERT_EQ(messages.texts.size(), 1);
  EXPECT_EQ(messages.names[0], "GeneralErrorBox");
  EXPECT_TRUE(messages.texts[0].contains("DSEL.rnd"));
  EXPECT_EQ(window->activationCount(), 2);
  // What was read before the failure is shown.
  EXPECT_EQ(find<QPushButton>("BitBtnNomeCognome")->text(), "Lucia Ferri");

  // The next real activation tries again.
  reactivate();
  settle(200);
  EXPECT_EQ(messages.texts.size(), 2);
}

TEST_F(MainWindowTest, AnnotationMemoOverTheSubject) {
  start();
  auto* memo = find<QPlainTextEdit>("MemoDati");
  auto* annotations = find<QPlainTextEdit>("MemoAnnotaz");
  QTest::mouseClick(memo->viewport(), Qt::LeftButton);
  EXPECT_TRUE(annotations->isVisible());
  EXPECT_EQ(annotations->toPlainText(),
            QString::fromStdString(readBytes(file("FileDum/Annotaz.dum"))).trimmed().prepend(' '));
  QTest::mouseClick(annotations->viewport(), Qt::LeftButton);
  EXPECT_FALSE(annotations->isVisible());
}

TEST_F(MainWindowTest, OpenTextOnlyForTheSubjectsOwnText) {
  // A subject registered into TMPR with a text: the text starts with its name.
  qx::createSubjectText(state.folder(), "TMPR", 1, "ROSSI MARIA");
  qx::writeSubjectTextRef(state.folder(), {"TMPR", "00001"});
  start();
  QStringList started;
  window->setTextEditorStarter([&](const QString& path) {
    started << path;
    return true;
  });
  auto* openText = find<QPushButton>("BBApriTesto");
  ASSERT_TRUE(openText->isVisible());
  QTest::mouseClick(openText, Qt::LeftButton);
  EXPECT_EQ(readBytes(file("FileDum/DatModif.dum")), "TMPRtxt/00001.txt\r\n");
  EXPECT_EQ(started, QStringList{QString::fromStdString(state.folder().resolve("TMPRtxt/00001.txt").string())});

  // The reference left by another subject's text is not this subject's.
  qx::createSubjectText(state.folder(), "TMPR", 2, "BIANCHI PAOLO");
  qx::writeSubjectTextRef(state.folder(), {"TMPR", "00002"});
  reactivate();
  EXPECT_FALSE(openText->isVisible());
}

TEST_F(MainWindowTest, ChildIsPlacedAndItsClosingReloads) {
  start();
  window->move(40, 30);
  settle();
  QPoint placedAt;
  QSize childSize;
  QTimer::singleShot(100, [&] {
    if (auto* chooser = qobject_cast<qx::TFoIstDef*>(QApplication::activeModalWidget())) {
      placedAt = chooser->frameGeometry().topLeft();
      childSize = chooser->frameGeometry().size();
      chooser->reject();
    }
  });
  writeBytes(file("FileTmp/Personal.Tmp"), "Lucia\r\nFerri\r\n");
  const int before = window->activationCount();
  QTest::mouseClick(find<QPushButton>("BBistruz"), Qt::LeftButton);
  ASSERT_FALSE(childSize.isEmpty());
  const QRect main = window->frameGeometry();
  EXPECT_EQ(placedAt, QPoint(main.left() + main.width() + 10 - childSize.width(),
                             main.top() + main.height() + 10 - childSize.height()));
  // Closing the child reactivates the main window once, which reads the
  // user name again.
  ASSERT_TRUE(QTest::qWaitFor([&] { return window->activationCount() > before; }, 5000));
  settle();
  EXPECT_EQ(window->activationCount(), before + 1);
  EXPECT_EQ(find<QPushButton>("BitBtnNomeCognome")->text(), "Lucia Ferri");
}

TEST_F(MainWindowTest, TopBandCommands) {
  writeBytes(file("Dispensa.pdf"), "%PDF-1.4\n");
  start();
  QList<QUrl> opened;
  const qx::DocumentOpener previous = qx::setDocumentOpener([&](const QUrl& url) {
    opened << url;
    return true;
  });
  QTest::mouseClick(find<QPushButton>("BBdispensa"), Qt::LeftButton);
  qx::setDocumentOpener(previous);
  EXPECT_EQ(opened, QList<QUrl>{QUrl::fromLocalFile(QString::fromStdString(file("Dispensa.pdf").string()))});

  // The user-name window edits the state's name; the button shows it at once.
  QTimer::singleShot(100, [] {
    QWidget* dialog = QApplication::activeModalWidget();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->objectName(), "FoNomUte");
    auto* first = dialog->findChild<QLineEdit*>("EditNome");
    auto* last = dialog->findChild<QLineEdit*>("EditCognome");
    first->selectAll();
    QTest::keyClicks(first, "Lucia");
    last->selectAll();
    QTest::keyClicks(last, "Ferri");
    dialog->findChild<QPushButton*>("BitBtnOk")->click();
  });
  QTest::mouseClick(find<QPushButton>("BitBtnNomeCognome"), Qt::LeftButton);
  EXPECT_EQ(find<QPushButton>("BitBtnNomeCognome")->text(), "Lucia Ferri");
  EXPECT_EQ(readBytes(file("FileTmp/Personal.Tmp")), "Lucia\r\nFerri\r\n");
}

TEST_F(MainWindowTest, UsageListHidesOnDoubleClick) {
  start();
  auto* dates = find<QComboBox>("Cbox1");
  ASSERT_TRUE(dates->isVisible());
  QTest::mouseDClick(dates->lineEdit(), Qt::LeftButton);
  EXPECT_FALSE(dates->isVisible());
}

TEST_F(MainWindowTest, ExitPictureEndsTheProgram) {
  start();
  auto* exit = find<QLabel>("Image9");
  const QImage released(QString::fromStdString(file("FineProg.bmp").string()));
  const QImage pressed(QString::fromStdString(file("FineProgClic.bmp").string()));
  ASSERT_FALSE(released.isNull());
  EXPECT_EQ(exit->pixmap().toImage().convertToFormat(QImage::Format_RGB32), released.convertToFormat(QImage::Format_RGB32));
  QSignalSpy ended(window.get(), &qx::TFoMorva::programEnded);
  QTest::mousePress(exit, Qt::LeftButton);
  EXPECT_EQ(exit->pixmap().toImage().convertToFormat(QImage::Format_RGB32), pressed.convertToFormat(QImage::Format_RGB32));
  EXPECT_TRUE(window->isVisible());
  QTest::mouseRelease(exit, Qt::LeftButton);
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(ended.count(), 1);
}

TEST(GeneralErrorBox, ShowsTheInputOutputErrorWithItsFile) {
  testApplication<qx::QxApplication>();
  const qx::IoError error(qx::IoErrorCode::FileNotFound, "FilePosi/DSEL.rnd");
  EXPECT_EQ(qx::generalErrorText(error), "Errore di I/O 2 (file non trovato): FilePosi/DSEL.rnd");

  // An error escaping an event handler ends in the box, and the program goes on.
  QString shown;
  QTimer::singleShot(0, [&] {
    QTimer::singleShot(50, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        shown = box->text();
        box->accept();
      }
    });
    throw qx::IoError(qx::IoErrorCode::ReadPastEnd, "TMPR.ST2");
  });
  QTimer::singleShot(500, [] { QApplication::quit(); });
  testApplication<qx::QxApplication>().exec();
  EXPECT_EQ(shown, "Errore di I/O 100 (lettura oltre la fine del file): TMPR.ST2");
}

}  // namespace
}  // namespace qxtest
