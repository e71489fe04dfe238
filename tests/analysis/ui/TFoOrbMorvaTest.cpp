#include "TFoOrbMorva.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <filesystem>

#include "IoError.h"
#include "RealText.h"
#include "WidgetTestSupport.h"
#include "analysis/OrbFolder.h"

namespace qxtest {
namespace {

void pressKey(QWidget* widget, Qt::Key key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(widget, &press);
}

class OrbWindowTest : public testing::Test {
 protected:
  OrbWindowTest() { window_.show(); }

  QLineEdit* edit(const QString& name) const {
    auto* found = window_.findChild<QLineEdit*>(name);
    EXPECT_TRUE(found) << name.toStdString();
    return found;
  }
  QPushButton* button(const QString& name) const {
    auto* found = window_.findChild<QPushButton*>(name);
    EXPECT_TRUE(found) << name.toStdString();
    return found;
  }
  bool bevelShown(char letter) const {
    return window_.findChild<QFrame*>(QStringLiteral("Bevel%1").arg(QChar(letter)))->isVisible();
  }
  QColor base(const QString& name) const { return edit(name)->palette().color(QPalette::Base); }

  QApplication& app_ = testApplication<QApplication>();
  OrbFolder orb_;
  qx::TFoOrbMorva window_{orb_.folder()};
};

const QColor kAqua(0x00, 0xFF, 0xFF);
const QColor kRed(0xFF, 0x00, 0x00);

TEST_F(OrbWindowTest, OpeningShowsTheThreeSetsAndTheSetInForce) {
  EXPECT_EQ(window_.objectName(), "FoOrbMorva");
  EXPECT_EQ(window_.windowTitle(), "Variazione Orbite Aspetti");

  struct Row {
    int row;
    const char* setA;
    const char* setB;
    const char* setC;
  } rows[] = {
      {1, "\u00B1 10", "10,0000", "5,00000"},   // Congiunzione
      {3, "\u00B1 1", "0,50000", "0,50000"},    // Decile
      {7, "\u00B1 4", "3,00000", "3,00000"},    // Sestile
      {9, "\u00B1 6", "4,00000", "4,50000"},    // Quadrato
      {14, "\u00B1 9", "8,00000", "7,00000"},   // Opposizione
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.row);
    EXPECT_EQ(edit(QStringLiteral("EditA%1").arg(r.row))->text(), QString::fromUtf8(r.setA));
    EXPECT_TRUE(edit(QStringLiteral("EditA%1").arg(r.row))->isReadOnly());
    EXPECT_EQ(edit(QStringLiteral("EditB%1").arg(r.row))->text(), r.setB);
    EXPECT_EQ(edit(QStringLiteral("EditC%1").arg(r.row))->text(), r.setC);
    EXPECT_FALSE(edit(QStringLiteral("EditB%1").arg(r.row))->isReadOnly());
  }

  EXPECT_EQ(edit("Edit1")->text(), "A");
  EXPECT_TRUE(edit("Edit1")->isReadOnly());
  EXPECT_EQ(window_.findChild<QLabel*>("LabelOrbite")->text(), "Set di Orbite Attualmente Selezionato = ");
  EXPECT_TRUE(bevelShown('A'));
  EXPECT_FALSE(bevelShown('B'));
  EXPECT_FALSE(bevelShown('C'));
  EXPECT_EQ(button("BBritorna")->text(), "Ritorna a Menu Principale");
  EXPECT_TRUE(button("BBritorna")->isEnabled());
  for (const char* adopt : {"BBadottaA", "BBadottaB", "BBadottaC"}) EXPECT_EQ(button(adopt)->text(), "Adotta");

  // The parallel and antiscia orbs are carried in a hidden panel.
  EXPECT_FALSE(window_.findChild<QFrame*>("Panel1")->isVisible());
  EXPECT_EQ(edit("EditParal")->text(), "1,00000");
  EXPECT_EQ(edit("EditAntis")->text(), "1,00000");
}

TEST_F(OrbWindowTest, TypedOrbsAreValidatedAsTheyAreTyped) {
  struct Case {
    const char* field;
    const char* typed;
    const char* shown;
    QColor colour;
    bool canReturn;
  } cases[] = {
      {"EditB9", "16", "", kRed, false},
      {"EditB9", "-1", "", kRed, false},
      {"EditC14", "15", "15", kAqua, true},
      {"EditB9", "12,5", "12,5", kAqua, true},
      {"EditB9", "12.5", "12,5", kAqua, true},
      {"EditC2", "abc", "abc", kRed, false},
      {"EditB9", "4", "4", kAqua, true},  // the bad field of the case before is still red
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.field) + " <- " + c.typed);
    window_.hide();
    window_.show();  // every showing loads the files afresh
    typeInto(edit(c.field), c.typed, true);
    EXPECT_EQ(edit(c.field)->text(), c.shown);
    EXPECT_EQ(base(c.field), c.colour);
    EXPECT_EQ(button("BBritorna")->isEnabled(), c.canReturn);
    // Every field is validated after any edit.
    EXPECT_EQ(base("EditB1"), kAqua);
    EXPECT_EQ(edit("EditB1")->text(), "10,0000");
  }
}

TEST_F(OrbWindowTest, ThePutBackTextKeepsTheCaret) {
  QLineEdit* field = edit("EditB11");
  typeInto(field, "15", true);
  field->setCursorPosition(1);
  typeInto(field, ".");
  EXPECT_EQ(field->text(), "1,5");
  EXPECT_EQ(field->cursorPosition(), 2);
}

TEST_F(OrbWindowTest, AdoptWhileInvalidShowsTheMessageAndWritesNothing) {
  const std::string settings = fileBytes(orb_.settingsPath());
  const std::string archive = fileBytes(orb_.archivePath());
  typeInto(edit("EditB9"), "16", true);

  MessageCatcher catcher;
  button("BBadottaB")->click();
  ASSERT_EQ(catcher.shown.size(), 1u);
  EXPECT_EQ(catcher.shown[0].text, "Errore Impostazione Orbite");
  EXPECT_EQ(catcher.shown[0].icon, QMessageBox::NoIcon);
  EXPECT_EQ(catcher.shown[0].buttons, QMessageBox::Ok);

  EXPECT_EQ(fileBytes(orb_.settingsPath()), settings);
  EXPECT_EQ(fileBytes(orb_.archivePath()), archive);
  EXPECT_EQ(edit("Edit1")->text(), "A");
  EXPECT_TRUE(bevelShown('A'));
}

TEST_F(OrbWindowTest, AdoptingCPutsItInForceInBothFiles) {
  QStringList adopted;
  QObject::connect(&window_, &qx::TFoOrbMorva::orbSetAdopted, [&](const QString& text) { adopted << text; });
  typeInto(edit("EditC14"), "7,25", true);
  button("BBadottaC")->click();

  const std::vector<std::string> settings = orb_.settingsLines();
  ASSERT_EQ(settings.size(), 20u);
  EXPECT_EQ(settings[18], "C");
  EXPECT_EQ(settings[0], qx::formatRealText(5));
  EXPECT_EQ(settings[13], qx::formatRealText(7.25L));
  const std::vector<std::string> archive = orb_.archiveLines();
  ASSERT_EQ(archive.size(), 49u);
  EXPECT_EQ(archive.back(), "C");

  EXPECT_EQ(edit("EditC14")->text(), "7,25000");  // shown as the file now holds it
  EXPECT_EQ(edit("Edit1")->text(), "C");
  EXPECT_TRUE(bevelShown('C'));
  EXPECT_FALSE(bevelShown('A'));
  EXPECT_EQ(adopted, QStringList{"C (personali)"});

  // The next opening shows the set now in force.
  button("BBritorna")->click();
  EXPECT_FALSE(window_.isVisible());
  window_.show();
  EXPECT_EQ(edit("Edit1")->text(), "C");
  EXPECT_TRUE(bevelShown('C'));
}

TEST_F(OrbWindowTest, TheWindowCannotBeLeftWhileInvalid) {
  const std::string archive = fileBytes(orb_.archivePath());
  typeInto(edit("EditB9"), "abc", true);
  EXPECT_FALSE(button("BBritorna")->isEnabled());

  pressKey(&window_, Qt::Key_Escape);
  EXPECT_TRUE(window_.isVisible());
  EXPECT_FALSE(window_.close());  // the title bar's close
  EXPECT_TRUE(window_.isVisible());
  EXPECT_EQ(fileBytes(orb_.archivePath()), archive);

  // Corrected, the window may be left and keeps the edit in the archive.
  typeInto(edit("EditB9"), "5,5", true);
  pressKey(&window_, Qt::Key_Escape);
  EXPECT_FALSE(window_.isVisible());
  EXPECT_EQ(orb_.archiveLines()[24], qx::formatRealText(5.5L));
  EXPECT_EQ(orb_.archiveLines()[48], "A");
}

// The main window places a child by its size before showing it.
TEST(OrbWindow, HasItsFixedSizeBeforeItIsShown) {
  testApplication<QApplication>();
  OrbFolder orb;
  const qx::TFoOrbMorva window(orb.folder());
  EXPECT_EQ(window.minimumSize(), window.maximumSize());
  EXPECT_EQ(window.size(), window.minimumSize());
  EXPECT_GT(window.width(), 400);
}

TEST(OrbWindow, AMissingOrbArchiveReachesTheCallerAndShowsNothing) {
  testApplication<QApplication>();
  OrbFolder orb;
  std::filesystem::remove(orb.archivePath());
  const std::string settings = fileBytes(orb.settingsPath());
  qx::TFoOrbMorva window(orb.folder());
  EXPECT_THROW(window.exec(), qx::IoError);
  EXPECT_FALSE(window.isVisible());
  EXPECT_FALSE(std::filesystem::exists(orb.archivePath()));
  EXPECT_EQ(fileBytes(orb.settingsPath()), settings);
}

}  // namespace
}  // namespace qxtest
