#pragma once
// The pieces of the enhanced metafile format that the writer and the reader
// share: record type numbers, the constants of the records we write, the
// fixed sizes and field offsets of those records, and little-endian byte
// helpers. Private to the metafile code (EmfWriter.cpp, Metafile.cpp).
//
// Every record starts with its type and its size in bytes (both 32-bit,
// little-endian); sizes are multiples of 4. Points are signed 32-bit pairs
// (x, y), or signed 16-bit pairs in the "16" variants of the polygon records;
// rectangles are left, top, right, bottom. Colours are 0x00BBGGRR.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace qx::emf {

enum RecordType : std::uint32_t {
  kHeader = 1,
  kPolyBezier = 2,
  kPolygon = 3,
  kPolyline = 4,
  kPolyPolyline = 7,
  kPolyPolygon = 8,
  kEof = 14,
  kSetBkMode = 18,
  kSetPolyFillMode = 19,
  kSetTextAlign = 22,
  kSetTextColor = 24,
  kSetBkColor = 25,
  kMoveToEx = 27,
  kSaveDc = 33,
  kRestoreDc = 34,
  kSelectObject = 37,
  kCreatePen = 38,
  kCreateBrushIndirect = 39,
  kDeleteObject = 40,
  kEllipse = 42,
  kRectangle = 43,
  kArc = 45,
  kLineTo = 54,
  kExtCreateFontIndirectW = 82,
  kExtTextOutW = 84,
  kPolygon16 = 86,
  kPolyline16 = 87,
  kPolyPolyline16 = 90,
  kPolyPolygon16 = 91,
  kExtCreatePen = 95,
};

// Header record: " EMF" read as a little-endian 32-bit number, version 1.0.
inline constexpr std::uint32_t kSignature = 0x464D4520;
inline constexpr std::uint32_t kVersion = 0x00010000;

// Header field offsets (from the start of the record).
namespace header {
inline constexpr std::size_t kBounds = 8;           // 4 x int32
inline constexpr std::size_t kFrame = 24;           // 4 x int32, 0.01 mm
inline constexpr std::size_t kSignatureAt = 40;
inline constexpr std::size_t kVersionAt = 44;
inline constexpr std::size_t kBytes = 48;
inline constexpr std::size_t kRecords = 52;
inline constexpr std::size_t kHandles = 56;         // uint16, then a reserved uint16
inline constexpr std::size_t kDescriptionLength = 60;
inline constexpr std::size_t kDescriptionOffset = 64;
inline constexpr std::size_t kPaletteEntries = 68;
inline constexpr std::size_t kDevice = 72;          // 2 x int32, pixels
inline constexpr std::size_t kMillimetres = 80;     // 2 x int32
inline constexpr std::size_t kBaseSize = 88;        // the header without extensions
inline constexpr std::size_t kPixelFormatSize = 88;  // extension 1: 3 x uint32
inline constexpr std::size_t kMicrometres = 100;    // extension 2: 2 x int32
inline constexpr std::size_t kFullSize = 108;       // what the writer emits
}  // namespace header

// Stock objects are selected by index with the high bit set.
inline constexpr std::uint32_t kStockObject = 0x80000000;
enum StockObject : std::uint32_t {
  kWhiteBrush = 0,
  kLightGreyBrush = 1,
  kGreyBrush = 2,
  kDarkGreyBrush = 3,
  kBlackBrush = 4,
  kNullBrush = 5,
  kWhitePen = 6,
  kBlackPen = 7,
  kNullPen = 8,
  kOemFixedFont = 10,
  kAnsiFixedFont = 11,
  kAnsiVarFont = 12,
  kSystemFont = 13,
  kDeviceDefaultFont = 14,
  kDefaultPalette = 15,
  kSystemFixedFont = 16,
  kDefaultGuiFont = 17,
  kDcBrush = 18,
  kDcPen = 19,
};

// Pen styles (low four bits of the style), brush styles.
inline constexpr std::uint32_t kPenSolid = 0;
inline constexpr std::uint32_t kPenDash = 1;
inline constexpr std::uint32_t kPenDot = 2;
inline constexpr std::uint32_t kPenDashDot = 3;
inline constexpr std::uint32_t kPenDashDotDot = 4;
inline constexpr std::uint32_t kPenNull = 5;
inline constexpr std::uint32_t kPenStyleMask = 0x0F;
inline constexpr std::uint32_t kGeometricPen = 0x10000;  // extended pens: width in device units, any style
inline constexpr std::uint32_t kBrushSolid = 0;
inline constexpr std::uint32_t kBrushNull = 1;

// Background modes and fill modes.
inline constexpr std::uint32_t kTransparent = 1;
inline constexpr std::uint32_t kOpaque = 2;
inline constexpr std::uint32_t kAlternate = 1;
inline constexpr std::uint32_t kWinding = 2;

// Text alignment: the horizontal bits (left 0, right 2, centre 6) and the
// vertical ones (top 0, bottom 8, baseline 24); bit 0 updates the current
// point.
inline constexpr std::uint32_t kAlignLeft = 0;
inline constexpr std::uint32_t kAlignRight = 2;
inline constexpr std::uint32_t kAlignCentre = 6;
inline constexpr std::uint32_t kAlignHorizontalMask = 6;
inline constexpr std::uint32_t kAlignTop = 0;
inline constexpr std::uint32_t kAlignBottom = 8;
inline constexpr std::uint32_t kAlignBaseline = 24;
inline constexpr std::uint32_t kAlignVerticalMask = 24;

inline constexpr std::uint32_t kCompatibleGraphicsMode = 1;
inline constexpr std::uint32_t kNoRectangleOption = 0x100;  // text record without its clip box

// Fixed record sizes.
inline constexpr std::uint32_t kEofSize = 20;
inline constexpr std::uint32_t kSingleValueSize = 12;  // mode, colour, object index
inline constexpr std::uint32_t kPointRecordSize = 16;  // move-to, line-to
inline constexpr std::uint32_t kBoxRecordSize = 24;    // ellipse, rectangle
inline constexpr std::uint32_t kArcSize = 40;
inline constexpr std::uint32_t kCreatePenSize = 28;
inline constexpr std::uint32_t kCreateBrushSize = 24;
inline constexpr std::uint32_t kPolygonFixedSize = 28;      // then the points
inline constexpr std::uint32_t kPolyPolygonFixedSize = 32;  // then counts and points
inline constexpr std::uint32_t kExtCreatePenFixedSize = 52; // then the style entries

// The font record: the object index, then a logical font of 92 bytes
// (height, width, escapement, orientation, weight as int32; italic,
// underline, strike-out, charset, output and clip precision, quality, pitch
// and family as bytes; 32 UTF-16 units of face name), optionally followed by
// a full name, style and panose block up to 320 bytes.
namespace font {
inline constexpr std::size_t kHeight = 12;
inline constexpr std::size_t kWidth = 16;
inline constexpr std::size_t kEscapement = 20;
inline constexpr std::size_t kOrientation = 24;
inline constexpr std::size_t kWeight = 28;
inline constexpr std::size_t kItalic = 32;
inline constexpr std::size_t kUnderline = 33;
inline constexpr std::size_t kStrikeOut = 34;
inline constexpr std::size_t kCharSet = 35;
inline constexpr std::size_t kOutPrecision = 36;
inline constexpr std::size_t kClipPrecision = 37;
inline constexpr std::size_t kQuality = 38;
inline constexpr std::size_t kPitchAndFamily = 39;
inline constexpr std::size_t kFaceName = 40;  // 32 UTF-16 units
inline constexpr std::size_t kFaceNameUnits = 32;
inline constexpr std::uint32_t kMinimumSize = 104;  // record with the bare logical font
inline constexpr std::uint32_t kFullSize = 332;     // record with the 320-byte font block
inline constexpr std::uint8_t kAnsiCharSet = 0;
inline constexpr std::uint8_t kVariablePitchSwiss = 0x22;
inline constexpr std::uint8_t kFixedPitchModern = 0x31;
}  // namespace font

// The Unicode text record: bounds, graphics mode, two scale factors, then
// the text block: reference point, character count, string offset, options,
// clip box, offset of the advance widths. Offsets count from the record's
// start.
namespace text {
inline constexpr std::size_t kBounds = 8;
inline constexpr std::size_t kGraphicsMode = 24;
inline constexpr std::size_t kScaleX = 28;
inline constexpr std::size_t kScaleY = 32;
inline constexpr std::size_t kReference = 36;
inline constexpr std::size_t kChars = 44;
inline constexpr std::size_t kStringOffset = 48;
inline constexpr std::size_t kOptions = 52;
inline constexpr std::size_t kClipBox = 56;
inline constexpr std::size_t kDxOffset = 72;
inline constexpr std::uint32_t kFixedSize = 76;  // the string follows
}  // namespace text

inline constexpr std::uint32_t padded4(std::uint32_t size) { return (size + 3u) & ~3u; }

// Little-endian reading from a buffer the caller has checked.
inline std::uint32_t readU32(const std::uint8_t* p) {
  return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
         (std::uint32_t(p[3]) << 24);
}
inline std::int32_t readI32(const std::uint8_t* p) { return static_cast<std::int32_t>(readU32(p)); }
inline std::uint16_t readU16(const std::uint8_t* p) { return std::uint16_t(p[0] | (p[1] << 8)); }
inline std::int16_t readI16(const std::uint8_t* p) { return static_cast<std::int16_t>(readU16(p)); }
inline float readF32(const std::uint8_t* p) {
  const std::uint32_t bits = readU32(p);
  float value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

// Little-endian writing into a growing buffer.
inline void putU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(std::uint8_t(v));
  out.push_back(std::uint8_t(v >> 8));
  out.push_back(std::uint8_t(v >> 16));
  out.push_back(std::uint8_t(v >> 24));
}
inline void putI32(std::vector<std::uint8_t>& out, std::int32_t v) { putU32(out, static_cast<std::uint32_t>(v)); }
inline void putU16(std::vector<std::uint8_t>& out, std::uint16_t v) {
  out.push_back(std::uint8_t(v));
  out.push_back(std::uint8_t(v >> 8));
}
inline void putI16(std::vector<std::uint8_t>& out, std::int16_t v) { putU16(out, static_cast<std::uint16_t>(v)); }
inline void putF32(std::vector<std::uint8_t>& out, float v) {
  std::uint32_t bits;
  std::memcpy(&bits, &v, sizeof bits);
  putU32(out, bits);
}
inline void writeU32At(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
  out[at] = std::uint8_t(v);
  out[at + 1] = std::uint8_t(v >> 8);
  out[at + 2] = std::uint8_t(v >> 16);
  out[at + 3] = std::uint8_t(v >> 24);
}

// 0xRRGGBB <-> the format's 0x00BBGGRR.
inline constexpr std::uint32_t colourRef(std::uint32_t rgb) {
  return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}
inline constexpr std::uint32_t rgbOf(std::uint32_t colourRef) {
  return ((colourRef & 0xFF) << 16) | (colourRef & 0xFF00) | ((colourRef >> 16) & 0xFF);
}

}  // namespace qx::emf
