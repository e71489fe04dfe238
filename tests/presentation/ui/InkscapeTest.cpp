// Our metafiles as an independent reader sees them: a wheel-like picture and
// the program's own sheet wheel are written, converted to PNG by Inkscape, and the drawn extent is compared
// with what was drawn. The image the clipboard carries (our own player on a
// painter) is held to the same extent, and the clipboard's formats are
// checked.

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "ChartEngine.h"
#include "Clipboard.h"
#include "Drawing.h"
#include "EmfWriter.h"
#include "Metafile.h"
#include "OrbFiles.h"
#include "PainterTarget.h"
#include "TempFolder.h"
#include "TestApplication.h"
#include "Wheel.h"
#include "WorkFolder.h"

namespace qxtest {
namespace {

using qx::DevicePoint;
using qx::EmfWriter;
using qx::PenStyle;
using qx::TextAlign;

constexpr int kWidth = 600, kHeight = 400;
constexpr double kCx = 300, kCy = 200, kOuter = 180, kInner = 120;

DevicePoint onCircle(double r, double degrees) {
  const double a = degrees * M_PI / 180;
  return {kCx - r * std::cos(a), kCy - r * std::sin(a)};
}

// Rings as 72-segment polygons (as the drawing layer draws circles on
// paper), spokes, an ellipse, an arc, filled spindles and text: everything
// inside the outer ring, which spans x 120..480 and y 20..380.
std::vector<std::uint8_t> wheelMetafile() {
  EmfWriter w(kWidth, kHeight, 4.0);
  w.selectPen({PenStyle::Solid, 2, 0x000000});
  for (double r : {kOuter, kInner}) {
    w.moveTo(onCircle(r, 0));
    for (int d = 5; d <= 360; d += 5) w.lineTo(onCircle(r, d));
  }
  w.selectPen({PenStyle::Solid, 1, 0x0000FF});
  for (int d = 0; d < 360; d += 30) {
    w.moveTo(onCircle(kInner, d));
    w.lineTo(onCircle(kOuter, d));
  }
  w.selectBrush({0x00A000, false});
  w.ellipse({kCx - 6, kCy - 6, kCx + 6, kCy + 6});
  w.selectPen({PenStyle::Dash, 1, 0xFF0000});
  w.arc({kCx - 60, kCy - 60, kCx + 60, kCy + 60}, {kCx + 60, kCy}, {kCx - 60, kCy});
  w.selectPen({PenStyle::Solid, 1, 0x800000});
  w.selectBrush({0xFF0000, false});
  for (int d : {20, 140, 260}) {
    const DevicePoint a = onCircle(100, d), b = onCircle(100, d + 120);
    const DevicePoint mid{(a.x + b.x) / 2, (a.y + b.y) / 2};
    const double nx = -(b.y - a.y) / 40, ny = (b.x - a.x) / 40;
    w.polygon({a, {mid.x + nx, mid.y + ny}, b, {mid.x - nx, mid.y - ny}});
  }
  w.selectFont({"Arial", 18, 0, 400, false, 2});
  w.setTextColour(0x000000);
  const char* signs[] = {"Ari", "Tor", "Gem", "Can", "Leo", "Ver", "Bil", "Sco", "Sag", "Cap", "Acq", "Pes"};
  for (int i = 0; i < 12; ++i) {
    const DevicePoint p = onCircle(150, 15 + 30 * i);
    w.text({p.x, p.y - 9}, TextAlign::Centre, signs[i]);
  }
  return w.finish();
}

// Pixels that are drawn: opaque enough and not white.
QRect inkBox(const QImage& image) {
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  QRect box;
  for (int y = 0; y < argb.height(); ++y)
    for (int x = 0; x < argb.width(); ++x) {
      const QRgb p = argb.pixel(x, y);
      if (qAlpha(p) > 128 && qGray(p) < 200) box |= QRect(x, y, 1, 1);
    }
  return box;
}

// The ink box as shares of the image: it should be the outer ring's.
void expectWheelExtent(const QImage& image, double tolerance) {
  ASSERT_FALSE(image.isNull());
  EXPECT_NEAR(double(image.width()) / image.height(), double(kWidth) / kHeight, 0.03);
  const QRect ink = inkBox(image);
  ASSERT_FALSE(ink.isEmpty()) << "blank picture";
  const double w = image.width(), h = image.height();
  EXPECT_NEAR(ink.left() / w, (kCx - kOuter) / kWidth, tolerance);
  EXPECT_NEAR((ink.right() + 1) / w, (kCx + kOuter) / kWidth, tolerance);
  EXPECT_NEAR(ink.top() / h, (kCy - kOuter) / kHeight, tolerance);
  EXPECT_NEAR((ink.bottom() + 1) / h, (kCy + kOuter) / kHeight, tolerance);
  EXPECT_NEAR(double(ink.width()) / ink.height(), 1.0, 0.03);
}

class InkscapeTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testApplication<QGuiApplication>(); }
};

// Converts `in` to the PNG `out` with Inkscape, in a private home so that
// Inkscape leaves the user's profile alone.
void convertWithInkscape(const QString& inkscape, const std::filesystem::path& in, const std::filesystem::path& out,
                         const std::filesystem::path& home) {
  const QString homeText = QString::fromStdString(home.string());
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("HOME", homeText);
  env.insert("XDG_CONFIG_HOME", homeText + "/.config");
  env.insert("XDG_CACHE_HOME", homeText + "/.cache");
  env.insert("XDG_DATA_HOME", homeText + "/.local/share");
  env.insert("XDG_RUNTIME_DIR", homeText + "/run");
  std::filesystem::create_directories(home / "run");
  QProcess process;
  process.setProcessEnvironment(env);
  process.start(inkscape, {QString::fromStdString(in.string()), "--export-type=png",
                           "--export-filename=" + QString::fromStdString(out.string())});
  ASSERT_TRUE(process.waitForStarted(10000));
  if (!process.waitForFinished(180000)) {
    process.kill();
    process.waitForFinished();
    FAIL() << "inkscape did not finish in time";
  }
  ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
}

void writeBytes(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes) {
  std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

TEST_F(InkscapeTest, InkscapeDrawsTheWheelWhereItWasDrawn) {
  const QString inkscape = QStandardPaths::findExecutable("inkscape");
  if (inkscape.isEmpty()) GTEST_SKIP() << "inkscape is not on PATH";

  TempFolder temp;
  const std::filesystem::path in = temp.path() / "wheel.emf", out = temp.path() / "wheel.png";
  writeBytes(in, wheelMetafile());
  convertWithInkscape(inkscape, in, out, temp.path() / "home");
  if (HasFatalFailure()) return;

  const QImage image(QString::fromStdString(out.string()));
  ASSERT_FALSE(image.isNull()) << "no PNG written";
  // The page is the frame: 600 x 400 device units at 4 per millimetre are
  // 150 x 100 mm, which Inkscape exports at 96 dots per inch.
  EXPECT_NEAR(image.width(), 149.75 / 25.4 * 96, 3);
  expectWheelExtent(image, 0.02);
}

// The program's own summary-sheet wheel of the installation's current
// subject, saved as a sheet metafile of a 1920 x 1080 screen, read back by
// our reader and by Inkscape: the header describes the picture, and the
// independent reader draws the wheel where our own player draws it.
TEST_F(InkscapeTest, TheSheetWheelMetafileOpensInInkscapeWithTheWheelsExtent) {
  const QString inkscape = QStandardPaths::findExecutable("inkscape");
  if (inkscape.isEmpty()) GTEST_SKIP() << "inkscape is not on PATH";

  TempFolder temp;
  temp.copyInstallation();
  const qx::WorkFolder folder(temp.path());
  const qx::OrbSettings settings = qx::loadOrbSettings(folder);
  qx::ChartEngine engine(folder);
  engine.chart().NodeKind = settings.nodeKind;
  engine.chart().ApogeeKind = settings.apogeeKind;
  engine.computeChart();

  constexpr int kScreenWidth = 1920, kScreenHeight = 1080;
  EmfWriter writer(kScreenWidth, kScreenHeight, 96 / 25.4);
  qx::DrawingState state;
  state.setScreenSize(kScreenWidth, kScreenHeight);
  state.Target = &writer;
  qx::MetafileCache symbols(folder);
  qx::Drawing drawing(state, symbols);
  qx::drawSheetNatalWheel(drawing, engine.chart(), settings.orbs, qx::AspectFigureStyle::Spindles);
  qx::saveMetafile(folder, "Emf\\GRAF01.EMF", writer.finish());

  // Our reader: the whole file checks, and the header holds the wheel.
  const qx::Metafile metafile = qx::readMetafile(folder, "Emf\\GRAF01.EMF");
  const qx::MetafileHeader& header = metafile.header();
  EXPECT_EQ(header.bytes, metafile.bytes().size());
  EXPECT_EQ(header.records, metafile.records().size());
  std::uint32_t total = 0;
  for (const qx::Metafile::Record& record : metafile.records()) {
    EXPECT_EQ(record.size % 4, 0u);
    total += record.size;
  }
  EXPECT_EQ(total, header.bytes);
  EXPECT_EQ(header.devicePixelsX, kScreenWidth);
  EXPECT_EQ(header.devicePixelsY, kScreenHeight);
  // The wheel's centre (W1, W2) and its outer circle plus the horizon stubs
  // (radius W3 + 15) lie inside the bounds.
  const double scale = double(state.DisplayScale);
  const double cx = state.Wheel[0] * scale, cy = state.Wheel[1] * scale, reach = (state.Wheel[2] + 15) * scale;
  EXPECT_LE(header.boundsLeft, cx - reach);
  EXPECT_GE(header.boundsRight, cx + reach - 2);
  EXPECT_LE(header.boundsTop, cy - (state.Wheel[2] + 5) * scale);
  EXPECT_GE(header.boundsBottom, cy + (state.Wheel[2] + 5) * scale - 2);

  const std::filesystem::path out = temp.path() / "wheel.png";
  convertWithInkscape(inkscape, folder.resolve("Emf\\GRAF01.EMF"), out, temp.path() / "home");
  if (HasFatalFailure()) return;
  const QImage inkscapeImage(QString::fromStdString(out.string()));
  ASSERT_FALSE(inkscapeImage.isNull()) << "no PNG written";
  EXPECT_NEAR(inkscapeImage.width(), kScreenWidth, 4);
  EXPECT_NEAR(inkscapeImage.height(), kScreenHeight, 4);

  const QRect ink = inkBox(inkscapeImage);
  ASSERT_FALSE(ink.isEmpty()) << "blank picture";
  const QImage ours = qx::renderToImage(
      inkscapeImage.width(), inkscapeImage.height(),
      [&](qx::DrawTarget& target) {
        metafile.play(target, {0, 0, double(inkscapeImage.width()), double(inkscapeImage.height())});
      },
      qx::TargetKind::Metafile);
  const QRect ourInk = inkBox(ours);
  SCOPED_TRACE(testing::Message() << "inkscape ink " << ink.left() << "," << ink.top() << " - " << ink.right()
                                  << "," << ink.bottom() << "; ours " << ourInk.left() << "," << ourInk.top()
                                  << " - " << ourInk.right() << "," << ourInk.bottom());
  // Within 3 % of the screen: the wheel is drawn where it was drawn, at its
  // size. (Inkscape takes a font's height for its em size rather than its
  // cell, so its texts come out about 15 % larger, and the centred labels at
  // the rim reach a little further out.)
  const double tolerance = 0.03 * kScreenWidth;
  EXPECT_NEAR(ink.left(), ourInk.left(), tolerance);
  EXPECT_NEAR(ink.right(), ourInk.right(), tolerance);
  EXPECT_NEAR(ink.top(), ourInk.top(), tolerance);
  EXPECT_NEAR(ink.bottom(), ourInk.bottom(), tolerance);
  // And it is the wheel: centred on (W1, W2), at least as wide as the stubs.
  EXPECT_NEAR((ink.left() + ink.right()) / 2.0, cx, 0.05 * reach);
  EXPECT_GE(ink.width(), 2 * reach - 4);
  EXPECT_GE(ink.height(), 2 * (state.Wheel[2] + 5) * scale - 4);
}

TEST_F(InkscapeTest, ClipboardCarriesTheMetafileAndItsImage) {
  const qx::Metafile metafile = qx::Metafile::fromBytes(wheelMetafile(), "Emf\\GRAF01.EMF");
  const std::unique_ptr<QMimeData> data = qx::metafileMimeData(metafile);
  const QByteArray expected(reinterpret_cast<const char*>(metafile.bytes().data()),
                            qsizetype(metafile.bytes().size()));
  EXPECT_EQ(data->data(qx::kEmfMimeType), expected);
  EXPECT_EQ(data->data(qx::kWindowsEmfMimeType), expected);
  ASSERT_TRUE(data->hasImage());
  const QImage image = qvariant_cast<QImage>(data->imageData());
  EXPECT_EQ(image.size(), QSize(kWidth, kHeight));
  expectWheelExtent(image, 0.01);

  // A large picture is scaled down to the limit with its proportions.
  EXPECT_EQ(qx::metafileImageSize(metafile, 300), QSize(300, 200));

  qx::copyMetafileToClipboard(metafile);
  const QMimeData* pasted = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(pasted, nullptr);
  EXPECT_EQ(pasted->data(qx::kEmfMimeType), expected);
  EXPECT_TRUE(pasted->hasImage());
}

}  // namespace
}  // namespace qxtest
