#pragma once
// The one application object of a test program that paints, sets fonts or
// shows windows.

#include <QCoreApplication>

namespace qxtest {

// The test program's application, of class `Application` (QGuiApplication
// for painting, QApplication for windows, or the program's own for the
// shell's windows), made on first use by whichever test comes first. It is never destroyed: destroyed among the exit-time
// statics it would outlive Qt's registry of input devices, which QTest's
// events fill, and crash there.
template <class Application>
Application& testApplication() {
  if (auto* existing = qobject_cast<Application*>(QCoreApplication::instance())) return *existing;
  static int argc = 1;
  static char name[] = "qxmorva_tests";
  static char* argv[] = {name, nullptr};
  static Application* application = new Application(argc, argv);
  return *application;
}

}  // namespace qxtest
