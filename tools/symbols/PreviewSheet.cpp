#include "PreviewSheet.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace qx {

namespace {

QColor colour(Rgb rgb) { return QColor(static_cast<int>(rgb >> 16), static_cast<int>((rgb >> 8) & 0xFF), static_cast<int>(rgb & 0xFF)); }

void drawSymbol(QPainter& painter, const Polygons& polygons, Rgb fill, Rgb edge, const QRectF& box) {
  QPainterPath path;
  path.setFillRule(Qt::WindingFill);
  for (const auto& polygon : polygons) {
    path.moveTo(polygon.front().x, polygon.front().y);
    for (std::size_t i = 1; i < polygon.size(); ++i) path.lineTo(polygon[i].x, polygon[i].y);
    path.closeSubpath();
  }
  const double scale = box.width() / kPictureSide;
  painter.save();
  painter.translate(box.topLeft());
  painter.scale(scale, scale);
  painter.setPen(QPen(colour(edge), kEdgeWidth, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
  painter.setBrush(colour(fill));
  painter.drawPath(path);
  painter.restore();
}

constexpr int kCellWidth = 330;
constexpr int kCellHeight = 72;
constexpr int kColumns = 3;

}  // namespace

QImage previewSheet(const std::vector<PreviewItem>& items) {
  const int rows = static_cast<int>((items.size() + kColumns - 1) / kColumns);
  QImage sheet(kCellWidth * kColumns, kCellHeight * rows, QImage::Format_RGB32);
  sheet.fill(QColor(0x80, 0x80, 0x80));
  QPainter painter(&sheet);
  painter.setRenderHint(QPainter::Antialiasing);
  QFont font("DejaVu Sans");
  font.setPixelSize(10);
  painter.setFont(font);
  for (std::size_t i = 0; i < items.size(); ++i) {
    const PreviewItem& item = items[i];
    const int x0 = static_cast<int>(i % kColumns) * kCellWidth;
    const int y0 = static_cast<int>(i / kColumns) * kCellHeight;
    painter.setPen(Qt::white);
    painter.drawText(QPointF(x0 + 4, y0 + 12), QString::fromUtf8(item.label.c_str()));
    // Small tiles at the wheel's size, then larger ones.
    struct Tile {
      int side;
      Rgb background, fill, edge;
    };
    const Tile tiles[] = {
        {20, kBlack, item.fill, item.edge}, {20, kWhite, item.fill, item.edge},
        {48, kBlack, item.fill, item.edge}, {48, kWhite, item.fill, item.edge},
        {48, kBlack, kWhite, kWhite},       {48, kWhite, kBlack, kBlack},
    };
    int x = x0 + 4;
    for (const Tile& tile : tiles) {
      const QRectF box(x, y0 + (tile.side == 20 ? 44 : 16), tile.side, tile.side);
      painter.fillRect(box.adjusted(-2, -2, 2, 2), colour(tile.background));
      drawSymbol(painter, item.polygons, tile.fill, tile.edge, box);
      x += tile.side + 6;
    }
  }
  return sheet;
}

}  // namespace qx
