#include "EmfWriter.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <fstream>
#include <limits>
#include <optional>
#include <stdexcept>

#include "Cp1252.h"
#include "EmfRecords.h"
#include "IoError.h"

namespace qx {

namespace {

// Advance widths of the Windows-1252 characters 0x20..0xFF in the metrics of
// the two faces the drawings use, in 1/2048 of the em. Sans is the metric of
// the proportional face that stands for "Arial" (the same advances), the
// fixed face has one advance for every character. A player that lays the
// text out with these widths puts every character where the face would.
constexpr int kSansAdvances[224] = {
    569,  569,  727,  1139, 1139, 1821, 1366, 391,  682,  682,  797,  1196, 569,  682,  569,  569,
    1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 569,  569,  1196, 1196, 1196, 1139,
    2079, 1366, 1366, 1479, 1479, 1366, 1251, 1593, 1479, 569,  1024, 1366, 1139, 1706, 1479, 1593,
    1366, 1593, 1479, 1366, 1251, 1479, 1366, 1933, 1366, 1366, 1251, 569,  569,  569,  961,  1139,
    682,  1139, 1139, 1024, 1139, 1139, 569,  1139, 1139, 455,  455,  1024, 455,  1706, 1139, 1139,
    1139, 1139, 682,  1024, 569,  1139, 1024, 1479, 1024, 1024, 1024, 684,  532,  684,  1196, 1536,
    1139, 1536, 455,  1139, 682,  2048, 1139, 1139, 682,  2048, 1366, 682,  2048, 1536, 1251, 1536,
    1536, 455,  455,  682,  682,  717,  1139, 2048, 682,  2048, 1024, 682,  1933, 1536, 1024, 1366,
    569,  682,  1139, 1139, 1139, 1139, 532,  1139, 682,  1509, 758,  1139, 1196, 682,  1509, 1131,
    819,  1124, 682,  682,  682,  1180, 1100, 682,  682,  682,  748,  1139, 1708, 1708, 1708, 1251,
    1366, 1366, 1366, 1366, 1366, 1366, 2048, 1479, 1366, 1366, 1366, 1366, 569,  569,  569,  569,
    1479, 1479, 1593, 1593, 1593, 1593, 1593, 1196, 1593, 1479, 1479, 1479, 1479, 1366, 1366, 1251,
    1139, 1139, 1139, 1139, 1139, 1139, 1821, 1024, 1139, 1139, 1139, 1139, 569,  569,  569,  569,
    1139, 1139, 1139, 1139, 1139, 1139, 1139, 1124, 1251, 1139, 1139, 1139, 1139, 1024, 1139, 1024,
};
constexpr int kSansCell = 1854 + 434;  // ascent + descent: a font's height is its cell
constexpr int kSansAverage = 1187;     // the average advance a font's width refers to
constexpr int kFixedAdvance = 1229;
constexpr int kFixedCell = 1705 + 615;

std::int32_t clamp32(std::int64_t v) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
}

bool isFixedFace(const FontDesc& font) { return font.face.rfind("Courier", 0) == 0; }

// Device-unit advances of each character of a Windows-1252 text, rounded so
// that their running sum stays on the exact total.
std::vector<std::int32_t> textAdvances(const FontDesc& font, std::string_view cp1252) {
  const bool fixed = isFixedFace(font);
  const double cell = fixed ? kFixedCell : kSansCell;
  const double height = font.height != 0 ? std::fabs(double(font.height)) : 16.0;
  double scale = height / cell;  // device units per 1/2048 em
  if (font.width > 0) {
    // A requested average width stretches the characters horizontally.
    const double average = (fixed ? kFixedAdvance : kSansAverage) * scale;
    scale *= font.width / average;
  }
  std::vector<std::int32_t> out;
  out.reserve(cp1252.size());
  double exact = 0;
  std::int64_t given = 0;
  for (char c : cp1252) {
    const auto byte = static_cast<unsigned char>(c);
    const int advance = fixed ? kFixedAdvance : byte >= 0x20 ? kSansAdvances[byte - 0x20] : kSansAdvances[0];
    exact += advance * scale;
    const std::int64_t next = std::llround(std::min(exact, 1e15));
    out.push_back(clamp32(next - given));
    given = next;
  }
  return out;
}

// UTF-16 units of a Windows-1252 text (every character of the code page is
// one unit).
std::vector<std::uint16_t> utf16Of(std::string_view cp1252) {
  const std::string utf8 = cp1252ToUtf8(cp1252);
  std::vector<std::uint16_t> out;
  out.reserve(cp1252.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    std::uint32_t cp;
    std::size_t length;
    if (b < 0x80) {
      cp = b;
      length = 1;
    } else if (b < 0xE0) {
      cp = b & 0x1F;
      length = 2;
    } else if (b < 0xF0) {
      cp = b & 0x0F;
      length = 3;
    } else {
      cp = b & 0x07;
      length = 4;
    }
    for (std::size_t k = 1; k < length && i + k < utf8.size(); ++k)
      cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    i += length;
    out.push_back(cp < 0x10000 ? std::uint16_t(cp) : std::uint16_t('?'));
  }
  return out;
}

std::int32_t roundCoordinate(double v) {
  if (!(v == v)) return 0;  // NaN
  constexpr double lo = std::numeric_limits<std::int32_t>::min();
  constexpr double hi = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(std::llround(std::clamp(v, lo, hi)));
}

struct IntPoint {
  std::int32_t x, y;
};

IntPoint rounded(DevicePoint p) { return {roundCoordinate(p.x), roundCoordinate(p.y)}; }

bool fits16(const IntPoint& p) {
  return p.x >= INT16_MIN && p.x <= INT16_MAX && p.y >= INT16_MIN && p.y <= INT16_MAX;
}

struct Box {
  std::int32_t left = 0, top = 0, right = -1, bottom = -1;
  bool empty = true;
  void add(std::int32_t x, std::int32_t y) {
    if (empty) {
      left = right = x;
      top = bottom = y;
      empty = false;
      return;
    }
    left = std::min(left, x);
    right = std::max(right, x);
    top = std::min(top, y);
    bottom = std::max(bottom, y);
  }
  void add(const Box& other) {
    if (other.empty) return;
    add(other.left, other.top);
    add(other.right, other.bottom);
  }
  Box grown(std::int32_t by) const {
    Box b = *this;
    if (!b.empty && by > 0) {
      b.left = clamp32(std::int64_t(b.left) - by);
      b.top = clamp32(std::int64_t(b.top) - by);
      b.right = clamp32(std::int64_t(b.right) + by);
      b.bottom = clamp32(std::int64_t(b.bottom) + by);
    }
    return b;
  }
};

Box boxOf(const std::vector<IntPoint>& points) {
  Box b;
  for (const IntPoint& p : points) b.add(p.x, p.y);
  return b;
}

void putBox(std::vector<std::uint8_t>& out, const Box& b) {
  emf::putI32(out, b.left);
  emf::putI32(out, b.top);
  emf::putI32(out, b.right);
  emf::putI32(out, b.bottom);
}

}  // namespace

struct EmfWriter::State {
  int width = 1;
  int height = 1;
  double pixelsPerMillimetre = 1;

  std::vector<std::uint8_t> bytes;
  std::uint32_t records = 0;
  Box drawn;  // what the picture covers, for the header's bounds
  bool finished = false;

  // Object table: slot 0 is reserved by the format; a freed slot is reused.
  std::vector<bool> slots{true};
  std::uint32_t pen = 0, brush = 0, font = 0;  // created objects selected (0: the default)
  int penWidth = 1;
  bool penNull = false;
  FontDesc currentFont;  // for text extents

  IntPoint current{0, 0};
  std::uint32_t textAlign = emf::kAlignLeft | emf::kAlignTop;
  std::uint32_t textColour = emf::colourRef(kBlack);
  std::uint32_t bkMode = emf::kOpaque;  // the format's initial mode
  std::uint32_t bkColour = emf::colourRef(kWhite);

  // Starts a record; returns its offset for `end`.
  std::size_t begin(std::uint32_t type) {
    const std::size_t at = bytes.size();
    emf::putU32(bytes, type);
    emf::putU32(bytes, 0);
    return at;
  }
  void end(std::size_t at) {
    while ((bytes.size() - at) % 4 != 0) bytes.push_back(0);
    emf::writeU32At(bytes, at + 4, static_cast<std::uint32_t>(bytes.size() - at));
    ++records;
  }
  void single(std::uint32_t type, std::uint32_t value) {
    const std::size_t at = begin(type);
    emf::putU32(bytes, value);
    end(at);
  }

  std::uint32_t takeSlot() {
    for (std::size_t i = 1; i < slots.size(); ++i)
      if (!slots[i]) {
        slots[i] = true;
        return static_cast<std::uint32_t>(i);
      }
    slots.push_back(true);
    return static_cast<std::uint32_t>(slots.size() - 1);
  }
  void deleteObject(std::uint32_t handle) {
    if (handle == 0) return;
    single(emf::kDeleteObject, handle);
    slots[handle] = false;
  }
  // Selects the new object, then deletes the one it replaces.
  void replace(std::uint32_t& selected, std::uint32_t created) {
    single(emf::kSelectObject, created);
    deleteObject(selected);
    selected = created;
  }

  std::int32_t strokeMargin() const { return penNull ? 0 : std::max(penWidth, 1) / 2; }
  void stroke(const Box& b) { drawn.add(b.grown(strokeMargin())); }
  void fill(const Box& b) { drawn.add(b.grown(strokeMargin())); }

  void check() const {
    if (finished) throw std::logic_error("EmfWriter: drawing after finish()");
  }
};

EmfWriter::EmfWriter(int width, int height, double pixelsPerMillimetre) : state_(new State) {
  State& s = *state_;
  s.width = std::max(width, 1);
  s.height = std::max(height, 1);
  s.pixelsPerMillimetre = pixelsPerMillimetre > 0 ? pixelsPerMillimetre : 96 / 25.4;
  // The header is completed by finish().
  s.bytes.assign(emf::header::kFullSize, 0);
  s.records = 1;
  // The drawings fill polygons by the winding rule and draw text on a
  // transparent background unless they ask for one.
  s.single(emf::kSetPolyFillMode, emf::kWinding);
  s.single(emf::kSetBkMode, emf::kTransparent);
  s.bkMode = emf::kTransparent;
}

EmfWriter::~EmfWriter() { delete state_; }

void EmfWriter::selectPen(const PenDesc& pen) {
  State& s = *state_;
  s.check();
  const std::uint32_t handle = s.takeSlot();
  const std::uint32_t style = pen.style == PenStyle::Dash   ? emf::kPenDash
                              : pen.style == PenStyle::Null ? emf::kPenNull
                                                            : emf::kPenSolid;
  if (pen.style == PenStyle::Dash && pen.width > 1) {
    // A simple pen wider than one unit cannot dash: a geometric pen does.
    const std::size_t at = s.begin(emf::kExtCreatePen);
    emf::putU32(s.bytes, handle);
    for (int i = 0; i < 4; ++i) emf::putU32(s.bytes, 0);  // no pattern bitmap
    emf::putU32(s.bytes, emf::kGeometricPen | style);
    emf::putU32(s.bytes, static_cast<std::uint32_t>(pen.width));
    emf::putU32(s.bytes, emf::kBrushSolid);
    emf::putU32(s.bytes, emf::colourRef(pen.colour));
    emf::putU32(s.bytes, 0);  // hatch
    emf::putU32(s.bytes, 0);  // no dash lengths of our own
    s.end(at);
  } else {
    const std::size_t at = s.begin(emf::kCreatePen);
    emf::putU32(s.bytes, handle);
    emf::putU32(s.bytes, style);
    emf::putI32(s.bytes, std::max(pen.width, 0));  // width as a point: x counts, y unused
    emf::putI32(s.bytes, 0);
    emf::putU32(s.bytes, emf::colourRef(pen.colour));
    s.end(at);
  }
  s.replace(s.pen, handle);
  s.penWidth = std::max(pen.width, 0);
  s.penNull = pen.style == PenStyle::Null;
}

void EmfWriter::selectBrush(const BrushDesc& brush) {
  State& s = *state_;
  s.check();
  const std::uint32_t handle = s.takeSlot();
  const std::size_t at = s.begin(emf::kCreateBrushIndirect);
  emf::putU32(s.bytes, handle);
  emf::putU32(s.bytes, brush.hollow ? emf::kBrushNull : emf::kBrushSolid);
  emf::putU32(s.bytes, emf::colourRef(brush.colour));
  emf::putU32(s.bytes, 0);  // hatch
  s.end(at);
  s.replace(s.brush, handle);
}

void EmfWriter::selectFont(const FontDesc& font) {
  State& s = *state_;
  s.check();
  const std::uint32_t handle = s.takeSlot();
  const std::size_t at = s.begin(emf::kExtCreateFontIndirectW);
  emf::putU32(s.bytes, handle);
  emf::putI32(s.bytes, font.height);
  emf::putI32(s.bytes, font.width);
  emf::putI32(s.bytes, 0);  // escapement
  emf::putI32(s.bytes, 0);  // orientation
  emf::putI32(s.bytes, font.weight);
  s.bytes.push_back(font.italic ? 1 : 0);
  s.bytes.push_back(0);  // underline
  s.bytes.push_back(0);  // strike-out
  s.bytes.push_back(emf::font::kAnsiCharSet);
  s.bytes.push_back(0);  // output precision: default
  s.bytes.push_back(0);  // clip precision: default
  s.bytes.push_back(static_cast<std::uint8_t>(font.quality));
  s.bytes.push_back(isFixedFace(font) ? emf::font::kFixedPitchModern : emf::font::kVariablePitchSwiss);
  std::vector<std::uint16_t> face = utf16Of(font.face);
  face.resize(emf::font::kFaceNameUnits - 1);  // always terminated
  face.push_back(0);
  for (std::uint16_t unit : face) emf::putU16(s.bytes, unit);
  // Full name, style, version, style size, match, reserved, vendor, culture,
  // panose: all empty.
  s.bytes.resize(at + emf::font::kFullSize, 0);
  s.end(at);
  s.replace(s.font, handle);
  s.currentFont = font;
}

void EmfWriter::setTextColour(Rgb colour) {
  State& s = *state_;
  s.check();
  const std::uint32_t ref = emf::colourRef(colour);
  if (ref == s.textColour) return;
  s.single(emf::kSetTextColor, ref);
  s.textColour = ref;
}

void EmfWriter::setTextBackground(bool opaque, Rgb colour) {
  State& s = *state_;
  s.check();
  // The colour first, so that a player never shows the old colour opaque.
  const std::uint32_t ref = emf::colourRef(colour);
  if (opaque && ref != s.bkColour) {
    s.single(emf::kSetBkColor, ref);
    s.bkColour = ref;
  }
  const std::uint32_t mode = opaque ? emf::kOpaque : emf::kTransparent;
  if (mode != s.bkMode) {
    s.single(emf::kSetBkMode, mode);
    s.bkMode = mode;
  }
}

void EmfWriter::moveTo(DevicePoint p) {
  State& s = *state_;
  s.check();
  const IntPoint q = rounded(p);
  const std::size_t at = s.begin(emf::kMoveToEx);
  emf::putI32(s.bytes, q.x);
  emf::putI32(s.bytes, q.y);
  s.end(at);
  s.current = q;
}

void EmfWriter::lineTo(DevicePoint p) {
  State& s = *state_;
  s.check();
  const IntPoint q = rounded(p);
  const std::size_t at = s.begin(emf::kLineTo);
  emf::putI32(s.bytes, q.x);
  emf::putI32(s.bytes, q.y);
  s.end(at);
  if (!s.penNull) s.stroke(boxOf({s.current, q}));
  s.current = q;
}

namespace {
Box roundedBox(const DeviceRect& r) {
  Box b;
  b.add(roundCoordinate(r.left), roundCoordinate(r.top));
  b.add(roundCoordinate(r.right), roundCoordinate(r.bottom));
  return b;
}
void putRect(std::vector<std::uint8_t>& out, const DeviceRect& r) {
  emf::putI32(out, roundCoordinate(r.left));
  emf::putI32(out, roundCoordinate(r.top));
  emf::putI32(out, roundCoordinate(r.right));
  emf::putI32(out, roundCoordinate(r.bottom));
}
}  // namespace

void EmfWriter::arc(const DeviceRect& box, DevicePoint start, DevicePoint end) {
  State& s = *state_;
  s.check();
  const std::size_t at = s.begin(emf::kArc);
  putRect(s.bytes, box);
  const IntPoint a = rounded(start), b = rounded(end);
  emf::putI32(s.bytes, a.x);
  emf::putI32(s.bytes, a.y);
  emf::putI32(s.bytes, b.x);
  emf::putI32(s.bytes, b.y);
  s.end(at);
  // The bounds take the whole ellipse: never smaller than the arc.
  if (!s.penNull) s.stroke(roundedBox(box));
}

void EmfWriter::ellipse(const DeviceRect& box) {
  State& s = *state_;
  s.check();
  const std::size_t at = s.begin(emf::kEllipse);
  putRect(s.bytes, box);
  s.end(at);
  s.fill(roundedBox(box));
}

void EmfWriter::rectangle(const DeviceRect& box) {
  State& s = *state_;
  s.check();
  const std::size_t at = s.begin(emf::kRectangle);
  putRect(s.bytes, box);
  s.end(at);
  s.fill(roundedBox(box));
}

void EmfWriter::polygon(const std::vector<DevicePoint>& points) {
  State& s = *state_;
  s.check();
  if (points.size() < 2) return;  // nothing a polygon can draw
  std::vector<IntPoint> q;
  q.reserve(points.size());
  for (const DevicePoint& p : points) q.push_back(rounded(p));
  const bool small = std::all_of(q.begin(), q.end(), fits16);
  const Box b = boxOf(q);
  const std::size_t at = s.begin(small ? emf::kPolygon16 : emf::kPolygon);
  putBox(s.bytes, b);
  emf::putU32(s.bytes, static_cast<std::uint32_t>(q.size()));
  for (const IntPoint& p : q) {
    if (small) {
      emf::putI16(s.bytes, static_cast<std::int16_t>(p.x));
      emf::putI16(s.bytes, static_cast<std::int16_t>(p.y));
    } else {
      emf::putI32(s.bytes, p.x);
      emf::putI32(s.bytes, p.y);
    }
  }
  s.end(at);
  s.fill(b);
}

void EmfWriter::polyPolygon(const std::vector<std::vector<DevicePoint>>& polygons) {
  State& s = *state_;
  s.check();
  std::vector<std::vector<IntPoint>> rings;
  for (const auto& polygon : polygons) {
    if (polygon.size() < 2) continue;  // an empty ring draws nothing
    std::vector<IntPoint> ring;
    ring.reserve(polygon.size());
    for (const DevicePoint& p : polygon) ring.push_back(rounded(p));
    rings.push_back(std::move(ring));
  }
  if (rings.empty()) return;
  Box b;
  bool small = true;
  std::uint32_t total = 0;
  for (const auto& ring : rings) {
    b.add(boxOf(ring));
    small = small && std::all_of(ring.begin(), ring.end(), fits16);
    total += static_cast<std::uint32_t>(ring.size());
  }
  const std::size_t at = s.begin(small ? emf::kPolyPolygon16 : emf::kPolyPolygon);
  putBox(s.bytes, b);
  emf::putU32(s.bytes, static_cast<std::uint32_t>(rings.size()));
  emf::putU32(s.bytes, total);
  for (const auto& ring : rings) emf::putU32(s.bytes, static_cast<std::uint32_t>(ring.size()));
  for (const auto& ring : rings)
    for (const IntPoint& p : ring) {
      if (small) {
        emf::putI16(s.bytes, static_cast<std::int16_t>(p.x));
        emf::putI16(s.bytes, static_cast<std::int16_t>(p.y));
      } else {
        emf::putI32(s.bytes, p.x);
        emf::putI32(s.bytes, p.y);
      }
    }
  s.end(at);
  s.fill(b);
}

void EmfWriter::text(DevicePoint p, TextAlign align, std::string_view cp1252) {
  State& s = *state_;
  s.check();
  if (cp1252.empty()) return;
  const std::uint32_t alignBits = align == TextAlign::Right    ? emf::kAlignRight
                                  : align == TextAlign::Centre ? emf::kAlignCentre
                                                               : emf::kAlignLeft;
  if (alignBits != s.textAlign) {
    s.single(emf::kSetTextAlign, alignBits | emf::kAlignTop);
    s.textAlign = alignBits;
  }
  const IntPoint q = rounded(p);
  const std::vector<std::uint16_t> units = utf16Of(cp1252);
  const std::vector<std::int32_t> dx = textAdvances(s.currentFont, cp1252);
  std::int64_t extent = 0;
  for (std::int32_t d : dx) extent += d;
  const std::int64_t left = align == TextAlign::Right    ? q.x - extent
                            : align == TextAlign::Centre ? q.x - extent / 2
                                                         : q.x;
  const std::int64_t height = std::llabs(std::int64_t(s.currentFont.height));
  Box b;
  b.add(clamp32(left), q.y);
  b.add(clamp32(left + std::max<std::int64_t>(extent - 1, 0)), clamp32(q.y + std::max<std::int64_t>(height - 1, 0)));

  const auto chars = static_cast<std::uint32_t>(units.size());
  const std::uint32_t dxOffset = emf::padded4(emf::text::kFixedSize + 2 * chars);
  const std::size_t at = s.begin(emf::kExtTextOutW);
  putBox(s.bytes, b);
  emf::putU32(s.bytes, emf::kCompatibleGraphicsMode);
  const float scale = static_cast<float>(100.0 / s.pixelsPerMillimetre);  // device unit -> 0.01 mm
  emf::putF32(s.bytes, scale);
  emf::putF32(s.bytes, scale);
  emf::putI32(s.bytes, q.x);
  emf::putI32(s.bytes, q.y);
  emf::putU32(s.bytes, chars);
  emf::putU32(s.bytes, emf::text::kFixedSize);
  emf::putU32(s.bytes, 0);  // options
  emf::putI32(s.bytes, 0);  // no clip box: left, top, right, bottom = 0, 0, -1, -1
  emf::putI32(s.bytes, 0);
  emf::putI32(s.bytes, -1);
  emf::putI32(s.bytes, -1);
  emf::putU32(s.bytes, dxOffset);
  for (std::uint16_t unit : units) emf::putU16(s.bytes, unit);
  s.bytes.resize(at + dxOffset, 0);
  for (std::int32_t d : dx) emf::putI32(s.bytes, d);
  s.end(at);
  s.drawn.add(b);
}

void EmfWriter::clear(Rgb colour) {
  State& s = *state_;
  s.check();
  // A rectangle in the colour over the whole picture, without outline; the
  // pen and brush in use are selected again afterwards.
  const std::uint32_t handle = s.takeSlot();
  std::size_t at = s.begin(emf::kCreateBrushIndirect);
  emf::putU32(s.bytes, handle);
  emf::putU32(s.bytes, emf::kBrushSolid);
  emf::putU32(s.bytes, emf::colourRef(colour));
  emf::putU32(s.bytes, 0);
  s.end(at);
  s.single(emf::kSelectObject, handle);
  s.single(emf::kSelectObject, emf::kStockObject | emf::kNullPen);
  // Without an outline a rectangle leaves its right and bottom edges out.
  at = s.begin(emf::kRectangle);
  emf::putI32(s.bytes, 0);
  emf::putI32(s.bytes, 0);
  emf::putI32(s.bytes, s.width + 1);
  emf::putI32(s.bytes, s.height + 1);
  s.end(at);
  s.single(emf::kSelectObject, s.pen != 0 ? s.pen : emf::kStockObject | emf::kBlackPen);
  s.single(emf::kSelectObject, s.brush != 0 ? s.brush : emf::kStockObject | emf::kWhiteBrush);
  s.deleteObject(handle);
  s.drawn.add(0, 0);
  s.drawn.add(s.width - 1, s.height - 1);
}

std::vector<std::uint8_t> EmfWriter::finish() {
  State& s = *state_;
  if (!s.finished) {
    std::size_t at = s.begin(emf::kEof);
    emf::putU32(s.bytes, 0);   // palette entries
    emf::putU32(s.bytes, 16);  // their offset in the record
    emf::putU32(s.bytes, emf::kEofSize);  // the record's size again, last
    s.end(at);

    // The header, written into the space kept at the start.
    std::vector<std::uint8_t> h;
    h.reserve(emf::header::kFullSize);
    emf::putU32(h, emf::kHeader);
    emf::putU32(h, emf::header::kFullSize);
    // The bounds: what was drawn, from the picture's origin on. Readers that
    // take the bounds' top-left corner for the picture's origin (rather than
    // the frame's) then place the drawing where it belongs. An empty picture
    // keeps 0, 0, -1, -1.
    Box bounds = s.drawn;
    if (!bounds.empty) bounds.add(0, 0);
    putBox(h, bounds);
    // The frame in 0.01 mm, inclusive like the bounds: device unit 0 to
    // width - 1 of the reference device.
    const double hundredthsPerPixel = 100.0 / s.pixelsPerMillimetre;
    emf::putI32(h, 0);
    emf::putI32(h, 0);
    emf::putI32(h, static_cast<std::int32_t>(std::lround((s.width - 1) * hundredthsPerPixel)));
    emf::putI32(h, static_cast<std::int32_t>(std::lround((s.height - 1) * hundredthsPerPixel)));
    emf::putU32(h, emf::kSignature);
    emf::putU32(h, emf::kVersion);
    emf::putU32(h, static_cast<std::uint32_t>(s.bytes.size()));
    emf::putU32(h, s.records);
    emf::putU16(h, static_cast<std::uint16_t>(s.slots.size()));
    emf::putU16(h, 0);
    emf::putU32(h, 0);  // no description
    emf::putU32(h, 0);
    emf::putU32(h, 0);  // no palette
    emf::putI32(h, s.width);
    emf::putI32(h, s.height);
    emf::putI32(h, std::max<std::int32_t>(1, std::lround(s.width / s.pixelsPerMillimetre)));
    emf::putI32(h, std::max<std::int32_t>(1, std::lround(s.height / s.pixelsPerMillimetre)));
    emf::putU32(h, 0);  // no pixel format, no OpenGL
    emf::putU32(h, 0);
    emf::putU32(h, 0);
    emf::putI32(h, static_cast<std::int32_t>(std::lround(s.width * 1000.0 / s.pixelsPerMillimetre)));
    emf::putI32(h, static_cast<std::int32_t>(std::lround(s.height * 1000.0 / s.pixelsPerMillimetre)));
    std::copy(h.begin(), h.end(), s.bytes.begin());
    s.finished = true;
  }
  return s.bytes;
}

void saveMetafile(const WorkFolder& folder, std::string_view name, const std::vector<std::uint8_t>& bytes) {
  const std::string file(name);
  const std::filesystem::path path = folder.pathForWrite(name);
  errno = 0;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) throw IoError(errno != 0 ? ioErrorCodeFromErrno(errno) : IoErrorCode::WriteFailed, file);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw IoError(IoErrorCode::WriteFailed, file);
}

}  // namespace qx
