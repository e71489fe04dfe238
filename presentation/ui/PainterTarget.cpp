#include "PainterTarget.h"

#include <QFontDatabase>
#include <QPaintDevice>
#include <QPainterPath>
#include <QRectF>
#include <algorithm>
#include <cmath>

#include "Cp1252.h"

namespace qx {

namespace {

QColor qtColour(Rgb c) { return QColor(int((c >> 16) & 0xFF), int((c >> 8) & 0xFF), int(c & 0xFF)); }

// Integer device coordinates name pixels; the geometry goes through their
// centres, so one-unit lines cover one row of pixels instead of two halves.
constexpr double kPixelCentre = 0.5;

QPointF shapePoint(DevicePoint p) { return {p.x + kPixelCentre, p.y + kPixelCentre}; }

QRectF shapeRect(const DeviceRect& r) {
  return QRectF(QPointF(r.left + kPixelCentre, r.top + kPixelCentre),
                QPointF(r.right + kPixelCentre, r.bottom + kPixelCentre))
      .normalized();
}

// The installed faces with the metrics of the two faces the pictures name.
QString familyFor(const std::string& face) {
  const QString requested = QString::fromUtf8(cp1252ToUtf8(face));
  QString substitute;
  if (requested.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0)
    substitute = QStringLiteral("Liberation Sans");
  else if (requested.compare(QLatin1String("Courier"), Qt::CaseInsensitive) == 0 ||
           requested.compare(QLatin1String("Courier New"), Qt::CaseInsensitive) == 0)
    substitute = QStringLiteral("Liberation Mono");
  if (!substitute.isEmpty() && QFontDatabase::hasFamily(substitute)) return substitute;
  return requested;
}

// Weights count 0..1000 as Qt's do (400 normal, 700 bold); weights below 100
// mean "any", which is drawn normal.
int qtWeight(int weight) {
  if (weight < 100) return QFont::Normal;
  return std::min(weight, 900);
}

double cellHeight(const QFont& font, const QPaintDevice* device) {
  const QFontMetricsF m(font, device);
  return m.ascent() + m.descent();
}

// Enough for every pen and brush of a sheet and its symbols; a stream of new
// ones (a large metafile) starts the list again.
constexpr std::size_t kMaxCachedObjects = 256;

// The default font when a text is drawn before any font is selected.
const FontDesc kDefaultFont{"Arial", 16, 0, 400, false, 2};

}  // namespace

QFont PainterTarget::qtFont(const FontDesc& wanted, const QPaintDevice* device) {
  QFont font(familyFor(wanted.face));
  font.setWeight(QFont::Weight(qtWeight(wanted.weight)));
  font.setItalic(wanted.italic);
  font.setStyleStrategy(wanted.quality == 2 ? QFont::PreferQuality : QFont::PreferDefault);
  font.setKerning(false);

  // A positive height is the cell height (ascent + descent), a negative one
  // the character height without the internal leading (about the pixel
  // size), zero a default size.
  int pixels = wanted.height == 0 ? kDefaultFont.height : std::abs(wanted.height);
  if (wanted.height > 0) {
    constexpr int kProbe = 100;
    font.setPixelSize(kProbe);
    const double perPixel = cellHeight(font, device) / kProbe;
    int best = std::max(1, int(std::lround(wanted.height / perPixel)));
    double bestError = 1e9;
    for (int candidate = std::max(1, best - 1), last = best + 1; candidate <= last; ++candidate) {
      font.setPixelSize(candidate);
      const double error = std::fabs(cellHeight(font, device) - wanted.height);
      if (error < bestError) bestError = error, pixels = candidate;
    }
  }
  font.setPixelSize(std::max(1, pixels));

  // A width is the average character width: the face is stretched to it.
  if (wanted.width > 0) {
    const QFontMetricsF m(font, device);
    const double natural = m.averageCharWidth();
    if (natural > 0) font.setStretch(std::clamp(int(std::lround(100.0 * wanted.width / natural)), 1, 4000));
  }
  return font;
}

PainterTarget::PainterTarget(QPainter& painter, TargetKind kind) : painter_(painter), kind_(kind) {
  painter_.setRenderHint(QPainter::Antialiasing, true);
  painter_.setRenderHint(QPainter::TextAntialiasing, true);
  selectPen(PenDesc{});
  selectBrush(BrushDesc{});
  setTextColour(kBlack);
}

void PainterTarget::selectPen(const PenDesc& wanted) {
  auto it = std::find_if(pens_.begin(), pens_.end(), [&](const auto& e) { return e.first == wanted; });
  if (it == pens_.end()) {
    if (pens_.size() >= kMaxCachedObjects) pens_.clear();
    QPen pen;
    if (wanted.style == PenStyle::Null) {
      pen = QPen(Qt::NoPen);
    } else {
      // Width 0 is Qt's cosmetic pen: one pixel whatever the scale.
      pen = QPen(QBrush(qtColour(wanted.colour)), std::max(0, wanted.width),
                 wanted.style == PenStyle::Dash ? Qt::DashLine : Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    }
    pens_.emplace_back(wanted, pen);
    it = pens_.end() - 1;
  }
  pen_ = it->second;
  painter_.setPen(pen_);
}

void PainterTarget::selectBrush(const BrushDesc& wanted) {
  auto it = std::find_if(brushes_.begin(), brushes_.end(), [&](const auto& e) { return e.first == wanted; });
  if (it == brushes_.end()) {
    if (brushes_.size() >= kMaxCachedObjects) brushes_.clear();
    brushes_.emplace_back(wanted, wanted.hollow ? QBrush(Qt::NoBrush) : QBrush(qtColour(wanted.colour)));
    it = brushes_.end() - 1;
  }
  painter_.setBrush(it->second);
}

const PainterTarget::Font& PainterTarget::fontFor(const FontDesc& wanted) {
  for (const Font& f : fonts_)
    if (f.wanted == wanted) return f;
  const QPaintDevice* device = painter_.device();
  return fonts_.emplace_back(wanted, qtFont(wanted, device), device);
}

void PainterTarget::selectFont(const FontDesc& wanted) {
  font_ = &fontFor(wanted);
  painter_.setFont(font_->font);
}

void PainterTarget::setTextColour(Rgb colour) {
  if (hasTextColour_ && colour == textColour_) return;
  hasTextColour_ = true;
  textColour_ = colour;
  textPen_ = QPen(qtColour(colour));
}

void PainterTarget::setTextBackground(bool opaque, Rgb colour) {
  opaque_ = opaque;
  background_ = qtColour(colour);
}

void PainterTarget::moveTo(DevicePoint p) { current_ = shapePoint(p); }

void PainterTarget::lineTo(DevicePoint p) {
  const QPointF to = shapePoint(p);
  painter_.drawLine(current_, to);
  current_ = to;
}

void PainterTarget::arc(const DeviceRect& box, DevicePoint start, DevicePoint end) {
  const QRectF r = shapeRect(box);
  const QPointF c = r.center();
  const double rx = r.width() / 2, ry = r.height() / 2;
  // The arc runs counter-clockwise as seen (device y grows downwards) from
  // the ray through `start` to the ray through `end`. Qt counts its angles
  // the same way, but as the ellipse's parameter: the ray's direction
  // (dx, dy) meets the ellipse at the parameter atan2(dy / ry, dx / rx).
  const auto parameter = [&](DevicePoint p) {
    const QPointF q = shapePoint(p);
    const double dx = q.x() - c.x(), dy = c.y() - q.y();
    const double a = rx > 0 && ry > 0 ? std::atan2(dy / ry, dx / rx) : std::atan2(dy, dx);
    return a * 180 / M_PI;
  };
  const double from = parameter(start);
  double span = parameter(end) - from;
  while (span <= 0) span += 360;  // the same ray: the whole ellipse
  painter_.drawArc(r, int(std::lround(from * 16)), int(std::lround(span * 16)));
}

void PainterTarget::ellipse(const DeviceRect& box) { painter_.drawEllipse(shapeRect(box)); }

void PainterTarget::rectangle(const DeviceRect& box) { painter_.drawRect(shapeRect(box)); }

void PainterTarget::polygon(const std::vector<DevicePoint>& points) {
  points_.clear();
  for (const DevicePoint& p : points) points_.push_back(shapePoint(p));
  painter_.drawPolygon(points_.data(), int(points_.size()), Qt::WindingFill);
}

void PainterTarget::polyPolygon(const std::vector<std::vector<DevicePoint>>& polygons) {
  QPainterPath path;
  path.setFillRule(Qt::WindingFill);
  for (const auto& polygon : polygons) {
    if (polygon.empty()) continue;
    path.moveTo(shapePoint(polygon.front()));
    for (std::size_t i = 1; i < polygon.size(); ++i) path.lineTo(shapePoint(polygon[i]));
    path.closeSubpath();
  }
  painter_.drawPath(path);
}

void PainterTarget::text(DevicePoint p, TextAlign align, std::string_view cp1252) {
  if (!font_) selectFont(kDefaultFont);
  const QString s = QString::fromUtf8(cp1252ToUtf8(cp1252));
  const QFontMetricsF& m = font_->metrics;
  const double width = m.horizontalAdvance(s);
  double x = p.x;
  if (align == TextAlign::Right) x -= width;
  if (align == TextAlign::Centre) x -= width / 2;
  if (opaque_) painter_.fillRect(QRectF(x, p.y, width, m.ascent() + m.descent()), background_);
  painter_.setPen(textPen_);
  painter_.drawText(QPointF(x, p.y + m.ascent()), s);
  painter_.setPen(pen_);
}

void PainterTarget::clear(Rgb colour) {
  const QPaintDevice* device = painter_.device();
  painter_.save();
  painter_.resetTransform();
  painter_.fillRect(QRect(0, 0, device->width(), device->height()), qtColour(colour));
  painter_.restore();
}

QImage renderToImage(int width, int height, const std::function<void(DrawTarget&)>& draw, TargetKind kind,
                     Rgb background) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(qtColour(background));
  QPainter painter(&image);
  {
    PainterTarget target(painter, kind);
    draw(target);
  }
  painter.end();
  return image;
}

}  // namespace qx
