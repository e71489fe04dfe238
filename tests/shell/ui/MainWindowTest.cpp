#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "GeneralErrorBox.h"
#include "IoError.h"
#include "QxApplication.h"
#include "TFoMorva.h"

namespace {

int argc = 1;
char name[] = "shell_ui_tests";
char* argv[] = {name, nullptr};

qx::QxApplication& application() {
  static qx::QxApplication app(argc, argv);
  return app;
}

TEST(MainWindow, CaptionNameAndSize) {
  application();
  qx::TFoMorva window;
  EXPECT_EQ(window.objectName(), "FoMorva");
  EXPECT_EQ(window.windowTitle(), "QxMorva - MAR 2015  Demo");
  EXPECT_EQ(window.size(), QSize(636, 456));
  EXPECT_EQ(window.palette().color(QPalette::Window), QColor(0xDE, 0xDE, 0xDE));
}

TEST(GeneralErrorBox, ShowsTheInputOutputErrorWithItsFile) {
  application();
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
  application().exec();
  EXPECT_EQ(shown, "Errore di I/O 100 (lettura oltre la fine del file): TMPR.ST2");
}

}  // namespace
