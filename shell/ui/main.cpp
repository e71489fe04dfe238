// qxmorva: works on the current working folder, which holds the working tree
// (settings, archives, engine data); the installation tree it was installed
// from puts back the files the main window cannot work without.

#include <QDir>
#include <exception>

#include "GeneralErrorBox.h"
#include "Installation.h"
#include "QxApplication.h"
#include "ShellState.h"
#include "StartUp.h"
#include "TFoMorva.h"

int main(int argc, char** argv) {
  qx::QxApplication app(argc, argv);
  const std::filesystem::path executableFolder =
      std::filesystem::path(QCoreApplication::applicationDirPath().toStdString());
  qx::ShellState state(qx::WorkFolder(std::filesystem::current_path()), qx::installationTrees(executableFolder));
  std::unique_ptr<qx::TFoMorva> mainWindow;
  try {
    mainWindow = qx::startUp(state);
  } catch (const std::exception& error) {
    // Without its settings the program cannot start.
    qx::showGeneralError(error);
    return 1;
  }
  QObject::connect(mainWindow.get(), &qx::TFoMorva::programEnded, &app, &QCoreApplication::quit);
  return app.exec();
}
