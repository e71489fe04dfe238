// qxmorva: works on the current working folder, which holds the installation
// tree (settings, archives, engine data).

#include <QScreen>

#include "QxApplication.h"
#include "TFoMorva.h"

int main(int argc, char** argv) {
  qx::QxApplication app(argc, argv);
  qx::TFoMorva mainWindow;
  // Centred on the screen.
  if (const QScreen* screen = mainWindow.screen()) {
    const QRect area = screen->availableGeometry();
    mainWindow.move(area.center() - mainWindow.rect().center());
  }
  mainWindow.show();
  return app.exec();
}
