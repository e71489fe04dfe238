#pragma once
// A window whose own behaviour is not built yet: a plain, hidden top-level
// window that carries the class name, the instance name (as objectName) and
// the caption of the window it stands for, so that the main window can size
// it and find it like the real one. Nothing opens it; the commands that would
// are disabled.

#include <QString>
#include <QWidget>

namespace qx {

class PlaceholderWindow : public QWidget {
  Q_OBJECT

 public:
  PlaceholderWindow(QString className, const QString& instanceName, const QString& caption,
                    QWidget* parent = nullptr);

  // The class of the window this one stands for ("TFormRich").
  const QString& windowClassName() const { return className_; }

 private:
  QString className_;
};

}  // namespace qx
