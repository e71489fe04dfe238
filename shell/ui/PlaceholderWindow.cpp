#include "PlaceholderWindow.h"

namespace qx {

PlaceholderWindow::PlaceholderWindow(QString className, const QString& instanceName, const QString& caption,
                                     QWidget* parent)
    : QWidget(parent, Qt::Window), className_(std::move(className)) {
  setObjectName(instanceName);
  setWindowTitle(caption);
  hide();
}

}  // namespace qx
