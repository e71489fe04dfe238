#include "TFoMorva.h"

namespace qx {

TFoMorva::TFoMorva(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("FoMorva"));
  setWindowTitle(QString::fromLatin1(kCaption));
  // Client area 636 x 456 with a fixed border, background #DEDEDE.
  setFixedSize(636, 456);
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, QColor(0xDE, 0xDE, 0xDE));
  setPalette(colours);
}

}  // namespace qx
