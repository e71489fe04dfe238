#include "QxApplication.h"

#include <exception>

#include "GeneralErrorBox.h"

namespace qx {

QxApplication::QxApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QStringLiteral("QxMorva"));
}

bool QxApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    showGeneralError(error, activeWindow());
    return false;
  }
}

}  // namespace qx
