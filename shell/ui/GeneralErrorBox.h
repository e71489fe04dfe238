#pragma once
// The application's general error box: where the runtime's input/output
// error (and any other failure an action did not handle) is shown. The action
// that raised it has stopped; the program goes on.

#include <QString>
#include <exception>

class QWidget;

namespace qx {

// The text shown for an error: the error's own message.
QString generalErrorText(const std::exception& error);

void showGeneralError(const std::exception& error, QWidget* parent = nullptr);

}  // namespace qx
