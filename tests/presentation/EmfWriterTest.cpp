// The metafile writer, read back with a small record walker of the test's own
// (not the program's reader), so that a fault shared by writer and reader
// cannot hide.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "EmfWriter.h"
#include "HexBytes.h"
#include "Metafile.h"
#include "RecordingTarget.h"

namespace qxtest {
namespace {

using qx::BrushDesc;
using qx::DevicePoint;
using qx::DeviceRect;
using qx::EmfWriter;
using qx::FontDesc;
using qx::PenDesc;
using qx::PenStyle;
using qx::TextAlign;

using Bytes = std::vector<std::uint8_t>;

std::uint32_t u32(const Bytes& b, std::size_t at) {
  return std::uint32_t(b.at(at)) | (std::uint32_t(b.at(at + 1)) << 8) | (std::uint32_t(b.at(at + 2)) << 16) |
         (std::uint32_t(b.at(at + 3)) << 24);
}
std::int32_t i32(const Bytes& b, std::size_t at) { return static_cast<std::int32_t>(u32(b, at)); }
std::uint16_t u16(const Bytes& b, std::size_t at) { return std::uint16_t(b.at(at) | (b.at(at + 1) << 8)); }
std::int16_t i16(const Bytes& b, std::size_t at) { return static_cast<std::int16_t>(u16(b, at)); }

struct Rec {
  std::uint32_t type;
  std::size_t offset;
  std::uint32_t size;
};

// Walks the records by their sizes; stops at the end-of-file record or at a
// size that cannot be right.
std::vector<Rec> walk(const Bytes& b) {
  std::vector<Rec> out;
  std::size_t at = 0;
  while (at + 8 <= b.size()) {
    const Rec r{u32(b, at), at, u32(b, at + 4)};
    out.push_back(r);
    if (r.size < 8 || r.type == 14) break;
    at += r.size;
  }
  return out;
}

std::vector<Rec> recordsOf(const std::vector<Rec>& all, std::uint32_t type) {
  std::vector<Rec> out;
  for (const Rec& r : all)
    if (r.type == type) out.push_back(r);
  return out;
}

constexpr std::uint32_t kPolygon = 3, kPolyPolygon = 8, kSetBkMode = 18, kSetTextAlign = 22, kSetTextColor = 24,
                        kSetBkColor = 25, kSelectObject = 37, kCreatePen = 38, kCreateBrush = 39, kDeleteObject = 40,
                        kRectangle = 43, kCreateFont = 82, kExtTextOutW = 84, kPolygon16 = 86,
                        kPolyPolygon16 = 91;

TEST(EmfWriter, HeaderDescribesThePictureAndTheFile) {
  EmfWriter w(200, 100, 4.0);
  w.selectPen({PenStyle::Solid, 5, 0x112233});  // half its width widens the bounds
  w.moveTo({10, 20});
  w.lineTo({150, 80});
  w.selectBrush({0x00FF00, false});
  w.ellipse({30, 5, 60, 90});
  const Bytes b = w.finish();

  ASSERT_GE(b.size(), 108u);
  EXPECT_EQ(u32(b, 0), 1u);
  EXPECT_EQ(u32(b, 4), 108u);
  // Bounds: line 10..150 x 20..80 and ellipse 30..60 x 5..90, all grown by
  // 2, from the picture's origin on.
  EXPECT_EQ(i32(b, 8), 0);
  EXPECT_EQ(i32(b, 12), 0);
  EXPECT_EQ(i32(b, 16), 152);
  EXPECT_EQ(i32(b, 20), 92);
  // Frame: device units 0..199 and 0..99 at 4 per millimetre, in 0.01 mm.
  EXPECT_EQ(i32(b, 24), 0);
  EXPECT_EQ(i32(b, 28), 0);
  EXPECT_EQ(i32(b, 32), 4975);
  EXPECT_EQ(i32(b, 36), 2475);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(b.data() + 40), 4), " EMF");
  EXPECT_EQ(u32(b, 44), 0x10000u);
  EXPECT_EQ(u32(b, 48), b.size());
  const std::vector<Rec> records = walk(b);
  EXPECT_EQ(u32(b, 52), records.size());
  EXPECT_EQ(records.back().type, 14u);
  EXPECT_EQ(u16(b, 56), 3u);  // slot 0, the pen, the brush
  EXPECT_EQ(i32(b, 72), 200);
  EXPECT_EQ(i32(b, 76), 100);
  EXPECT_EQ(i32(b, 80), 50);
  EXPECT_EQ(i32(b, 84), 25);
  EXPECT_EQ(i32(b, 100), 50000);  // micrometres
  EXPECT_EQ(i32(b, 104), 25000);
}

TEST(EmfWriter, EmptyPictureHasEmptyBoundsAndRefusesDrawingWhenFinished) {
  EmfWriter w(10, 10, 2.0);
  const Bytes b = w.finish();
  EXPECT_EQ(i32(b, 8), 0);
  EXPECT_EQ(i32(b, 12), 0);
  EXPECT_EQ(i32(b, 16), -1);
  EXPECT_EQ(i32(b, 20), -1);
  EXPECT_EQ(u32(b, 52), 4u);  // header, fill mode, background mode, end of file
  EXPECT_EQ(w.finish(), b);
  EXPECT_THROW(w.lineTo({1, 1}), std::logic_error);
}

TEST(EmfWriter, RecordsAreAlignedAndFillTheFile) {
  // Texts of odd and even length pad differently; far points need the
  // 32-bit polygon records.
  struct Case {
    const char* name;
    void (*draw)(EmfWriter&);
  };
  const Case cases[] = {
      {"text of one character", [](EmfWriter& w) { w.text({5, 5}, TextAlign::Left, "A"); }},
      {"text of two characters", [](EmfWriter& w) { w.text({5, 5}, TextAlign::Right, "Ab"); }},
      {"text of three characters", [](EmfWriter& w) { w.text({5, 5}, TextAlign::Centre, "Abc"); }},
      {"far polygon", [](EmfWriter& w) { w.polygon({{0, 0}, {70000, 0}, {0, 5}}); }},
      {"polypolygon", [](EmfWriter& w) { w.polyPolygon({{{0, 0}, {9, 0}, {9, 9}}, {{2, 2}, {3, 3}, {2, 3}}}); }},
      {"every primitive", [](EmfWriter& w) {
         w.clear(qx::kBlack);
         w.selectFont({"Courier", 13, 0, 10, false, 2});
         w.setTextBackground(true, 0x123456);
         w.text({1, 1}, TextAlign::Left, "Luna \x80");
         w.arc({0, 0, 20, 20}, {20, 10}, {0, 10});
         w.rectangle({1, 2, 3, 4});
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EmfWriter w(100, 100, 3.0);
    w.selectFont({"Arial", 21, 0, 10, false, 2});
    c.draw(w);
    const Bytes b = w.finish();
    std::size_t sum = 0;
    for (const Rec& r : walk(b)) {
      EXPECT_EQ(r.size % 4, 0u) << "record type " << r.type;
      sum += r.size;
    }
    EXPECT_EQ(sum, b.size());
    EXPECT_EQ(u32(b, 48), b.size());
    EXPECT_EQ(u32(b, 52), walk(b).size());
  }
}

TEST(EmfWriter, LineAndFilledPolygonRecordStream) {
  EmfWriter w(16, 16, 4.0);
  w.selectPen({PenStyle::Solid, 1, 0xFF0000});
  w.moveTo({1, 2});
  w.lineTo({13, 2});
  w.selectBrush({0x0000FF, false});
  w.polygon({{2, 4}, {12, 4}, {7, 14}});
  const Bytes b = w.finish();

  const Bytes expected = hexBytes(
      // header: type, size, bounds, frame, signature, version, bytes, records,
      // handles + reserved, description (2), palette, device, millimetres,
      // pixel format (3), micrometres
      "01000000 6C000000 00000000 00000000 0D000000 0E000000"
      "00000000 00000000 77010000 77010000 20454D46 00000100"
      "2C010000 0B000000 0300 0000 00000000 00000000 00000000"
      "10000000 10000000 04000000 04000000 00000000 00000000 00000000"
      "A00F0000 A00F0000"
      // winding fill, transparent background
      "13000000 0C000000 02000000"
      "12000000 0C000000 01000000"
      // red pen 1 wide in slot 1, selected
      "26000000 1C000000 01000000 00000000 01000000 00000000 FF000000"
      "25000000 0C000000 01000000"
      // move to (1, 2), line to (13, 2)
      "1B000000 10000000 01000000 02000000"
      "36000000 10000000 0D000000 02000000"
      // blue solid brush in slot 2, selected
      "27000000 18000000 02000000 00000000 0000FF00 00000000"
      "25000000 0C000000 02000000"
      // 16-bit polygon: bounds, 3 points
      "56000000 28000000 02000000 04000000 0C000000 0E000000 03000000"
      "0200 0400 0C00 0400 0700 0E00"
      // end of file: no palette
      "0E000000 14000000 00000000 10000000 14000000");
  EXPECT_EQ(hexText(b.data(), b.size()), hexText(expected.data(), expected.size()));
}

TEST(EmfWriter, SelectionsCreateSelectThenDeleteAndReuseSlots) {
  EmfWriter w(50, 50, 2.0);
  w.selectPen({PenStyle::Solid, 1, 0});
  w.selectPen({PenStyle::Dash, 1, 0xFF0000});
  w.selectBrush({0x00FF00, false});
  w.selectFont({"Arial", 12, 0, 10, false, 2});
  w.selectPen({PenStyle::Null, 0, 0});
  w.clear(0xFFFFFF);
  w.selectFont({"Courier", 12, 0, 10, false, 2});
  const Bytes b = w.finish();

  struct Step {
    std::uint32_t type;
    std::uint32_t index;
  };
  const std::uint32_t stock = 0x80000000;
  const Step expected[] = {
      {kCreatePen, 1},   {kSelectObject, 1},                       // first pen
      {kCreatePen, 2},   {kSelectObject, 2},   {kDeleteObject, 1},  // second pen replaces it
      {kCreateBrush, 1}, {kSelectObject, 1},                        // brush in the freed slot
      {kCreateFont, 3},  {kSelectObject, 3},                        //
      {kCreatePen, 4},   {kSelectObject, 4},   {kDeleteObject, 2},  // null pen
      // clear: a brush of its own and no outline, then the objects in use
      {kCreateBrush, 2}, {kSelectObject, 2},   {kSelectObject, stock | 8}, {kRectangle, 0},
      {kSelectObject, 4}, {kSelectObject, 1},  {kDeleteObject, 2},
      {kCreateFont, 2},  {kSelectObject, 2},   {kDeleteObject, 3},
  };
  std::vector<Step> got;
  for (const Rec& r : walk(b))
    if (r.type == kCreatePen || r.type == kCreateBrush || r.type == kCreateFont || r.type == kSelectObject ||
        r.type == kDeleteObject || r.type == kRectangle)
      got.push_back({r.type, r.type == kRectangle ? 0 : u32(b, r.offset + 8)});
  ASSERT_EQ(got.size(), std::size(expected));
  for (std::size_t i = 0; i < got.size(); ++i) {
    SCOPED_TRACE("step " + std::to_string(i));
    EXPECT_EQ(got[i].type, expected[i].type);
    EXPECT_EQ(got[i].index, expected[i].index);
  }
  EXPECT_EQ(u16(b, 56), 5u);  // slots 0..4
  // The clear rectangle covers the whole picture despite the missing outline.
  const Rec clear = recordsOf(walk(b), kRectangle).at(0);
  EXPECT_EQ(i32(b, clear.offset + 16), 51);
  EXPECT_EQ(i32(b, clear.offset + 20), 51);
}

TEST(EmfWriter, PolygonsUseSixteenBitPointsOnlyWhenAllFit) {
  struct Case {
    const char* name;
    DevicePoint far;
    std::uint32_t polygonType, polyPolygonType;
  };
  const Case cases[] = {
      {"inside", {32767, -32768}, kPolygon16, kPolyPolygon16},
      {"x too large", {32768, 0}, kPolygon, kPolyPolygon},
      {"y too small", {0, -32769}, kPolygon, kPolyPolygon},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EmfWriter w(10, 10, 1.0);
    w.polygon({{1.4, 1.6}, c.far, {-2.5, 3}});
    w.polyPolygon({{{0, 0}, {1, 1}, {0, 1}}, {c.far, {5, 5}}});
    const Bytes b = w.finish();
    const std::vector<Rec> all = walk(b);
    const Rec polygon = all.at(3), polyPolygon = all.at(4);
    ASSERT_EQ(polygon.type, c.polygonType);
    ASSERT_EQ(polyPolygon.type, c.polyPolygonType);
    const bool small = c.polygonType == kPolygon16;
    const auto x = [&](const Rec& r, std::size_t first, int i) {
      return small ? i16(b, r.offset + first + 4 * i) : i32(b, r.offset + first + 8 * i);
    };
    const auto y = [&](const Rec& r, std::size_t first, int i) {
      return small ? i16(b, r.offset + first + 4 * i + 2) : i32(b, r.offset + first + 8 * i + 4);
    };
    EXPECT_EQ(u32(b, polygon.offset + 24), 3u);
    EXPECT_EQ(polygon.size, 28u + 3 * (small ? 4 : 8));
    // Rounded to the nearest integer, halves away from zero.
    EXPECT_EQ(x(polygon, 28, 0), 1);
    EXPECT_EQ(y(polygon, 28, 0), 2);
    EXPECT_EQ(x(polygon, 28, 1), std::int32_t(c.far.x));
    EXPECT_EQ(y(polygon, 28, 1), std::int32_t(c.far.y));
    EXPECT_EQ(x(polygon, 28, 2), -3);
    // Polypolygon: 2 rings of 3 and 2 points, 5 in all.
    EXPECT_EQ(u32(b, polyPolygon.offset + 24), 2u);
    EXPECT_EQ(u32(b, polyPolygon.offset + 28), 5u);
    EXPECT_EQ(u32(b, polyPolygon.offset + 32), 3u);
    EXPECT_EQ(u32(b, polyPolygon.offset + 36), 2u);
    EXPECT_EQ(x(polyPolygon, 40, 3), std::int32_t(c.far.x));
    EXPECT_EQ(y(polyPolygon, 40, 4), 5);
  }
}

TEST(EmfWriter, TextRecordsCarryUnicodeAlignmentColoursAndAdvances) {
  EmfWriter w(300, 100, 4.0);
  w.selectFont({"Arial", 23, 0, 10, false, 2});
  w.setTextColour(0x0000FF);
  w.setTextColour(0x0000FF);  // no change, no record
  w.setTextBackground(true, 0xFF0000);
  w.text({150, 10}, TextAlign::Centre, "Sol \xe8 \x80");  // e grave, euro sign
  w.text({150, 40}, TextAlign::Centre, "MMM");            // same alignment: no record
  w.text({290, 70}, TextAlign::Right, "ii");
  const Bytes b = w.finish();
  const std::vector<Rec> all = walk(b);

  const std::vector<Rec> aligns = recordsOf(all, kSetTextAlign);
  ASSERT_EQ(aligns.size(), 2u);
  EXPECT_EQ(u32(b, aligns[0].offset + 8), 6u);  // centre, top
  EXPECT_EQ(u32(b, aligns[1].offset + 8), 2u);  // right, top
  const std::vector<Rec> colours = recordsOf(all, kSetTextColor);
  ASSERT_EQ(colours.size(), 1u);
  EXPECT_EQ(u32(b, colours[0].offset + 8), 0xFF0000u);  // blue as 0x00BBGGRR
  const std::vector<Rec> bkColours = recordsOf(all, kSetBkColor);
  ASSERT_EQ(bkColours.size(), 1u);
  EXPECT_EQ(u32(b, bkColours[0].offset + 8), 0x0000FFu);
  const std::vector<Rec> modes = recordsOf(all, kSetBkMode);
  ASSERT_EQ(modes.size(), 2u);
  EXPECT_EQ(u32(b, modes[1].offset + 8), 2u);  // opaque

  const std::vector<Rec> texts = recordsOf(all, kExtTextOutW);
  ASSERT_EQ(texts.size(), 3u);
  const Rec& t = texts[0];
  EXPECT_EQ(i32(b, t.offset + 36), 150);  // reference point
  EXPECT_EQ(i32(b, t.offset + 40), 10);
  const std::uint32_t chars = u32(b, t.offset + 44);
  ASSERT_EQ(chars, 7u);
  const std::uint32_t offString = u32(b, t.offset + 48);
  const std::uint32_t offDx = u32(b, t.offset + 72);
  ASSERT_LE(offString + 2 * chars, offDx);
  ASSERT_LE(offDx + 4 * chars, t.size);
  const std::uint16_t expectedUnits[] = {'S', 'o', 'l', ' ', 0x00E8, ' ', 0x20AC};
  int sum = 0;
  for (std::uint32_t i = 0; i < chars; ++i) {
    EXPECT_EQ(u16(b, t.offset + offString + 2 * i), expectedUnits[i]) << i;
    const std::int32_t dx = i32(b, t.offset + offDx + 4 * i);
    EXPECT_GT(dx, 0) << i;
    sum += dx;
  }
  // A cell of 23 units is an em of about 20.6; the text is 6376/2048 em wide.
  EXPECT_NEAR(sum, 23.0 * 6376 / 2288, 1.0);
  // The text's bounds are centred on the reference point.
  EXPECT_NEAR((i32(b, t.offset + 8) + i32(b, t.offset + 16)) / 2.0, 150, 1.0);
  EXPECT_EQ(i32(b, t.offset + 12), 10);
  EXPECT_EQ(i32(b, t.offset + 20), 10 + 22);
  // The narrow "ii" advances less than the wide "MMM" per character.
  EXPECT_LT(i32(b, texts[2].offset + u32(b, texts[2].offset + 72)),
            i32(b, texts[1].offset + u32(b, texts[1].offset + 72)));
}

TEST(EmfWriter, FontRecordHoldsTheLogicalFont) {
  EmfWriter w(50, 50, 2.0);
  w.selectFont({"Arial", 27, 10, 10, true, 2});
  w.selectFont({"Courier", 19, 0, 400, false, 1});
  const Bytes b = w.finish();
  const std::vector<Rec> fonts = recordsOf(walk(b), kCreateFont);
  ASSERT_EQ(fonts.size(), 2u);
  struct Expected {
    std::int32_t height, width, weight;
    std::uint8_t italic, quality, pitchAndFamily;
    std::u16string face;
  };
  const Expected expected[] = {{27, 10, 10, 1, 2, 0x22, u"Arial"}, {19, 0, 400, 0, 1, 0x31, u"Courier"}};
  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE(i);
    const std::size_t at = fonts[i].offset;
    EXPECT_EQ(fonts[i].size, 332u);
    EXPECT_EQ(i32(b, at + 12), expected[i].height);
    EXPECT_EQ(i32(b, at + 16), expected[i].width);
    EXPECT_EQ(i32(b, at + 28), expected[i].weight);
    EXPECT_EQ(b[at + 32], expected[i].italic);
    EXPECT_EQ(b[at + 38], expected[i].quality);
    EXPECT_EQ(b[at + 39], expected[i].pitchAndFamily);
    std::u16string face;
    for (std::size_t k = 0; k < 32 && u16(b, at + 40 + 2 * k) != 0; ++k) face += char16_t(u16(b, at + 40 + 2 * k));
    EXPECT_EQ(face, expected[i].face);
  }
}

TEST(EmfWriter, PensKeepStyleWidthAndColourAndPlayBack) {
  // A dashed pen wider than one unit needs the extended pen record to dash.
  struct Case {
    PenDesc pen;
    std::uint32_t type, style, width;
  };
  constexpr std::uint32_t kExtCreatePen = 95;
  const Case cases[] = {
      {{PenStyle::Solid, 3, 0x102030}, kCreatePen, 0, 3},
      {{PenStyle::Null, 0, 0x000000}, kCreatePen, 5, 0},
      {{PenStyle::Dash, 1, 0xFF0000}, kCreatePen, 1, 1},
      {{PenStyle::Dash, 4, 0xFF00FF}, kExtCreatePen, 0x10001, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.width);
    EmfWriter w(20, 20, 1.0);
    w.selectPen(c.pen);
    const Bytes b = w.finish();
    const Rec r = walk(b).at(3);
    ASSERT_EQ(r.type, c.type);
    const std::size_t colourAt = c.type == kCreatePen ? 24 : 40;
    EXPECT_EQ(u32(b, r.offset + 12 + (c.type == kCreatePen ? 0 : 16)), c.style);
    EXPECT_EQ(u32(b, r.offset + 16 + (c.type == kCreatePen ? 0 : 16)), c.width);
    const std::uint32_t rgb = c.pen.colour;
    EXPECT_EQ(u32(b, r.offset + colourAt), ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | (rgb >> 16));
    qx::RecordingTarget played;
    qx::Metafile::fromBytes(b, "pen").play(played, {0, 0, 19, 19});
    ASSERT_EQ(played.calls().size(), 1u);
    EXPECT_EQ(played.pen(), c.pen);
  }
}

TEST(EmfWriter, DrawingAMetafileEmbedsItsRecordsStretched) {
  // A 10 x 10 symbol: a filled square from 2 to 7 and a line.
  EmfWriter symbolWriter(10, 10, 1.0);
  symbolWriter.selectBrush({0xFF00FF, false});
  symbolWriter.polygon({{2, 2}, {7, 2}, {7, 7}, {2, 7}});
  symbolWriter.moveTo({0, 9});
  symbolWriter.lineTo({9, 0});
  const qx::Metafile symbol = qx::Metafile::fromBytes(symbolWriter.finish(), "Simboli\\Prova.emf");

  EmfWriter sheet(200, 200, 4.0);
  // The symbol's frame, units 0..9, goes onto 100..190: 10 device units each.
  sheet.drawMetafile(symbol, DeviceRect{100, 50, 190, 140});
  const Bytes b = sheet.finish();
  const std::vector<Rec> all = walk(b);
  const std::vector<Rec> polygons = recordsOf(all, kPolygon16);
  ASSERT_EQ(polygons.size(), 1u);
  const std::size_t at = polygons[0].offset + 28;
  EXPECT_EQ(i16(b, at), 120);
  EXPECT_EQ(i16(b, at + 2), 70);
  EXPECT_EQ(i16(b, at + 8), 170);
  EXPECT_EQ(i16(b, at + 10), 120);
  // The brush was created in the sheet's own object table.
  const std::vector<Rec> brushes = recordsOf(all, kCreateBrush);
  ASSERT_EQ(brushes.size(), 1u);
  EXPECT_EQ(u32(b, brushes[0].offset + 16), 0xFF00FFu);
  // The line's end points land on the box's corners.
  const Rec line = recordsOf(all, 54).at(0);
  EXPECT_EQ(i32(b, line.offset + 8), 190);
  EXPECT_EQ(i32(b, line.offset + 12), 50);
}

}  // namespace
}  // namespace qxtest
