#include "Clipboard.h"

#include <QByteArray>
#include <QClipboard>
#include <QGuiApplication>
#include <algorithm>
#include <cmath>

#include "PainterTarget.h"

namespace qx {

QSize metafileImageSize(const Metafile& metafile, int limit) {
  const DeviceRect e = metafile.extent();
  double width = std::max(1.0, std::round(e.right - e.left) + 1);
  double height = std::max(1.0, std::round(e.bottom - e.top) + 1);
  limit = std::max(limit, 1);
  const double longer = std::max(width, height);
  if (longer > limit) {
    width = std::max(1.0, std::round(width * limit / longer));
    height = std::max(1.0, std::round(height * limit / longer));
  }
  return {int(width), int(height)};
}

QImage metafileImage(const Metafile& metafile, QSize size) {
  const DeviceRect box{0, 0, double(size.width() - 1), double(size.height() - 1)};
  return renderToImage(
      size.width(), size.height(), [&](DrawTarget& target) { metafile.play(target, box); }, TargetKind::Printer,
      kWhite);
}

std::unique_ptr<QMimeData> metafileMimeData(const Metafile& metafile) {
  auto data = std::make_unique<QMimeData>();
  const QByteArray bytes(reinterpret_cast<const char*>(metafile.bytes().data()),
                         static_cast<qsizetype>(metafile.header().bytes));
  data->setData(kEmfMimeType, bytes);
  data->setData(kWindowsEmfMimeType, bytes);
  data->setImageData(metafileImage(metafile, metafileImageSize(metafile)));
  return data;
}

void copyMetafileToClipboard(const Metafile& metafile) {
  QGuiApplication::clipboard()->setMimeData(metafileMimeData(metafile).release());
}

}  // namespace qx
