#pragma once
// The application object. Every window event runs inside `notify`; an error
// that escapes an event handler ends that action in the general error box
// instead of ending the program.

#include <QApplication>

namespace qx {

class QxApplication : public QApplication {
  Q_OBJECT

 public:
  QxApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace qx
