#include "ShellPictures.h"

#include <QBitmap>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

// The resources are compiled into the shell's static library; registering
// them from here keeps them linked into every program that shows a picture.
static void registerPictures() {
  static const bool registered = [] {
    Q_INIT_RESOURCE(pictures);
    return true;
  }();
  (void)registered;
}

namespace qx {

QPixmap applicationPicture(const QString& name) {
  registerPictures();
  return QPixmap(QStringLiteral(":/pictures/%1.bmp").arg(name));
}

QIcon glyphIcon(const QString& name) {
  registerPictures();
  const QImage image(QStringLiteral(":/pictures/%1.bmp").arg(name));
  if (image.isNull()) return {};
  QPixmap glyph = QPixmap::fromImage(image);
  glyph.setMask(glyph.createMaskFromColor(image.pixelColor(0, image.height() - 1), Qt::MaskInColor));
  return QIcon(glyph);
}

QPixmap exitPicture(const WorkFolder& folder, bool pressed) {
  const char* name = pressed ? "FineProgClic.bmp" : "FineProg.bmp";
  if (!folder.exists(name)) return {};
  return QPixmap(QString::fromStdString(folder.resolve(name).string()));
}

QIcon printerTypeGlyph() {
  QPixmap glyph(24, 24);
  glyph.fill(Qt::transparent);
  QPainter p(&glyph);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor ink(0x30, 0x30, 0x30);
  p.setPen(QPen(ink, 1.2));
  // Paper in, body, paper out.
  p.setBrush(Qt::white);
  p.drawRect(QRectF(7.5, 2.5, 9, 7));
  p.setBrush(QColor(0x9A, 0xA4, 0xB0));
  p.drawRoundedRect(QRectF(2.5, 8.5, 19, 9), 2, 2);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(6.5, 14.5, 11, 7));
  p.setPen(QPen(ink, 0.8));
  p.drawLine(QPointF(8.5, 17), QPointF(15.5, 17));
  p.drawLine(QPointF(8.5, 19), QPointF(13.5, 19));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x2E, 0xB8, 0x4C));
  p.drawEllipse(QPointF(18.5, 11.5), 1.2, 1.2);
  return QIcon(glyph);
}

}  // namespace qx
