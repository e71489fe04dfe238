#pragma once
// The drawing target of the screen, of images and of printer pages: the calls
// of the drawing layer and of the metafile player painted with a QPainter.
//
// Device units are the painter's units (pixels of a widget or an image, dots
// of a printer page). Lines and outlines are antialiased; polygons fill with
// the winding rule; fonts are sized by their cell height (ascent + descent)
// as the drawing layer counts it, "Arial" drawn in Liberation Sans and
// "Courier" in Liberation Mono, which have the same metrics.

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPointF>
#include <deque>
#include <functional>
#include <vector>

#include "DrawTarget.h"

namespace qx {

class PainterTarget : public DrawTarget {
 public:
  // The painter must be active; the target draws on it until destroyed and
  // leaves its pen, brush and font as they were last selected.
  PainterTarget(QPainter& painter, TargetKind kind);

  TargetKind kind() const override { return kind_; }
  void selectPen(const PenDesc& pen) override;
  void selectBrush(const BrushDesc& brush) override;
  void selectFont(const FontDesc& font) override;
  void setTextColour(Rgb colour) override;
  void setTextBackground(bool opaque, Rgb colour) override;
  void moveTo(DevicePoint p) override;
  void lineTo(DevicePoint p) override;
  void arc(const DeviceRect& box, DevicePoint start, DevicePoint end) override;
  void ellipse(const DeviceRect& box) override;
  void rectangle(const DeviceRect& box) override;
  void polygon(const std::vector<DevicePoint>& points) override;
  void polyPolygon(const std::vector<std::vector<DevicePoint>>& polygons) override;
  void text(DevicePoint p, TextAlign align, std::string_view cp1252) override;
  void clear(Rgb colour) override;

  // The Qt font drawn for `wanted` on `device` (null: the screen).
  static QFont qtFont(const FontDesc& wanted, const QPaintDevice* device);

 private:
  struct Font {
    Font(const FontDesc& s, const QFont& f, const QPaintDevice* device) : wanted(s), font(f), metrics(f, device) {}
    FontDesc wanted;
    QFont font;
    QFontMetricsF metrics;
  };
  const Font& fontFor(const FontDesc& wanted);

  QPainter& painter_;
  TargetKind kind_;
  QPen pen_;
  QPen textPen_;
  Rgb textColour_ = kBlack;
  bool hasTextColour_ = false;
  bool opaque_ = false;
  QColor background_ = Qt::white;
  QPointF current_;
  const Font* font_ = nullptr;  // the selected font; none: a default one
  // Each object is made once per target and reused whenever it is selected
  // again: a picture uses a dozen pens and fonts, selected thousands of times.
  std::deque<Font> fonts_;
  std::vector<std::pair<PenDesc, QPen>> pens_;
  std::vector<std::pair<BrushDesc, QBrush>> brushes_;
  std::vector<QPointF> points_;
};

// An image of w x h pixels filled with `background`, with whatever `draw`
// draws on it as a target of the given kind.
QImage renderToImage(int width, int height, const std::function<void(DrawTarget&)>& draw,
                     TargetKind kind = TargetKind::Screen, Rgb background = kWhite);

}  // namespace qx
