#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <filesystem>

#include "DesktopDocuments.h"
#include "QxApplication.h"
#include "WidgetTestSupport.h"
#include "TFoIstDef.h"
#include "TFoNomUte.h"
#include "TempFolder.h"
#include "TextFile.h"
#include "UserName.h"
#include "shell/FileBytes.h"

namespace qxtest {
namespace {

// Puts a recording opener in place of the desktop's for one test.
class RecordingOpener {
 public:
  explicit RecordingOpener(bool answer = true) {
    previous_ = qx::setDocumentOpener([this, answer](const QUrl& url) {
      opened << url;
      return answer;
    });
  }
  ~RecordingOpener() { qx::setDocumentOpener(previous_); }

  QList<QUrl> opened;

 private:
  qx::DocumentOpener previous_;
};

class UserNameWindowTest : public testing::Test {
 protected:
  UserNameWindowTest() {
    qx::writeUserName(folder_, name_);
    // An old date, so that any rewrite shows in the modification time.
    std::filesystem::last_write_time(file(), std::filesystem::last_write_time(file()) - std::chrono::hours(24 * 400));
  }

  std::filesystem::path file() const { return folder_.resolve(qx::kUserNameFile); }
  QLineEdit* edit(const char* objectName) { return window_.findChild<QLineEdit*>(objectName); }
  void press(const char* objectName) { QTest::mouseClick(window_.findChild<QPushButton*>(objectName), Qt::LeftButton); }

  QApplication& app_ = testApplication<qx::QxApplication>();
  TempFolder temp_;
  qx::WorkFolder folder_{temp_.path()};
  qx::UserName name_{"Lucia", "Ferri"};
  qx::TFoNomUte window_{folder_, name_};
};

TEST_F(UserNameWindowTest, ShowsTheNamesWithFocusOnTheFirstName) {
  EXPECT_EQ(window_.objectName(), "FoNomUte");
  EXPECT_EQ(window_.windowTitle(), "Cambio Nome Utente");
  EXPECT_EQ(window_.size(), QSize(373, 166));
  EXPECT_EQ(window_.palette().color(QPalette::Window), QColor(0xDE, 0xDE, 0xDE));
  EXPECT_EQ(window_.findChild<QGroupBox*>()->title(), "Personalizzazione");
  EXPECT_TRUE(window_.findChild<QLabel*>("Panel2"));
  EXPECT_EQ(window_.findChild<QLabel*>("Panel2")->text(), "La Personalizzazione può essere variata  a piacere");
  EXPECT_EQ(window_.findChild<QPushButton*>("BitBtnOk")->text(), "OK");
  EXPECT_EQ(window_.findChild<QPushButton*>("BitBtnAnnulla")->text(), "Annulla");

  window_.show();
  EXPECT_EQ(edit("EditNome")->text(), "Lucia");
  EXPECT_EQ(edit("EditCognome")->text(), "Ferri");
  EXPECT_EQ(edit("EditNome")->palette().color(QPalette::Base), QColor(0x00, 0xFF, 0xFF));
  EXPECT_EQ(window_.focusWidget(), edit("EditNome"));
  EXPECT_FALSE(window_.changed());
}

TEST_F(UserNameWindowTest, TheFileIsWrittenOnlyAfterTyping) {
  struct Case {
    const char* what;
    bool type;           // something typed in this showing
    bool typedBefore;    // something typed, then "Annulla", in an earlier showing
    const char* button;
  } cases[] = {
      {"OK without typing", false, false, "BitBtnOk"},
      {"Annulla after typing", true, false, "BitBtnAnnulla"},
      {"OK in a new showing after an abandoned edit", false, true, "BitBtnOk"},
  };
  const std::string bytes = readBytes(file());
  const auto written = std::filesystem::last_write_time(file());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.typedBefore) {
      window_.show();
      typeInto(edit("EditCognome"), "Rossi", true);
      press("BitBtnAnnulla");
    }
    window_.show();
    if (c.type) typeInto(edit("EditNome"), "Marta", true);
    press(c.button);
    EXPECT_FALSE(window_.isVisible());
    EXPECT_EQ(readBytes(file()), bytes);
    EXPECT_EQ(std::filesystem::last_write_time(file()), written);
    EXPECT_EQ(name_, (qx::UserName{"Lucia", "Ferri"}));
  }
}

TEST_F(UserNameWindowTest, TypedNamesAreCutToEightyCharacters) {
  window_.show();
  const QString typed = QStringLiteral("Nicolò") + QString(84, QChar('x'));  // 90 characters
  typeInto(edit("EditNome"), typed, true);
  typeInto(edit("EditCognome"), "Bianchi", true);
  press("BitBtnOk");

  const std::string first = "Nicol\xF2" + std::string(74, 'x');  // 80 characters, Windows-1252
  EXPECT_EQ(readBytes(file()), first + "\r\nBianchi\r\n");
  EXPECT_EQ(name_.FirstName, first);
  EXPECT_EQ(name_.Surname, "Bianchi");
  EXPECT_EQ(qx::displayName(name_), first);  // the display name is cut to 80 as well

  window_.show();
  EXPECT_EQ(edit("EditNome")->text(), typed.left(80));
}

class ManualChooserTest : public testing::Test {
 protected:
  ManualChooserTest() {
    for (const char* document : {"Istruzioni.pdf", "Istruzioni_J.pdf"}) writeBytes(temp_.path() / document, "%PDF-1.4\n");
  }

  QRadioButton* radio(const char* objectName) { return window_.findChild<QRadioButton*>(objectName); }
  void press(const char* objectName) { QTest::mouseClick(window_.findChild<QPushButton*>(objectName), Qt::LeftButton); }

  QApplication& app_ = testApplication<qx::QxApplication>();
  TempFolder temp_;
  qx::WorkFolder folder_{temp_.path()};
  qx::TFoIstDef window_{folder_};
};

TEST_F(ManualChooserTest, OkOpensTheChosenManual) {
  EXPECT_EQ(window_.objectName(), "FoIstDef");
  EXPECT_EQ(window_.windowTitle(), "Selezionare");
  EXPECT_EQ(window_.size(), QSize(332, 105));
  EXPECT_EQ(radio("RB1")->text(), "Istruzioni sommarie  (Istruzioni_J.pdf)");
  EXPECT_EQ(radio("RB2")->text(), "Istruzioni estese   (Istruzioni.pdf)");

  struct Case {
    const char* choose;  // nullptr: the choice the window starts with
    const char* document;
  } cases[] = {
      {nullptr, "Istruzioni_J.pdf"},
      {"RB2", "Istruzioni.pdf"},
      {nullptr, "Istruzioni_J.pdf"},  // every showing starts again from RB1
      {"RB1", "Istruzioni_J.pdf"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.document);
    RecordingOpener opener;
    window_.show();
    if (c.choose) QTest::mouseClick(radio(c.choose), Qt::LeftButton);
    press("BitBtn1");
    EXPECT_FALSE(window_.isVisible());
    ASSERT_EQ(opener.opened.size(), 1);
    EXPECT_EQ(opener.opened[0], QUrl::fromLocalFile(QString::fromStdString((temp_.path() / c.document).string())));
  }
}

TEST_F(ManualChooserTest, AnnullaOpensNothing) {
  RecordingOpener opener;
  window_.show();
  QTest::mouseClick(radio("RB2"), Qt::LeftButton);
  press("BitBtn2");
  EXPECT_FALSE(window_.isVisible());
  EXPECT_TRUE(opener.opened.isEmpty());
}

TEST(OpenDocument, TellsWhyADocumentCannotBeShown) {
  testApplication<qx::QxApplication>();
  TempFolder temp;
  writeBytes(temp.path() / "DISPENSA.PDF", "%PDF-1.4\n");
  const qx::WorkFolder folder(temp.path());
  struct Case {
    const char* document;
    bool viewerAnswers;
    bool opened;
    const char* message;  // nullptr: none
  } cases[] = {
      {"Dispensa.pdf", true, true, nullptr},  // found without regard to case
      {"Dispensa.pdf", false, false,
       "Impossibile aprire il documento \"Dispensa.pdf\": nessun visualizzatore disponibile."},
      {"Istruzioni.pdf", true, false, "Il documento \"Istruzioni.pdf\" non è presente nella cartella di lavoro."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.document);
    RecordingOpener opener(c.viewerAnswers);
    MessageCatcher catcher;
    EXPECT_EQ(qx::openDocument(nullptr, folder, c.document), c.opened);
    EXPECT_EQ(catcher.texts, c.message ? QStringList{QString::fromUtf8(c.message)} : QStringList{});
    // A missing file is never handed to the desktop.
    EXPECT_EQ(opener.opened.size(), c.message && c.viewerAnswers ? 0 : 1);
  }
}

}  // namespace
}  // namespace qxtest
