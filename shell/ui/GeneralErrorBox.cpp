#include "GeneralErrorBox.h"

#include <QMessageBox>

namespace qx {

QString generalErrorText(const std::exception& error) { return QString::fromUtf8(error.what()); }

void showGeneralError(const std::exception& error, QWidget* parent) {
  QMessageBox box(QMessageBox::Critical, QStringLiteral("QxMorva"), generalErrorText(error), QMessageBox::Ok,
                  parent);
  box.setObjectName(QStringLiteral("GeneralErrorBox"));
  box.exec();
}

}  // namespace qx
