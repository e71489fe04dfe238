#include "Metafile.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <fstream>
#include <limits>
#include <optional>
#include <system_error>
#include <variant>

#include "Cp1252.h"
#include "EmfRecords.h"
#include "IoError.h"

namespace qx {

namespace {

using emf::readI16;
using emf::readI32;
using emf::readU16;
using emf::readU32;

// Size of a record's body that the checks below demand, for the fixed-size
// records the player reads.
std::uint32_t minimumSize(std::uint32_t type) {
  switch (type) {
    case emf::kSetBkMode:
    case emf::kSetPolyFillMode:
    case emf::kSetTextAlign:
    case emf::kSetTextColor:
    case emf::kSetBkColor:
    case emf::kSelectObject:
    case emf::kDeleteObject: return emf::kSingleValueSize;
    case emf::kMoveToEx:
    case emf::kLineTo: return emf::kPointRecordSize;
    case emf::kEllipse:
    case emf::kRectangle: return emf::kBoxRecordSize;
    case emf::kArc: return emf::kArcSize;
    case emf::kCreatePen: return emf::kCreatePenSize;
    case emf::kCreateBrushIndirect: return emf::kCreateBrushSize;
    case emf::kExtCreatePen: return emf::kExtCreatePenFixedSize;
    case emf::kExtCreateFontIndirectW: return emf::font::kMinimumSize;
    case emf::kPolygon:
    case emf::kPolyline:
    case emf::kPolygon16:
    case emf::kPolyline16: return emf::kPolygonFixedSize;
    case emf::kPolyPolygon:
    case emf::kPolyPolyline:
    case emf::kPolyPolygon16:
    case emf::kPolyPolyline16: return emf::kPolyPolygonFixedSize;
    case emf::kExtTextOutW: return emf::text::kClipBox;  // the clip box may be absent
    case emf::kEof: return emf::kEofSize;
    default: return 8;
  }
}

bool isCreation(std::uint32_t type) {
  return type == emf::kCreatePen || type == emf::kCreateBrushIndirect || type == emf::kExtCreatePen ||
         type == emf::kExtCreateFontIndirectW;
}

// Where the text record keeps its advance widths' offset: after the clip box,
// or in its place when the record says it has none.
std::size_t dxOffsetField(std::uint32_t options) {
  return (options & emf::kNoRectangleOption) != 0 ? emf::text::kClipBox : emf::text::kDxOffset;
}

constexpr std::uint32_t kPdyOption = 0x2000;  // advance widths come in x, y pairs

// True when the record at p (size bytes, already inside the file) holds what
// its counts and offsets promise.
bool recordFits(const std::uint8_t* p, std::uint32_t size, std::uint16_t handles) {
  const std::uint32_t type = readU32(p);
  if (size < minimumSize(type)) return false;
  const std::uint64_t total = size;
  if (isCreation(type)) {
    const std::uint32_t index = readU32(p + 8);
    if (index == 0 || index >= handles) return false;
  }
  switch (type) {
    case emf::kSelectObject: {
      const std::uint32_t index = readU32(p + 8);
      if ((index & emf::kStockObject) != 0) return (index & ~emf::kStockObject) <= emf::kDcPen;
      return index != 0 && index < handles;
    }
    case emf::kDeleteObject: {
      const std::uint32_t index = readU32(p + 8);
      if ((index & emf::kStockObject) != 0) return true;  // stock objects are never deleted
      return index != 0 && index < handles;
    }
    case emf::kExtCreatePen: {
      // A bitmap for a pattern pen and the user's dash lengths.
      const std::uint64_t offBmi = readU32(p + 12), cbBmi = readU32(p + 16);
      const std::uint64_t offBits = readU32(p + 20), cbBits = readU32(p + 24);
      const std::uint64_t styleEntries = readU32(p + 48);
      if (cbBmi != 0 && offBmi + cbBmi > total) return false;
      if (cbBits != 0 && offBits + cbBits > total) return false;
      return emf::kExtCreatePenFixedSize + 4 * styleEntries <= total;
    }
    case emf::kPolygon:
    case emf::kPolyline:
    case emf::kPolygon16:
    case emf::kPolyline16: {
      const std::uint64_t count = readU32(p + 24);
      const std::uint64_t point = (type == emf::kPolygon16 || type == emf::kPolyline16) ? 4 : 8;
      return emf::kPolygonFixedSize + count * point <= total;
    }
    case emf::kPolyPolygon:
    case emf::kPolyPolyline:
    case emf::kPolyPolygon16:
    case emf::kPolyPolyline16: {
      const std::uint64_t polygons = readU32(p + 24);
      const std::uint64_t count = readU32(p + 28);
      const std::uint64_t point = (type == emf::kPolyPolygon16 || type == emf::kPolyPolyline16) ? 4 : 8;
      if (emf::kPolyPolygonFixedSize + 4 * polygons + point * count > total) return false;
      std::uint64_t sum = 0;
      for (std::uint64_t i = 0; i < polygons; ++i) sum += readU32(p + emf::kPolyPolygonFixedSize + 4 * i);
      return sum == count;
    }
    case emf::kExtTextOutW: {
      const std::uint64_t chars = readU32(p + emf::text::kChars);
      const std::uint64_t offString = readU32(p + emf::text::kStringOffset);
      const std::uint32_t options = readU32(p + emf::text::kOptions);
      const std::size_t dxField = dxOffsetField(options);
      if (dxField + 4 > total) return false;
      const std::uint64_t textStart = dxField + 4;  // the text block's fixed part ends here
      if (chars > 0 && (offString < textStart || offString + 2 * chars > total)) return false;
      const std::uint64_t offDx = readU32(p + dxField);
      const std::uint64_t dxCount = (options & kPdyOption) != 0 ? 2 * chars : chars;
      if (offDx != 0 && chars > 0 && (offDx < textStart || offDx + 4 * dxCount > total)) return false;
      return true;
    }
    case emf::kEof: {
      const std::uint64_t entries = readU32(p + 8), offset = readU32(p + 12);
      return entries == 0 || offset + 4 * entries <= total;
    }
    default: return true;
  }
}

[[noreturn]] void refuse(const std::string& name) { throw IoError(IoErrorCode::ReadPastEnd, name); }

}  // namespace

Metafile Metafile::fromBytes(std::vector<std::uint8_t> bytes, std::string name) {
  using namespace emf::header;
  const std::uint8_t* data = bytes.data();
  if (bytes.size() < kBaseSize || bytes.size() > std::numeric_limits<std::uint32_t>::max()) refuse(name);
  const auto fileSize = static_cast<std::uint32_t>(bytes.size());

  const std::uint32_t headerSize = readU32(data + 4);
  if (readU32(data) != emf::kHeader || headerSize < kBaseSize || headerSize > fileSize || headerSize % 4 != 0)
    refuse(name);
  if (readU32(data + kSignatureAt) != emf::kSignature) refuse(name);

  MetafileHeader h;
  h.headerSize = headerSize;
  h.boundsLeft = readI32(data + kBounds);
  h.boundsTop = readI32(data + kBounds + 4);
  h.boundsRight = readI32(data + kBounds + 8);
  h.boundsBottom = readI32(data + kBounds + 12);
  h.frameLeft = readI32(data + kFrame);
  h.frameTop = readI32(data + kFrame + 4);
  h.frameRight = readI32(data + kFrame + 8);
  h.frameBottom = readI32(data + kFrame + 12);
  h.bytes = readU32(data + kBytes);
  h.records = readU32(data + kRecords);
  h.handles = readU16(data + kHandles);
  h.devicePixelsX = readI32(data + kDevice);
  h.devicePixelsY = readI32(data + kDevice + 4);
  h.deviceMillimetresX = readI32(data + kMillimetres);
  h.deviceMillimetresY = readI32(data + kMillimetres + 4);
  // The micrometre size follows the pixel-format fields, when the header is
  // long enough to hold them and no description or pixel format sits there.
  const std::uint32_t descriptionLength = readU32(data + kDescriptionLength);
  const std::uint32_t descriptionOffset = readU32(data + kDescriptionOffset);
  if (descriptionLength != 0 &&
      (descriptionOffset < kBaseSize ||
       std::uint64_t(descriptionOffset) + 2 * std::uint64_t(descriptionLength) > headerSize))
    refuse(name);
  if (headerSize >= kFullSize) {
    const std::uint32_t pixelFormatSize = readU32(data + kPixelFormatSize);
    const std::uint32_t pixelFormatOffset = readU32(data + kPixelFormatSize + 4);
    const bool extensionFree = (descriptionLength == 0 || descriptionOffset >= kFullSize) &&
                               (pixelFormatSize == 0 || pixelFormatOffset >= kFullSize);
    if (extensionFree) {
      h.deviceMicrometresX = readI32(data + kMicrometres);
      h.deviceMicrometresY = readI32(data + kMicrometres + 4);
    }
  }
  if (h.bytes > fileSize || h.bytes < headerSize || h.handles == 0) refuse(name);

  std::vector<Record> records;
  records.push_back({emf::kHeader, 0, headerSize});
  std::uint32_t at = headerSize;
  bool ended = false;
  while (at < h.bytes) {
    if (ended) refuse(name);  // records after the end-of-file record
    if (h.bytes - at < 8) refuse(name);
    const std::uint32_t type = readU32(data + at);
    const std::uint32_t size = readU32(data + at + 4);
    if (size < 8 || size % 4 != 0 || size > h.bytes - at) refuse(name);
    if (type == emf::kHeader) refuse(name);
    if (!recordFits(data + at, size, h.handles)) refuse(name);
    records.push_back({type, at, size});
    ended = type == emf::kEof;
    at += size;
  }
  if (!ended || records.size() != h.records) refuse(name);

  Metafile m;
  m.header_ = h;
  m.name_ = std::move(name);
  m.bytes_ = std::move(bytes);
  m.records_ = std::move(records);
  return m;
}

namespace {

// The cp1252 text of UTF-16 units (characters outside the code page become
// "?").
std::string cp1252Of(const std::uint8_t* units, std::size_t count) {
  std::string utf8;
  utf8.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    std::uint32_t cp = readU16(units + 2 * i);
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < count) {
      const std::uint32_t low = readU16(units + 2 * (i + 1));
      if (low >= 0xDC00 && low <= 0xDFFF) {
        cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
        ++i;
      }
    }
    if (cp >= 0xD800 && cp <= 0xDFFF) cp = '?';
    if (cp < 0x80) {
      utf8 += char(cp);
    } else if (cp < 0x800) {
      utf8 += char(0xC0 | (cp >> 6));
      utf8 += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      utf8 += char(0xE0 | (cp >> 12));
      utf8 += char(0x80 | ((cp >> 6) & 0x3F));
      utf8 += char(0x80 | (cp & 0x3F));
    } else {
      utf8 += char(0xF0 | (cp >> 18));
      utf8 += char(0x80 | ((cp >> 12) & 0x3F));
      utf8 += char(0x80 | ((cp >> 6) & 0x3F));
      utf8 += char(0x80 | (cp & 0x3F));
    }
  }
  return utf8ToCp1252(utf8);
}

PenStyle penStyleOf(std::uint32_t style) {
  switch (style & emf::kPenStyleMask) {
    case emf::kPenNull: return PenStyle::Null;
    case emf::kPenDash:
    case emf::kPenDot:
    case emf::kPenDashDot:
    case emf::kPenDashDotDot: return PenStyle::Dash;
    default: return PenStyle::Solid;
  }
}

// Ascent of the faces as a share of the cell, for texts aligned on their
// baseline.
constexpr double kAscentShare = 1854.0 / 2288.0;

using Object = std::variant<std::monostate, PenDesc, BrushDesc, FontDesc>;

// Plays one metafile's records on a target through a linear map.
class Player {
 public:
  Player(const Metafile& m, DrawTarget& target, const DeviceRect& box) : m_(m), target_(target) {
    objects_.resize(m.header().handles);
    const DeviceRect extent = m.extent();
    const double left = extent.left, top = extent.top, right = extent.right, bottom = extent.bottom;
    originX_ = left;
    originY_ = top;
    scaleX_ = right > left ? (box.right - box.left) / (right - left) : 1.0;
    scaleY_ = bottom > top ? (box.bottom - box.top) / (bottom - top) : 1.0;
    boxX_ = box.left;
    boxY_ = box.top;
  }

  void run() {
    const std::uint8_t* data = m_.bytes().data();
    for (const Metafile::Record& r : m_.records()) {
      if (r.type == emf::kEof) break;
      play(r.type, data + r.offset, r.size);
    }
  }

 private:
  DevicePoint map(std::int32_t x, std::int32_t y) const {
    return {boxX_ + (x - originX_) * scaleX_, boxY_ + (y - originY_) * scaleY_};
  }
  DevicePoint pointAt(const std::uint8_t* p) const { return map(readI32(p), readI32(p + 4)); }
  DevicePoint point16At(const std::uint8_t* p) const { return map(readI16(p), readI16(p + 2)); }
  DeviceRect rectAt(const std::uint8_t* p) const {
    const DevicePoint a = pointAt(p), b = pointAt(p + 8);
    return {a.x, a.y, b.x, b.y};
  }

  int scaledWidth(std::int32_t width) const {
    if (width <= 0) return 0;
    const double scale = (std::abs(scaleX_) + std::abs(scaleY_)) / 2;
    return std::max(1, static_cast<int>(std::lround(std::min(width * scale, 1e6))));
  }

  void select(const Object& object) {
    if (const auto* pen = std::get_if<PenDesc>(&object)) {
      PenDesc scaled = *pen;
      scaled.width = scaledWidth(pen->width);
      target_.selectPen(scaled);
    } else if (const auto* brush = std::get_if<BrushDesc>(&object)) {
      target_.selectBrush(*brush);
    } else if (const auto* font = std::get_if<FontDesc>(&object)) {
      FontDesc scaled = *font;
      scaled.height = static_cast<int>(std::lround(std::min(font->height * std::abs(scaleY_), 1e6)));
      scaled.width = static_cast<int>(std::lround(std::min(font->width * std::abs(scaleX_), 1e6)));
      fontHeight_ = scaled.height;
      target_.selectFont(scaled);
    }
  }

  void selectStock(std::uint32_t index) {
    switch (index) {
      case emf::kWhiteBrush: select(BrushDesc{kWhite, false}); break;
      case emf::kLightGreyBrush: select(BrushDesc{0xC0C0C0, false}); break;
      case emf::kGreyBrush: select(BrushDesc{0x808080, false}); break;
      case emf::kDarkGreyBrush: select(BrushDesc{0x404040, false}); break;
      case emf::kBlackBrush: select(BrushDesc{kBlack, false}); break;
      case emf::kNullBrush: select(BrushDesc{kWhite, true}); break;
      case emf::kDcBrush: select(BrushDesc{kWhite, false}); break;
      case emf::kWhitePen: select(PenDesc{PenStyle::Solid, 0, kWhite}); break;
      case emf::kBlackPen:
      case emf::kDcPen: select(PenDesc{PenStyle::Solid, 0, kBlack}); break;
      case emf::kNullPen: select(PenDesc{PenStyle::Null, 0, kBlack}); break;
      case emf::kOemFixedFont:
      case emf::kAnsiFixedFont:
      case emf::kSystemFixedFont: {
        FontDesc f;
        f.face = "Courier";
        f.height = 16;
        f.weight = 400;
        select(f);
        break;
      }
      case emf::kAnsiVarFont:
      case emf::kSystemFont:
      case emf::kDeviceDefaultFont:
      case emf::kDefaultGuiFont: {
        FontDesc f;
        f.height = 16;
        f.weight = 400;
        select(f);
        break;
      }
      default: break;  // the palette: nothing to draw with
    }
  }

  // Units the font's LOGFONT height stands for: positive is the cell,
  // negative the character height without the internal leading.
  static int cellHeight(std::int32_t height) {
    if (height >= 0) return height;
    return static_cast<int>(std::min(std::lround(-static_cast<double>(height) * 2288.0 / 2048.0),
                                     long(std::numeric_limits<int>::max())));
  }

  void text(const std::uint8_t* p) {
    const std::uint32_t chars = readU32(p + emf::text::kChars);
    if (chars == 0) return;
    const std::string s = cp1252Of(p + readU32(p + emf::text::kStringOffset), chars);
    if (bkChanged_) {
      target_.setTextBackground(bkOpaque_, bkColour_);
      bkChanged_ = false;
    }
    DevicePoint at = pointAt(p + emf::text::kReference);
    if ((textAlign_ & 1) != 0) at = current_;  // the text starts at the current point
    const std::uint32_t vertical = textAlign_ & emf::kAlignVerticalMask;
    if (vertical == emf::kAlignBaseline)
      at.y -= fontHeight_ * kAscentShare;
    else if (vertical == emf::kAlignBottom)
      at.y -= fontHeight_;
    const std::uint32_t horizontal = textAlign_ & emf::kAlignHorizontalMask;
    const TextAlign align = horizontal == emf::kAlignCentre  ? TextAlign::Centre
                            : horizontal == emf::kAlignRight ? TextAlign::Right
                                                             : TextAlign::Left;
    target_.text(at, align, s);
  }

  void points(const std::uint8_t* p, std::uint32_t count, bool small, std::vector<DevicePoint>& out) const {
    out.clear();
    out.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i)
      out.push_back(small ? point16At(p + 4 * i) : pointAt(p + 8 * i));
  }

  void polyline(const std::vector<DevicePoint>& pts) {
    if (pts.empty()) return;
    target_.moveTo(pts.front());
    for (std::size_t i = 1; i < pts.size(); ++i) target_.lineTo(pts[i]);
    current_ = pts.back();
  }

  void play(std::uint32_t type, const std::uint8_t* p, std::uint32_t size) {
    (void)size;  // every field read below was checked against it
    switch (type) {
      case emf::kCreatePen: {
        PenDesc pen{penStyleOf(readU32(p + 12)), readI32(p + 16), emf::rgbOf(readU32(p + 24))};
        objects_[readU32(p + 8)] = pen;
        break;
      }
      case emf::kExtCreatePen: {
        const std::uint32_t style = readU32(p + 28);
        const std::uint32_t brushStyle = readU32(p + 36);
        PenDesc pen{brushStyle == emf::kBrushNull ? PenStyle::Null : penStyleOf(style), readI32(p + 32),
                    emf::rgbOf(readU32(p + 40))};
        objects_[readU32(p + 8)] = pen;
        break;
      }
      case emf::kCreateBrushIndirect: {
        // Hatched brushes are played as solid ones of their colour.
        BrushDesc brush{emf::rgbOf(readU32(p + 16)), readU32(p + 12) == emf::kBrushNull};
        objects_[readU32(p + 8)] = brush;
        break;
      }
      case emf::kExtCreateFontIndirectW: {
        FontDesc font;
        font.height = cellHeight(readI32(p + emf::font::kHeight));
        font.width = static_cast<int>(std::min<std::int64_t>(std::abs(std::int64_t(readI32(p + emf::font::kWidth))),
                                                             std::numeric_limits<int>::max()));
        font.weight = readI32(p + emf::font::kWeight);
        font.italic = p[emf::font::kItalic] != 0;
        font.quality = p[emf::font::kQuality];
        std::size_t length = 0;
        while (length < emf::font::kFaceNameUnits && readU16(p + emf::font::kFaceName + 2 * length) != 0) ++length;
        font.face = cp1252Of(p + emf::font::kFaceName, length);
        objects_[readU32(p + 8)] = font;
        break;
      }
      case emf::kSelectObject: {
        const std::uint32_t index = readU32(p + 8);
        if ((index & emf::kStockObject) != 0)
          selectStock(index & ~emf::kStockObject);
        else
          select(objects_[index]);  // an empty slot selects nothing
        break;
      }
      case emf::kDeleteObject: {
        const std::uint32_t index = readU32(p + 8);
        if ((index & emf::kStockObject) == 0) objects_[index] = std::monostate{};
        break;
      }
      case emf::kSetTextColor: target_.setTextColour(emf::rgbOf(readU32(p + 8))); break;
      // The background matters to texts only: it reaches the target before
      // the next text, once both records of a change are read.
      case emf::kSetBkColor:
        bkColour_ = emf::rgbOf(readU32(p + 8));
        bkChanged_ = true;
        break;
      case emf::kSetBkMode:
        bkOpaque_ = readU32(p + 8) == emf::kOpaque;
        bkChanged_ = true;
        break;
      case emf::kSetTextAlign: textAlign_ = readU32(p + 8); break;
      case emf::kMoveToEx:
        current_ = pointAt(p + 8);
        target_.moveTo(current_);
        break;
      case emf::kLineTo:
        current_ = pointAt(p + 8);
        target_.lineTo(current_);
        break;
      case emf::kArc: target_.arc(rectAt(p + 8), pointAt(p + 24), pointAt(p + 32)); break;
      case emf::kEllipse: target_.ellipse(rectAt(p + 8)); break;
      case emf::kRectangle: target_.rectangle(rectAt(p + 8)); break;
      case emf::kPolygon:
      case emf::kPolygon16:
        points(p + emf::kPolygonFixedSize, readU32(p + 24), type == emf::kPolygon16, scratch_);
        if (!scratch_.empty()) target_.polygon(scratch_);
        break;
      case emf::kPolyline:
      case emf::kPolyline16:
        points(p + emf::kPolygonFixedSize, readU32(p + 24), type == emf::kPolyline16, scratch_);
        polyline(scratch_);
        break;
      case emf::kPolyPolygon:
      case emf::kPolyPolygon16:
      case emf::kPolyPolyline:
      case emf::kPolyPolyline16: {
        const bool small = type == emf::kPolyPolygon16 || type == emf::kPolyPolyline16;
        const std::uint32_t polygons = readU32(p + 24);
        const std::uint8_t* at = p + emf::kPolyPolygonFixedSize + 4 * std::size_t(polygons);
        std::vector<std::vector<DevicePoint>> rings(polygons);
        for (std::uint32_t i = 0; i < polygons; ++i) {
          const std::uint32_t count = readU32(p + emf::kPolyPolygonFixedSize + 4 * i);
          points(at, count, small, rings[i]);
          at += std::size_t(count) * (small ? 4 : 8);
        }
        if (type == emf::kPolyPolygon || type == emf::kPolyPolygon16) {
          if (polygons > 0) target_.polyPolygon(rings);
        } else {
          for (const auto& ring : rings) polyline(ring);
        }
        break;
      }
      case emf::kExtTextOutW: text(p); break;
      default: break;  // records this program has no use for
    }
  }

  const Metafile& m_;
  DrawTarget& target_;
  std::vector<Object> objects_;
  double originX_ = 0, originY_ = 0, scaleX_ = 1, scaleY_ = 1, boxX_ = 0, boxY_ = 0;
  DevicePoint current_;
  std::uint32_t textAlign_ = emf::kAlignLeft | emf::kAlignTop;
  bool bkOpaque_ = true;  // the format's initial background mode
  bool bkChanged_ = false;
  Rgb bkColour_ = kWhite;
  int fontHeight_ = 16;
  std::vector<DevicePoint> scratch_;
};

}  // namespace

DeviceRect Metafile::extent() const {
  const MetafileHeader& h = header_;
  // The frame through the reference device's size (its micrometres, or its
  // millimetres), or else the bounds.
  double perHundredthX = 0, perHundredthY = 0;
  if (h.deviceMicrometresX > 0 && h.deviceMicrometresY > 0) {
    perHundredthX = h.devicePixelsX / (h.deviceMicrometresX / 10.0);
    perHundredthY = h.devicePixelsY / (h.deviceMicrometresY / 10.0);
  } else if (h.deviceMillimetresX > 0 && h.deviceMillimetresY > 0) {
    perHundredthX = h.devicePixelsX / (h.deviceMillimetresX * 100.0);
    perHundredthY = h.devicePixelsY / (h.deviceMillimetresY * 100.0);
  }
  if (perHundredthX > 0 && perHundredthY > 0 && h.frameRight > h.frameLeft && h.frameBottom > h.frameTop)
    return {h.frameLeft * perHundredthX, h.frameTop * perHundredthY, h.frameRight * perHundredthX,
            h.frameBottom * perHundredthY};
  return {double(h.boundsLeft), double(h.boundsTop), double(h.boundsRight), double(h.boundsBottom)};
}

void Metafile::play(DrawTarget& target, const DeviceRect& box) const {
  Player(*this, target, box).run();
}

namespace {

std::vector<std::uint8_t> readWhole(const std::filesystem::path& path, const std::string& name) {
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::error_code ec;
    const bool present = std::filesystem::exists(path, ec);
    throw IoError(!present ? IoErrorCode::FileNotFound
                  : errno == EACCES || errno == EPERM ? IoErrorCode::AccessDenied
                                                      : IoErrorCode::FileNotFound,
                  name);
  }
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw IoError(IoErrorCode::ReadPastEnd, name);
  return bytes;
}

}  // namespace

Metafile readMetafile(const WorkFolder& folder, std::string_view name) {
  const std::string file(name);
  return Metafile::fromBytes(readWhole(folder.resolve(name), file), file);
}

struct MetafileCache::Entry {
  std::string name;
  std::filesystem::path path;
  std::uintmax_t size = 0;
  std::filesystem::file_time_type modified;
  std::optional<Metafile> metafile;
};

MetafileCache::MetafileCache(const WorkFolder& folder) : folder_(folder) {}

MetafileCache::~MetafileCache() = default;

const Metafile& MetafileCache::get(std::string_view name) {
  Entry* entry = nullptr;
  for (const auto& e : entries_)
    if (e->name == name) {
      entry = e.get();
      break;
    }
  if (entry == nullptr) {
    entries_.push_back(std::make_unique<Entry>());
    entry = entries_.back().get();
    entry->name = std::string(name);
  }

  // The path found last time is tried first; a file gone from there is
  // looked up again (it may have been replaced with another spelling).
  std::error_code sizeError, timeError;
  std::uintmax_t size = 0;
  std::filesystem::file_time_type modified;
  if (!entry->path.empty()) {
    size = std::filesystem::file_size(entry->path, sizeError);
    modified = std::filesystem::last_write_time(entry->path, timeError);
  }
  if (entry->path.empty() || sizeError || timeError) {
    entry->path = folder_.resolve(name);
    size = std::filesystem::file_size(entry->path, sizeError);
    modified = std::filesystem::last_write_time(entry->path, timeError);
    if (sizeError || timeError) {
      entry->metafile.reset();
      throw IoError(IoErrorCode::FileNotFound, entry->name);
    }
  }
  if (entry->metafile && size == entry->size && modified == entry->modified) return *entry->metafile;

  entry->metafile.reset();
  entry->metafile = Metafile::fromBytes(readWhole(entry->path, entry->name), entry->name);
  entry->size = size;
  entry->modified = modified;
  return *entry->metafile;
}

}  // namespace qx
