// Reading, checking and playing metafiles; the files on disk and the cache.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "EmfWriter.h"
#include "IoError.h"
#include "Metafile.h"
#include "RecordingTarget.h"
#include "TempFolder.h"
#include "WorkFolder.h"

namespace qxtest {
namespace {

using qx::DevicePoint;
using qx::DeviceRect;
using qx::DrawOp;
using qx::EmfWriter;
using qx::IoError;
using qx::IoErrorCode;
using qx::Metafile;
using qx::PenStyle;
using qx::RecordingTarget;
using qx::TextAlign;

using Bytes = std::vector<std::uint8_t>;

std::uint32_t u32(const Bytes& b, std::size_t at) {
  return std::uint32_t(b[at]) | (std::uint32_t(b[at + 1]) << 8) | (std::uint32_t(b[at + 2]) << 16) |
         (std::uint32_t(b[at + 3]) << 24);
}
void setU32(Bytes& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = std::uint8_t(v >> (8 * i));
}
void putU32(Bytes& b, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(std::uint8_t(v >> (8 * i)));
}
void putU16(Bytes& b, std::uint16_t v) {
  b.push_back(std::uint8_t(v));
  b.push_back(std::uint8_t(v >> 8));
}

// A picture with every kind of record the writer emits.
void drawSample(qx::DrawTarget& w) {
  w.selectPen({PenStyle::Dash, 2, 0xFF0000});
  w.selectBrush({0x0000FF, false});
  w.selectFont({"Arial", 20, 0, 10, true, 2});
  w.setTextColour(0x00FF00);
  w.setTextBackground(true, 0xFFFF00);
  w.moveTo({10, 10});
  w.lineTo({100, 20});
  w.arc({10, 10, 60, 60}, {60, 35}, {10, 35});
  w.ellipse({70, 10, 120, 50});
  w.rectangle({130, 10, 170, 50});
  w.polygon({{10, 190}, {50, 150}, {90, 190}});
  w.polyPolygon({{{200, 100}, {280, 100}, {280, 180}, {200, 180}}, {{220, 120}, {260, 120}, {240, 160}}});
  w.text({150, 100}, TextAlign::Centre, "Sole \xe8");
  w.selectBrush({0xFFFFFF, true});
  w.text({290, 150}, TextAlign::Right, "Luna");
  w.clear(0x000000);
}

Bytes sampleBytes() {
  EmfWriter w(300, 200, 4.0);
  drawSample(w);
  return w.finish();
}

std::uint32_t offsetOf(const Metafile& m, std::uint32_t type, int nth = 0) {
  for (const Metafile::Record& r : m.records())
    if (r.type == type && nth-- == 0) return r.offset;
  ADD_FAILURE() << "no record of type " << type;
  return 0;
}

TEST(Metafile, WriterOutputPlaysBackAsTheSameCalls) {
  const Metafile m = Metafile::fromBytes(sampleBytes(), "Emf\\GRAF01.EMF");
  EXPECT_EQ(m.header().handles, 5u);
  EXPECT_EQ(m.header().devicePixelsX, 300);
  EXPECT_EQ(m.records().size(), m.header().records);
  RecordingTarget played(qx::TargetKind::Metafile);
  m.play(played, {0, 0, 299, 199});  // the frame onto itself
  EXPECT_EQ(played.dump(),
            "selectPen dash 2 #FF0000\n"
            "selectBrush #0000FF\n"
            "selectFont Arial h20 w0 weight 10 italic\n"
            "setTextColour #00FF00\n"
            "moveTo (10,10)\n"
            "lineTo (100,20)\n"
            "arc [10,10 60,60] (60,35)(10,35)\n"
            "ellipse [70,10 120,50]\n"
            "rectangle [130,10 170,50]\n"
            "polygon (10,190)(50,150)(90,190)\n"
            "polyPolygon {(200,100)(280,100)(280,180)(200,180)} {(220,120)(260,120)(240,160)}\n"
            "setTextBackground opaque #FFFF00\n"
            "text (150,100) centre \"Sole \xe8\" #00FF00\n"
            "selectBrush hollow\n"
            "text (290,150) right \"Luna\" #00FF00\n"
            // clear: a black rectangle over the picture without outline,
            // then the pen and brush in use again
            "selectBrush #000000\n"
            "selectPen null 0 #000000\n"
            "rectangle [0,0 301,201]\n"
            "selectPen dash 2 #FF0000\n"
            "selectBrush hollow\n");
}

TEST(Metafile, PlayStretchesEachAxisIntoTheBox) {
  const Metafile m = Metafile::fromBytes(sampleBytes(), "sample");
  RecordingTarget played;
  m.play(played, {10, 20, 10 + 2 * 299, 20 + 0.5 * 199});  // x twice, y half
  const auto lines = played.callsOf(DrawOp::LineTo);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NEAR(lines[0].points[0].x, 10 + 2 * 100, 1e-9);
  EXPECT_NEAR(lines[0].points[0].y, 20 + 0.5 * 20, 1e-9);
  const auto fonts = played.callsOf(DrawOp::SelectFont);
  ASSERT_EQ(fonts.size(), 1u);
  EXPECT_EQ(fonts[0].font->height, 10);  // follows the vertical stretch
  EXPECT_EQ(played.callsOf(DrawOp::SelectPen).at(0).pen.width, 3);  // 2 x the mean stretch 1.25
  const auto polygons = played.callsOf(DrawOp::Polygon);
  ASSERT_EQ(polygons.size(), 1u);
  EXPECT_NEAR(polygons[0].points[1].x, 110, 1e-9);
  EXPECT_NEAR(polygons[0].points[1].y, 95, 1e-9);
}

// A metafile from another program: an 88-byte header with the millimetre
// size only, and records the writer never emits.
Bytes foreignMetafile(const std::vector<Bytes>& records, std::uint16_t handles) {
  Bytes b;
  putU32(b, 1);
  putU32(b, 88);
  for (std::int32_t v : {0, 0, 99, 49}) putU32(b, std::uint32_t(v));      // bounds
  for (std::int32_t v : {0, 0, 9900, 4900}) putU32(b, std::uint32_t(v));  // frame: 99 x 49 mm
  putU32(b, 0x464D4520);
  putU32(b, 0x10000);
  putU32(b, 0);  // bytes, records: below
  putU32(b, 0);
  putU16(b, handles);
  putU16(b, 0);
  for (int i = 0; i < 3; ++i) putU32(b, 0);
  for (std::int32_t v : {1000, 500, 1000, 500}) putU32(b, std::uint32_t(v));  // 1 pixel per mm
  for (const Bytes& r : records) b.insert(b.end(), r.begin(), r.end());
  for (std::uint32_t v : {14u, 20u, 0u, 16u, 20u}) putU32(b, v);
  setU32(b, 48, std::uint32_t(b.size()));
  setU32(b, 52, std::uint32_t(records.size() + 2));
  return b;
}

Bytes record(std::uint32_t type, std::initializer_list<std::uint32_t> fields) {
  Bytes b;
  putU32(b, type);
  putU32(b, std::uint32_t(8 + 4 * fields.size()));
  for (std::uint32_t f : fields) putU32(b, f);
  return b;
}

TEST(Metafile, PlaysRecordsOfOtherWriters) {
  // A geometric pen with dashes, a stock brush, a 16-bit polyline, a text
  // on its baseline without a clip box.
  Bytes text = record(84, {0, 0, 0, 0, 1, 0, 0, 40, 30, 2, 64, 0x100, 68, 0});
  putU16(text, 'O');
  putU16(text, 0x00E0);  // a grave
  for (std::uint32_t dx : {7u, 7u}) putU32(text, dx);
  setU32(text, 4, std::uint32_t(text.size()));
  Bytes polyline = record(87, {0, 0, 10, 10, 3});
  for (std::uint16_t v : {0, 0, 10, 0, 10, 10}) putU16(polyline, v);
  setU32(polyline, 4, std::uint32_t(polyline.size()));
  const Bytes bytes = foreignMetafile(
      {
          record(95, {1, 0, 0, 0, 0, 0x10001, 3, 0, 0x00FF00, 0, 0}),  // dashed geometric pen, 3 wide
          record(37, {1}),
          record(37, {0x80000000 | 5}),  // stock hollow brush
          polyline,
          record(22, {24}),  // baseline, left
          record(37, {0x80000000 | 13}),  // stock system font
          text,
      },
      2);
  const Metafile m = Metafile::fromBytes(bytes, "foreign");
  RecordingTarget played;
  m.play(played, {0, 0, 198, 98});  // twice the frame's 99 x 49 device units
  EXPECT_EQ(played.dump(),
            "selectPen dash 6 #00FF00\n"
            "selectBrush hollow\n"
            "moveTo (0,0)\n"
            "lineTo (20,0)\n"
            "lineTo (20,20)\n"
            "selectFont Arial h32 w0 weight 400\n"
            // the baseline lies the font's ascent below the top
            "text (80,34.0699) left \"O\xe0\" #000000\n");
}

TEST(Metafile, UnknownRecordsAreKeptAndSkipped) {
  Bytes base = sampleBytes();
  const Metafile plain = Metafile::fromBytes(base, "plain");
  Bytes extended = base;
  const std::uint32_t eof = offsetOf(plain, 14);
  const Bytes unknown = record(0x7777, {1, 2});
  extended.insert(extended.begin() + eof, unknown.begin(), unknown.end());
  setU32(extended, 48, u32(extended, 48) + 16);
  setU32(extended, 52, u32(extended, 52) + 1);
  const Metafile m = Metafile::fromBytes(extended, "extended");
  EXPECT_EQ(m.records().size(), plain.records().size() + 1);
  EXPECT_EQ(m.records()[m.records().size() - 2].type, 0x7777u);
  RecordingTarget a, b;
  plain.play(a, {0, 0, 299, 199});
  m.play(b, {0, 0, 299, 199});
  EXPECT_EQ(a.dump(), b.dump());
}

TEST(Metafile, BytesAfterTheHeadersCountAreIgnored) {
  Bytes padded = sampleBytes();
  const std::size_t size = padded.size();
  padded.resize(size + 8, 0xEE);
  const Metafile m = Metafile::fromBytes(padded, "padded");
  EXPECT_EQ(m.header().bytes, size);
  EXPECT_EQ(m.records().back().type, 14u);
}

TEST(Metafile, DamagedFilesAreRefused) {
  const Bytes base = sampleBytes();
  const Metafile good = Metafile::fromBytes(base, "good");
  const std::uint32_t firstRecord = good.records().at(1).offset;
  const std::uint32_t polygon = offsetOf(good, 86);
  const std::uint32_t polyPolygon = offsetOf(good, 91);
  const std::uint32_t text = offsetOf(good, 84);
  const std::uint32_t select = offsetOf(good, 37);
  const std::uint32_t createPen = offsetOf(good, 95);  // the wide dashed pen
  const std::uint32_t remove = offsetOf(good, 40);
  const std::uint32_t eof = offsetOf(good, 14);
  const std::uint32_t handles = good.header().handles;
  const std::uint32_t textSize = u32(base, text + 4);

  struct Case {
    const char* name;
    std::function<void(Bytes&)> damage;
  };
  const Case cases[] = {
      {"empty", [](Bytes& b) { b.clear(); }},
      {"cut inside the header", [](Bytes& b) { b.resize(60); }},
      {"cut before the end", [](Bytes& b) { b.resize(b.size() - 4); }},
      {"cut with the byte count following",
       [](Bytes& b) {
         b.resize(b.size() - 4);
         setU32(b, 48, std::uint32_t(b.size()));
       }},
      {"first record not a header", [](Bytes& b) { setU32(b, 0, 2); }},
      {"header shorter than 88", [](Bytes& b) { setU32(b, 4, 84); }},
      {"header longer than the file", [](Bytes& b) { setU32(b, 4, std::uint32_t(b.size() + 4)); }},
      {"wrong signature", [](Bytes& b) { b[40] = 'X'; }},
      {"byte count beyond the file", [](Bytes& b) { setU32(b, 48, u32(b, 48) + 4); }},
      {"record count one more", [](Bytes& b) { setU32(b, 52, u32(b, 52) + 1); }},
      {"record count one less", [](Bytes& b) { setU32(b, 52, u32(b, 52) - 1); }},
      {"no object table", [](Bytes& b) { b[56] = b[57] = 0; }},
      {"record size 0", [=](Bytes& b) { setU32(b, firstRecord + 4, 0); }},
      {"record size not a multiple of 4", [=](Bytes& b) { setU32(b, firstRecord + 4, 13); }},
      {"record size past the end", [=](Bytes& b) { setU32(b, firstRecord + 4, 0x10000); }},
      {"record too short for its type", [=](Bytes& b) { setU32(b, select, 82); }},
      {"second header", [=](Bytes& b) { setU32(b, select, 1); }},
      {"no end-of-file record", [=](Bytes& b) { setU32(b, eof, 0x7777); }},
      {"records after the end-of-file record", [=](Bytes& b) { setU32(b, createPen, 14); }},
      {"polygon count too large", [=](Bytes& b) { setU32(b, polygon + 24, 4); }},
      {"polygon count wrapping around", [=](Bytes& b) { setU32(b, polygon + 24, 0xC0000000); }},
      {"polypolygon counts not summing", [=](Bytes& b) { setU32(b, polyPolygon + 32, 5); }},
      {"polypolygon total too large", [=](Bytes& b) {
         setU32(b, polyPolygon + 28, 8);
         setU32(b, polyPolygon + 32, 5);
       }},
      {"polypolygon with too many rings", [=](Bytes& b) { setU32(b, polyPolygon + 24, 0x40000000); }},
      {"text length past the record", [=](Bytes& b) { setU32(b, text + 44, textSize); }},
      {"text string past the record", [=](Bytes& b) { setU32(b, text + 48, textSize - 2); }},
      {"text advances past the record", [=](Bytes& b) { setU32(b, text + 72, textSize - 4); }},
      {"text advances in pairs past the record", [=](Bytes& b) { setU32(b, text + 52, 0x2000); }},
      {"selection beyond the table", [=](Bytes& b) { setU32(b, select + 8, handles); }},
      {"selection of slot 0", [=](Bytes& b) { setU32(b, select + 8, 0); }},
      {"unknown stock object", [=](Bytes& b) { setU32(b, select + 8, 0x80000000 | 20); }},
      {"pen created beyond the table", [=](Bytes& b) { setU32(b, createPen + 8, handles + 7); }},
      {"pen created in slot 0", [=](Bytes& b) { setU32(b, createPen + 8, 0); }},
      {"pen's dash lengths past the record", [=](Bytes& b) { setU32(b, createPen + 48, 1); }},
      {"pen's pattern past the record", [=](Bytes& b) {
         setU32(b, createPen + 12, 40);
         setU32(b, createPen + 16, 40);
       }},
      {"deletion beyond the table", [=](Bytes& b) { setU32(b, remove + 8, 0x7FFFFFFF); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Bytes damaged = base;
    c.damage(damaged);
    try {
      Metafile::fromBytes(damaged, "Simboli\\PiaX01.emf");
      ADD_FAILURE() << "accepted";
    } catch (const IoError& e) {
      EXPECT_EQ(e.code(), IoErrorCode::ReadPastEnd);
      EXPECT_EQ(e.file(), "Simboli\\PiaX01.emf");
    }
  }
}

TEST(Metafile, NoDamageMakesReadingOrPlayingReachOutside) {
  // Every cut, and every byte set to a few telling values: the reader
  // refuses the file or accepts it, and an accepted file plays. Run under
  // a memory checker, this shows that no record is read past its end.
  EmfWriter w(60, 40, 2.0);
  drawSample(w);
  const Bytes base = w.finish();
  int accepted = 0;
  const auto attempt = [&](const Bytes& bytes) {
    try {
      const Metafile m = Metafile::fromBytes(bytes, "x");
      RecordingTarget target;
      m.play(target, {0, 0, 100, 100});
      ++accepted;
    } catch (const IoError& e) {
      EXPECT_EQ(e.code(), IoErrorCode::ReadPastEnd);
    }
  };
  for (std::size_t size = 0; size < base.size(); ++size) attempt(Bytes(base.begin(), base.begin() + size));
  for (std::size_t at = 0; at < base.size(); ++at)
    for (std::uint8_t value : {0x00, 0x01, 0x7F, 0x80, 0xFF}) {
      Bytes damaged = base;
      damaged[at] = value;
      attempt(damaged);
    }
  EXPECT_GT(accepted, 0);  // coordinates and colours may change freely
}

TEST(MetafileFiles, SavedFilesAreReadBackThroughTheWorkFolder) {
  TempFolder temp;
  const qx::WorkFolder folder(temp.path());
  std::filesystem::create_directories(temp.path() / "emf");  // an existing folder, spelt otherwise
  const Bytes bytes = sampleBytes();
  qx::saveMetafile(folder, "Emf\\GRAF01.EMF", bytes);
  EXPECT_TRUE(std::filesystem::exists(temp.path() / "emf" / "GRAF01.EMF"));
  EXPECT_FALSE(std::filesystem::exists(temp.path() / "Emf"));
  qx::saveMetafile(folder, "Nuova\\GRAF02.EMF", bytes);  // a missing folder is made
  EXPECT_TRUE(std::filesystem::exists(temp.path() / "Nuova" / "GRAF02.EMF"));

  const Metafile m = qx::readMetafile(folder, "EMF\\graf01.emf");
  EXPECT_EQ(m.bytes(), bytes);
  EXPECT_EQ(m.name(), "EMF\\graf01.emf");

  try {
    qx::readMetafile(folder, "Emf\\GRAF09.EMF");
    ADD_FAILURE() << "read a missing file";
  } catch (const IoError& e) {
    EXPECT_EQ(e.code(), IoErrorCode::FileNotFound);
    EXPECT_EQ(e.file(), "Emf\\GRAF09.EMF");
  }
  // A folder where the file should go cannot be written.
  std::filesystem::create_directories(temp.path() / "emf" / "GRAF03.EMF");
  try {
    qx::saveMetafile(folder, "Emf\\GRAF03.EMF", bytes);
    ADD_FAILURE() << "wrote over a folder";
  } catch (const IoError& e) {
    EXPECT_EQ(e.file(), "Emf\\GRAF03.EMF");
  }
}

TEST(MetafileFiles, CacheReadsEachFileOnceUntilItIsReplaced) {
  TempFolder temp;
  const qx::WorkFolder folder(temp.path());
  const std::filesystem::path path = temp.path() / "Simboli" / "PiaX01.emf";
  const Bytes first = sampleBytes();
  qx::saveMetafile(folder, "Simboli\\PiaX01.emf", first);
  const auto writeRaw = [&](const Bytes& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  };

  qx::MetafileCache cache(folder);
  const Metafile* once = &cache.get("Simboli\\PiaX01.emf");
  EXPECT_EQ(once->bytes(), first);

  // Same size and time: not read again (the damaged content would be refused).
  const auto stamp = std::filesystem::last_write_time(path);
  Bytes damaged = first;
  damaged[0] = 9;
  writeRaw(damaged);
  std::filesystem::last_write_time(path, stamp);
  EXPECT_EQ(&cache.get("Simboli\\PiaX01.emf"), once);
  EXPECT_EQ(cache.get("Simboli\\PiaX01.emf").bytes(), first);

  // Another time with the same size: read again.
  EmfWriter other(300, 200, 4.0);
  drawSample(other);
  Bytes second = other.finish();
  second[8] ^= 1;  // another bounds' left, same size
  writeRaw(second);
  std::filesystem::last_write_time(path, stamp + std::chrono::seconds(5));
  EXPECT_EQ(cache.get("Simboli\\PiaX01.emf").bytes(), second);

  // Another size: read again, and checked again.
  EmfWriter small(10, 10, 1.0);
  const Bytes third = small.finish();
  writeRaw(third);
  EXPECT_EQ(cache.get("Simboli\\PiaX01.emf").bytes(), third);
  writeRaw(Bytes(third.begin(), third.end() - 4));
  EXPECT_THROW(cache.get("Simboli\\PiaX01.emf"), IoError);

  std::filesystem::remove(path);
  try {
    cache.get("Simboli\\PiaX01.emf");
    ADD_FAILURE() << "found a removed file";
  } catch (const IoError& e) {
    EXPECT_EQ(e.code(), IoErrorCode::FileNotFound);
    EXPECT_EQ(e.file(), "Simboli\\PiaX01.emf");
  }
}

}  // namespace
}  // namespace qxtest
