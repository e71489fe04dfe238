#pragma once
// The main window: the hub of the application, first created and last closed.

#include <QWidget>

namespace qx {

class TFoMorva : public QWidget {
  Q_OBJECT

 public:
  static constexpr const char* kCaption = "QxMorva - MAR 2015  Demo";

  explicit TFoMorva(QWidget* parent = nullptr);
};

}  // namespace qx
